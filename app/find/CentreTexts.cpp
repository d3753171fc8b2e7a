#include "app/find/CentreTexts.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/navigation/PageNavigation.h"
#include "app/navigation/ViewData.h"
#include "app/view/PageView.h"
#include "app/view/ViewContents.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/pages/PageRecord.h"

namespace {

const QString kDefaultCentreText = QStringLiteral("版心上部|版心中部|<Z><R>墨衡系統排版</R><L></L></Z>");

// The shown page's record when a centre-text command may act on it.
TPageRec* ShownPageRecord()
{
    if (!g_VolumeShown || g_CellEditing || !g_CurrentBook || !g_CurrentPages)
        return nullptr;
    if (g_CurrentVolume < 0 || g_CurrentVolume >= g_CurrentBook->volumes.Size())
        return nullptr;
    return g_CurrentPages->pages.GetAtOrNull(g_ShownTextPage);
}

// The centre text of the nearest page before p that has one, looking no
// further back than page 0; the default when there is none. Pages 0 and 1
// take the default.
QString InheritedCentreText(int32_t p)
{
    if (p <= 1)
        return kDefaultCentreText;
    for (int32_t q = p - 1; q >= 0; --q)
        if (const TPageRec* page = g_CurrentPages->pages.GetAtOrNull(q); page && !page->centreText.isEmpty())
            return page->centreText;
    return kDefaultCentreText;
}

void SetCentreText(ViewData& view, TPageRec& page, const QString& text)
{
    page.centreText = text;
    RebuildViewContents(*view.pages);
    g_VolumeDirty = true;
    ShowPage(view, g_CurrentPage);
    // The page stays the same, so nothing else reloads the edit pane's rows.
    Frame().ShownPageChanged(g_CurrentPage);
}

}  // namespace

bool CanAddCentreText()
{
    const TPageRec* page = ShownPageRecord();
    return page && page->centreText.isEmpty();
}

bool CanDeleteCentreText()
{
    const TPageRec* page = ShownPageRecord();
    return page && !page->centreText.isEmpty();
}

void OnAddCentreText(ViewData& view)
{
    if (!CanAddCentreText())
        return;
    SetCentreText(view, *ShownPageRecord(), InheritedCentreText(g_ShownTextPage));
}

void OnDeleteCentreText(ViewData& view)
{
    if (CanDeleteCentreText())
        SetCentreText(view, *ShownPageRecord(), QString());
}
