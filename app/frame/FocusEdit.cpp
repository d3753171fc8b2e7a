#include "app/frame/FocusEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

#include "grid/GridCtrl.h"

namespace {

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// The grid owns the focus also through its viewport.
CGridCtrl* GridOf(QWidget* focus)
{
    for (QWidget* w = focus; w; w = w->parentWidget())
        if (auto* grid = qobject_cast<CGridCtrl*>(w))
            return grid;
    return nullptr;
}

bool CanEditText(EditVerb verb, const QPlainTextEdit& edit)
{
    const bool selected = edit.textCursor().hasSelection();
    switch (verb) {
    case EditVerb::Cut:
        return selected && !edit.isReadOnly();
    case EditVerb::Copy:
        return selected;
    case EditVerb::Paste:
        return edit.canPaste();
    case EditVerb::Undo:
        return edit.document()->isUndoAvailable();
    }
    return false;
}

bool CanEditLine(EditVerb verb, const QLineEdit& line)
{
    switch (verb) {
    case EditVerb::Cut:
        return line.hasSelectedText() && !line.isReadOnly() && line.echoMode() == QLineEdit::Normal;
    case EditVerb::Copy:
        return line.hasSelectedText() && line.echoMode() == QLineEdit::Normal;
    case EditVerb::Paste:
        return !line.isReadOnly() && ClipboardHasText();
    case EditVerb::Undo:
        return line.isUndoAvailable();
    }
    return false;
}

// The grid keeps no undo.
bool CanEditGrid(EditVerb verb, const CGridCtrl& grid)
{
    switch (verb) {
    case EditVerb::Cut:
        return grid.CanEditCut();
    case EditVerb::Copy:
        return grid.CanEditCopy();
    case EditVerb::Paste:
        return grid.CanEditPaste();
    case EditVerb::Undo:
        return false;
    }
    return false;
}

template <class Editor>
void Run(EditVerb verb, Editor& editor)
{
    switch (verb) {
    case EditVerb::Cut:
        editor.cut();
        break;
    case EditVerb::Copy:
        editor.copy();
        break;
    case EditVerb::Paste:
        editor.paste();
        break;
    case EditVerb::Undo:
        editor.undo();
        break;
    }
}

void RunGrid(EditVerb verb, CGridCtrl& grid)
{
    switch (verb) {
    case EditVerb::Cut:
        grid.OnEditCut();
        break;
    case EditVerb::Copy:
        grid.OnEditCopy();
        break;
    case EditVerb::Paste:
        grid.OnEditPaste();
        break;
    case EditVerb::Undo:
        break;
    }
}

}  // namespace

bool CanEditFocus(EditVerb verb, QWidget* focus)
{
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
        return CanEditText(verb, *text);
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return CanEditLine(verb, *line);
    if (CGridCtrl* grid = GridOf(focus))
        return CanEditGrid(verb, *grid);
    return false;
}

void EditFocus(EditVerb verb, QWidget* focus)
{
    if (!CanEditFocus(verb, focus))
        return;
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
        Run(verb, *text);
    else if (auto* line = qobject_cast<QLineEdit*>(focus))
        Run(verb, *line);
    else if (CGridCtrl* grid = GridOf(focus))
        RunGrid(verb, *grid);
}
