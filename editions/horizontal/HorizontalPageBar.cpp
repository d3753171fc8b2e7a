// The page geometry of a horizontal page and its header and footer bands.
#include "editions/horizontal/HorizontalDrawing.h"

#include <algorithm>

#include "foundation/text/TagUtils.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/frame/BoxClip.h"
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

// A text of the bar: what it says, the place its type gives it, its fonts,
// its length (scaled) and whether the side types put it at the other end.
struct BarText {
    QString text;
    int32_t type = TBarPosType::TYPE_NO;
    TFontPair* fonts = nullptr;
    int32_t length = 0;
    bool mirrored = false;
};

// The length of n characters of a width, no longer than the frame: a longer
// text starts at the band's start whatever its length.
int32_t BarLength(int64_t n, int64_t width, const WinRect& f)
{
    return int32_t(std::clamp<int64_t>(n * width, 0, int64_t(f.right) - f.left + 1));
}

// The band a place type stands in (scaled): header or footer, as wide as
// the frame.
WinRect BandOf(const TPageBar& bar, const WinRect& f, int32_t type)
{
    if (InHeader(type))
        return {f.left, f.top, f.right, f.top + bar.HEAD_HEIGHT};
    return {f.left, f.bottom - bar.FOOT_HEIGHT, f.right, f.bottom};
}

// The part of its band the title may use: when the page number stands at
// an end of the same band, it keeps its place and a character (gap) of
// room beside it.
WinRect TitleBox(WinRect band, const BarText& number, int32_t numberLeft, bool sameBand, int32_t gap)
{
    if (!sameBand || number.text.isEmpty())
        return band;
    gap = std::max(gap, 0);
    if (numberLeft <= band.left)
        band.left = int32_t(std::min<int64_t>(band.right, int64_t(numberLeft) + number.length + gap));
    else if (int64_t(numberLeft) + number.length >= band.right)
        band.right = int32_t(std::max<int64_t>(band.left, int64_t(numberLeft) - gap));
    return band;
}

// One text of the bar in its box (a part of its band, scaled), from its
// place but never before the box's start, cut at the box's edges.
void DrawBarText(PageRenderer& view, Dc& dc, const BarText& t, int32_t x, const WinRect& box)
{
    if (t.text.isEmpty())
        return;
    const BoxClipScope clip(dc, {box.left / 100, box.top / 100, box.right / 100 + 1, box.bottom / 100 + 1},
                            view.SheetClip);
    if (clip.Hidden())
        return;
    view.CurFontPair = t.fonts;
    view.DrawStyledString(dc, box.top + box.Height() / 2, box.Height(), t.text, std::max(x, box.left), box.top);
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
    // Page 一 carries no title; digits are taken as half a character wide.
    BarText title{page != g_CoverPages ? SideBoxTitle(view.LeafTexts, page, view.TextName) : QString(),
                  bar.TITLE_POS_TYPE, &bar.TITLE_FONT, 0, false};
    title.length = BarLength(CountDisplayChars(title.text), bar.TITLE_FONT.TEXT_FONT.WORD_WIDTH, f);
    BarText number{QString::number(page - g_CoverPages + 1), bar.PAGE_POS_TYPE, &bar.PAGE_FONT, 0, true};
    number.length = BarLength(CountDisplayChars(number.text), bar.PAGE_FONT.TEXT_FONT.WORD_WIDTH / 2, f);
    int32_t titleX = 0, numberX = 0;
    const bool titlePlaced = BarTextLeft(title.type, odd, title.mirrored, f.left, f.right, title.length, titleX);
    const bool numberPlaced = BarTextLeft(number.type, odd, number.mirrored, f.left, f.right, number.length, numberX);
    const WinRect numberBand = BandOf(bar, f, number.type);
    if (titlePlaced)
        DrawBarText(view, dc, title, titleX,
                    TitleBox(BandOf(bar, f, title.type), number, std::max(numberX, numberBand.left),
                             numberPlaced && InHeader(title.type) == InHeader(number.type),
                             bar.TITLE_FONT.TEXT_FONT.WORD_WIDTH));
    if (numberPlaced)
        DrawBarText(view, dc, number, numberX, numberBand);
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
}
