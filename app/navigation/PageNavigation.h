#pragma once
// Moving through the pages of the shown text or volume and the volumes of
// the open book: the navigation commands 503 to 508 with their enabled
// states, the page combo and the 4-in-1 sheets. Pages here are shown pages
// unless a name says text page.
#include <cstdint>

#include <QString>

struct ViewData;

namespace NavCommand {
enum : int32_t { FirstPage = 503, PreviousVolume = 504, PreviousPage = 505, NextPage = 506, NextVolume = 507,
                 LastPage = 508 };
}

// Runs one of the navigation commands; nothing unless a volume is shown
// and no cell is being edited.
void OnNavigate(int32_t command, ViewData& view);
bool IsNavigationEnabled(int32_t command);
// The single/two-page (501) and 4-in-1 (40273) switches.
bool IsDisplayToggleEnabled();

// Forgets the hits of a find: every hit table and the shown pages' hit
// list (nothing before a find has succeeded).
void ClearSearchResults();

// Goes to the shown page s of the current page table (GoToPage): outside
// 4-in-1 display at most the last shown page.
void ShowPage(ViewData& view, int32_t s);
// In 4-in-1 display only: the sheet s of the current group, loading the
// volume its first place belongs to. False outside 4-in-1 display or past
// the group.
bool GoToShownPage(ViewData& view, int32_t s);
// The page combo's choice.
void GoToPageFromCombo(ViewData& view, int32_t s);

// Entries of the current 4-in-1 group; -1 when there is none.
int32_t GetGroupPageCount();
// The group ends of g_4in1Data as the 4-in-1 editor shows them ("3;6;").
QString Get4in1SplitText();
