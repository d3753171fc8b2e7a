#pragma once
// The framework's edit commands (cut, copy, paste, undo: the 編輯 menu and
// Ctrl+X/C/V/Z, Shift+Del, Ctrl+Ins, Shift+Ins, Alt+Backspace) act on the
// widget that has the focus: the edit pane's grid, the text pane's editor,
// a line of the find window or any other line edit. Each kind has its own
// enabled rule; with the focus anywhere else they are disabled.
class QWidget;

enum class EditVerb { Cut, Copy, Paste, Undo };

// Whether the verb applies to the focused widget now.
bool CanEditFocus(EditVerb verb, QWidget* focus);
// Runs the verb on the focused widget when it applies.
void EditFocus(EditVerb verb, QWidget* focus);
