// Head notes and side notes, set after their line at the page and column of
// their anchors.
#include <algorithm>
#include <limits>

#include "foundation/params/Box.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/SideNoteFonts.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/LineSteps.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

bool SameStyle(const TPageTable& table, int32_t a, int32_t b)
{
    const TPageRec* first = table.pages.GetAtOrNull(a);
    const TPageRec* second = table.pages.GetAtOrNull(b);
    return first && second && first->styleName == second->styleName;
}

// The page and head-box column of a head note. A column before the page's
// first goes to the page before, one beyond its last to the pages after,
// as long as they carry the same style; what is still beyond the last
// column stays in the last.
struct THeadNoteSpot {
    int32_t page = 0;
    int32_t column = 0;
};

THeadNoteSpot LocateHeadNote(const THeadNoteMark& mark, int32_t step, int32_t lines)
{
    THeadNoteSpot spot{mark.page, int32_t(std::clamp<int64_t>(int64_t(mark.position / step) + mark.offset, INT32_MIN,
                                                              INT32_MAX))};
    const TPageTable& table = *g_TypesetTable;
    if (spot.column < 0 && SameStyle(table, spot.page - 1, spot.page)) {
        --spot.page;
        spot.column += lines;
    }
    while (spot.column >= lines && SameStyle(table, spot.page, spot.page + 1)) {
        ++spot.page;
        spot.column -= lines;
    }
    spot.column = std::min(spot.column, lines - 1);
    return spot;
}

void SetHeadNote(TLayoutContext& head, const QString& span, const THeadNoteSpot& spot, int32_t lines)
{
    g_TypesetPage = g_TypesetTable->pages.GetAtOrNull(spot.page);
    head.column = int32_t(g_TypesetPage->headLines.size());
    while (head.column < spot.column)
        head.FinishLine();
    if (head.column >= lines) {
        head.NewPage();
        head.column = g_TypesetPage ? int32_t(g_TypesetPage->headLines.size()) : 0;
    }
    head.ResetLineState();
    head.LayoutInputLine(span);
}

}  // namespace

void SetHeadNotes(TTypesetter& typesetter, const std::vector<QString>& spans, const std::vector<THeadNoteMark>& marks)
{
    TLayoutContext& head = typesetter.headContext;
    if (spans.empty() || !head.box || !g_TypesetTable)
        return;
    const int32_t step = HeadNoteStep(*head.box);
    const int32_t lines = head.box->size.LINES;
    if (step <= 0 || lines <= 0)
        return;  // a head box without columns takes no notes
    TPageRec* const savedPage = g_TypesetPage;
    const int32_t savedColumn = typesetter.textContext.column;
    typesetter.current = &head;
    head.ResetOccupancy();
    // An anchor that was not taken (stripped, or in a held column) has no
    // mark: its note and the ones after it have nowhere to go.
    const size_t count = std::min(spans.size(), marks.size());
    for (size_t i = 0; i < count; ++i) {
        const THeadNoteSpot spot = LocateHeadNote(marks[i], step, lines);
        if (g_TypesetTable->pages.GetAtOrNull(spot.page))
            SetHeadNote(head, spans[i], spot, lines);
    }
    typesetter.current = &typesetter.textContext;
    g_TypesetPage = savedPage;
    typesetter.textContext.column = savedColumn;
}

void SetSideNotes(TTypesetter& typesetter, const std::vector<QString>& spans, const std::vector<TSideNoteMark>& marks)
{
    TLayoutContext& text = typesetter.textContext;
    if (spans.empty() || !typesetter.style || !g_TypesetTable)
        return;
    // The notes are collected beside the columns: the body's page state
    // (occupancy, held columns, waiting pictures, pass) is put aside whole
    // and given back, so a note that crosses a column moves no body text.
    TPageRec* const savedPage = g_TypesetPage;
    const TLayoutContext saved = text;
    TFontStyle& textFont = typesetter.style->TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    const TFontStyle savedFont = textFont;
    text.mode = TLayoutMode::Collect;
    text.pass = TOccupancyPass::None;
    text.heldColumns.clear();
    text.pendingPictures.clear();
    text.occupancy.clear();
    const size_t count = std::min(spans.size(), marks.size());
    for (size_t i = 0; i < count; ++i) {
        const TSideNoteMark& mark = marks[i];
        TPageRec* page = g_TypesetTable->pages.GetAtOrNull(mark.page);
        if (!page)
            continue;
        if (g_CurCePiList)
            if (const TFontStyle* font = g_CurCePiList->FindByName(&TFontStyle::MARKSTRING, mark.fontName))
                textFont = *font;
        g_TypesetPage = page;
        text.column = mark.column;
        text.sideNoteMark = mark;
        text.sideNoteOffset = mark.offset;
        text.ResetLineState();
        text.LayoutInputLine(spans[i]);
        textFont = savedFont;
    }
    text = saved;
    g_TypesetPage = savedPage;
}
