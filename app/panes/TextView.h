#pragma once
// The 預處理文本 pane: the pre-processed text (g_TextLines) in an editor,
// whole or only the lines of the shown page. Edits are written back into
// g_TextLines when the pane shows something else, saves or re-typesets; its
// toolbar saves, undoes, re-typesets, steps pages, wraps, sets the font and
// opens the mark tool.
#include <cstdint>
#include <functional>

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include "app/panes/TextPaneText.h"

#include "app/panes/MarkTool.h"
class QAction;
class QToolBar;

// The editor of the pane: a plain-text edit with the pane's context menu.
class TShow : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TShow(QWidget* parent = nullptr);

    // Finds the text from the selection's end downwards, or from its start
    // upwards, and selects it; false when there is none.
    bool FindNext(const QString& text, bool down);
    // Replaces the selection when it is a match (case ignored, as the find
    // ignores it), else the next match; then finds the one after.
    bool ReplaceOne(const QString& text, const QString& with, bool down);
    // Replaces every match from the caret's end of the text; how many.
    int ReplaceAll(const QString& text, const QString& with, bool down);

signals:
    void FindRequested(bool replace);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

class TTextView : public QWidget {
    Q_OBJECT
public:
    // What the pane asks of the window around it.
    struct Host {
        std::function<void(int32_t shown)> goToShownPage;  // shows the page in the page view
        std::function<void()> retypeset;                   // typesets g_TextLines again
        std::function<QString()> chooseSavePath;           // the save dialog; empty when cancelled
        std::function<bool(QFont&)> chooseFont;            // the font dialog; false when cancelled
    };

    // The toolbar's commands.
    enum Command : int {
        ShowAllToggle = 2280, Save = 2283, Undo = 2284, Redo = 2285, Typeset = 2286, PreviousPage = 2287,
        NextPage = 2288, WordWrap = 2289, Font = 2290, MarkTool = 2291,
    };

    explicit TTextView(QWidget* parent = nullptr);

    void SetHost(Host host) { host_ = std::move(host); }

    void ClearText();
    // The full text from g_TextLines, the page ends mapped, then ShowText.
    void LoadText();
    // The whole text, or the shown page's lines; edits are applied first.
    void ShowText();
    // Writes the editor's changes into the text and g_TextLines.
    void ApplyEdits();
    // Saves g_TextLines as a text file; false when cancelled or not written.
    bool SaveText();

    void RunCommand(int command);
    bool IsCommandEnabled(int command) const;
    // The toolbar's enabled and pressed states from the pane and the page.
    void UpdateActions();

    bool ShowAll() const { return showAll_; }
    bool TextChanged() const { return textChanged_; }
    bool WordWrapping() const { return wordWrap_; }
    TShow& Editor() { return *edit_; }
    const TextPaneText& Text() const { return text_; }
    QAction* Action(int command) const;
    CDlgMarkTool* MarkToolWindow() const { return markTool_; }

private:
    void BuildToolBar();
    void ShowMarkTool();
    void StepPage(int32_t step);
    void SetWordWrap(bool wrap);
    void ChooseFont();
    void ShowFindDialog(bool replace);

    TShow* edit_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QPointer<CDlgMarkTool> markTool_;
    TextPaneText text_;
    TextPaneText::Range shown_;
    Host host_;
    bool showAll_ = true;
    bool textChanged_ = false;
    bool wordWrap_ = true;  // the frame has the pane wrap at its width
};
