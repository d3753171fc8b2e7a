// Finding and replacing in the shown volume and across the volumes of an
// open book, and the centre-column texts of its pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/find/CentreTexts.h"
#include "app/find/FindReplace.h"
#include "app/navigation/VolumeNavigation.h"
#include "render/pipeline/ShownPages.h"
#include "support/ScriptedPrompter.h"
#include "tests/app/FindBookFixture.h"
#include "tests/app/RecordingFrame.h"

using namespace Qt::StringLiterals;

namespace {

class FindReplaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkingState();
        g_ZoomIndex = 3;
        dialog.SetFindText(kFindKey);
        dialog.ReplaceEdit().setText(u"玄黃"_s);
    }
    void TearDown() override { ResetWorkingState(); }

    void OpenBook(bool twoPage = false)
    {
        g_TwoPageMode = twoPage;
        OpenBookOnDisk(disk, view.data, view.frame);
    }
    // The volume, the hit's text page and the shown page.
    std::string Where() const
    {
        return std::to_string(g_CurrentVolume) + ":" + std::to_string(g_PageTable.findPage) + ":"
            + std::to_string(g_CurrentPage);
    }
    QString Line(int32_t page) const { return g_PageTable.pages[page].lines[0].text; }

    FindBook disk;
    HeadlessView view;
    ScriptedPrompter prompter;
    CDlgFind dialog;
};

TEST_F(FindReplaceTest, ThisVolumeFindsItsHitsThenNothing)
{
    OpenBook();
    OnFindDown(view.data, dialog);
    EXPECT_EQ(Where(), "0:1:1");
    EXPECT_EQ(g_SearchMode, 2);
    OnFindDown(view.data, dialog);
    EXPECT_EQ(Where(), "0:3:3");
    prompter.ExpectTell(u"沒有找到！"_s);
    OnFindDown(view.data, dialog);
    EXPECT_EQ(g_CurrentVolume, 0);
    OnFindUp(view.data, dialog);  // from one past the last hit: that hit
    EXPECT_EQ(Where(), "0:3:3");
    OnFindUp(view.data, dialog);
    EXPECT_EQ(Where(), "0:1:1");
    EXPECT_TRUE(prompter.Done());
}

// Down skips the volume without the key and returns, not found, to the
// spread where the search began; up walks back the other way. In two-page
// display the return is to the same spread, not to the text page of the
// spread's number.
TEST_F(FindReplaceTest, AllVolumesWalkDownAndUp)
{
    for (const bool twoPage : {false, true}) {
        SCOPED_TRACE(twoPage);
        OpenBook(twoPage);
        ChooseScope(dialog, CDlgFind::AllVolumes);
        const char* down[] = {"0:1:", "0:3:", "2:2:"};
        for (const char* expected : down) {
            OnFindDown(view.data, dialog);
            EXPECT_EQ(Where(), expected + std::to_string(TextPageToShownPage(g_PageTable.findPage)));
        }
        const int32_t spread = g_CurrentPage;
        prompter.ExpectTell(u"沒有找到！"_s);
        OnFindDown(view.data, dialog);
        EXPECT_EQ(g_CurrentVolume, 2);
        EXPECT_EQ(g_CurrentPage, spread);
        // Up from that hit: the middle volume skipped, the first one's last.
        OnFindUp(view.data, dialog);
        EXPECT_EQ(Where().substr(0, 4), "0:3:");
        OnFindUp(view.data, dialog);
        EXPECT_EQ(Where().substr(0, 4), "0:1:");
        EXPECT_TRUE(prompter.Done());
    }
}

// Another volume shown (a directory click) holds no hit of the one before:
// nothing of it is highlighted and a find starts on the shown page.
TEST_F(FindReplaceTest, AnotherVolumeShownForgetsTheHits)
{
    OpenBook();
    OnFindDown(view.data, dialog);
    OnFindDown(view.data, dialog);
    ASSERT_EQ(Where(), "0:3:3");
    ASSERT_TRUE(GoToVolumePage(2, view.data, g_CurrentBook, 0));
    EXPECT_EQ(g_CurrentHitTable, nullptr);
    EXPECT_TRUE(g_PageTable.gridHits.IsEmpty());
    OnFindDown(view.data, dialog);
    EXPECT_EQ(Where(), "2:2:2");
}

TEST_F(FindReplaceTest, FirstFindAfterOpeningFocusesTheReplacement)
{
    OpenBook();
    dialog.Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.FindEdit().setFocus();
    OnFindDown(view.data, dialog);
    EXPECT_TRUE(dialog.Matched());
    EXPECT_TRUE(dialog.ReplaceEdit().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), &dialog.ReplaceEdit());
    dialog.FindEdit().setFocus();
    OnFindDown(view.data, dialog);
    EXPECT_EQ(QApplication::focusWidget(), &dialog.FindEdit()) << "later finds leave the focus";
}

// A second press without a find, or a find text edited after the find,
// changes nothing; a shorter replacement removes the rest of the hit.
TEST_F(FindReplaceTest, ReplaceOneActsOnceOnAHitThatStillReads)
{
    OpenBook();
    OnFindDown(view.data, dialog);
    dialog.ReplaceEdit().setText(u"玄"_s);
    ReplaceOne(view.data, dialog);
    EXPECT_EQ(Line(1), u"<BT1-題一>甲玄乙"_s);
    EXPECT_TRUE(g_VolumeDirty);
    ReplaceOne(view.data, dialog);
    EXPECT_EQ(Line(1), u"<BT1-題一>甲玄乙"_s);

    OnFindDown(view.data, dialog);
    EXPECT_EQ(g_PageTable.findPage, 3);
    dialog.SetFindText(u"庚天"_s);
    ReplaceOne(view.data, dialog);
    EXPECT_EQ(Line(3), u"庚天地辛"_s);
}

