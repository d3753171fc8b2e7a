#include "app/navigation/PageNavigation.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/navigation/ViewData.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/view/PageView.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/search/GridPositions.h"
#include "typeset/search/HitTables.h"

namespace {

bool CanNavigate() { return g_VolumeShown && !g_CellEditing; }
int32_t LastVolume() { return g_CurrentBook ? g_CurrentBook->volumes.Size() - 1 : -1; }
int32_t LastGroup() { return int32_t(g_4in1Data.pageOrders.size()) - 1; }
bool HasPageBefore() { return g_CurrentPage > 0; }
bool HasPageAfter() { return g_CurrentPage + 1 < GetShownPageCount(); }

// Which column of the navigation table applies.
enum class NavMode { Text, Book, FourInOneBook };

NavMode CurrentNavMode()
{
    if (!g_CurrentBook)
        return NavMode::Text;
    return g_FourInOneMode ? NavMode::FourInOneBook : NavMode::Book;
}

void GoToVolume(ViewData& view, int32_t volume, int32_t textPage)
{
    GoToVolumePage(volume, view, g_CurrentBook, textPage);
}

// Another 4-in-1 group: its pages in the combo, then its sheet s.
void ShowGroup(ViewData& view, int32_t group, bool lastSheet)
{
    g_Current4in1Group = group;
    Frame().FillPageCombo(g_CurrentPages ? g_CurrentPages->pages.Size() : 0);
    view.pages->Refresh();
    GoToShownPage(view, lastSheet ? GetShownPageCount() - 1 : 0);
}

// --- a text ------------------------------------------------------------------

void TextFirst(ViewData& view) { ShowPage(view, 0); }
void TextPrevious(ViewData& view)
{
    if (HasPageBefore())
        ShowPage(view, g_CurrentPage - 1);
}
void TextNext(ViewData& view)
{
    if (HasPageAfter())
        ShowPage(view, g_CurrentPage + 1);
}
void TextLast(ViewData& view)
{
    if (HasPageAfter())
        ShowPage(view, GetShownPageCount() - 1);
}
void Nothing(ViewData&) {}

// --- a book, one or two pages at a time -------------------------------------------

void BookFirst(ViewData& view)
{
    if (g_CurrentVolume > 0 || HasPageBefore())
        GoToVolume(view, 0, 0);
}
void BookPreviousVolume(ViewData& view)
{
    if (g_CurrentVolume > 0)
        GoToVolume(view, g_CurrentVolume - 1, 0);
}
void BookPrevious(ViewData& view)
{
    if (HasPageBefore())
        ShowPage(view, g_CurrentPage - 1);
    else if (g_CurrentVolume > 0)
        GoToVolume(view, g_CurrentVolume - 1, kLastTextPage);
}
void BookNext(ViewData& view)
{
    if (HasPageAfter())
        ShowPage(view, g_CurrentPage + 1);
    else if (g_CurrentVolume < LastVolume())
        GoToVolume(view, g_CurrentVolume + 1, 0);
}
void BookNextVolume(ViewData& view)
{
    if (g_CurrentVolume < LastVolume())
        GoToVolume(view, g_CurrentVolume + 1, 0);
}
void BookLast(ViewData& view)
{
    if (g_CurrentVolume < LastVolume() || HasPageAfter())
        GoToVolume(view, LastVolume(), kLastTextPage);
}

// --- a book in 4-in-1 sheets ------------------------------------------------------

void SheetFirst(ViewData& view)
{
    if (g_Current4in1Group > 0 || HasPageBefore()) {
        g_CurrentPage = 0;
        ShowGroup(view, 0, false);
    }
}
void SheetPreviousGroup(ViewData& view)
{
    if (g_Current4in1Group > 0)
        ShowGroup(view, g_Current4in1Group - 1, false);
}
void SheetPrevious(ViewData& view)
{
    if (HasPageBefore())
        GoToShownPage(view, g_CurrentPage - 1);
    else if (g_Current4in1Group > 0)
        ShowGroup(view, g_Current4in1Group - 1, true);
}
void SheetNext(ViewData& view)
{
    if (HasPageAfter())
        GoToShownPage(view, g_CurrentPage + 1);
    else if (g_Current4in1Group < LastGroup())
        ShowGroup(view, g_Current4in1Group + 1, false);
}
void SheetNextGroup(ViewData& view)
{
    if (g_Current4in1Group < LastGroup())
        ShowGroup(view, g_Current4in1Group + 1, false);
}
// Through GoToShownPage, so that the last sheet's volume is the one loaded.
void SheetLast(ViewData& view)
{
    g_Current4in1Group = LastGroup();
    Frame().FillPageCombo(g_CurrentPages ? g_CurrentPages->pages.Size() : 0);
    view.pages->Refresh();
    GoToShownPage(view, TextPageToShownPage(GetGroupPageCount() - 1));
}

// --- enabled states -------------------------------------------------------------

bool Never() { return false; }
bool BookBefore() { return g_CurrentVolume > 0 || HasPageBefore(); }
bool BookVolumeBefore() { return g_CurrentVolume > 0; }
bool BookAfter() { return g_CurrentVolume < LastVolume() || HasPageAfter(); }
bool BookVolumeAfter() { return g_CurrentVolume < LastVolume(); }
bool SheetBefore() { return g_Current4in1Group > 0 || HasPageBefore(); }
bool SheetGroupBefore() { return g_Current4in1Group > 0; }
bool SheetAfter() { return g_Current4in1Group < LastGroup() || HasPageAfter(); }
bool SheetGroupAfter() { return g_Current4in1Group < LastGroup(); }
bool SheetNotLast()
{
    return !(g_Current4in1Group == LastGroup() &&
             ShownPageToTextPages(g_CurrentPage).first == GetGroupPageCount() - 1);
}

struct NavRow {
    int32_t command;
    void (*run[3])(ViewData&);  // per NavMode
    bool (*enabled[3])();
};

const NavRow kNavigation[] = {
    {NavCommand::FirstPage, {TextFirst, BookFirst, SheetFirst}, {HasPageBefore, BookBefore, SheetBefore}},
    {NavCommand::PreviousVolume, {Nothing, BookPreviousVolume, SheetPreviousGroup},
     {Never, BookVolumeBefore, SheetGroupBefore}},
    {NavCommand::PreviousPage, {TextPrevious, BookPrevious, SheetPrevious}, {HasPageBefore, BookBefore, SheetBefore}},
    {NavCommand::NextPage, {TextNext, BookNext, SheetNext}, {HasPageAfter, BookAfter, SheetAfter}},
    {NavCommand::NextVolume, {Nothing, BookNextVolume, SheetNextGroup}, {Never, BookVolumeAfter, SheetGroupAfter}},
    {NavCommand::LastPage, {TextLast, BookLast, SheetLast}, {HasPageAfter, BookAfter, SheetNotLast}},
};

const NavRow* FindNavRow(int32_t command)
{
    const auto row = std::find_if(std::begin(kNavigation), std::end(kNavigation),
                                  [command](const NavRow& r) { return r.command == command; });
    return row == std::end(kNavigation) ? nullptr : row;
}

}  // namespace

