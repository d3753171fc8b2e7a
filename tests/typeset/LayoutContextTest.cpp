#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Box.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"

using namespace Qt::StringLiterals;

namespace {

// A box of 4 columns of 10 cells; the usable length of a column is 9500,
// the column pitch 1000 with a rule of 100.
TBoxPara SmallBox()
{
    TBoxPara box;
    TBoxSize& size = box.size;
    size.BOX_WIDTH = 4300;
    size.BOX_HEIGHT = 10000;
    size.TOP_SPACE = 300;
    size.BOTTOM_SPACE = 200;
    size.LINES = 4;
    size.TEXT_PER_LINE = 10;
    size.ZHU_PER_LINE = 20;
    size.SPLIT_LINE_WIDTH = 100;
    DeriveBoxSize(size);
    box.MFONT_GROUP.ZHU_FONT.NAME = u"宋體"_s;
    box.MFONT_GROUP.ZHU_FONT.WORD_HEIGHT = 500;
    return box;
}

class LayoutContextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box = SmallBox();
        context.box = &box;
        g_TypesetTable = &table;
        g_TypesetStyleName = u"para0"_s;
        g_CurCePiList = &sideNoteFonts;
    }

    void Emit(const QString& text)
    {
        context.lineBuffer = text;
        context.EmitLine();
    }
    std::vector<QString> LinesOf(int32_t page) const
    {
        std::vector<QString> texts;
        for (const TPageLine& line : table.pages[page].lines)
            texts.push_back(line.text);
        return texts;
    }

    TBoxPara box;
    TPageTable table;
    TFontStyleList sideNoteFonts;
    TLayoutContext context;
};

constexpr TCellRange kFree{};

}  // namespace

TEST_F(LayoutContextTest, AvailableLengthOfFreeTakenAndSplitColumns)
{
    struct Case {
        int32_t cellsPerColumn;
        TCellRange cells;
        int32_t pass;
        int32_t length;
    };
    const Case cases[] = {
        {10, kFree, TOccupancyPass::None, 9500},
        {10, {0, 3}, TOccupancyPass::None, 5700},   // taken from the top: the 6 cells below
        {10, {6, 9}, TOccupancyPass::None, 5700},   // taken to the foot: the 6 cells above
        {10, {2, 5}, TOccupancyPass::Upper, 1900},  // 2 cells above
        {10, {2, 5}, TOccupancyPass::Lower, 3800},  // 4 cells below
        {10, {2, 5}, TOccupancyPass::None, 9500},
        {8, {1, 5}, TOccupancyPass::Upper, 1188},   // 1187.5 rounds up
        {8, {3, 4}, TOccupancyPass::Upper, 3563},   // 3562.5 rounds up
        {8, {0, 6}, TOccupancyPass::None, 1188},
        {0, {0, 3}, TOccupancyPass::None, 0},       // a grid without cells divides nothing
        {-4, {2, 5}, TOccupancyPass::None, 0},
    };
    for (const Case& c : cases) {
        box.size.TEXT_PER_LINE = c.cellsPerColumn;
        context.occupancy = {c.cells};
        context.column = 0;
        context.pass = c.pass;
        EXPECT_EQ(context.AvailableLength(), c.length)
            << c.cellsPerColumn << " (" << c.cells.first << "," << c.cells.last << ") pass " << c.pass;
    }
    // A column the table does not hold (a head pass past the page's columns) is free.
    box.size.TEXT_PER_LINE = 10;
    context.column = 6;
    EXPECT_EQ(context.AvailableLength(), 9500);
}

