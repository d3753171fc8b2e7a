#include "app/panes/TextView.h"

#include <algorithm>
#include <array>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/panes/MarkTool.h"
#include "app/panes/TextFindDialog.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "foundation/io/TextFile.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The editor shows lines broken by '\n'; the text keeps CR LF.
QString ToEditorText(const QString& source)
{
    QString text = source;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The editor's lines joined with CR LF, whatever wraps them on screen.
QString EditorSourceText(const QTextDocument& document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += QStringLiteral("\r\n");
        QString line = block.text();
        text += line.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    }
    return text;
}

struct ToolButton {
    TTextView::Command command;
    const char16_t* text;
    const char16_t* tip;
    bool checkable;
};

constexpr std::array kToolButtons = {
    ToolButton{TTextView::ShowAllToggle, u"全部/單頁", u"顯示全部/單頁切換", true},
    ToolButton{TTextView::Save, u"保存", u"保存預處理文本", false},
    ToolButton{TTextView::Undo, u"撤銷", u"撤銷上一操作", false},
    ToolButton{TTextView::Redo, u"恢復", u"恢復上一撤銷", false},
    ToolButton{TTextView::Typeset, u"排版", u"按照當前預處理文本排版", false},
    ToolButton{TTextView::PreviousPage, u"上一頁", u"顯示上一頁", false},
    ToolButton{TTextView::NextPage, u"下一頁", u"顯示下一頁", false},
    ToolButton{TTextView::WordWrap, u"換行", u"自動換行", true},
    ToolButton{TTextView::Font, u"字體", u"設置字體", false},
    ToolButton{TTextView::MarkTool, u"標記", u"", false},
};

}  // namespace

// --- the editor --------------------------------------------------------------

TShow::TShow(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("TShow"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool TShow::FindNext(const QString& text, bool down)
{
    if (text.isEmpty())
        return false;
    QTextCursor from = textCursor();
    from.setPosition(down ? from.selectionEnd() : from.selectionStart());
    const QTextCursor found = document()->find(text, from, down ? QTextDocument::FindFlags() : QTextDocument::FindBackward);
    if (found.isNull())
        return false;
    setTextCursor(found);
    ensureCursorVisible();
    return true;
}

bool TShow::ReplaceOne(const QString& text, const QString& with, bool down)
{
    // The selection is a match under the find's own rule: case is ignored.
    QTextCursor cursor = textCursor();
    if (cursor.selectedText().compare(text, Qt::CaseInsensitive) == 0 || FindNext(text, down)) {
        cursor = textCursor();
        cursor.insertText(with);
        setTextCursor(cursor);
    }
    return FindNext(text, down);
}

int TShow::ReplaceAll(const QString& text, const QString& with, bool down)
{
    if (text.isEmpty())
        return 0;
    QTextCursor cursor = textCursor();
    cursor.movePosition(down ? QTextCursor::Start : QTextCursor::End);
    setTextCursor(cursor);
    int count = 0;
    cursor.beginEditBlock();
    for (QTextCursor found = document()->find(text, cursor, down ? QTextDocument::FindFlags() : QTextDocument::FindBackward);
         !found.isNull();
         found = document()->find(text, found, down ? QTextDocument::FindFlags() : QTextDocument::FindBackward)) {
        found.joinPreviousEditBlock();
        found.insertText(with);
        found.endEditBlock();
        if (!down)
            found.setPosition(found.position() - int(with.size()));
        ++count;
    }
    cursor.endEditBlock();
    return count;
}

void TShow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (textCursor().hasSelection()) {
        menu.addAction(QStringLiteral("剪切"), this, &QPlainTextEdit::cut);
        menu.addAction(QStringLiteral("複製"), this, &QPlainTextEdit::copy);
    }
    QAction* paste = menu.addAction(QStringLiteral("粘貼"), this, &QPlainTextEdit::paste);
    paste->setEnabled(canPaste());
    menu.addAction(QStringLiteral("查找"), this, [this] { emit FindRequested(false); });
    menu.addAction(QStringLiteral("替換"), this, [this] { emit FindRequested(true); });
    menu.exec(event->globalPos());
}

// --- the pane ----------------------------------------------------------------

TTextView::TTextView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TTextView"));
    edit_ = new TShow(this);
    BuildToolBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(edit_);
    SetWordWrap(wordWrap_);
    connect(edit_, &TShow::FindRequested, this, &TTextView::ShowFindDialog);
    connect(edit_, &QPlainTextEdit::undoAvailable, this, &TTextView::UpdateActions);
    connect(edit_, &QPlainTextEdit::redoAvailable, this, &TTextView::UpdateActions);
    UpdateActions();
}

void TTextView::BuildToolBar()
{
    toolBar_ = new QToolBar(this);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    for (const ToolButton& b : kToolButtons) {
        QAction* action = toolBar_->addAction(QString::fromUtf16(b.text));
        action->setData(int(b.command));
        action->setToolTip(QString::fromUtf16(b.tip));
        action->setCheckable(b.checkable);
        connect(action, &QAction::triggered, this, [this, command = b.command] { RunCommand(command); });
    }
}

