#include "render/RenderEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/PageRenderer.h"
#include "render/frame/PageFrame.h"
#include "render/pictures/PagePictures.h"

void RenderEdition::DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect& r1, int32_t firstPage,
                                  int32_t secondPage, QPoint origin) const
{
    ::DrawPageFrame(view, dc, r1, firstPage, secondPage, origin);
}

WinRect RenderEdition::PlacePictureInTextBox(PageRenderer& view, const TPageItem& item, const WinRect& base) const
{
    const TStyle& s = view.ScaledStyle;
    const TBoxSize& box = s.TEXT_BOX.size;
    return CellRect(box.LINES, box.TEXT_PER_LINE, item, box.pitch + s.IN_BORDER, box.textCharSize, base);
}

const RenderEdition& CurrentDrawing()
{
    static const RenderEdition woodblock;
    const RenderEdition* own = g_Edition ? g_Edition->Drawing() : nullptr;
    return own ? *own : woodblock;
}
