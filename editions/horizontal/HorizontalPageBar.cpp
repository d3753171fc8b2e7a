// The page geometry of a horizontal page and its header and footer bands.
#include "editions/horizontal/HorizontalDrawing.h"

#include <algorithm>

#include "foundation/text/TagUtils.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

bool InHeader(int32_t type) { return type == TBarPosType::TYPE_HEAD_MID || type == TBarPosType::TYPE_HEAD_SIDE; }

void DrawFrameLines(Dc& dc, const WinRect& f)
{
    const int32_t left = f.left / 100, right = f.right / 100, top = f.top / 100, bottom = f.bottom / 100;
    for (const int32_t x : {right, left}) {
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom + 1);
    }
    for (const int32_t y : {top, bottom}) {
        dc.MoveTo(right, y);
        dc.LineTo(left, y);
    }
}

void DrawRule(Dc& dc, const WinRect& f, int32_t y)
{
    dc.MoveTo(f.right / 100, y / 100);
    dc.LineTo(f.left / 100, y / 100);
}

// One text of the bar in its band, in its font pair; nothing for no place.
void DrawBarText(PageRenderer& view, Dc& dc, const QString& text, int32_t type, TFontPair& fonts, int32_t w,
                 bool oddPage, bool mirrored)
{
    const WinRect& f = view.FrameRect;
    const TPageBar& bar = view.ScaledStyle.PAGE_BAR;
    int32_t x = 0;
    if (text.isEmpty() || !BarTextLeft(type, oddPage, mirrored, f.left, f.right, w, x))
        return;
    const int32_t top = InHeader(type) ? f.top : f.bottom - bar.FOOT_HEIGHT;
    const int32_t height = InHeader(type) ? bar.HEAD_HEIGHT : bar.FOOT_HEIGHT;
    view.CurFontPair = &fonts;
    view.DrawStyledString(dc, top + height / 2, height, text, x, top);
}

}  // namespace

bool BarTextLeft(int32_t type, bool oddPage, bool mirrored, int32_t frameLeft, int32_t frameRight, int32_t w,
                 int32_t& x)
{
    switch (type) {
    case TBarPosType::TYPE_HEAD_MID:
    case TBarPosType::TYPE_FOOT_MID:
        x = frameLeft + (frameRight - frameLeft - w) / 2;
        return true;
    case TBarPosType::TYPE_HEAD_SIDE:
    case TBarPosType::TYPE_FOOT_SIDE:
        x = oddPage != mirrored ? frameRight - w : frameLeft;
        return true;
    default:
        return false;
    }
}

PageRects HorizontalDrawing::ComputePageRects(PageRenderer& view, int32_t page, QPoint origin, bool printing) const
{
    const PageRects rects = VerticalDrawing::ComputePageRects(view, page, origin, printing);
    const TStyle& s = view.ScaledStyle;
    const int32_t top = view.PageRect.top;
    view.TextTop = top + s.OUT_BORDER + s.IN_BORDER + s.SPACE + s.PAGE_BAR.HEAD_HEIGHT;
    view.FrameRect.top = top + s.OUT_BORDER + s.SPACE;
    // The frame lies on the sheet's edge, which rounding can put a pixel
    // outside the sheet's device rectangle: the clip keeps the frame whole.
    PageRects kept = rects;
    if (!printing) {
        const WinRect& f = view.FrameRect;
        kept.R3.left = std::min(kept.R3.left, f.left / 100);
        kept.R3.top = std::min(kept.R3.top, f.top / 100);
        kept.R3.right = std::max(kept.R3.right, f.right / 100);
        kept.R3.bottom = std::max(kept.R3.bottom, f.bottom / 100);
    }
    return kept;
}

void HorizontalDrawing::UpdateScrollSizes(PageRenderer& view) const
{
    VerticalDrawing::UpdateScrollSizes(view);
    const TBoxSize& box = view.ScaledStyle.TEXT_BOX.size;
    view.Scroll.line = QSize(box.textCharSize / 100, box.pitch / 100);
}

void HorizontalDrawing::DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect&, int32_t firstPage,
                                      int32_t secondPage, QPoint origin) const
{
    DrawPageBar(view, dc, firstPage, origin);
    if (g_TwoPageMode || g_FourInOneMode)
        DrawPageBar(view, dc, secondPage, origin);
}

void HorizontalDrawing::DrawPageBar(PageRenderer& view, Dc& dc, int32_t page, QPoint origin) const
{
    if (!view.SelectPageStyle(page, origin))
        return;
    TPageBar& bar = view.ScaledStyle.PAGE_BAR;
    const WinRect& f = view.FrameRect;
    const bool screen = !dc.IsPrinting();
    // Its own pen: what an earlier layer left selected is no rule's colour.
    const DcPen oldPen = dc.SelectPen({1, 0});
    if (screen)
        DrawFrameLines(dc, f);
    if (bar.HEAD_HEIGHT > 0 && (bar.SHOW_HEAD_LINE || screen))
        DrawRule(dc, f, f.top + bar.HEAD_HEIGHT);
    if (bar.FOOT_HEIGHT > 0 && (bar.SHOW_FOOT_LINE || screen))
        DrawRule(dc, f, f.bottom - bar.FOOT_HEIGHT);

    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    PrepareRunningTexts(view);
    const bool odd = !PageRenderer::IsEvenPage(page);
    // Page 一 carries no title.
    if (page != g_CoverPages) {
        const QString title = SideBoxTitle(view.LeafTexts, page, view.TextName);
        const int32_t w = CountDisplayChars(title) * bar.TITLE_FONT.TEXT_FONT.WORD_WIDTH;
        DrawBarText(view, dc, title, bar.TITLE_POS_TYPE, bar.TITLE_FONT, w, odd, false);
    }
    // Digits are taken as half a character wide.
    const QString number = QString::number(page - g_CoverPages + 1);
    const int32_t w = CountDisplayChars(number) * bar.PAGE_FONT.TEXT_FONT.WORD_WIDTH / 2;
    DrawBarText(view, dc, number, bar.PAGE_POS_TYPE, bar.PAGE_FONT, w, odd, true);
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
}
