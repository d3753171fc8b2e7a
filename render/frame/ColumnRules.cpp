// The rules between the text columns of one half leaf, the top line pieces
// above them, and the top lines that join the halves across the centre
// column. Raised columns stand one character (ch) above the frame: the top
// lines step up around them.
#include <algorithm>

#include "foundation/params/Box.h"
#include "foundation/params/Style.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/frame/PageFrame.h"
#include "typeset/pages/PageRecord.h"

int32_t EffectiveColumns(const TPageRec& page, int32_t styleLines, int32_t maxColumns)
{
    const int32_t perPage = page.linesOverride > 0 ? std::min(page.linesOverride, maxColumns) : styleLines;
    const int32_t held = int32_t(std::min(page.lines.size(), size_t(maxColumns)));
    return std::max(perPage, held);
}

ColumnCountOverride::ColumnCountOverride(TStyle& style, const TPageRec* page)
    : style_(style), lines_(style.TEXT_BOX.size.LINES), pitch_(style.TEXT_BOX.size.pitch)
{
    TBoxSize& box = style.TEXT_BOX.size;
    // The bound is the unscaled box's: the same columns at every zoom.
    const int32_t maxColumns = MaxColumnsOf(g_CurrentStyle ? g_CurrentStyle->TEXT_BOX.size : box);
    if (!page || EffectiveColumns(*page, box.LINES, maxColumns) == box.LINES)
        return;
    box.LINES = EffectiveColumns(*page, box.LINES, maxColumns);
    box.pitch = box.LINES > 0 ? SaturateToInt32((int64_t(box.BOX_WIDTH) + box.SPLIT_LINE_WIDTH) / box.LINES -
                                                box.SPLIT_LINE_WIDTH)
                              : 0;
}

ColumnCountOverride::~ColumnCountOverride()
{
    style_.TEXT_BOX.size.LINES = lines_;
    style_.TEXT_BOX.size.pitch = pitch_;
}

RaisedColumns MarkRaisedColumns(const TPageRec* page, int32_t lines, bool raisedHead)
{
    RaisedColumns raised;
    raised.bits.assign(size_t(std::max(lines, 0)), false);
    if (!page || !raisedHead)
        return raised;
    const int32_t n = std::min(lines, int32_t(page->lines.size()));
    for (int32_t i = 0; i < n; ++i) {
        QStringView text = page->lines[size_t(i)].text;
        if (text.startsWith(u"<BT")) {
            const qsizetype close = text.indexOf(u'>');
            text = close < 0 ? QStringView() : text.mid(close + 1);
        }
        if (text.startsWith(u"<TT")) {
            raised.bits[size_t(i)] = true;
            raised.any = true;
        }
    }
    return raised;
}

namespace {

using SpanList = std::vector<std::pair<int32_t, int32_t>>;

const SpanList* SpansOf(const PageRenderer& view, bool firstHalf, int32_t column)
{
    // Only two-page mode keeps the second half's pictures apart.
    const size_t set = !firstHalf && g_TwoPageMode && !g_FourInOneMode ? 1 : 0;
    const auto& lists = view.ColumnSpans[set];
    return column >= 0 && column < int32_t(lists.size()) ? &lists[size_t(column)] : nullptr;
}

// The rule at x from top to bottom, left out where pictures stand.
void DrawRule(const PageRenderer& view, Dc& dc, const SpanList* spans, int32_t x, int32_t top, int32_t bottom)
{
    const int32_t n = view.InnerLinePx;
    if (!spans || spans->empty()) {
        VerticalLines(dc, x, -1, n, bottom, top - 1);
        return;
    }
    int32_t y = top;
    for (const auto& [a, b] : *spans) {
        if (y < a)
            VerticalLines(dc, x, -1, n, y, a);
        y = b;
    }
    if (y < bottom)
        VerticalLines(dc, x, -1, n, y, bottom);
}

}  // namespace

void DrawColumnRules(PageRenderer& view, Dc& dc, const RaisedColumns& raised, bool firstHalf, const FrameLevels& at,
                     RuleCursor& cursor)
{
    const TStyle& s = view.ScaledStyle;
    const TBoxSize& box = s.TEXT_BOX.size;
    const int32_t lines = box.LINES;
    const int32_t ch = box.textCharSize / 100;
    const int32_t inner = view.InnerLinePx;
    const int32_t outer = view.OuterLinePx;
    const int32_t g = at.gap;
    const int32_t e = at.outerTop;
    // In 64 bits: a damaged file may bring any widths.
    const int64_t base = firstHalf ? int64_t(view.FrameRect.right) - s.IN_BORDER
                                   : int64_t(view.FrameRect.left) + box.BOX_WIDTH + s.IN_BORDER - 1;
    for (int32_t i = 0; i < lines; ++i) {
        const bool last = i == lines - 1;
        const int64_t xs = box.SPLIT_LINE_WIDTH + base - (int64_t(box.SPLIT_LINE_WIDTH) + box.BOX_WIDTH) * (i + 1) / lines;
        const int32_t X = int32_t(xs / 100);
        const bool here = raised[i];
        const bool next = raised[i + 1];
        int32_t t = at.innerTop, ti = at.innerTop, to = e;
        if (raised.any && (here || next))
            t = at.innerTop - ch;
        if (raised.any && here) {
            ti = at.innerTop - ch;
            to = e - ch;
        }
        const bool ruled = s.IN_BORDER > 0 || last;
        if (ruled)
            DrawRule(view, dc, SpansOf(view, firstHalf, i), X, t, at.bottom);

        int32_t start = cursor.x + g;
        if (cursor.raised && !here) {
            start = cursor.x - inner - g;
            if (ruled)
                VerticalLines(dc, start, -1, outer, e - ch, e + outer);
        } else if (!cursor.raised && here) {
            start = cursor.x + g + 1;
            VerticalLines(dc, start, 1, outer, e - ch, e + outer);
        }
        int32_t f = X;
        if (!last)
            f = next == here ? X : here ? X - inner - g : X + g;
        else if (here || !firstHalf)
            f = X - inner - g;
        HorizontalLines(dc, ti, 1, inner, cursor.x, X);
        HorizontalLines(dc, to, 1, outer, start, f);
        cursor = {X, here};
    }
}

void DrawFrameLines(PageRenderer& view, Dc& dc, const FrameLevels& at, int32_t centreLeft, RuleCursor cursor,
                    bool secondColumnZeroRaised)
{
    const int32_t ch = view.ScaledStyle.TEXT_BOX.size.textCharSize / 100;
    const int32_t inner = view.InnerLinePx;
    const int32_t outer = view.OuterLinePx;
    const int32_t g = at.gap;
    const int32_t d = at.outerTop;
    HorizontalLines(dc, at.innerTop, 1, inner, cursor.x, centreLeft);
    int32_t x0 = cursor.x + g;
    if (cursor.raised) {
        x0 = cursor.x - inner - g;
        VerticalLines(dc, x0, -1, outer, d - ch, d + outer);
    }
    int32_t x1 = centreLeft;
    if (secondColumnZeroRaised) {
        x1 = g + centreLeft + 1;
        VerticalLines(dc, x1, 1, outer, d - ch, d + outer);
    }
    HorizontalLines(dc, d, 1, outer, x0, x1);
    const int32_t top = secondColumnZeroRaised ? at.innerTop - ch : at.innerTop;
    VerticalLines(dc, centreLeft, -1, inner, top, at.bottom);
}
