// The horizontal typesetting rules: cell measures by punctuation mode, and
// whole texts under the fixture horizontal style "H": a text box 10000 wide
// (no side blanks) and 10000 high, text characters 1000 wide and 2000 tall
// (ten a line, five plain lines a page), a tall attached font "高" 3000
// tall. Goldens checked by hand once against the rules.
#include <gtest/gtest.h>

#include "foundation/params/Style.h"
#include "support/Editions.h"
#include "tests/editions/EditionTestHelpers.h"
#include "tests/editions/HorizontalFixture.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/cells/Cells.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTen = u"一二三四五六七八九十"_s;

void SetFont(TFontStyle& font, int32_t width, int32_t height)
{
    font.SIZE = font.WIDTH = width;
    font.WORD_WIDTH = width;
    font.WORD_HEIGHT = height;
    font.DOUBLE_LINE = false;
}

void MakeHorizontalFixtureStyle(TStyle& style)
{
    style.NAME = u"H"_s;
    TBoxSize& size = style.TEXT_BOX.size;
    size.BOX_WIDTH = 10000;
    size.BOX_HEIGHT = 10000;
    size.LEFT_SPACE = size.RIGHT_SPACE = size.SPLIT_LINE_WIDTH = 0;
    size.TEXT_PER_LINE = size.ZHU_PER_LINE = 10;
    SetFont(style.TEXT_BOX.MFONT_GROUP.TEXT_FONT, 1000, 2000);
    SetFont(style.TEXT_BOX.MFONT_GROUP.ZHU_FONT, 1000, 1500);
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::ZHINENG;
    TFontStyle* tall = style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    *tall = style.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    tall->MARKSTRING = u"高"_s;
    tall->index = 0;
    tall->WORD_HEIGHT = 3000;
    UpdateStylePitch(style);
}

class HorizontalCellsTest : public HorizontalTest {
protected:
    void TearDown() override
    {
        g_CurBiaoDian = nullptr;
        HorizontalTest::TearDown();
    }
    TBiaoDianPara marks;
};

