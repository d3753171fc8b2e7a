#pragma once
// What the view does for the find window: find the next or previous
// occurrence of the find text in the shown volume or across the volumes of
// the open book, and replace one occurrence, those of the shown volume or
// those of every volume. The window only holds the texts and the scope.
#include <cstdint>

class CDlgFind;
struct ViewData;

// One search step from the cursor of the shown pages, down or up. On a find
// the hit's page is shown; the first find after the window was opened sets
// its match flag and puts the focus on its replacement edit.
bool FindStep(ViewData& view, CDlgFind& dialog, bool down);

// Find down (F3, 向下查找) and up (F4, 向上查找). With the scope of all
// volumes the following (preceding) volumes are searched in turn after the
// shown one; when none has the text the view returns to where it began and
// "沒有找到！" is shown.
void OnFindDown(ViewData& view, CDlgFind& dialog);
void OnFindUp(ViewData& view, CDlgFind& dialog);

// 替换本字: the current hit, only while its characters still read the find
// text; the hit is gone afterwards, so a second press waits for a find.
void ReplaceOne(ViewData& view, const CDlgFind& dialog);
// 替换本冊 and 替換所有冊, after their question, ending with "共替換%d處".
// Replacing in every volume saves each changed volume and returns to the
// page where it began.
void ReplaceInVolume(ViewData& view, const CDlgFind& dialog);
void ReplaceInAllVolumes(ViewData& view, const CDlgFind& dialog);

// A button of the find window (CDlgFind::Button); closing does nothing.
void OnFindDialogCommand(ViewData& view, CDlgFind& dialog, int32_t button);
