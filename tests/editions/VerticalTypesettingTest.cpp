// The vertical typesetting rules over whole texts under the fixture
// vertical style "V": a text box 10000 wide and 10 cells of 1000 high,
// text characters 2000 wide (5 plain columns a page), notes 1500 wide, no
// punctuation. Goldens checked by hand once against the rules.
#include <gtest/gtest.h>

#include "foundation/params/Style.h"
#include "tests/editions/EditionTestHelpers.h"
#include "tests/editions/VerticalFixture.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTen = u"一二三四五六七八九十"_s;

void SetFont(TFontStyle& font, int32_t width)
{
    font.SIZE = font.WORD_HEIGHT = 1000;
    font.WORD_WIDTH = width;
    font.DOUBLE_LINE = false;
}

void MakeVerticalFixtureStyle(TStyle& style)
{
    style.NAME = u"V"_s;
    TBoxSize& size = style.TEXT_BOX.size;
    size.BOX_WIDTH = 10000;
    size.BOX_HEIGHT = 10000;
    size.TOP_SPACE = size.BOTTOM_SPACE = size.SPLIT_LINE_WIDTH = 0;
    size.TEXT_PER_LINE = size.ZHU_PER_LINE = 10;
    SetFont(style.TEXT_BOX.MFONT_GROUP.TEXT_FONT, 2000);
    SetFont(style.TEXT_BOX.MFONT_GROUP.ZHU_FONT, 1500);
    style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = true;
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::NO;
    TFontStyle* wide = style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    *wide = style.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    wide->MARKSTRING = u"寬"_s;
    wide->index = 0;
    wide->WORD_WIDTH = 3000;
    UpdateStylePitch(style);
}

class VerticalTypesettingTest : public VerticalTest {
protected:
    void SetUp() override
    {
        VerticalTest::SetUp();
        MakeVerticalFixtureStyle(*set.styles.AddNew());
        g_LoadingText = false;
    }
    void TearDown() override
    {
        ResetTypesetGlobals();
        ResetFoundationGlobals();
        VerticalTest::TearDown();
    }
    TStyle& Style() { return set.styles[0]; }

    // The page table with each page's used width.
    QString Dump(const std::vector<QString>& lines) { return DumpTypesetPages(lines, set, table, typesetter); }
    std::vector<int32_t> LinesPerPage() const
    {
        std::vector<int32_t> counts;
        for (const TPageRec& page : table.pages)
            counts.push_back(int32_t(page.lines.size()));
        return counts;
    }

    TParaSet set;
    TPageTable table;
    TTypesetter typesetter;
};

// Six plain columns: five fill the box exactly (10000) and stay; the sixth
// goes to the next page, and the full page records the width it used.
TEST_F(VerticalTypesettingTest, PlainColumnsFillTheWidth)
{
    EXPECT_EQ(Dump({kTen + kTen + kTen + kTen + kTen + u"甲"_s}),
              uR"(page 0: style "V", lines per page 0
  line 0 (2000): 一二三四五六七八九十
  line 1 (2000): 一二三四五六七八九十
  line 2 (2000): 一二三四五六七八九十
  line 3 (2000): 一二三四五六七八九十
  line 4 (2000): 一二三四五六七八九十
  used 10000
page 1: style "V", lines per page 0
  line 0 (2000): 甲<-P>
  used 0
)"_s);
}

// A run of the wide attached font widens only its own column (3000); the
// plain column after it would make the sum 11000, so it starts the next
// page, and the page it left records 9000.
TEST_F(VerticalTypesettingTest, AWideRunWidensItsColumnOnly)
{
    EXPECT_EQ(Dump({kTen + kTen + kTen + u"【ZT寬】乙【-ZT】"_s, kTen + kTen}),
              uR"(page 0: style "V", lines per page 0
  line 0 (2000): 一二三四五六七八九十
  line 1 (2000): 一二三四五六七八九十
  line 2 (2000): 一二三四五六七八九十
  line 3 (3000): <ZT寬>乙<-ZT><-P>
  used 9000
page 1: style "V", lines per page 0
  line 0 (2000): 一二三四五六七八九十
  line 1 (2000): 一二三四五六七八九十<-P>
  used 0
)"_s);
}

// Side and head notes are not set; their anchors stay in the column, and
// the emphasis marks stay per character.
TEST_F(VerticalTypesettingTest, NotesAreDroppedAndTheirAnchorsKept)
{
    EXPECT_EQ(Dump({u"甲【CP批】側注【-CP】乙【MP1】眉注【-MP】丙"_s, u"【QD點】天地【-QD】"_s}),
              uR"(page 0: style "V", lines per page 0
  line 0 (2000): 甲<CP批>乙<MP1>丙<-P>
  line 1 (2000): 天<QD點>地<QD點><-P>
  used 0
page 1: style "V", lines per page 0
  used 0
)"_s);
}

