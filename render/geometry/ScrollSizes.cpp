// The scroll area's sizes: the pages stacked one pitch apart with one spare
// pitch below the last, never smaller than the window.
#include <algorithm>

#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"

void RenderEdition::UpdateScrollSizes(PageRenderer& view) const
{
    view.UpdateFrameMetrics();
    if (view.Printing)
        return;
    const WinRect& extent = view.ScaledExtent;
    int32_t w = extent.Width();
    int32_t h = extent.Height();
    if (g_FourInOneMode) {
        w += view.ScaledPara4in1.titleWidth;
        h = view.ScaledPara4in1.halfGap + 2 * h;
    }
    const TBoxPara& box = view.ScaledStyle.TEXT_BOX;
    const int32_t halfPage = extent.Height() / 100 / 2;
    view.Scroll.total = QSize(std::max(w / 100, view.ClientSize.width()),
                              std::max(h / 100 * (view.ShownPageCount + 1), view.ClientSize.height()));
    view.Scroll.page = QSize(100, halfPage != 0 ? halfPage : 100);
    view.Scroll.line = QSize(box.MFONT_GROUP.TEXT_FONT.SIZE / 100, box.size.textCharSize / 100);
}
