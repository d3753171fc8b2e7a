// The clipboard of the edit pane through the main window: a line of an open
// book selected in the grid is copied with Ctrl+C and pasted into another
// line with Ctrl+V; the paste is written back as a typed edit, so the
// volume is modified and the page shows the line twice. The 編輯 commands
// follow the focus: off on the page view, on in the grid and in the text
// pane by each one's rule.
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QPlainTextEdit>

#include "app/commands/CommandIds.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "app/view/CollatorView.h"
#include "platform/RecordingDc.h"
#include "render/pipeline/PagePipeline.h"
#include "support/GridRows.h"
#include "support/MainWindowFixture.h"
#include "tests/app/BookFixture.h"

using namespace Qt::StringLiterals;

namespace {

class EditPaneClipboard : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        {
            TBookList scratch;
            disk.WriteTypeset(disk.Scan(scratch));
        }
        ASSERT_TRUE(window->OpenFile(disk.TypesetPath()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    int RowOf(int32_t page, int32_t line) const { return GridRowOf(window->EditView().List(), page, line); }
    // The glyphs of the text page as drawn that equal text.
    int DrawnCount(const QString& text)
    {
        RecordingDc dc;
        RenderPage(window->View().Renderer(), dc, 0, QPoint());
        int count = 0;
        for (const DcCall& call : dc.CallsOf(DcCall::TextOut))
            count += int(call.text.count(text));
        return count;
    }
    void Press(QWidget& widget, int key)
    {
        QTest::keyClick(&widget, Qt::Key(key), Qt::ControlModifier);
        QApplication::processEvents();
    }

    BookOnDisk disk{{4}};
};

TEST_F(EditPaneClipboard, ALineCopiedIntoAnotherIsOnThePage)
{
    TEditList& list = window->EditView().List();
    ASSERT_TRUE(window->EditDock().isVisible());
    const int from = RowOf(0, 0);
    const int to = RowOf(0, 1);
    ASSERT_GT(from, 0);
    ASSERT_GT(to, 0);
    const QString line = list.GetItemText(from, 0);
    ASSERT_EQ(line, u"<JM卷1>第0頁"_s);
    const int before = DrawnCount(u"頁"_s);
    ASSERT_GT(before, 0);

    list.setFocus();
    list.SetFocusCell({from, 0});
    list.SetSelectedRange({from, 0, from, 0});
    window->UpdateCommandUI();
    EXPECT_TRUE(window->ActionsOf(Cmd::Copy).front()->isEnabled());
    EXPECT_FALSE(window->ActionsOf(Cmd::Undo).front()->isEnabled()) << "the grid keeps no undo";
    Press(list, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), line);

    list.SetFocusCell({to, 0});
    list.SetSelectedRange({to, 0, to, 0});
    Press(list, Qt::Key_V);
    EXPECT_TRUE(g_VolumeDirty);
    ASSERT_GE(g_PageTable.pages[0].lines.size(), 2u);
    EXPECT_EQ(g_PageTable.pages[0].lines[1].text, line);
    EXPECT_EQ(list.GetItemText(to, 0), line);
    EXPECT_EQ(DrawnCount(u"頁"_s), before + 1) << "the pasted line is drawn";
    EXPECT_TRUE(window->Commands().IsEnabled(Cmd::SaveVolume));
}

TEST_F(EditPaneClipboard, TheEditCommandsFollowTheFocus)
{
    QGuiApplication::clipboard()->setText(u"天地"_s);
    window->View().setFocus();
    QApplication::processEvents();
    for (const int id : {Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::Undo})
        EXPECT_FALSE(window->Commands().IsEnabled(id)) << id;

    window->TextDock().show();
    QPlainTextEdit& editor = window->TextView().Editor();
    editor.setPlainText(u"宇宙洪荒"_s);
    editor.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(window->Commands().IsEnabled(Cmd::Copy)) << "nothing selected";
    EXPECT_TRUE(window->Commands().IsEnabled(Cmd::Paste));
    editor.selectAll();
    EXPECT_TRUE(window->Commands().IsEnabled(Cmd::Cut));
    ASSERT_TRUE(window->Dispatch(Cmd::Cut));
    EXPECT_EQ(editor.toPlainText(), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"宇宙洪荒"_s);
    ASSERT_TRUE(window->Dispatch(Cmd::Undo));
    EXPECT_EQ(editor.toPlainText(), u"宇宙洪荒"_s);
}

}  // namespace
