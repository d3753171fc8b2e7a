#include "app/state/WorkingState.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"
#include "typeset/pages/PageRecord.h"

void ResetProjectState(CollatorView& view)
{
    const TDisplayMode display{g_TwoPageMode != 0, g_FourInOneMode != 0};
    TParaSet fresh;
    AddNewStyle(fresh.styles, display)->NAME = kDefaultStyleName;
    ReplaceProjectParaSet(std::move(fresh));
    g_PageTable.pages.Clear();
    g_TextName.clear();
    g_FindText.clear();
    g_CurrentPage = -1;
    g_ShownTextPage = -1;
    g_ShownTextPage2 = -1;

    view.Data.books.Clear();
    g_CurrentBook = nullptr;
    g_CurrentCover = nullptr;
    // The set in use may have been a freed book's.
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentPages = &g_PageTable;
    g_CurrentStyle = g_ParaSet.styles.First();
    // 4-in-1 display needs a book; its groups were the old book's.
    g_FourInOneMode = 0;
    g_Current4in1Group = 0;
    if (g_Edition && !g_Edition->HasTwoPageCommand())
        g_TwoPageMode = 0;

    g_ProjectName.clear();
    g_ProjectDirty = false;
    // The save questions came first; a flag left by a text project's
    // settings would ask about the next book's layout for nothing.
    g_LayoutDirty = false;
    view.Data.volumeDataPath.clear();
    view.Data.scan = TScanSettings();
    g_VolumeShown = false;
    view.Data.generating = false;
    Frame().ResetFramePanes();
}

TFile* GetVolume(TBook* book, int32_t i) { return book ? book->volumes.GetAtOrNull(i) : nullptr; }

QString GetTextName() { return g_TextName; }

QString GetProgramPath()
{
    if (g_ProgramPath.isEmpty())
        InitAppFolder();
    return g_ProgramPath;
}

double GetZoomFactor(const PageRenderer& view) { return view.GetZoomFactor(); }

void RebuildBookmarkList(const OwningList<TBookmarkNode>& tree)
{
    ClearFlatBookmarkList();
    g_CurrentBookmark = -2;
    FlattenBookmarkTree(tree);
}

void SetCurrentBookmark(int32_t i)
{
    if (g_CurrentBookmark != i)
        g_CurrentBookmark = i;
}
