#include "app/AppGlobals.h"

#include <utility>

#include "render/RenderGlobals.h"

QString g_ProjectName;
bool g_ProjectDirty = false;
QString g_TextName;
TParaSet g_ParaSet;
TPageTable g_PageTable;
QString g_LastTypesetFolder;
QString g_TextSavePath;
int32_t g_CurrentVolume = -1;
bool g_VolumeDirty = false;
bool g_IndexDirty = false;
bool g_LayoutDirty = false;
int32_t g_AppLook = kDefaultAppLook;
std::map<QString, TFileStamp> g_FileStamps;
ServiceSlot<FrameServices> g_InstalledFrame;
ServiceSlot<DialogServices> g_InstalledDialogs;

void ReplaceProjectParaSet(TParaSet&& set)
{
    const bool styleInSet = g_CurrentStyle && g_ParaSet.styles.IndexOf(g_CurrentStyle) >= 0;
    const bool coverInSet = g_CurrentCover && g_ParaSet.covers.IndexOf(g_CurrentCover) >= 0;
    const QString styleName = styleInSet ? g_CurrentStyle->NAME : QString();
    const QString coverName = coverInSet ? g_CurrentCover->NAME : QString();

    ClearStyles(g_ParaSet.styles);
    for (const TCoverPara& cover : g_ParaSet.covers)
        ReleaseCurrentLists(cover);
    g_ParaSet.styles = std::move(set.styles);
    g_ParaSet.covers = std::move(set.covers);

    if (styleInSet)
        g_CurrentStyle = RepointStyle(g_ParaSet.styles, styleName);
    if (coverInSet)
        g_CurrentCover = g_ParaSet.covers.FindByName(&TCoverPara::NAME, coverName);
}

void ResetAppGlobals()
{
    g_ProjectName.clear();
    g_ProjectDirty = false;
    g_TextName.clear();
    ReplaceProjectParaSet(TParaSet());
    g_PageTable = TPageTable();
    g_LastTypesetFolder.clear();
    g_TextSavePath.clear();
    g_CurrentVolume = -1;
    g_VolumeDirty = false;
    g_IndexDirty = false;
    g_LayoutDirty = false;
    g_AppLook = kDefaultAppLook;
    g_FileStamps.clear();
    g_InstalledFrame.Reset();
    g_InstalledDialogs.Reset();
}
