// Switching the current style or cover to the one of the page being drawn.
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

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
    if (IsCoverName(name)) {
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

namespace {

// Pages above this number address, in 4-in-1 mode, the cover (even) or back
// cover (odd) of a group: 100000 + 2g and 100000 + 2g + 1.
constexpr int32_t kGroupCoverPages = 100000;

const TPageRec* PageRecordOf(int32_t page)
{
    if (g_FourInOneMode && page >= kGroupCoverPages) {
        const int32_t a = page - kGroupCoverPages;
        const TPageTable* group = g_4in1Data.groupTables.GetAtOrNull(a / 2);
        return group ? group->pages.GetAtOrNull(a % 2) : nullptr;
    }
    return g_CurrentPages ? g_CurrentPages->pages.GetAtOrNull(page) : nullptr;
}

}  // namespace

bool PageRenderer::SelectPageStyle(int32_t page, QPoint origin)
{
    CurrentPageRec = PageRecordOf(page);
    if (!CurrentPageRec)
        return false;
    SelectStyleNamed(CurrentPageRec->styleName, origin);
    return true;
}
