// What the user set survives closing and starting again: the print margins
// and orientation, the zoom, the folders, the display mode and the panes'
// fonts, through the settings archive.
#include <QDir>
#include <QFont>
#include <QPlainTextEdit>

#include "app/commands/CommandIds.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "foundation/FoundationGlobals.h"
#include "support/MainWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {

// Each window starts as a fresh program would: its folder not yet looked
// up, found then in VELLUMOR_HOME (the test's folder).
class SettingsSurviveARestart : public MainWindowFixture {
protected:
    void SetUp() override
    {
        qputenv("VELLUMOR_HOME", dir.path().toUtf8());
        MainWindowFixture::SetUp();
        Restart();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        qunsetenv("VELLUMOR_HOME");
    }
    void Restart()
    {
        window.reset();
        ResetState();
        g_ProgramPath.clear();
        g_ProgramFolder.clear();
        window = std::make_unique<MainWindow>();
    }
};

TEST_F(SettingsSurviveARestart, TheNextWindowStartsAsTheLastOneClosed)
{
    // Something asks for the program's folder between start and close: an
    // open dialog with no remembered folder starts there.
    chooser.ExpectOpen(QString());
    ASSERT_TRUE(window->Dispatch(Cmd::OpenText));
    EXPECT_EQ(chooser.StartFolders().back(), dir.path());

    const QString started = QDir::currentPath();
    g_ProjectFolder = dir.path();
    g_TwoPageMode = 0;
    g_PrintMargins = {1000, 1100, 1200, 1300};
    g_PrintOrientation = 1;
    window->SelectZoom(5);
    g_LastTypesetFolder = dir.path();
    QFont pane = window->TextView().Editor().font();
    pane.setPointSize(17);
    pane.setBold(true);
    window->TextView().Editor().setFont(pane);
    window->EditView().Font().face = u"AR PL UMing TW"_s;
    ASSERT_TRUE(window->close());

    Restart();
    EXPECT_EQ(g_PrintMargins, (WinRect{1000, 1100, 1200, 1300}));
    EXPECT_EQ(g_PrintOrientation, 1);
    EXPECT_EQ(g_ProjectFolder, dir.path());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    QDir::setCurrent(started);
    EXPECT_EQ(g_TwoPageMode, 0);
    EXPECT_EQ(g_ZoomIndex, 5);
    EXPECT_EQ(g_LastTypesetFolder, dir.path());
    EXPECT_EQ(window->TextView().Editor().font().pointSize(), 17);
    EXPECT_TRUE(window->TextView().Editor().font().bold());
    EXPECT_EQ(window->EditView().Font().face, u"AR PL UMing TW"_s);
}

}  // namespace
