// Page and volume navigation: the enabled states of the navigation table,
// and stepping through the pages and volumes of an open book and a text.
#include <gtest/gtest.h>

#include <QFile>

#include "app/files/SavePrompts.h"
#include "app/navigation/PageNavigation.h"
#include "app/navigation/VolumeNavigation.h"
#include "support/ScriptedPrompter.h"
#include "tests/app/BookFixture.h"
#include "tests/app/RecordingFrame.h"
#include "typeset/search/HitTables.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kCommands[] = {NavCommand::FirstPage, NavCommand::PreviousVolume, NavCommand::PreviousPage,
                                 NavCommand::NextPage,  NavCommand::NextVolume,     NavCommand::LastPage};

// The enabled states of 503 … 508 as "1" and "0".
std::string EnabledStates()
{
    std::string states;
    for (const int32_t command : kCommands)
        states += IsNavigationEnabled(command) ? '1' : '0';
    return states;
}

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkingState();
        g_ZoomIndex = 3;  // 100 %: one page is taller than the view
    }
    void TearDown() override
    {
        ResetWorkingState();
        g_4in1Data = T4in1Data();
    }

    // Opens the book as opening its typeset file does, in the display mode.
    void OpenBook(const BookOnDisk& disk, bool twoPage)
    {
        g_TwoPageMode = twoPage;
        OpenBookOnDisk(disk, view.data, view.frame);
    }
    void Press(int32_t command) { OnNavigate(command, view.data); }
    // Volume, shown page and the enabled states.
    std::string Where() const
    {
        return std::to_string(g_CurrentVolume) + ":" + std::to_string(g_CurrentPage) + " " + EnabledStates();
    }

    HeadlessView view;
    ScriptedPrompter prompter;
};

// The enabled-state table, from the globals alone.
TEST_F(NavigationTest, EnabledStates)
{
    struct Case {
        const char* name;
        int32_t volumes;  // 0: a text
        int32_t volume, page, pages;
        bool fourInOne;
        int32_t group, groups;
        const char* enabled;  // 503 504 505 506 507 508
    } const cases[] = {
        {"text, first page", 0, -1, 0, 3, false, 0, 0, "000101"},
        {"text, middle", 0, -1, 1, 3, false, 0, 0, "101101"},
        {"text, last page", 0, -1, 2, 3, false, 0, 0, "101000"},
        {"book, first of first", 3, 0, 0, 3, false, 0, 0, "000111"},
        {"book, first of middle", 3, 1, 0, 3, false, 0, 0, "111111"},
        {"book, last of last", 3, 2, 2, 3, false, 0, 0, "111000"},
        {"sheets, first of first", 3, 0, 0, 9, true, 0, 2, "000111"},
        {"sheets, first of last", 3, 2, 0, 9, true, 1, 2, "111101"},
        {"sheets, last of last", 3, 2, 2, 9, true, 1, 2, "111000"},
    };
    TBook book;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        book.volumes.Clear();
        for (int32_t v = 0; v < c.volumes; ++v)
            book.volumes.AddNew();
        g_CurrentBook = c.volumes ? &book : nullptr;
        g_PageTable = TPageTable();
        for (int32_t p = 0; p < c.pages; ++p)
            AppendPageRecord(g_PageTable);
        g_CurrentPages = &g_PageTable;
        g_TwoPageMode = 0;
        g_FourInOneMode = c.fourInOne;
        g_4in1Data.pageOrders.assign(size_t(c.groups), std::vector<int32_t>(9, 0));
        g_Current4in1Group = c.group;
        g_CurrentVolume = c.volume;
        g_CurrentPage = c.page;
        g_VolumeShown = true;
        EXPECT_EQ(EnabledStates(), c.enabled);
        g_CellEditing = true;
        EXPECT_EQ(EnabledStates(), "000000");
        EXPECT_FALSE(IsDisplayToggleEnabled());
        g_CellEditing = false;
    }
    g_CurrentBook = nullptr;
}

// Single pages: 3 pages then 2; across the boundary both ways.
TEST_F(NavigationTest, SinglePagesAcrossTheVolumes)
{
    BookOnDisk disk({3, 2});
    OpenBook(disk, false);
    EXPECT_EQ(Where(), "0:0 000111");
    EXPECT_EQ(view.frame.titles.back(), u"卷1"_s);
    const struct {
        int32_t command;
        const char* where;
    } steps[] = {
        {NavCommand::NextPage, "0:1 101111"},     {NavCommand::NextPage, "0:2 101111"},
        {NavCommand::NextPage, "1:0 111101"},     {NavCommand::NextPage, "1:1 111000"},
        {NavCommand::PreviousPage, "1:0 111101"}, {NavCommand::PreviousPage, "0:2 101111"},
        {NavCommand::LastPage, "1:1 111000"},     {NavCommand::FirstPage, "0:0 000111"},
        {NavCommand::NextVolume, "1:0 111101"},   {NavCommand::PreviousVolume, "0:0 000111"},
    };
    for (const auto& step : steps) {
        Press(step.command);
        EXPECT_EQ(Where(), step.where) << step.command;
    }
    EXPECT_EQ(view.frame.titles.back(), u"卷1"_s);
    EXPECT_EQ(view.data.volumeDataPath, disk.VolumePath(0));
}

