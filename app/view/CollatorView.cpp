#include "app/view/CollatorView.h"

#include "app/AppGlobals.h"
#include "app/navigation/VolumeNavigation.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

CollatorView::CollatorView(QWidget* parent) : PageView(parent)
{
    Data.pages = this;
    g_VolumeShown = false;
}

bool CollatorView::ShowVolumePage(int volume, int page)
{
    return GoToVolumePage(volume, Data, g_CurrentBook, page) && g_CurrentVolume == volume;
}