TEST_F(FindReplaceTest, ReplaceInVolumeCountsAndMarksTheVolume)
{
    OpenBook();
    prompter.ExpectAsk(u"是否替換所有在當前冊查找到的文字？"_s, Prompter::Answer::No);
    ReplaceInVolume(view.data, dialog);
    EXPECT_FALSE(g_VolumeDirty);
    prompter.ExpectAsk(u"是否替換所有在當前冊查找到的文字？"_s, Prompter::Answer::Yes).ExpectTell(u"共替換2處"_s);
    ReplaceInVolume(view.data, dialog);
    EXPECT_EQ(Line(3), u"庚玄黃辛"_s);
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_TRUE(prompter.Done());
}

// A replaced title changes the contents: the index is to be written and the
// directory tree filled again.
TEST_F(FindReplaceTest, AReplacedTitleRefreshesTheContents)
{
    OpenBook();
    dialog.SetFindText(u"題一"_s);
    dialog.ReplaceEdit().setText(u"題二"_s);
    prompter.ExpectAsk(u"是否替換所有在當前冊查找到的文字？"_s, Prompter::Answer::Yes).ExpectTell(u"共替換1處"_s);
    ReplaceInVolume(view.data, dialog);
    EXPECT_EQ(Line(1), u"<BT1-題二>甲天地乙"_s);
    EXPECT_TRUE(g_IndexDirty);
    EXPECT_EQ(view.frame.treeRefreshes, 1);
    EXPECT_TRUE(prompter.Done());
}

// Every volume replaced and written, then back at the spread where it began;
// with no hit left the count is 0 and nothing is written.
TEST_F(FindReplaceTest, ReplaceInAllVolumesSavesEachAndReturns)
{
    OpenBook(true);
    ASSERT_TRUE(GoToVolumePage(1, view.data, g_CurrentBook, 2));
    ASSERT_EQ(g_CurrentPage, 1);
    for (const char* count : {"共替換3處", "共替換0處"}) {
        prompter.ExpectAsk(u"是否替換所有查找到的文字？"_s, Prompter::Answer::Yes).ExpectTell(QString::fromUtf8(count));
        ReplaceInAllVolumes(view.data, dialog);
        EXPECT_EQ(g_CurrentVolume, 1);
        EXPECT_EQ(g_CurrentPage, 1);
        EXPECT_FALSE(g_VolumeDirty);
    }
    ASSERT_TRUE(GoToVolumePage(2, view.data, g_CurrentBook, 0));
    EXPECT_EQ(Line(2), u"壬玄黃癸"_s);
    EXPECT_TRUE(prompter.Done());
}

// A cancelled save question stops before anything changes.
TEST_F(FindReplaceTest, CancelAtTheSaveQuestionChangesNothing)
{
    OpenBook();
    g_VolumeDirty = true;
    ChooseScope(dialog, CDlgFind::AllVolumes);
    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::Cancel);
    OnFindDown(view.data, dialog);
    prompter.ExpectAsk(u"是否替換所有查找到的文字？"_s, Prompter::Answer::Yes)
        .ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::Cancel);
    ReplaceInAllVolumes(view.data, dialog);
    EXPECT_EQ(Where(), "0:0:0");
    EXPECT_EQ(Line(1), u"<BT1-題一>甲天地乙"_s);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(FindReplaceTest, CentreTextComesFromTheNearestEarlierPage)
{
    const QString kDefault = u"版心上部|版心中部|<Z><R>墨衡系統排版</R><L></L></Z>"_s;
    struct Case {
        bool twoPage;
        int32_t shown;
        int32_t textPage;  // the page that receives it
        QString expected;
    } const cases[] = {
        {false, 3, 3, u"甲|乙"_s},  // page 2 has none, page 1 has one
        {false, 2, 2, u"甲|乙"_s},
        {false, 0, 0, kDefault},
        {true, 1, 2, u"甲|乙"_s},  // the spread's first page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        OpenBook(c.twoPage);
        g_PageTable.pages[1].centreText = u"甲|乙"_s;
        view.data.pages->GoToPage(c.shown);
        ASSERT_EQ(g_ShownTextPage, c.textPage);
        EXPECT_TRUE(CanAddCentreText());
        EXPECT_FALSE(CanDeleteCentreText());
        OnAddCentreText(view.data);
        EXPECT_EQ(g_PageTable.pages[c.textPage].centreText, c.expected);
        EXPECT_TRUE(g_VolumeDirty);
        EXPECT_FALSE(CanAddCentreText());
        OnDeleteCentreText(view.data);
        EXPECT_TRUE(g_PageTable.pages[c.textPage].centreText.isEmpty());
        g_VolumeDirty = false;
    }
    // Page 1 itself takes the default even with page 0 carrying a text.
    g_TwoPageMode = false;
    OpenBook();
    g_PageTable.pages[0].centreText = u"甲|乙"_s;
    view.data.pages->GoToPage(1);
    OnAddCentreText(view.data);
    EXPECT_EQ(g_PageTable.pages[1].centreText, kDefault);
}

TEST_F(FindReplaceTest, CentreTextCommandsNeedABook)
{
    EXPECT_FALSE(CanAddCentreText());
    OpenBook();
    EXPECT_TRUE(CanAddCentreText());
    g_CurrentBook = nullptr;  // a text shown
    EXPECT_FALSE(CanAddCentreText());
    EXPECT_FALSE(CanDeleteCentreText());
}

}  // namespace