// Two pages a view, no cover: 4 pages show as 0-1 and 2-3, 2 as 0-1.
TEST_F(NavigationTest, TwoPagesAcrossTheVolumes)
{
    BookOnDisk disk({4, 2});
    OpenBook(disk, true);
    EXPECT_EQ(Where(), "0:0 000111");
    const struct {
        int32_t command;
        const char* where;
        int32_t textPage;
    } steps[] = {
        {NavCommand::NextPage, "0:1 101111", 2},     {NavCommand::NextPage, "1:0 111000", 0},
        {NavCommand::PreviousPage, "0:1 101111", 2}, {NavCommand::PreviousPage, "0:0 000111", 0},
        {NavCommand::LastPage, "1:0 111000", 0},     {NavCommand::PreviousVolume, "0:0 000111", 0},
    };
    for (const auto& step : steps) {
        Press(step.command);
        EXPECT_EQ(Where(), step.where) << step.command;
        EXPECT_EQ(g_ShownTextPage, step.textPage) << step.command;
        EXPECT_EQ(g_ShownTextPage2, step.textPage + 1) << step.command;
    }
}

// A volume longer than a thousand pages is entered at its real last page.
TEST_F(NavigationTest, EnteringALongVolumeFromTheNextOneShowsItsLastPage)
{
    BookOnDisk disk({1200, 2});
    OpenBook(disk, false);
    Press(NavCommand::NextVolume);
    Press(NavCommand::PreviousPage);
    EXPECT_EQ(Where(), "0:1199 101111");
    Press(NavCommand::FirstPage);
    Press(NavCommand::LastPage);
    EXPECT_EQ(Where(), "1:1 111000");
}

TEST_F(NavigationTest, CancelAtTheSaveQuestionKeepsTheVolumeAndPage)
{
    BookOnDisk disk({3, 2});
    OpenBook(disk, false);
    Press(NavCommand::NextPage);
    g_VolumeDirty = true;
    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::Cancel);
    Press(NavCommand::NextVolume);
    EXPECT_EQ(Where(), "0:1 101111");
    EXPECT_TRUE(g_VolumeDirty);

    // Yes saves the shown volume, then moves on.
    g_PageTable.pages[1].lines[0].text = u"改"_s;
    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::Yes);
    Press(NavCommand::NextVolume);
    EXPECT_EQ(Where(), "1:0 111101");
    EXPECT_FALSE(g_VolumeDirty);
    Press(NavCommand::PreviousVolume);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].text, u"改"_s);
}

// No discards the edits: with a changed index the volume is read again.
// A layout that cannot be saved keeps its change and the move does not
// happen.
TEST_F(NavigationTest, SaveQuestionsOfAVolumeAndTheLayout)
{
    BookOnDisk disk({3, 2});
    OpenBook(disk, false);
    g_PageTable.pages[0].lines[0].text = u"改"_s;
    g_VolumeDirty = g_IndexDirty = true;
    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::No);
    EXPECT_TRUE(AskSaveBeforeReplacing());
    EXPECT_NE(g_PageTable.pages[0].lines[0].text, u"改"_s);
    EXPECT_EQ(view.frame.treeRefreshes, 1);
    EXPECT_FALSE(g_VolumeDirty || g_IndexDirty);

    g_LayoutDirty = true;
    g_CurrentBook->bookFolder = disk.root.filePath(u"無/書"_s);
    prompter.ExpectAsk(u"版式參數已修改，是否保存？"_s, Prompter::Answer::Yes)
        .ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(g_CurrentBook->bookFolder) + u'.' +
                    g_Edition->Extension(FileKind::Typeset));
    EXPECT_FALSE(AskSaveBeforeReplacing());
    EXPECT_TRUE(g_LayoutDirty);
    prompter.ExpectAsk(u"版式參數已修改，是否保存？"_s, Prompter::Answer::No);
    EXPECT_TRUE(AskSaveLayoutParams());
    EXPECT_FALSE(g_LayoutDirty);
}

