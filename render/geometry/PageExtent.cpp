// The page extent: the largest page of the set's styles with a border round
// it, and each style's offsets that set smaller pages at its right and bottom.
#include <algorithm>

#include "foundation/params/Box.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

// A raised head stands one character above the page.
int32_t RenderEdition::RaisedHeadLift(const TStyle& style) const
{
    return style.raisedHead ? style.TEXT_BOX.size.textCharSize : 0;
}

void RenderEdition::CalcPageExtent(PageRenderer& view) const
{
    if (!g_CurrentParaSet)
        return;
    int32_t maxW = 0;
    int32_t maxH = 0;
    for (const TStyle& style : g_CurrentParaSet->styles) {
        maxW = std::max(maxW, style.pageWidth);
        maxH = std::max(maxH, style.pageHeight + RaisedHeadLift(style));
    }
    const int32_t border = 2 * view.Border - 1;
    // A damaged file's frame widths may make a page as long as the int32 range.
    view.PageExtent = {0, 0, SaturateToInt32(int64_t(border) + maxW), SaturateToInt32(int64_t(border) + maxH)};
    for (TStyle& style : g_CurrentParaSet->styles) {
        style.xOffset = view.PageExtent.right - style.pageWidth - view.PageExtent.left - view.Border;
        style.yOffset = view.PageExtent.bottom - style.pageHeight - view.Border - view.PageExtent.top;
    }
    if (view.SpreadSideBySide())
        view.PageExtent.right += view.PageExtent.Width();
}
