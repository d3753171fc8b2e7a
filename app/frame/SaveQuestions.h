#pragma once
// The text pane's save question, asked in its place in every order of save
// questions (app/files/SavePrompts.h) through the frame.
#include <functional>

// The text pane's side of its question, supplied by the pane.
struct TextPaneSaving {
    std::function<void()> applyEdits;  // pending edits into the text
    std::function<bool()> isModified;
    std::function<bool()> save;  // false when not saved
};
// "預處理文本已修改，是否保存？" when the pane's text is modified (its
// pending edits applied first); false for Cancel or a save that failed.
bool AskSavePreText(const TextPaneSaving& pane);