// The pages in memory stay the shown volume's, and so does its index.
TEST_F(NavigationTest, AVolumeThatCannotBeLoadedKeepsTheShownOne)
{
    BookOnDisk disk({3, 2});
    OpenBook(disk, false);
    ASSERT_TRUE(QFile::remove(disk.VolumePath(1)));
    prompter.ExpectTell(u"打開文件出錯！"_s);
    Press(NavCommand::NextVolume);
    EXPECT_EQ(Where(), "0:0 000111");
    EXPECT_EQ(g_PageTable.pages.Size(), 3);
    EXPECT_EQ(g_TextName, u"卷1"_s);
}

TEST_F(NavigationTest, MovingInABookForgetsTheHitsOfAFind)
{
    BookOnDisk disk({3, 2});
    OpenBook(disk, false);
    g_HitTables.AddNew();
    g_CurrentHitTable = g_HitTables.First();
    g_SearchMode = 2;
    Press(NavCommand::NextPage);
    EXPECT_TRUE(g_HitTables.IsEmpty());
    EXPECT_EQ(g_CurrentHitTable, nullptr);
}

TEST_F(NavigationTest, ATextHasNoVolumesToMoveTo)
{
    g_PageTable = TPageTable();
    for (int p = 0; p < 3; ++p)
        AppendPageRecord(g_PageTable)->styleName = kDefaultStyleName;
    g_CurrentPages = &g_PageTable;
    AddNewStyle(g_ParaSet.styles, {false, false})->NAME = kDefaultStyleName;
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentStyle = g_ParaSet.styles.First();
    g_TwoPageMode = 0;
    g_VolumeShown = true;
    view.pages->Refresh();
    ShowPage(view.data, 0);
    const struct {
        int32_t command;
        const char* where;
    } steps[] = {
        {NavCommand::NextVolume, "-1:0 000101"}, {NavCommand::LastPage, "-1:2 101000"},
        {NavCommand::NextPage, "-1:2 101000"},   {NavCommand::PreviousPage, "-1:1 101101"},
        {NavCommand::FirstPage, "-1:0 000101"},
    };
    for (const auto& step : steps) {
        Press(step.command);
        EXPECT_EQ(Where(), step.where) << step.command;
    }
    GoToPageFromCombo(view.data, 9);  // past the end: the last page
    EXPECT_EQ(Where(), "-1:2 101000");
    EXPECT_FALSE(GoToVolumePage(0, view.data, nullptr, 0));
}

// Two groups of one volume of five pages each, two sheets a group: the
// cover, then pages 3, 4, a blank and the back cover.
TEST_F(NavigationTest, FourInOneSheetsAcrossTheGroups)
{
    BookOnDisk disk({5, 5});
    g_FourInOneMode = 1;
    const int32_t blank = k4in1Blank;
    g_4in1Data.groupEnds = {0, 1};
    g_4in1Data.pageOrders = {{k4in1CoverBase, 0, 1, 2, 3, 4, blank, k4in1CoverBase + 1},
                             {k4in1CoverBase + 2, 65536, 65537, 65538, 65539, 65540, blank, k4in1CoverBase + 3}};
    OpenBook(disk, false);
    const auto where = [] { return std::to_string(g_Current4in1Group) + "/" + std::to_string(g_CurrentVolume) + ":" +
                                   std::to_string(g_CurrentPage) + " " + EnabledStates(); };
    EXPECT_EQ(where(), "0/0:0 000111");
    const struct {
        int32_t command;
        const char* where;
    } steps[] = {
        {NavCommand::NextPage, "0/0:1 101111"},     {NavCommand::NextPage, "1/0:0 111101"},
        {NavCommand::NextPage, "1/1:1 111001"},     {NavCommand::PreviousPage, "1/1:0 111101"},
        {NavCommand::PreviousPage, "0/0:1 101111"}, {NavCommand::LastPage, "1/1:1 111001"},
        {NavCommand::FirstPage, "0/1:0 000111"},    {NavCommand::NextVolume, "1/1:0 111101"},
        {NavCommand::PreviousVolume, "0/1:0 000111"},
    };
    for (const auto& step : steps) {
        Press(step.command);
        EXPECT_EQ(where(), step.where) << step.command;
    }
    EXPECT_EQ(g_ShownTextPage, 0);
    EXPECT_EQ(g_ShownTextPage2, -1);
}

TEST_F(NavigationTest, FourInOneGroupCountAndSplitText)
{
    g_4in1Data.groupEnds = {2, 5};
    g_4in1Data.pageOrders = {std::vector<int32_t>(6), std::vector<int32_t>(10)};
    g_Current4in1Group = 1;
    EXPECT_EQ(GetGroupPageCount(), 10);
    g_Current4in1Group = 2;
    EXPECT_EQ(GetGroupPageCount(), -1);
    EXPECT_EQ(Get4in1SplitText(), u"3;6;"_s);
}

}  // namespace
