#pragma once
// The save questions that every command replacing the open text, project
// or book asks first. Each returns false for Cancel, else true after saving
// or discarding as chosen; it asks nothing (and returns true) when there is
// nothing to save.

// "是否保存當前項目？" for a changed project.
bool AskSaveProject();
// "排版文字已修改，是否保存？" for an edited volume of the open book. Yes
// writes the shown volume (and the index when it must be rewritten); No
// re-reads the volume when its index changed. A save that fails keeps the
// edits and gives false, as Cancel does.
bool AskSaveText();
// "版式參數已修改，是否保存？" for changed layout parameters of the open book.
// A save that fails keeps the change and gives false.
bool AskSaveLayoutParams();

// All four in their order: the project's and the text pane's (only while a
// project is open), then the volume's and the layout's.
bool AskSaveBeforeReplacing();
