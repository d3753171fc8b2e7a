// The columns of a vertical page and the pictures placed over them: right to
// left from the text box's right edge, each as wide as stored plus the gap.
#include "editions/vertical/VerticalDrawing.h"

#include <algorithm>

#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

// Unscaled lengths of the current style (the gap is shared out of the
// stored box width, before the zoom).
int32_t UnscaledBoxWidth() { return g_CurrentStyle ? g_CurrentStyle->TEXT_BOX.size.BOX_WIDTH : 0; }
int32_t UnscaledCharWidth() { return g_CurrentStyle ? g_CurrentStyle->TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH : 0; }

int64_t Step(const TPageRec& page, size_t i, int32_t gap) { return LineStep(page, i, gap, UnscaledCharWidth()); }

}  // namespace

void VerticalDrawing::DrawPageColumns(PageRenderer& view, Dc& dc) const
{
    const TPageRec& page = *view.CurrentPageRec;
    if (page.lines.empty())
        return;
    const WinRect& f = view.FrameRect;
    const bool odd = !PageRenderer::IsEvenPage(page.index);
    int32_t x = f.right - (odd ? view.ScaledStyle.SIDE_BOX.BOX_WIDTH : 0);
    const int32_t gap = ColumnGap(page, UnscaledBoxWidth());
    // A damaged file may hold more columns than any page: those a page side
    // and more past the page are left out, the positions kept in range.
    const int32_t farthest = SaturatingSum({view.PageRect.left, -int64_t(view.LongestPageLength())});
    for (size_t i = 0; i < page.lines.size() && x > farthest; ++i) {
        QString text = page.lines[i].text;
        if (page.lines[i].size == 0 && text.contains(u"<W="_s))
            text.truncate(text.indexOf(u"<W="_s));
        const int32_t step = Zoomed(Step(page, i, gap), view.ZoomFactor);
        const int32_t left = x - step;
        view.LineKind = LineKinds::Body;
        view.DrawTextLines(dc, left + step / 2, step, text, left, view.TextTop);
        x = left;
    }
}

WinRect VerticalDrawing::PlacePictureInTextBox(PageRenderer& view, const TPageItem& item, const WinRect& base) const
{
    const TPageRec& page = *view.CurrentPageRec;
    const TBoxSize& box = view.ScaledStyle.TEXT_BOX.size;
    const int32_t lastColumn = std::max(box.LINES - 1, 0);
    const int32_t lastCell = std::max(box.TEXT_PER_LINE - 1, 0);
    const int32_t first = std::clamp(item.a, 0, lastColumn), last = std::clamp(item.b, 0, lastColumn);
    const int32_t top = std::clamp(item.c, 0, lastCell), bottom = std::clamp(item.d, 0, lastCell);
    // The gap of the columns as DrawPageColumns sets them.
    const int32_t gap = ColumnGap(page, UnscaledBoxWidth());
    int64_t before = 0, over = 0;
    for (int32_t i = 0; i <= last; ++i)
        (i < first ? before : over) += Step(page, size_t(i), gap);
    WinRect r;
    r.right = base.right - Zoomed(before, view.ZoomFactor);
    r.left = r.right - Zoomed(over, view.ZoomFactor);
    r.top = base.top + box.textCharSize * top;
    r.bottom = base.bottom - box.textCharSize * (lastCell - bottom);
    return r;
}
