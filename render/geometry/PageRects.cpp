// The rectangles of the page being drawn: the page, the frame's inner area,
// the first text row, the right edge of the text box, and the device
// rectangles of the outer frame line and of the sheet.
#include <algorithm>
#include <initializer_list>

#include "foundation/params/Box.h"
#include "foundation/params/LayoutRanges.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The modern editions range none of the woodblock frame's widths, so a file
// may bring any: lengths are added in 64 bits and held to int32.
constexpr auto Sum = SaturatingSum;

}  // namespace

void RenderEdition::UpdateFrameMetrics(PageRenderer& view) const
{
    if (!g_VolumeShown || g_CellEditing)
        return;
    const TStyle& s = view.ScaledStyle;
    // A line width is drawn as that many lines of a pixel side by side: a
    // damaged file's width would be millions of lines. None is wider than
    // the widest line a layout may have, at this zoom, nor than the text
    // box it rules.
    const double zoom = std::clamp(view.ZoomFactor, 0.0, 100.0);
    const int64_t widest = std::max<int64_t>(
        1, std::min<int64_t>({int64_t(kMaxLayoutLineWidth * zoom), s.TEXT_BOX.size.BOX_WIDTH, s.TEXT_BOX.size.BOX_HEIGHT}) / 100);
    view.InnerLinePx = int32_t(std::clamp<int64_t>(s.IN_BORDER / 100, 1, widest));
    view.OuterLinePx = int32_t(std::clamp<int64_t>(s.OUT_BORDER / 100, 1, widest));
    view.CentreLinePx = int32_t(std::clamp<int64_t>(s.MID_LINE / 100, 0, widest));
    const int32_t left = view.ScaledExtent.left + s.xOffset;
    const int32_t top = view.ScaledExtent.top + s.yOffset;
    view.PageRect = {left, top, left + s.pageWidth, top + s.pageHeight};
}

PageRects RenderEdition::ComputePageRects(PageRenderer& view, int32_t page, QPoint origin, bool printing) const
{
    const TStyle& s = view.ScaledStyle;
    WinRect& extent = view.ScaledExtent;
    extent = {origin.x(), origin.y(), origin.x() + extent.Width(), origin.y() + extent.Height()};

    const int32_t left = Sum({extent.left, printing ? 0 : s.xOffset});
    const int32_t top = Sum({extent.top, printing ? 0 : s.yOffset});
    view.PageRect = {left, top, Sum({left, s.pageWidth}), Sum({top, s.pageHeight})};
    const WinRect& p = view.PageRect;
    const int32_t headHeight = s.HEAD_BOX.size.BOX_HEIGHT;
    view.TextTop = Sum({p.top, s.OUT_BORDER, s.SPACE, headHeight, s.IN_BORDER, s.TEXT_BOX.size.TOP_SPACE});

    // In single mode a page is half a leaf: an even page is the right half,
    // whose frame stops at the centre column, an odd page the left half.
    const bool single = PageRenderer::IsSingleMode();
    const bool even = PageRenderer::IsEvenPage(page);
    view.FrameRect.top = Sum({p.top, s.SPACE, s.OUT_BORDER, headHeight});
    view.FrameRect.bottom = Sum({p.bottom, -int64_t(s.OUT_BORDER), -int64_t(s.SPACE)});
    view.FrameRect.left = single && even ? p.left : Sum({p.left, s.OUT_BORDER, s.SPACE});
    view.FrameRect.right = single && !even ? p.right : Sum({p.right, -int64_t(s.OUT_BORDER), -int64_t(s.SPACE)});

    PageRects rects;
    rects.R1 = {p.left / 100, p.top / 100 + headHeight / 100, p.right / 100, p.bottom / 100};
    if (printing)
        rects.R3 = {0, 0, view.PrinterWidthPx - 1, view.PrinterHeightPx - 1};
    else
        rects.R3 = {(extent.left + view.ScaledBorder) / 100, (extent.top + view.ScaledBorder) / 100,
                    (extent.right - view.ScaledBorder) / 100, (extent.bottom - view.ScaledBorder) / 100};
    return rects;
}

int32_t PageRenderer::TextRightOf(bool firstOfLeaf) const
{
    const TStyle& s = ScaledStyle;
    return firstOfLeaf ? FrameRect.right - s.IN_BORDER + 1 : FrameRect.left + s.TEXT_BOX.size.BOX_WIDTH + s.IN_BORDER;
}

bool PageRenderer::IsEvenPage(int32_t page) { return (page - g_CoverPages) % 2 == 0; }

bool PageRenderer::IsSingleMode() { return !g_TwoPageMode && !g_FourInOneMode; }

bool PageRenderer::SpreadSideBySide()
{
    return g_TwoPageMode && !g_FourInOneMode && CurrentDrawing().SpreadFirstPage() != RenderEdition::SpreadSide::None;
}