TEST_F(HorizontalCellsTest, CellMeasuresByMode)
{
    g_CurBiaoDian = &marks;
    const struct {
        TBiaoDianType mode;
        QString text;
        int32_t cells, length;  // at a cell of 1000
    } cases[] = {
        {TBiaoDianType::ZHINENG, u"。」"_s, 2, 1000},
        {TBiaoDianType::ZHINENG, u"？」"_s, 2, 1000},
        {TBiaoDianType::ZHINENG, u"！」"_s, 2, 1000},
        {TBiaoDianType::ZHINENG, u"。字"_s, 2, 2000},
        {TBiaoDianType::ZHINENG, u"。<ZT高>」"_s, 2, 1000},  // tags between count nothing
        {TBiaoDianType::ZHINENG, u"「字」，"_s, 4, 2500},
        {TBiaoDianType::ZHINENG, u"《書》·"_s, 4, 3000},
        {TBiaoDianType::PUTONG, u"《書名》"_s, 4, 4000},
        {TBiaoDianType::PUTONG, u"字，<TZ圖>"_s, 3, 3000},
        {TBiaoDianType::JUDOU, u"字，字。"_s, 2, 2000},
        {TBiaoDianType::NO, u"《書名》"_s, 2, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        marks.BIAODIAN_TYPE = c.mode;
        EXPECT_EQ(CountCells(c.text), c.cells);
        EXPECT_EQ(MeasureCells(c.text, 1000), c.length);
    }
    // The column editions give book-title marks no cell.
    marks.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    InstallEdition(&EditionFor(EditionKind::Vertical));
    EXPECT_EQ(CountCells(u"《書名》"), 2);
}

// Fitting stops where the length is used; a title opener at the end stays
// (the line-end rules move it like any bracket).
TEST_F(HorizontalCellsTest, FitKeepsTitleMarksWhereTheyFall)
{
    g_CurBiaoDian = &marks;
    marks.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    int32_t length = 3000, cells = 0;
    EXPECT_EQ(FitChars(u"甲乙《丙》", 1000, length, cells), 3);
    EXPECT_EQ(length, 3000);
    EXPECT_EQ(cells, 3);
}

class HorizontalTypesettingTest : public HorizontalTest {
protected:
    void SetUp() override
    {
        HorizontalTest::SetUp();
        MakeHorizontalFixtureStyle(*set.styles.AddNew());
        g_LoadingText = false;
    }
    void TearDown() override
    {
        ResetTypesetGlobals();
        ResetFoundationGlobals();
        HorizontalTest::TearDown();
    }
    TStyle& Style() { return set.styles[0]; }

    // The page table with each page's used height.
    QString Dump(const std::vector<QString>& lines) { return DumpTypesetPages(lines, set, table, typesetter); }

    TParaSet set;
    TPageTable table;
    TTypesetter typesetter;
};

// Ten characters a line; five lines of 2000 fill the height exactly and
// stay, the sixth starts the next page, and the full page records 10000.
TEST_F(HorizontalTypesettingTest, PlainLinesFillTheHeight)
{
    EXPECT_EQ(Dump({kTen + kTen + kTen + kTen + kTen + u"甲"_s}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): 一二三四五六七八九十
  line 1 (2000): 一二三四五六七八九十
  line 2 (2000): 一二三四五六七八九十
  line 3 (2000): 一二三四五六七八九十
  line 4 (2000): 一二三四五六七八九十
  used 10000
page 1: style "H", lines per page 0
  line 0 (2000): 甲<-P>
  used 0
)"_s);
}

// A run of the tall font makes its own line 3000 tall; the next plain line
// would make 11000 and starts the next page.
TEST_F(HorizontalTypesettingTest, ATallRunHeightensItsLineOnly)
{
    EXPECT_EQ(Dump({kTen + kTen + kTen + u"【ZT高】乙【-ZT】"_s, kTen}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): 一二三四五六七八九十
  line 1 (2000): 一二三四五六七八九十
  line 2 (2000): 一二三四五六七八九十
  line 3 (3000): <ZT高>乙<-ZT><-P>
  used 9000
page 1: style "H", lines per page 0
  line 0 (2000): 一二三四五六七八九十<-P>
  used 0
)"_s);
}

// Horizontal punctuation stays as it is; in ZHINENG 「 and 」 take half a
// cell, so "「一二三四五六七八九」" (1000 × 9 + 2 × 500) fits a line; an
// opening mark that would end a line goes to the next (the line keeps 1000
// over 9 cells), a closing mark that would start one is pulled back (the
// line is 500 over, 11 cells).
TEST_F(HorizontalTypesettingTest, PunctuationAtLineEnds)
{
    EXPECT_EQ(Dump({u"「一二三四五六七八九」"_s, u"一二三四五六七八九「十」"_s, u"一二三四五六七八九十」"_s}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): 「一二三四五六七八九」<-P>
  line 1 (2000): 一二三四五六七八九<T=9,0,1000>
  line 2 (2000): 「十」<-P>
  line 3 (2000): 一二三四五六七八九十」<T=11,0,-500>
  used 0
page 1: style "H", lines per page 0
  used 0
)"_s);
}

// A raised first line (【TT】, a negative 【…BK】) starts where every line
// starts, so it holds the ten characters any line holds, not more.
TEST_F(HorizontalTypesettingTest, RaisedFirstLineHoldsWhatALineHolds)
{
    const QString rest = u"甲乙丙"_s;
    EXPECT_EQ(Dump({u"【TT】"_s + kTen + rest, u"【-3BK】"_s + kTen + rest, u"【-2-1BK】"_s + kTen + kTen}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): <TT>一二三四五六七八九十
  line 1 (2000): 甲乙丙<-P>
  line 2 (2000): <TT>一二三四五六七八九十
  line 3 (2000): 甲乙丙<-P>
  line 4 (2000): <TT>一二三四五六七八九十
  used 10000
page 1: style "H", lines per page 0
  line 0 (2000): {3000}一二三四五六七八九
  line 1 (2000): {3000}十<-P>
  used 0
)"_s);
}

// Side and head notes are read inline; 【HS n】 is kept with the page but
// does not limit its lines.
// Full-width spaces that open a source line indent it, even though a
// space never starts a line that a break made.
TEST_F(HorizontalTypesettingTest, LeadingSpacesIndentTheParagraph)
{
    EXPECT_EQ(Dump({u"一二"_s, u"　　三四"_s, u"一二三四五六七八九十　甲"_s}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): 一二<-P>
  line 1 (2000): {3000}{3000}三四<-P>
  line 2 (2000): 一二三四五六七八九十{3000}<T=11,0,-1000>
  line 3 (2000): 甲<-P>
  used 0
page 1: style "H", lines per page 0
  used 0
)"_s);
}

TEST_F(HorizontalTypesettingTest, NotesInlineAndHsIgnored)
{
    EXPECT_EQ(Dump({u"【HS2】"_s, u"甲【CP批】側注【-CP】乙【MP1】眉注【-MP】丙"_s, kTen, kTen}),
              uR"(page 0: style "H", lines per page 2
  line 0 (2000): 甲側注乙眉注丙<-P>
  line 1 (2000): 一二三四五六七八九十<-P>
  line 2 (2000): 一二三四五六七八九十<-P>
  used 0
page 1: style "H", lines per page 2
  used 0
)"_s);
}

// An emphasis span passes through whole with its tags, not a span a
// character, and the style gains no mark set.
TEST_F(HorizontalTypesettingTest, EmphasisSpansKeptWhole)
{
    EXPECT_EQ(Dump({u"甲【QD圈】乙丙【-QD】丁"_s}),
              uR"(page 0: style "H", lines per page 0
  line 0 (2000): 甲<QD圈>乙丙<-QD>丁<-P>
  used 0
page 1: style "H", lines per page 0
  used 0
)"_s);
    EXPECT_EQ(Style().QUAN_DIAN_ARRAY.Size(), 0);
}

}  // namespace
