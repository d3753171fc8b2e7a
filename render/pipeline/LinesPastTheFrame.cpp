#include "render/pipeline/LinesPastTheFrame.h"

#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/pipeline/PagePipeline.h"

std::vector<std::pair<const TPageRec*, int32_t>> LinesPastTheFrame(int32_t shown)
{
    PageRenderer view;
    view.CalcPageExtent();
    view.ZoomFactor = 1.0;
    view.ApplyZoom();
    RecordingDc dc;
    RenderPage(view, dc, shown, QPoint());
    return view.CutLines;
}
