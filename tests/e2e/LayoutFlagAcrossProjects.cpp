// A text project's layout change is not taken for the next book's: after
// the settings of an open text were changed, a book opened and closed asks
// no "版式參數已修改，是否保存？" and writes no typeset file.
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "app/commands/CommandIds.h"
#include "app/view/CollatorView.h"
#include "support/MainWindowFixture.h"
#include "tests/app/BookFixture.h"
#include "tests/app/FakeDialogs.h"

using namespace Qt::StringLiterals;

namespace {

using LayoutFlagAcrossProjects = MainWindowFixture;

TEST_F(LayoutFlagAcrossProjects, ABookOpenedAfterAChangedTextAsksNothingOnClosing)
{
    ASSERT_TRUE(window->OpenText(WriteText(u"t.txt"_s, u"天地玄黃\n"_s)));
    {
        FakeDialogs fake;
        fake.OnRun([](QDialog& d) {
            QLineEdit* border = Child<QLineEdit>(d, u"frame.outBorder"_s);
            border->clear();
            QTest::keyClicks(border, u"3"_s);
            return true;
        });
        ASSERT_TRUE(window->Dispatch(Cmd::SettingsStyles));
    }
    ASSERT_TRUE(g_ProjectDirty);

    BookOnDisk disk({2});
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Prompter::Answer::No);
    ASSERT_TRUE(window->Dispatch(Cmd::FileNew));
    OpenBookOnDisk(disk, window->View().Data, *window);
    const QDateTime written = QFileInfo(disk.TypesetPath()).lastModified();

    // Closing the book: the scripted prompter fails on any question.
    ASSERT_TRUE(window->Dispatch(Cmd::FileNew));
    EXPECT_FALSE(g_LayoutDirty);
    EXPECT_EQ(QFileInfo(disk.TypesetPath()).lastModified(), written);
}

}  // namespace
