#pragma once
// The save questions that every command replacing the open text, project
// or book asks first, and closing asks too. Each returns false for Cancel,
// else true after saving or discarding as chosen; it asks nothing (and
// returns true) when there is nothing to save. A save that fails keeps the
// change and counts as Cancel, so nothing is lost behind the user's back.

// "是否保存當前項目？" for a changed project.
bool AskSaveProject();
// "排版文字已修改，是否保存？" for an edited volume of the open book. Yes
// writes the shown volume (and the index when it must be rewritten); No
// re-reads the volume when its index changed.
bool AskSaveText();
// "版式參數已修改，是否保存？" for changed layout parameters of the open book.
bool AskSaveLayoutParams();

// The orders: replacing asks project, text pane, volume, layout; closing
// asks the text pane first. The text pane's question is the frame's.
bool AskSaveBeforeReplacing();
bool AskSaveBeforeClosing();

// Writes the shown volume and, when it changed, the book's index; clears
// the two flags only after both were written.
bool SaveShownVolume();
