// Emitting columns into pages and moving to the next page.
#include <algorithm>

#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/layout/LayoutContext.h"

namespace {

// The column of an upper pass waits for its lower part; a lower part gets
// the upper part held for its column in front of it.
void JoinHeldColumn(TLayoutContext& context)
{
    if (context.pass == TOccupancyPass::Upper) {
        if (context.heldColumns.empty())
            context.heldStart = context.column;
        context.heldColumns.push_back(context.lineBuffer);
    } else if (context.pass == TOccupancyPass::Lower && !context.heldColumns.empty()) {
        context.lineBuffer = context.heldColumns.front() + context.lineBuffer;
        context.heldColumns.erase(context.heldColumns.begin());
    }
}

void AppendCollectedLine(TLayoutContext& context, TPageRec& page)
{
    const size_t at = size_t(std::max(0, context.column));
    while (page.collectedLines.size() < at)
        page.collectedLines.push_back({});
    if (at < page.collectedLines.size())
        page.collectedLines[at].text += context.lineBuffer;
    else
        page.collectedLines.push_back({context.lineBuffer, context.sideNoteMark.fontName});
    if (context.sideNoteOffset > 0)
        context.sideNoteOffset = 0;
}

void StoreLine(TLayoutContext& context)
{
    // A held upper part is stored once, when its lower part joins it.
    if (context.pass == TOccupancyPass::Upper)
        return;
    const bool pageFull = context.mode == TLayoutMode::Body && context.column >= context.LinesPerPage();
    if (pageFull || !g_TypesetPage)
        context.NewPage();
    if (!g_TypesetPage)
        return;  // no table to page into
    switch (context.mode) {
    case TLayoutMode::Body:
        context.TakeSideNoteAnchors();
        context.TakeHeadNoteAnchors();
        g_TypesetPage->lines.push_back({context.lineBuffer, 0});
        break;
    case TLayoutMode::Head:
        g_TypesetPage->headLines.push_back({context.lineBuffer, 0});
        break;
    case TLayoutMode::Collect:
        AppendCollectedLine(context, *g_TypesetPage);
        break;
    default:
        break;
    }
}

// The page after the one being filled, when the table has it.
TPageRec* NextExistingPage(TPageTable& table)
{
    if (!g_TypesetPage)
        return nullptr;
    int32_t position = g_TypesetPage->index;
    if (table.pages.GetAtOrNull(position) != g_TypesetPage)
        position = table.pages.IndexOf(g_TypesetPage);
    return position < 0 ? nullptr : table.pages.GetAtOrNull(position + 1);
}

// In order of arrival; the first that does not fit waits with the rest for
// the next page. A picture that finds no room while the fresh page is still
// free never will on a page of this box (it asks for more columns than the
// box has, under an override above LINES): it is dropped, so that the
// loops that page on until no picture waits come to an end.
void PlacePendingPictures(TLayoutContext& context)
{
    bool pageFree = true;
    while (!context.pendingPictures.empty()) {
        const bool placed = context.ReserveBlockLines(context.pendingPictures.front());
        if (!placed && !pageFree)
            return;
        pageFree = pageFree && !placed;
        context.pendingPictures.erase(context.pendingPictures.begin());
    }
}

}  // namespace

void TypesetEdition::EmitLine(TLayoutContext& context) const
{
    JoinHeldColumn(context);
    context.lineBuffer = CollapseQdSpans(context.lineBuffer);
    StoreLine(context);
    context.periodCarry = false;
    context.periodCarryAdvance = 0;
    context.SideNoteOffsets.clear();
    context.lineBuffer.clear();
    ++context.column;
    context.freshColumn = true;
    context.UpdateOccupancyState();
    if (context.column < context.LinesPerPage())
        context.remainingLength = context.AvailableLength();
}

void TypesetEdition::NewPage(TLayoutContext& context) const
{
    context.FlushPendingLines();
    if (g_TypesetTable) {
        TPageRec* page = NextExistingPage(*g_TypesetTable);
        const bool revisited = page != nullptr;
        if (!page)
            page = AppendPageRecord(*g_TypesetTable);
        g_TypesetPage = page;
        // The body's pages take the style and the column count in force; a
        // head note carried onto a page the body made leaves them alone.
        if (context.mode == TLayoutMode::Body || !revisited) {
            page->styleName = g_TypesetStyleName;
            page->linesOverride = context.linesOverride;
        }
    }
    context.column = 0;
    context.freshColumn = true;
    context.ResetOccupancy();
    PlacePendingPictures(context);
    context.UpdateOccupancyState();
    context.remainingLength = context.AvailableLength();
}
