#pragma once
// The save questions that every command replacing the open text, project or
// book asks first, and that closing asks. Each returns false when the user
// chose Cancel, or when the chosen save failed (the failure is told and the
// dirty flags stay, so nothing unsaved is dropped); else true after saving
// or discarding as chosen. When its condition does not hold it asks nothing.
#include <functional>

class CollatorView;

// "是否保存當前項目？" while a project is named and modified.
bool AskSaveProject();
// "排版文字已修改，是否保存？" while a book is open and its volume edited.
// No with the index changed reads the volume back from its file.
bool AskSaveText(CollatorView& view);
// "版式參數已修改，是否保存？" while a book is open and its layout changed.
bool AskSaveLayoutParams();

// The text pane's side of its question, supplied by the pane.
struct TextPaneSaving {
    std::function<void()> applyEdits;  // pending edits into the text
    std::function<bool()> isModified;
    std::function<bool()> save;  // false when not saved
};
// "預處理文本已修改，是否保存？" when the pane's text is modified (its
// pending edits applied first).
bool AskSavePreText(const TextPaneSaving& pane);

// The order of every command that replaces what is open: project and text
// pane, then volume and layout. The text pane is asked whenever it is
// modified, with or without a project.
bool AskBeforeReplacing(CollatorView& view, const TextPaneSaving& pane);
// The order of closing: text pane, project, volume, layout.
bool AskBeforeClosing(CollatorView& view, const TextPaneSaving& pane);

// Writes the shown volume and, when it changed, the book's index; clears
// the two flags only after both were written.
bool SaveShownVolume(CollatorView& view);
// Writes the book's typeset file and clears g_LayoutDirty.
bool SaveLayoutParams();