// 150 column slots: a picture asking for 200 columns takes 150, 【HS2】
// limits nothing, and one line of 160 narrow columns starts a new page at
// the 150th.
TEST_F(VerticalTypesettingTest, OneHundredAndFiftySlots)
{
    Dump({u"【TP200*3-0+圖】"_s});
    ASSERT_GE(table.pages.Size(), 1);
    ASSERT_EQ(table.pages[0].pictures.Size(), 1);
    EXPECT_EQ(table.pages[0].pictures[0].a, 0);
    EXPECT_EQ(table.pages[0].pictures[0].b, 149);

    Dump({u"【HS2】"_s, kTen + kTen + kTen + kTen + kTen});
    EXPECT_EQ(LinesPerPage(), (std::vector<int32_t>{5, 0}));

    Style().TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH = 10;
    Style().TEXT_BOX.size.BOX_HEIGHT = 1000;
    UpdateStylePitch(Style());
    Dump({QString(160, u'天')});
    EXPECT_EQ(LinesPerPage(), (std::vector<int32_t>{150, 10}));
    EXPECT_EQ(table.pages[0].usedSize, 0);  // closed by the slots, not the width
}

// A volume starts on the next page, or on the next odd page.
TEST_F(VerticalTypesettingTest, NewVolumePageRule)
{
    const struct {
        int32_t rule;
        std::vector<QString> lines;
        std::vector<int32_t> pages;
    } cases[] = {
        {TNewVolumePageType::NEXT_PAGE, {u"甲"_s, u"【BSV】乙"_s}, {1, 1}},
        {TNewVolumePageType::NEXT_SINGLAR_PAGE, {u"甲"_s, u"【BSV】乙"_s}, {1, 0, 1, 0}},
        {TNewVolumePageType::NEXT_PAGE, {u"【BSV】乙"_s}, {1, 0}},
        {TNewVolumePageType::NEXT_SINGLAR_PAGE, {u"【BSV】乙"_s}, {1, 0}},
        {TNewVolumePageType::NEXT_PAGE, {u"甲"_s, u"【JM卷二】乙"_s}, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.back().toStdString());
        Style().NEW_VOLUME_PAGE_TYPE = c.rule;
        Dump(c.lines);
        EXPECT_EQ(LinesPerPage(), c.pages);
        EXPECT_EQ(table.pages[0].usedSize, 0);  // closed by the rule, not the width
    }
}

// A column wider than the box stays on the page that holds nothing yet
// (no empty page before it); the next column then starts a page.
TEST_F(VerticalTypesettingTest, AColumnWiderThanTheBox)
{
    TFontStyle* huge = Style().ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    *huge = Style().TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    huge->MARKSTRING = u"巨"_s;
    huge->index = 1;
    huge->WORD_WIDTH = 12000;
    Dump({u"【ZT巨】甲【-ZT】"_s, u"乙"_s});
    EXPECT_EQ(LinesPerPage(), (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(table.pages[0].lines[0].size, 12000);
    EXPECT_EQ(table.pages[0].usedSize, 12000);
}

// A picture no page of the box can take (a box of one column) is dropped
// after one empty page, and the text goes on.
TEST_F(VerticalTypesettingTest, APictureThatNeverFitsIsDropped)
{
    Style().TEXT_BOX.size.LINES = 1;
    Dump({u"甲"_s, u"【TP2*3-0+圖】"_s, u"【BSV】乙"_s});
    int32_t pictures = 0;
    for (const TPageRec& page : table.pages)
        pictures += page.pictures.Size();
    EXPECT_EQ(pictures, 0);
    EXPECT_LE(table.pages.Size(), 4);
}

// Columns beside pictures stay with their picture's page; the columns held
// above a picture are released onto it when the next column moves on (this
// once recursed without end). Every character of the text is set.
TEST_F(VerticalTypesettingTest, ColumnsBesidePicturesAcrossPages)
{
    std::vector<QString> lines;
    for (int i = 0; i < 12; ++i)
        lines.push_back((i % 3 == 0 ? u"【TP2*5-3+圖】"_s : QString()) + kTen + kTen + kTen + u"【ZW】甲乙【-ZW】"_s);
    Dump(lines);
    int64_t characters = 0;
    for (const TPageRec& page : table.pages)
        for (const TPageLine& line : page.lines)
            characters += line.text.count(u'一') + line.text.count(u'甲') + line.text.count(u'乙');
    EXPECT_EQ(characters, 12 * 5);
    EXPECT_GT(table.pages.Size(), 4);
}

// The used widths the volume-data file does not keep come back for the
// pages closed for want of width, and only for them.
TEST_F(VerticalTypesettingTest, UsedWidthsOfAReadBackTable)
{
    Dump({kTen + kTen + kTen + kTen + kTen + u"甲"_s, u"【BSV】乙"_s, kTen + kTen + kTen + u"【ZT寬】乙【-ZT】"_s,
          kTen + kTen});
    std::vector<int32_t> typeset;
    for (TPageRec& page : table.pages) {
        typeset.push_back(page.usedSize);
        page.usedSize = 0;  // as read from the file
    }
    ASSERT_EQ(typeset, (std::vector<int32_t>{10000, 0, 8000, 0}));
    g_Edition->Typesetting()->RestoreUsedSizes(table, set.styles);
    std::vector<int32_t> restored;
    for (const TPageRec& page : table.pages)
        restored.push_back(page.usedSize);
    EXPECT_EQ(restored, typeset);
}

}  // namespace
