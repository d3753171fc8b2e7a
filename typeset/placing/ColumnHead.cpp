// The start of a column: its head tags and its indent; and where side-note
// anchors stand in it.
#include <algorithm>

#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/cells/Cells.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/placing/Placing.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr QChar kIndentCell = QChar(0x3000);
constexpr QStringView kSideNoteAnchor = u"<CP";

int32_t TextCell(const TLayoutContext& context) { return context.box->MFONT_GROUP.TEXT_FONT.WORD_HEIGHT; }

// Indent cells: never more than a column holds, so that a wild indent
// cannot make a huge column.
void AppendIndent(TLayoutContext& context, int32_t cells)
{
    const int32_t n = std::clamp(cells, 0, std::max(0, context.box->size.TEXT_PER_LINE));
    context.lineBuffer += QString(n, kIndentCell);
    context.mainCells += n;
    context.remainingLength = SaturateToInt32(int64_t(context.remainingLength) - int64_t(n) * TextCell(context));
}

// The "<M=" head of a column of the text or head box: below a picture that
// takes the top of the column, or below the picture in the lower pass.
bool StartsBelowPicture(const TLayoutContext& context)
{
    if (context.IsLinePartlyOccupied(context.column))
        return context.pass == TOccupancyPass::Lower;
    return context.CellsAt(context.column).first == 0;
}

}  // namespace

void TLayoutContext::WriteLineHead() { CurrentTypesetEdition().WriteLineHead(*this); }

void TLayoutContext::IndentLine() { CurrentTypesetEdition().IndentLine(*this); }

void TypesetEdition::WriteLineHead(TLayoutContext& context) const
{
    if (!context.freshColumn || !context.box)
        return;
    context.lineBuffer.clear();
    if (context.mode == TLayoutMode::Collect) {
        if (context.sideNoteOffset > 0)
            context.lineBuffer += HeadOffsetTag(context.sideNoteOffset);
    } else if (StartsBelowPicture(context)) {
        const int64_t offset = int64_t(TextCell(context)) * (int64_t(context.CellsAt(context.column).last) + 1);
        context.lineBuffer += HeadOffsetTag(SaturateToInt32(offset));
    }
    if (context.lineHeadMode == TLineHeadMode::Raised && context.firstColumn && context.raise < 0)
        context.lineBuffer += In::RaisedColumn;
    context.JoinPendingParts();
    context.mainCells = 0;
    context.noteCells = 0;
}

void TypesetEdition::IndentLine(TLayoutContext& context) const
{
    if (context.lineHeadMode != TLineHeadMode::Raised || !context.box)
        return;
    if (!context.firstColumn) {
        if (context.blank > 0)
            AppendIndent(context, context.blank);
        return;
    }
    // A raised column starts one cell higher ("<TT>" in its head).
    if (context.raise < 0)
        context.remainingLength = SaturateToInt32(int64_t(context.remainingLength) + TextCell(context));
    else
        AppendIndent(context, context.raise);
    context.firstColumn = false;
}

void TLayoutContext::RecordSideNoteOffsets(QStringView piece, int32_t remaining, int32_t advance)
{
    const int64_t placed = int64_t(AvailableLength()) - remaining;
    for (qsizetype at = piece.indexOf(kSideNoteAnchor); at >= 0; at = piece.indexOf(kSideNoteAnchor, at + 1))
        SideNoteOffsets.push_back(SaturateToInt32(placed + MeasureCells(piece.left(at), advance)));
}
