#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/cells/Cells.h"
#include "typeset/cells/LineEndRules.h"
#include "typeset/layout/LayoutContext.h"

using namespace Qt::StringLiterals;

namespace {

using Mode = TBiaoDianType;

class CellsTest : public ::testing::Test {
protected:
    void SetUp() override { g_CurBiaoDian = &punctuation; }
    void Use(Mode mode) { punctuation.BIAODIAN_TYPE = mode; }

    TBiaoDianPara punctuation;
};

}  // namespace

TEST_F(CellsTest, CountAndMeasureUnderEachMode)
{
    struct Case {
        Mode mode;
        const char16_t* text;
        int32_t cells;
        int32_t length;  // advance 1000
    };
    const Case cases[] = {
        {Mode::NO, u"甲，乙。", 2, 2000},
        {Mode::JUDOU, u"甲，乙。", 2, 2000},
        {Mode::PUTONG, u"甲，乙。", 4, 4000},
        {Mode::ZHINENG, u"甲，乙。", 4, 3500},  // the comma half, 。 full at the end
        {Mode::ZHINENG, u"字。﹂", 3, 2000},     // 。 half before a mark that takes room
        {Mode::ZHINENG, u"字。<QD0>﹂", 3, 2000},  // tags between do not count
        {Mode::ZHINENG, u"字。︾", 2, 2000},     // a book-title mark takes none
        {Mode::PUTONG, u"︽書︾", 1, 1000},
        {Mode::NO, u"<TZ0041>字<b>", 2, 2000},  // a glyph tag is a cell, other tags none
        {Mode::NO, u"甲<乙", 3, 3000},           // a "<" without ">" is a character
        {Mode::NO, u"\U00020000字", 2, 2000},   // a surrogate pair is one cell
        {static_cast<Mode>(7), u"甲，乙。", 2, 2000},  // a damaged mode has no mark cells
    };
    for (const Case& c : cases) {
        Use(c.mode);
        EXPECT_EQ(CountCells(S(c.text)), c.cells) << int(c.mode) << " " << S(c.text).toStdString();
        EXPECT_EQ(MeasureCells(S(c.text), 1000), c.length) << int(c.mode) << " " << S(c.text).toStdString();
    }
    g_CurBiaoDian = nullptr;
    EXPECT_EQ(CountCells(u"甲，"), 1);
}

TEST_F(CellsTest, FitCharsCountsUnitsAndKeepsBookTitlesWhole)
{
    struct Case {
        Mode mode;
        const char16_t* text;
        int32_t advance;
        int32_t room;
        int32_t units;
        int32_t used;
        int32_t cells;
    };
    const Case cases[] = {
        {Mode::NO, u"一二三", 1000, 2500, 2, 2000, 2},
        {Mode::NO, u"一。二", 1000, 1000, 2, 1000, 1},      // a cell-less mark follows its character
        {Mode::ZHINENG, u"甲，乙", 1000, 1500, 2, 1500, 2},
        {Mode::PUTONG, u"甲︽書︾", 1000, 1000, 1, 1000, 1},  // ︽ never ends a column
        {Mode::PUTONG, u"︾甲", 1000, -1, 1, 0, 0},          // ︾ never starts one
        {Mode::NO, u"\U00020000字", 1000, 1000, 2, 1000, 1},  // units, not code points
        {Mode::NO, u"<TZ1>字", 1000, 1000, 5, 1000, 1},
        {Mode::NO, u"一二三", 0, 0, 3, 0, 3},                 // no advance: everything fits
        {Mode::NO, u"一二三", -1000, 0, 3, -3000, 3},
    };
    for (const Case& c : cases) {
        Use(c.mode);
        int32_t length = c.room;
        int32_t cells = -1;
        EXPECT_EQ(FitChars(S(c.text), c.advance, length, cells), c.units) << S(c.text).toStdString();
        EXPECT_EQ(length, c.used) << S(c.text).toStdString();
        EXPECT_EQ(cells, c.cells) << S(c.text).toStdString();
    }
}

TEST_F(CellsTest, LineEndRulesMoveMarksAcrossTheBreak)
{
    Use(Mode::PUTONG);
    QString piece = u"甲﹁﹁"_s;
    QString rest = u"乙"_s;
    EXPECT_EQ(MoveTrailingOpeningMarks(piece, rest, false), 2);
    EXPECT_EQ(piece, u"甲"_s);
    EXPECT_EQ(rest, u"﹁﹁乙"_s);

    piece = u"﹁﹁"_s;
    rest.clear();
    EXPECT_EQ(MoveTrailingOpeningMarks(piece, rest, true), 1);  // a column that must take a cell keeps one
    EXPECT_EQ(piece, u"﹁"_s);

    piece = u"甲"_s;
    rest = u"﹂。乙"_s;
    EXPECT_EQ(PullLeadingClosingMarks(piece, rest), 2);
    EXPECT_EQ(piece, u"甲﹂。"_s);
    EXPECT_EQ(rest, u"乙"_s);
}

TEST_F(CellsTest, ClosingMarksMovedBackIntoThePreviousColumn)
{
    Use(Mode::PUTONG);
    struct Case {
        const char16_t* previous;
        const char16_t* after;
    };
    const Case cases[] = {
        {u"甲<T=9,0,1000>", u"甲﹂。<T=11,0,-1000>"},  // before the count, corrected
        {u"甲", u"甲﹂。"},
        {u"甲<-P>", u"甲<-P>﹂。"},  // a previous paragraph end stays where it was
    };
    for (const Case& c : cases) {
        TPageTable table;
        g_TypesetTable = &table;
        g_TypesetPage = AppendPageRecord(table);
        g_TypesetPage->lines.push_back({S(c.previous), 0});
        TLayoutContext context;
        context.runGroups = {{{{u"﹂。乙"_s, {}, 1000, 1000, {}, {}}}, TRunGroup::Plain, 0, {}}};
        context.cursor.text = u"﹂。乙"_s;
        context.cellsLeft = 3;
        context.lengthLeft = 3000;
        EXPECT_TRUE(MoveClosingMarksBack(context));
        EXPECT_EQ(GetLastPageLine().text, S(c.after));
        EXPECT_EQ(context.cursor.text, u"乙"_s);
        EXPECT_EQ(context.cellsLeft, 1);
        EXPECT_EQ(context.lengthLeft, 1000);
    }
    TPageTable empty;
    g_TypesetTable = &empty;
    g_TypesetPage = AppendPageRecord(empty);
    TLayoutContext context;
    context.runGroups = {{{{u"﹂"_s, {}, 1000, 1000, {}, {}}}, TRunGroup::Plain, 0, {}}};
    context.cursor.text = u"﹂"_s;
    EXPECT_FALSE(MoveClosingMarksBack(context));  // no previous column: nothing moves
    EXPECT_EQ(context.cursor.text, u"﹂"_s);
}
