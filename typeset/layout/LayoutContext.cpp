#include "typeset/layout/LayoutContext.h"

#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"

void TLayoutContext::Reset()
{
    justified = false;
    exempt = false;
    linesOverride = 0;
    pendingParts.clear();
    pendingPictures.clear();
    heldColumns.clear();
    firstColumn = true;
    raise = 0;
    blank = 0;
    pass = TOccupancyPass::None;
    noteOpen = false;
    groupKind = 1;
    specialPart = 0;
}

int32_t TLayoutContext::LinesPerPage() const { return CurrentTypesetEdition().LinesPerPage(*this); }

TCellRange TLayoutContext::CellsAt(int32_t col) const
{
    if (col < 0 || col >= int32_t(occupancy.size()))
        return {};
    return occupancy[size_t(col)];
}

bool TLayoutContext::IsLinePartlyOccupied(int32_t col) const
{
    if (col < 0 || col >= int32_t(occupancy.size()) || !box)
        return false;
    const TCellRange cells = occupancy[size_t(col)];
    return cells.first > 0 && cells.last > 0 && cells.last < box->size.TEXT_PER_LINE - 1;
}

void TLayoutContext::UpdateOccupancyState()
{
    if (pass == TOccupancyPass::Upper) {
        if (!IsLinePartlyOccupied(column)) {
            pass = TOccupancyPass::Lower;
            column = heldStart;
        }
    } else if (IsLinePartlyOccupied(column) && heldColumns.empty()) {
        heldStart = column;
        pass = TOccupancyPass::Upper;
    }
}

void TLayoutContext::JoinPendingParts()
{
    for (const QString& part : pendingParts)
        lineBuffer += part;
    pendingParts.clear();
}

void TLayoutContext::FinishLine()
{
    lineBuffer.clear();
    JoinPendingParts();
    lineBuffer += g_LineEndMark;
    EmitLine();
}

void TLayoutContext::FlushPendingLines()
{
    // Only the lower pass releases held columns; in any other pass emitting
    // would hold the column again and never end. The held parts go back to
    // the column where they began.
    if (!heldColumns.empty() && pass != TOccupancyPass::Lower) {
        pass = TOccupancyPass::Lower;
        column = heldStart;
    }
    while (!heldColumns.empty()) {
        lineBuffer.clear();
        EmitLine();
    }
}

void TLayoutContext::ResetOccupancy() { CurrentTypesetEdition().ResetOccupancy(*this); }

int32_t TLayoutContext::AvailableLength() const { return CurrentTypesetEdition().AvailableLength(*this); }

bool TLayoutContext::ReserveBlockLines(const TPendingPicture& picture)
{
    return CurrentTypesetEdition().ReserveBlockLines(*this, picture);
}

void TLayoutContext::EmitLine() { CurrentTypesetEdition().EmitLine(*this); }

void TLayoutContext::NewPage() { CurrentTypesetEdition().NewPage(*this); }