void OnNavigate(int32_t command, ViewData& view)
{
    const NavRow* row = FindNavRow(command);
    if (!row || !CanNavigate())
        return;
    const NavMode mode = CurrentNavMode();
    // Only a command that moves forgets the hits.
    if (mode != NavMode::Text && row->enabled[int(mode)]())
        ClearSearchResults();
    row->run[int(mode)](view);
}

bool IsNavigationEnabled(int32_t command)
{
    const NavRow* row = FindNavRow(command);
    return row && CanNavigate() && row->enabled[int(CurrentNavMode())]();
}

bool IsDisplayToggleEnabled() { return CanNavigate(); }

void ClearSearchResults()
{
    if (g_SearchMode != 2)
        return;
    ClearHitTables();
    if (g_CurrentPages)
        ClearCurrentHitList(*g_CurrentPages);
}

void ShowPage(ViewData& view, int32_t s)
{
    if (!g_FourInOneMode)
        s = std::min(s, GetShownPageCount() - 1);
    // The view sets the page itself: it tells the frame only when it sees
    // the page change.
    view.pages->GoToPage(s);
}

bool GoToShownPage(ViewData& view, int32_t s)
{
    if (!g_FourInOneMode)
        return false;
    const int32_t first = ShownPageToTextPages(s).first;
    if (first < 0)
        return false;
    int32_t volume = 0, page = 0;
    Decode4in1Entry(first, volume, page);
    if (volume == k4in1CoverCode || volume == k4in1BlankCode || volume == g_CurrentVolume || !g_CurrentBook)
        ShowPage(view, s);
    else
        GoToVolumePage(volume, view, g_CurrentBook, page);
    return true;
}

void GoToPageFromCombo(ViewData& view, int32_t s)
{
    if (g_FourInOneMode)
        GoToShownPage(view, s);
    else
        ShowPage(view, s);
}

int32_t GetGroupPageCount()
{
    const int32_t group = g_Current4in1Group;
    return group >= 0 && group <= LastGroup() ? int32_t(g_4in1Data.pageOrders[size_t(group)].size()) : -1;
}

QString Get4in1SplitText() { return Format4in1Splits(g_4in1Data.groupEnds); }
