// What the user set survives closing and starting again: the print margins
// and orientation, the zoom, the folders, the display mode and the panes'
// fonts, through the settings archive.
#include <QFont>
#include <QPlainTextEdit>

#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "foundation/FoundationGlobals.h"
#include "support/MainWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {

using SettingsSurviveARestart = MainWindowFixture;

TEST_F(SettingsSurviveARestart, TheNextWindowStartsAsTheLastOneClosed)
{
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

    ResetState();
    window = std::make_unique<MainWindow>();
    EXPECT_EQ(g_PrintMargins, (WinRect{1000, 1100, 1200, 1300}));
    EXPECT_EQ(g_PrintOrientation, 1);
    EXPECT_EQ(g_ZoomIndex, 5);
    EXPECT_EQ(g_LastTypesetFolder, dir.path());
    EXPECT_EQ(window->TextView().Editor().font().pointSize(), 17);
    EXPECT_TRUE(window->TextView().Editor().font().bold());
    EXPECT_EQ(window->EditView().Font().face, u"AR PL UMing TW"_s);
}

}  // namespace
