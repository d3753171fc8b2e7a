#include "app/view/ViewContents.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/view/PageView.h"
#include "render/contents/Contents.h"
#include "render/pipeline/ShownPages.h"

void RebuildViewContents(PageView& view, bool makeLeafTexts)
{
    PageRenderer& renderer = view.Renderer();
    const bool namedText = !g_ProjectName.isEmpty() && !renderer.Printing;
    RebuildContents(renderer.LeafTexts, makeLeafTexts, namedText);
    renderer.TextName = g_TextName;
    if (namedText)
        Frame().SetContentsTree(GetShownPageCount());
}