QAction* TTextView::Action(int command) const
{
    for (QAction* action : toolBar_->actions())
        if (action->data().toInt() == command)
            return action;
    return nullptr;
}

bool TTextView::IsCommandEnabled(int command) const
{
    switch (command) {
    case Undo:
        return edit_->document()->isUndoAvailable();
    case Redo:
        return edit_->document()->isRedoAvailable();
    case PreviousPage:
        return g_CurrentPage > 0;
    case NextPage:
        return g_CurrentPage + 1 < GetShownPageCount();
    default:
        return true;
    }
}

void TTextView::UpdateActions()
{
    for (QAction* action : toolBar_->actions()) {
        const int command = action->data().toInt();
        action->setEnabled(IsCommandEnabled(command));
        if (command == ShowAllToggle)
            action->setChecked(showAll_);
        else if (command == WordWrap)
            action->setChecked(wordWrap_);
    }
}

void TTextView::RunCommand(int command)
{
    if (!IsCommandEnabled(command))
        return;
    switch (command) {
    case ShowAllToggle:
        ApplyEdits();
        showAll_ = !showAll_;
        ShowText();
        break;
    case Save:
        SaveText();
        break;
    case Undo:
        edit_->undo();
        break;
    case Redo:
        edit_->redo();
        break;
    case Typeset:
        ApplyEdits();
        if (text_.PageEnds().empty())
            g_CurrentPage = 0;
        g_VolumeShown = true;
        if (host_.retypeset)
            host_.retypeset();
        break;
    case PreviousPage:
        StepPage(-1);
        break;
    case NextPage:
        StepPage(+1);
        break;
    case WordWrap:
        SetWordWrap(!wordWrap_);
        break;
    case Font:
        ChooseFont();
        break;
    case MarkTool:
        ShowMarkTool();
        break;
    default:
        break;
    }
    UpdateActions();
}

void TTextView::ClearText()
{
    edit_->clear();
    edit_->document()->setModified(false);
    text_.Clear();
    shown_ = text_.WholeRange();
    textChanged_ = false;
    showAll_ = true;
    UpdateActions();
}

void TTextView::LoadText()
{
    text_.Load(g_TextLines);
    if (g_TextLines.empty())
        return;
    edit_->clear();
    edit_->document()->setModified(false);
    ShowText();
}

void TTextView::ShowText()
{
    ApplyEdits();
    if (showAll_) {
        shown_ = text_.WholeRange();
    } else {
        const TextPages pages = ShownPageToTextPages(g_CurrentPage);
        shown_ = text_.PagesRange(pages.first, pages.second);
    }
    // A new text: the undo history starts again.
    edit_->setPlainText(ToEditorText(text_.TextOf(shown_)));
    edit_->moveCursor(QTextCursor::End);
    // Lines are long and not wrapped: show their heads, not their tails.
    edit_->horizontalScrollBar()->setValue(0);
    edit_->document()->setModified(false);
    UpdateActions();
}

void TTextView::ApplyEdits()
{
    if (!edit_->document()->isModified())
        return;
    const QString now = EditorSourceText(*edit_->document());
    if (text_.Replace(shown_, now)) {
        shown_.end = shown_.start + int32_t(now.size()) - 1;
        g_TextLines = text_.Lines();
        textChanged_ = true;
    }
    edit_->document()->setModified(false);
}

bool TTextView::SaveText()
{
    ApplyEdits();
    const QString path = host_.chooseSavePath ? host_.chooseSavePath() : QString();
    if (path.isEmpty())
        return false;
    TTextFile file;
    bool written = file.OpenWrite(path);
    if (written) {
        for (const QString& line : g_TextLines)
            file.WriteLine(line);
        written = file.Close();
    }
    if (!written) {
        TellUser(QStringLiteral("寫預處理文件失敗！"));
        return false;
    }
    textChanged_ = false;
    g_ProjectName = StripExtension(path);
    g_ProjectFolder = GetFolderPart(path);
    g_ProjectDirty = true;
    g_VolumeShown = true;
    return true;
}

void TTextView::StepPage(int32_t step)
{
    const int32_t next = g_CurrentPage + step;
    if (next >= 0 && next < GetShownPageCount())
        g_CurrentPage = next;
    if (host_.goToShownPage)
        host_.goToShownPage(g_CurrentPage);
}

void TTextView::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    edit_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TTextView::ChooseFont()
{
    QFont font = edit_->font();
    if (host_.chooseFont && host_.chooseFont(font))
        edit_->setFont(font);
}

void TTextView::ShowMarkTool()
{
    if (markTool_)
        return;
    markTool_ = new CDlgMarkTool(this);
    markTool_->setAttribute(Qt::WA_DeleteOnClose);
    connect(markTool_, &CDlgMarkTool::MarkToolCommand, this, [this](int id) { InsertMarkTag(*edit_, id); });
    markTool_->show();
}

void TTextView::ShowFindDialog(bool replace)
{
    auto* dialog = new TextFindDialog(*edit_, replace, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
