#include "render/PageRenderer.h"

#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"

namespace {

// 25% to 400%, then fit width, fit height and fit page (set by CalcFitZooms).
constexpr double kZoomSteps[] = {0.25, 0.5, 0.75, 1, 2, 3, 4, 1, 1, 1};

}  // namespace

PageRenderer::PageRenderer() : ZoomTable(std::begin(kZoomSteps), std::end(kZoomSteps)) {}

double PageRenderer::ZoomAt(int32_t index) const
{
    return index >= 0 && size_t(index) < ZoomTable.size() ? ZoomTable[size_t(index)] : 1.0;
}

double PageRenderer::GetZoomFactor() const { return ZoomAt(g_ZoomIndex); }

void PageRenderer::CalcPageExtent() { CurrentDrawing().CalcPageExtent(*this); }
void PageRenderer::UpdateFrameMetrics() { CurrentDrawing().UpdateFrameMetrics(*this); }
void PageRenderer::UpdateScrollSizes() { CurrentDrawing().UpdateScrollSizes(*this); }

PageRects PageRenderer::ComputePageRects(int32_t page, QPoint origin, bool printing)
{
    return CurrentDrawing().ComputePageRects(*this, page, origin, printing);
}
