// Opening a long text shows the progress window while it is typeset; 取消
// there leaves everything as it was before the command: the project open
// before, its pages, text, text pane, parameters and title. Without 取消
// the text opens as usual.
#include <QPlainTextEdit>

#include "app/FakeDialogs.h"
#include "app/commands/CommandIds.h"
#include "app/panes/TextView.h"
#include "foundation/FoundationGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class OpenLongTextProgress : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        chooser.ExpectOpen(WriteText(u"short.txt"_s, u"\uFEFF【JM卷一】\n子曰：學而時習之，不亦說乎？\n"_s));
        ASSERT_TRUE(window->Dispatch(Cmd::OpenText));
        // Saved, so that the next open asks nothing.
        g_ProjectDirty = false;
        QString text = u"\uFEFF"_s;
        for (int i = 0; i < 40000; ++i)
            text += u"甲乙丙丁戊己庚辛壬癸\n"_s;
        longText = WriteText(u"long.txt"_s, text);
    }
    QString longText;
};

TEST_F(OpenLongTextProgress, CancelLeavesTheOpenTextAsItWas)
{
    const QString project = g_ProjectName;
    const std::vector<QString> lines = g_TextLines;
    const int32_t pages = g_PageTable.pages.Size();
    const QString firstLine = g_PageTable.pages.First()->lines.front().text;
    const QString pane = window->TextView().Editor().toPlainText();
    const QString title = window->windowTitle();
    const QString style = g_CurrentStyle->NAME;
    const int32_t shown = g_CurrentPage;

    FakeDialogs dialogs;
    int cancelledAt = -1;
    dialogs.OnProgress([&cancelledAt](QDialog& progress) {
        if (ProgressStepOf(progress) > 10000 && cancelledAt < 0) {
            cancelledAt = ProgressStepOf(progress);
            PressCancel(progress);
        }
    });
    dialogs.ChooseFile(longText);
    window->Dispatch(Cmd::OpenText);
    EXPECT_GT(cancelledAt, 0);

    EXPECT_EQ(g_ProjectName, project);
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_EQ(g_TextLines, lines);
    EXPECT_EQ(g_PageTable.pages.Size(), pages);
    EXPECT_EQ(g_PageTable.pages.First()->lines.front().text, firstLine);
    EXPECT_EQ(g_CurrentPages, &g_PageTable);
    EXPECT_EQ(g_CurrentStyle->NAME, style);
    EXPECT_EQ(g_CurrentPage, shown);
    EXPECT_EQ(window->TextView().Editor().toPlainText(), pane);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(window->findChild<QDialog*>(u"ProgressReporter"_s), nullptr);

    // The same text opens afterwards, in full.
    dialogs.OnProgress({});
    dialogs.ChooseFile(longText);
    EXPECT_TRUE(window->Dispatch(Cmd::OpenText));
    EXPECT_EQ(g_ProjectName, dir.filePath(u"long"_s));
    EXPECT_EQ(g_TextLines.size(), 40000u);
}

TEST_F(OpenLongTextProgress, ProgressFollowsTheLinesToTheEnd)
{
    FakeDialogs dialogs;
    int last = -1;
    bool rising = true;
    dialogs.OnProgress([&last, &rising](QDialog& progress) {
        rising = rising && ProgressStepOf(progress) >= last;
        last = ProgressStepOf(progress);
    });
    dialogs.ChooseFile(longText);
    EXPECT_TRUE(window->Dispatch(Cmd::OpenText));
    EXPECT_GT(dialogs.ProgressSteps(), 40);
    EXPECT_TRUE(rising);
    EXPECT_GT(last, 39000);
    EXPECT_TRUE(g_ProjectDirty);  // no project file beside it
    EXPECT_EQ(g_TextLines.size(), 40000u);
    EXPECT_GT(GetShownPageCount(), 100);
    EXPECT_EQ(g_CurrentPage, 0);
    EXPECT_EQ(window->findChild<QDialog*>(u"ProgressReporter"_s), nullptr);
}

}  // namespace