TEST_F(LayoutContextTest, ReserveBlockLinesFindsTheFirstFreeRun)
{
    struct Case {
        const char* what;
        std::vector<TCellRange> occupancy;  // also the page's columns
        int32_t column;
        TPendingPicture picture;
        bool placed;
        std::vector<TCellRange> after;
        TPageItem item;
    };
    const TPageItem none;
    const Case cases[] = {
        {"fits", {kFree, kFree, kFree, kFree}, 0, {u"圖"_s, 2, 4, 0, false}, true,
         {{0, 3}, {0, 3}, kFree, kFree}, {TPageItemKind::PlacedCopy, u"圖"_s, 0, 1, 0, 3}},
        {"multiplied, after a blocked column", {kFree, {2, 5}, kFree, kFree}, 0, {u"圖"_s, 2, 2, 3, true}, true,
         {kFree, {2, 5}, {3, 4}, {3, 4}}, {TPageItemKind::PlacedMultiplied, u"圖"_s, 2, 3, 3, 4}},
        {"two pictures in one column", {{0, 1}, kFree, kFree, kFree}, 0, {u"圖"_s, 1, 2, 6, false}, true,
         {{0, 7}, kFree, kFree, kFree}, {TPageItemKind::PlacedCopy, u"圖"_s, 0, 0, 6, 7}},
        {"blocked", {{0, 9}, {0, 9}, {5, 9}, kFree}, 0, {u"圖"_s, 2, 10, 0, false}, false,
         {{0, 9}, {0, 9}, {5, 9}, kFree}, none},
        {"beyond the last column", {kFree, kFree, kFree, kFree}, 3, {u"圖"_s, 2, 4, 0, false}, false,
         {kFree, kFree, kFree, kFree}, none},
        // An override below LINES leaves the page fewer columns than the box:
        // the scan stays inside them.
        {"override 2, blocked", {{0, 9}, {0, 9}}, 0, {u"圖"_s, 2, 4, 0, false}, false, {{0, 9}, {0, 9}}, none},
        {"override 3, blocked", {{0, 9}, {0, 9}, {0, 9}}, 0, {u"圖"_s, 1, 4, 0, false}, false,
         {{0, 9}, {0, 9}, {0, 9}}, none},
        {"no columns", {kFree, kFree, kFree, kFree}, 0, {u"圖"_s, 0, 4, 0, false}, true,
         {kFree, kFree, kFree, kFree}, none},
        {"no cells", {kFree, kFree, kFree, kFree}, 0, {u"圖"_s, 1, 0, 0, false}, true,
         {kFree, kFree, kFree, kFree}, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPageRec page;
        g_TypesetPage = &page;
        context.linesOverride = int32_t(c.occupancy.size()) == box.size.LINES ? 0 : int32_t(c.occupancy.size());
        // A table of exactly the page's columns, so that a read past it shows.
        context.occupancy = std::vector<TCellRange>(c.occupancy.begin(), c.occupancy.end());
        context.column = c.column;
        EXPECT_EQ(context.ReserveBlockLines(c.picture), c.placed);
        EXPECT_EQ(context.occupancy, c.after);
        if (c.item.kind == TPageItemKind::New) {
            EXPECT_TRUE(page.pictures.IsEmpty());
        } else {
            ASSERT_EQ(page.pictures.Size(), 1);
            EXPECT_EQ(page.pictures[0], c.item);
        }
    }
}

TEST_F(LayoutContextTest, EightColumnsInAFourColumnBoxMakeTwoPages)
{
    context.NewPage();
    for (int32_t i = 0; i < 8; ++i)
        Emit(QString::number(i));
    ASSERT_EQ(table.pages.Size(), 2);
    EXPECT_EQ(LinesOf(0), (std::vector<QString>{u"0"_s, u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(LinesOf(1), (std::vector<QString>{u"4"_s, u"5"_s, u"6"_s, u"7"_s}));
    EXPECT_EQ(table.pages[1].index, 1);
    EXPECT_EQ(table.pages[1].styleName, u"para0"_s);
    EXPECT_EQ(g_TypesetPage, &table.pages[1]);
    EXPECT_EQ(context.column, 4);
    EXPECT_TRUE(context.freshColumn);
}

TEST_F(LayoutContextTest, NewPageRevisitsTheNextPageAndPlacesPendingPicturesInOrder)
{
    for (int32_t i = 0; i < 3; ++i)
        AppendPageRecord(table);
    g_TypesetPage = &table.pages[0];
    context.column = 3;
    context.pendingPictures = {{u"一"_s, 3, 10, 0, false}, {u"二"_s, 2, 10, 0, false}, {u"三"_s, 1, 10, 0, false}};
    context.NewPage();
    EXPECT_EQ(table.pages.Size(), 3);
    EXPECT_EQ(g_TypesetPage, &table.pages[1]);
    EXPECT_EQ(g_TypesetPage->styleName, u"para0"_s);
    EXPECT_EQ(context.column, 0);
    // The second does not fit beside the first, so it and the third wait.
    ASSERT_EQ(g_TypesetPage->pictures.Size(), 1);
    EXPECT_EQ(g_TypesetPage->pictures[0].name, u"一"_s);
    EXPECT_EQ(context.pendingPictures.size(), 2u);
    EXPECT_EQ(context.remainingLength, 0);  // column 0 is taken whole
}

TEST_F(LayoutContextTest, PictureWiderThanTheBoxIsDroppedRatherThanWaitingForever)
{
    context.linesOverride = 6;  // more columns than the box's 4
    context.pendingPictures = {{u"寬"_s, 5, 10, 0, false}, {u"窄"_s, 1, 10, 0, false}, {u"又寬"_s, 5, 10, 0, false}};
    context.NewPage();
    ASSERT_EQ(g_TypesetPage->pictures.Size(), 1);
    EXPECT_EQ(g_TypesetPage->pictures[0].name, u"窄"_s);
    // Once a picture is on the page, one that does not fit waits.
    ASSERT_EQ(context.pendingPictures.size(), 1u);
    EXPECT_EQ(context.pendingPictures[0].name, u"又寬"_s);
}

TEST_F(LayoutContextTest, UpperPartsAreHeldAndJoinedToTheirLowerParts)
{
    context.NewPage();
    context.occupancy = {kFree, {3, 5}, {3, 5}, kFree};
    Emit(u"甲"_s);
    EXPECT_EQ(context.pass, TOccupancyPass::Upper);
    EXPECT_EQ(context.remainingLength, 2850);  // 3 cells above
    Emit(u"上一"_s);
    Emit(u"上二"_s);
    EXPECT_EQ(context.pass, TOccupancyPass::Lower);
    EXPECT_EQ(context.column, 1);
    EXPECT_EQ(context.remainingLength, 3800);  // 4 cells below
    Emit(u"<M=6000>下一"_s);
    Emit(u"<M=6000>下二"_s);
    Emit(u"乙"_s);
    EXPECT_EQ(LinesOf(0), (std::vector<QString>{u"甲"_s, u"上一<M=6000>下一"_s, u"上二<M=6000>下二"_s, u"乙"_s}));
    EXPECT_TRUE(context.heldColumns.empty());
}

TEST_F(LayoutContextTest, FlushingInTheUpperPassStoresTheHeldPartsAtTheirColumns)
{
    context.NewPage();
    context.occupancy = {kFree, {3, 5}, {3, 5}, kFree};
    Emit(u"甲"_s);
    Emit(u"上一"_s);
    context.FlushPendingLines();
    EXPECT_EQ(LinesOf(0), (std::vector<QString>{u"甲"_s, u"上一"_s}));
    EXPECT_EQ(context.column, 2);
    EXPECT_TRUE(context.heldColumns.empty());
}

TEST_F(LayoutContextTest, AnchorsRecordThePageBeingFilled)
{
    AppendPageRecord(table);
    AppendPageRecord(table);
    g_TypesetPage = &table.pages[0];  // a later pass revisits the first page
    context.occupancy.assign(4, kFree);
    context.column = 3;  // the last column: the anchors stay on this page
    context.SideNoteOffsets = {150};
    Emit(u"甲<MP3>乙<CP朱>丙<CP>丁<MP>"_s);
    EXPECT_EQ(LinesOf(0), (std::vector<QString>{u"甲乙丙丁"_s}));
    ASSERT_EQ(context.headNoteMarks.size(), 2u);
    EXPECT_EQ(context.headNoteMarks[0].page, 0);
    EXPECT_EQ(context.headNoteMarks[0].position, 3300);  // column × (pitch + rule)
    EXPECT_EQ(context.headNoteMarks[0].offset, 3);
    EXPECT_EQ(context.headNoteMarks[1].offset, 0);
    ASSERT_EQ(context.sideNoteMarks.size(), 2u);
    EXPECT_EQ(context.sideNoteMarks[0].fontName, u"朱"_s);
    EXPECT_EQ(context.sideNoteMarks[0].offset, 150);
    EXPECT_EQ(context.sideNoteMarks[1].fontName, u"0"_s);
    EXPECT_EQ(context.sideNoteMarks[1].offset, 0);  // no offset left for it
    for (const TSideNoteMark& mark : context.sideNoteMarks) {
        EXPECT_EQ(mark.page, 0);
        EXPECT_EQ(mark.column, 3);
    }
    // The side-note fonts are made from the note font at its cell height.
    ASSERT_EQ(sideNoteFonts.Size(), 2);
    EXPECT_EQ(sideNoteFonts[0].NAME, u"宋體"_s);
    EXPECT_EQ(sideNoteFonts[0].SIZE, 500);
}

TEST_F(LayoutContextTest, HeadAndCollectModesStoreBesideTheBody)
{
    context.NewPage();
    context.mode = TLayoutMode::Head;
    Emit(u"眉"_s);
    EXPECT_EQ(g_TypesetPage->headLines, (std::vector<TPageLine>{{u"眉"_s, 0}}));

    context.mode = TLayoutMode::Collect;
    context.sideNoteMark.fontName = u"朱"_s;
    context.sideNoteOffset = 300;
    context.column = 2;
    Emit(u"批一"_s);
    EXPECT_EQ(context.sideNoteOffset, 0);
    context.sideNoteMark.fontName = u"墨"_s;
    context.column = 2;
    Emit(u"批二"_s);
    EXPECT_EQ(g_TypesetPage->collectedLines,
              (std::vector<TCollectedLine>{{}, {}, {u"批一批二"_s, u"朱"_s}}));
    EXPECT_TRUE(g_TypesetPage->lines.empty());
}

TEST_F(LayoutContextTest, FreshColumnFlagStartsSetAndResetLeavesIt)
{
    TLayoutContext head;
    EXPECT_TRUE(head.freshColumn);
    head.pendingParts = {u"<BT1-題>"_s};
    head.linesOverride = 2;
    head.Reset();
    EXPECT_TRUE(head.freshColumn);
    EXPECT_TRUE(head.pendingParts.empty());
    EXPECT_EQ(head.linesOverride, 0);
}

TEST_F(LayoutContextTest, BoxWithoutColumnsOrCellsNeitherCrashesNorHangs)
{
    box.size = TBoxSize{};
    context.pendingPictures = {{u"圖"_s, 2, 3, 0, false}};
    context.NewPage();
    for (int32_t i = 0; i < 3; ++i)
        Emit(u"甲"_s);
    context.FinishLine();
    EXPECT_EQ(context.AvailableLength(), 0);
    EXPECT_EQ(table.pages.Size(), 5);  // a page holds no column: one page per column
    EXPECT_TRUE(context.pendingPictures.empty());  // no page of this box has room for it
}

TEST_F(LayoutContextTest, LastPageLineFallsBackToTheTablesLastPage)
{
    EXPECT_EQ(GetLastPageLine(), TPageLine{});
    SetLastPageLine({u"無"_s, 1});  // nothing to set
    g_TypesetPage = AppendPageRecord(table);  // revisited, without columns
    AppendPageRecord(table)->lines = {{u"甲"_s, 0}, {u"乙。"_s, 0}};
    EXPECT_EQ(GetLastPageLine(), (TPageLine{u"乙。"_s, 0}));
    SetLastPageLine({u"乙"_s, 0});
    EXPECT_EQ(table.pages[1].lines[1].text, u"乙"_s);
    g_TypesetPage->lines = {{u"丙"_s, 0}};
    EXPECT_EQ(GetLastPageLine().text, u"丙"_s);
}
