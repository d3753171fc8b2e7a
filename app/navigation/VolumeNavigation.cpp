#include "app/navigation/VolumeNavigation.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/files/SavePrompts.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/PageNavigation.h"
#include "app/navigation/ViewData.h"
#include "app/view/PageView.h"
#include "app/view/ViewContents.h"
#include "foundation/io/Paths.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/search/SearchSections.h"

namespace {

// In 4-in-1 display the text page becomes its place in its group, whose
// pages the combo then offers.
int32_t PlaceInGroup(int32_t n)
{
    int32_t group = 0, slot = 0;
    Locate4in1Page(g_CurrentVolume, n, group, slot);
    if (group != g_Current4in1Group) {
        g_Current4in1Group = group;
        Frame().FillPageCombo(g_CurrentPages->pages.Size());
    }
    return slot;
}

// The flat bookmark list of the shown volume, its current entry the one for
// text page n.
void PlaceBookmark(int32_t n, const QString& title)
{
    const TFile* volume = g_CurrentBook->volumes.GetAtOrNull(g_CurrentVolume);
    ClearFlatBookmarkList();
    g_CurrentBookmark = -2;
    if (volume)
        FlattenBookmarkTree(volume->contents);
    int32_t bookmark = -1;
    if (!title.isEmpty())
        bookmark = FindBookmark({title, n});
    else if (n >= 1)
        bookmark = FindBookmarkByPage(n);
    if (bookmark >= -g_CoverPages)
        g_CurrentBookmark = bookmark;
}

}  // namespace

void ActivateBook(TBook& book, ViewData& view)
{
    g_CurrentBook = &book;
    g_CurrentParaSet = &book.parameters;
    g_CurrentStyle = book.parameters.styles.First();
    g_CurrentCover = nullptr;
    g_CoverPages = book.coverPages;
    g_BackPages = book.backPages;
    const TDisplayMode display{g_TwoPageMode != 0, g_FourInOneMode != 0};
    for (TStyle& style : book.parameters.styles)
        ComputeStylePageSize(style, display);
    ApplyCoverSizes(book.parameters);
    view.pages->Refresh();
}

bool GoToVolumePage(int32_t i, ViewData& view, TBook* book, int32_t p, QString* name, const QString& bookmarkTitle)
{
    if (!book)
        return false;
    if (book != g_CurrentBook) {
        ActivateBook(*book, view);
        g_CurrentVolume = -1;
    }
    if (i == g_CurrentVolume) {
        ShowPage(view, TextPageToShownPage(p));
        return true;
    }
    if (!AskSaveText())
        return false;
    const TFile* volume = book->volumes.GetAtOrNull(i);
    const int32_t previous = g_CurrentVolume;
    g_CurrentVolume = i;
    QString shownName;
    if (!LoadAndShowVolume(p, volume ? volume->name : QString(), view, bookmarkTitle, &shownName)) {
        // The pages in memory are still the previous volume's: a later save
        // must not write them into this volume's file.
        g_CurrentVolume = previous;
        return false;
    }
    Frame().SetDocumentTitle(shownName);
    if (name)
        *name = shownName;
    return true;
}

bool LoadAndShowVolume(int32_t n, const QString& path, ViewData& view, const QString& bookmarkTitle, QString* name)
{
    if (n < 0)
        return false;
    if (!ReadVolumeDataFile(path)) {
        TellUser(QStringLiteral("打開文件出錯！"));
        return false;
    }
    view.volumeDataPath = path;
    g_VolumeShown = true;
    g_CurrentPages = &g_PageTable;
    // The hits of a find lie in the pages read over.
    ClearSearchResults();
    n = std::max(0, std::min(n, g_PageTable.pages.Size() - 1));
    if (g_FourInOneMode)
        n = PlaceInGroup(n);
    g_CurrentPage = TextPageToShownPage(n);

    RebuildViewContents(*view.pages);
    const int32_t shown = g_CurrentPage;
    view.pages->Refresh();
    BuildSectionIndex(g_PageTable);
    if (g_ProjectName.isEmpty() && g_CurrentBook) {
        if (!g_FourInOneMode)
            Frame().FillPageCombo(g_PageTable.pages.Size());
        PlaceBookmark(n, bookmarkTitle);
        Frame().MarkShownVolume();
    }
    ShowPage(view, shown);
    if (name)
        *name = GetFileTitlePart(path);
    return true;
}
