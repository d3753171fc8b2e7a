// Switching the current style or cover to the one of the page being drawn.
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The extent keeps its size and moves its top-left to origin.
void MoveExtentTo(WinRect& extent, QPoint origin)
{
    extent = {origin.x(), origin.y(), origin.x() + extent.Width(), origin.y() + extent.Height()};
}

}  // namespace

void PageRenderer::SelectStyleNamed(const QString& name, QPoint origin)
{
    if (!g_CurrentParaSet)
        return;
    if (name == kCoverName || name == kBackCoverName) {
        // A set without that cover keeps the current style: clearing it would
        // leave nothing to draw with.
        TCoverPara* cover = g_CurrentParaSet->covers.FindByName(&TCoverPara::NAME, name);
        if (!cover || cover == g_CurrentCover)
            return;
        g_CurrentCover = cover;
        g_CurrentStyle = nullptr;
    } else {
        TStyle* style = g_CurrentParaSet->styles.FindByName(&TStyle::NAME, name);
        if (!style || style == g_CurrentStyle)
            return;
        g_CurrentStyle = style;
        g_CurrentCover = nullptr;
    }
    ApplyZoom();
    MoveExtentTo(ScaledExtent, origin);
}
