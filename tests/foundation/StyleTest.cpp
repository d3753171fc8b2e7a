#include <gtest/gtest.h>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"

using namespace Qt::StringLiterals;

namespace {

TStyle* AddStyle(TParaSet& set, const QString& name)
{
    TStyle* style = set.styles.AddNew();
    style->NAME = name;
    return style;
}

TEST(StyleDefaultsTest, PageSizeFollowsTheDisplayMode)
{
    struct Case {
        const char* name;
        TDisplayMode display;
        QString styleName;
        int32_t width;
    };
    const Case cases[] = {
        {"two pages", {true, false}, u"para0"_s, 106400},
        {"single page", {false, false}, u"para0"_s, 53200},
        {"4-in-1", {false, true}, u"para0"_s, 106400},
        {"4-in-1 legacy cover", {false, true}, u"COVER"_s, 53200},
        {"4-in-1 new cover name", {false, true}, u"FengMian"_s, 106400},
        {"two pages legacy cover", {true, true}, u"COVER"_s, 106400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStyle style;
        style.NAME = c.styleName;
        ComputeStylePageSize(style, c.display);
        EXPECT_EQ(style.pageWidth, c.width);
        EXPECT_EQ(style.pageHeight, 67200);
    }
}

TEST(StyleDefaultsTest, OnlyTheEditionsPageStyleGetsAComputedSize)
{
    TStyle style;
    style.kind = StyleKind::COVER;
    style.pageWidth = 7;
    style.pageHeight = 8;
    ComputeStylePageSize(style, TDisplayMode{});
    EXPECT_EQ(style.pageWidth, 7);
    EXPECT_EQ(style.pageHeight, 8);
}

TEST(StyleDefaultsTest, FrameBoxesAndPunctuation)
{
    const TStyle s;
    EXPECT_EQ(s.kind, StyleKind::WOODBLOCK);
    EXPECT_EQ(s.NAME, QString());
    const int32_t frame[] = {s.OUT_BORDER,   s.IN_BORDER,    s.SPACE,         s.MID_WIDTH,     s.MID_UP_HEIGHT,
                             s.MID_MID_HEIGHT, s.MID_LINE,   s.UP_FISH_TYPE,  s.DOWN_FISH_TYPE};
    const int32_t expected[] = {500, 100, 500, 4000, 12000, 35000, 0, 0, 1};
    EXPECT_TRUE(std::equal(std::begin(frame), std::end(frame), std::begin(expected)));
    EXPECT_TRUE(s.SHOW_MID_DOWN);
    EXPECT_TRUE(s.SHOW_STAMP);
    EXPECT_FALSE(s.raisedHead);
    EXPECT_FALSE(s.GROUND_IMAGE);
    EXPECT_EQ(s.GROUND.folderKind, -1);
    EXPECT_EQ(s.BORDER_COLOR, 0u);
    EXPECT_EQ(s.BACK_COLOR, 0xFFFFFFu);
    EXPECT_EQ(s.BIAO_DIAN, TBiaoDianPara());

    EXPECT_EQ(s.TEXT_BOX.size.textCharSize, 3085);
    EXPECT_EQ(s.TEXT_BOX.size.noteCharSize, 3085);
    EXPECT_EQ(s.TEXT_BOX.size.pitch, 4910);
    EXPECT_TRUE(s.TEXT_BOX.DOUBLE_LINE_ZHU);
    EXPECT_TRUE(s.TEXT_BOX.AUTO_RICH_FONT);
    EXPECT_EQ(s.TEXT_BOX.kind, BoxKind::TEXT_BOX);
    EXPECT_EQ(s.HEAD_BOX.size.textCharSize, -166);
    EXPECT_EQ(s.HEAD_BOX.size.pitch, 2500);
    EXPECT_FALSE(s.HEAD_BOX.DOUBLE_LINE_ZHU);
    EXPECT_TRUE(s.HEAD_BOX.AUTO_RICH_FONT);
    EXPECT_EQ(s.HEAD_BOX.kind, BoxKind::HEAD_BOX);
    EXPECT_TRUE(s.TECH_ARRAY.IsEmpty());
    EXPECT_TRUE(s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.IsEmpty());
}

TEST(StyleDefaultsTest, FontsFollowTheTextBoxAndTheCentreColumn)
{
    // T = N = 3085, P = 4910, M = 4000.
    const TStyle s;
    struct Row {
        const char* name;
        const TFontStyle& font;
        int32_t textType, size, width, wordHeight, wordWidth, type;
        bool doubleLine;
    };
    const Row rows[] = {
        {"text", s.TEXT_BOX.MFONT_GROUP.TEXT_FONT, 0, 3085, 0, 3085, 4910, 2, false},
        {"note", s.TEXT_BOX.MFONT_GROUP.ZHU_FONT, 1, 3082, 1541, 3085, 4910, 0, true},
        {"head text", s.HEAD_BOX.MFONT_GROUP.TEXT_FONT, 1, 3082, 1541, 3085, 4910, 2, false},
        {"head note", s.HEAD_BOX.MFONT_GROUP.ZHU_FONT, 1, 3082, 1541, 3085, 4910, 0, true},
        {"centre up", s.MID_UP_FONT.TEXT_FONT, 2, 2400, 0, 2400, 4000, 2, false},
        {"centre middle", s.MID_MID_FONT.TEXT_FONT, 3, 3000, 0, 3000, 4000, 0, false},
        {"centre down", s.MID_DOWN_FONT.TEXT_FONT, 4, 2000, 0, 2000, 4000, 0, false},
        {"centre up note", s.MID_UP_FONT.ZHU_FONT, 4, 1400, 0, 1400, 4000, 0, true},
        {"centre middle note", s.MID_MID_FONT.ZHU_FONT, 4, 1400, 0, 1400, 4000, 0, true},
        {"centre down note", s.MID_DOWN_FONT.ZHU_FONT, 4, 1400, 0, 1400, 4000, 0, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.font.NAME, u"宋体"_s);
        EXPECT_EQ(r.font.COLOR, 0u);
        EXPECT_EQ(r.font.OUTLINE_WIDTH, 0);
        EXPECT_EQ(r.font.ALIGN, FontAlign::MID);
        EXPECT_EQ(r.font.TEXT_TYPE, r.textType);
        EXPECT_EQ(r.font.SIZE, r.size);
        EXPECT_EQ(r.font.WIDTH, r.width);
        EXPECT_EQ(r.font.WORD_HEIGHT, r.wordHeight);
        EXPECT_EQ(r.font.WORD_WIDTH, r.wordWidth);
        EXPECT_EQ(r.font.TYPE, r.type);
        EXPECT_EQ(r.font.DOUBLE_LINE, r.doubleLine);
    }
    // Rich fonts derived from the layout fonts: SIZE 3085 is 23 points.
    EXPECT_EQ(s.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, u"宋体"_s);
    EXPECT_EQ(s.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.size, 23);
    EXPECT_EQ(s.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.style, FontType::BOLD);
    EXPECT_EQ(s.HEAD_BOX.RICH_FONT_GROUP.ZHU_FONT_H.size, 23);
}

TEST(StyleDefaultsTest, CoverAndFourInOne)
{
    const TCoverPara cover;
    EXPECT_EQ(cover.kind, StyleKind::COVER);
    EXPECT_EQ(cover.pageWidth, 100000);
    EXPECT_EQ(cover.pageHeight, 65000);
    EXPECT_EQ(cover.COVER_FONT.TEXT_FONT.SIZE, 6000);
    EXPECT_EQ(cover.COVER_FONT.TEXT_FONT.WIDTH, 0);
    EXPECT_EQ(cover.COVER_FONT.TEXT_FONT.TYPE, FontType::BOLD);
    EXPECT_EQ(cover.COVER_FONT.ZHU_FONT.WIDTH, 3000);
    EXPECT_TRUE(cover.COVER_FONT.ZHU_FONT.DOUBLE_LINE);
    EXPECT_EQ(cover.COVER_RICH_FONT.TEXT_FONT_H, TRichEditFont());
    EXPECT_EQ(cover.TEXT_BOX.size, TBoxSize());

    const TPara4in1 sheet;
    EXPECT_TRUE(sheet.continuousPages);
    EXPECT_EQ(sheet.halfGap, 0);
    EXPECT_EQ(sheet.titleWidth, 4000);
    EXPECT_EQ(sheet.titlePos, 8000);
    EXPECT_EQ(sheet.pageNumberPos, 100000);
    for (const TFontPair* pair : {&sheet.titleFont, &sheet.pageNumberFont}) {
        EXPECT_EQ(pair->TEXT_FONT.SIZE, 2500);
        EXPECT_EQ(pair->TEXT_FONT.WORD_WIDTH, 2500);
        EXPECT_EQ(pair->TEXT_FONT.NAME, u"宋体"_s);
        EXPECT_EQ(pair->ZHU_FONT, TFontStyle());
    }
}

TEST(StyleScaleTest, LengthsScaleAndEverythingElseIsCopied)
{
    TStyle source;
    source.NAME = u"卷一"_s;
    source.MID_LINE = 100;
    source.UP_FISH_TYPE = 3;
    source.SHOW_MID_DOWN = false;
    source.raisedHead = true;
    source.GROUND = {4, u"紙"_s};
    source.BACK_COLOR = Rgb(1, 2, 3);
    source.xOffset = 1001;
    source.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::JUDOU;
    source.TECH_ARRAY.AddNew()->LINES_WIDTH = 250;
    source.CE_PI_ARRAY.AddNew()->SIZE = 2000;
    source.QUAN_DIAN_ARRAY.AddNew()->marks.AddNew()->X_MOVE = 40;
    source.CIRCLE_ARRAY.AddNew()->LINES_WIDTH = 8;
    source.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT.AddNew()->SIZE = 1000;
    source.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.AddNew()->size = 11;

    TStyle out;
    ScaleStyle(source, out, 0.25);
    EXPECT_EQ(out.NAME, source.NAME);
    EXPECT_EQ(out.MID_LINE, 25);
    EXPECT_EQ(out.OUT_BORDER, 125);
    EXPECT_EQ(out.MID_MID_HEIGHT, 8750);
    EXPECT_EQ(out.UP_FISH_TYPE, 3);
    EXPECT_EQ(out.DOWN_FISH_TYPE, 1);
    EXPECT_FALSE(out.SHOW_MID_DOWN);
    EXPECT_TRUE(out.raisedHead);
    EXPECT_EQ(out.GROUND.name, u"紙"_s);
    EXPECT_EQ(out.GROUND.folderKind, 4);
    EXPECT_EQ(out.BACK_COLOR, Rgb(1, 2, 3));
    EXPECT_EQ(out.pageWidth, 26600);
    EXPECT_EQ(out.pageHeight, 16800);
    EXPECT_EQ(out.xOffset, 250);
    EXPECT_EQ(out.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::JUDOU);
    EXPECT_EQ(out.TECH_ARRAY[0].LINES_WIDTH, 62);
    EXPECT_EQ(out.CE_PI_ARRAY[0].SIZE, 500);
    EXPECT_EQ(out.QUAN_DIAN_ARRAY[0].marks[0].X_MOVE, 10);
    EXPECT_EQ(out.CIRCLE_ARRAY[0].LINES_WIDTH, 2);
    EXPECT_EQ(out.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT[0].SIZE, 250);
    EXPECT_EQ(out.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H[0].size, 11);
    EXPECT_EQ(out.MID_UP_FONT.TEXT_FONT.SIZE, 600);
    EXPECT_EQ(out.HEAD_BOX.kind, BoxKind::HEAD_BOX);

    ScaleStyle(TStyle(), out, 0.5);
    EXPECT_EQ(out.TEXT_BOX.size.textCharSize, 1542);
    EXPECT_EQ(out.TEXT_BOX.size.pitch, 2455);
}

TEST(StyleScaleTest, CoverAndSheet)
{
    TCoverPara cover;
    cover.NAME = kBackCoverName;
    cover.yOffset = 99;
    TCoverPara out;
    ScaleCoverPara(cover, 0.5, out);
    EXPECT_EQ(out.NAME, kBackCoverName);
    EXPECT_EQ(out.kind, StyleKind::COVER);
    EXPECT_EQ(out.pageWidth, 50000);
    EXPECT_EQ(out.pageHeight, 32500);
    EXPECT_EQ(out.yOffset, 49);
    EXPECT_EQ(out.COVER_FONT.TEXT_FONT.SIZE, 3000);

    TPara4in1 sheet;
    sheet.continuousPages = false;
    TPara4in1 half;
    ScalePara4in1(sheet, half, 0.5);
    EXPECT_FALSE(half.continuousPages);
    EXPECT_EQ(half.titleWidth, 2000);
    EXPECT_EQ(half.titlePos, 4000);
    EXPECT_EQ(half.pageNumberPos, 50000);
    EXPECT_EQ(half.pageNumberFont.TEXT_FONT.SIZE, 1250);
}

TEST(StyleFontsTest, SyncDerivesWhereTheBoxesAskAndAppendsAttachedRichFonts)
{
    for (const bool autoRich : {false, true}) {
        SCOPED_TRACE(autoRich ? "auto" : "manual");
        TStyle style;
        style.TEXT_BOX.AUTO_RICH_FONT = autoRich;
        style.HEAD_BOX.AUTO_RICH_FONT = !autoRich;
        style.TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME = u"黑体"_s;
        style.HEAD_BOX.MFONT_GROUP.TEXT_FONT.NAME = u"楷体"_s;
        style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew()->NAME = u"甲"_s;
        style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew()->NAME = u"乙"_s;
        style.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.AddNew()->face = u"old"_s;
        SyncStyleFonts(style);
        EXPECT_EQ(style.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, autoRich ? u"黑体"_s : u"宋体"_s);
        EXPECT_EQ(style.HEAD_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, autoRich ? u"宋体"_s : u"楷体"_s);
        const TRichFontList& rich = style.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H;
        ASSERT_EQ(rich.Size(), 2);
        EXPECT_EQ(rich[0].face, autoRich ? u"甲"_s : u"old"_s);
        EXPECT_EQ(rich[1].face, u"乙"_s);
    }
}

TEST(CoverRecordsTest, LookUpAppendsTheMissingRecord)
{
    TParaSet set;
    TCoverPara* back = GetBackCoverPara(set);
    back->kind = 0;
    TCoverPara* cover = GetCoverPara(set);
    ASSERT_EQ(set.covers.Size(), 2);
    EXPECT_EQ(cover, set.covers.GetAtOrNull(1));
    EXPECT_EQ(cover->NAME, kCoverName);
    EXPECT_EQ(GetBackCoverPara(set), back);
    EXPECT_EQ(back->kind, StyleKind::COVER);
    EXPECT_EQ(set.covers.Size(), 2);
}

TEST(CoverRecordsTest, LegacyCoverStylesBecomeCovers)
{
    TParaSet set;
    set.covers.AddNew()->NAME = u"stale"_s;
    AddStyle(set, u"para0"_s);
    TStyle* legacyCover = AddStyle(set, u"COVER"_s);
    legacyCover->TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME = u"封面體"_s;
    AddStyle(set, u"para1"_s);
    AddStyle(set, u"BACK"_s)->TEXT_BOX.MFONT_GROUP.ZHU_FONT.SIZE = 777;

    MoveLegacyCoverStyles(set);

    ASSERT_EQ(set.styles.Size(), 2);
    EXPECT_EQ(set.styles[0].NAME, u"para0"_s);
    EXPECT_EQ(set.styles[1].NAME, u"para1"_s);
    ASSERT_EQ(set.covers.Size(), 2);
    EXPECT_EQ(set.covers[0].NAME, kCoverName);
    EXPECT_EQ(set.covers[0].COVER_FONT.TEXT_FONT.NAME, u"封面體"_s);
    EXPECT_EQ(set.covers[1].NAME, kBackCoverName);
    EXPECT_EQ(set.covers[1].COVER_FONT.ZHU_FONT.SIZE, 777);

    TParaSet plain;
    AddStyle(plain, u"para0"_s);
    plain.covers.AddNew();
    MoveLegacyCoverStyles(plain);
    EXPECT_TRUE(plain.covers.IsEmpty());
    EXPECT_EQ(plain.styles.Size(), 1);
}

TEST(CoverRecordsTest, CoversTakeTheLargestPageOfTheStyles)
{
    TParaSet set;
    GetCoverPara(set);
    GetBackCoverPara(set);
    set.covers.AddNew()->NAME = u"other"_s;
    ApplyCoverSizes(set);
    EXPECT_EQ(set.covers[0].pageWidth, 0);
    EXPECT_EQ(set.covers[1].pageHeight, 0);

    AddStyle(set, u"a"_s);
    TStyle* b = AddStyle(set, u"b"_s);
    b->pageWidth = 90000;
    b->pageHeight = 70000;
    ApplyCoverSizes(set);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(set.covers[i].pageWidth, 106400);
        EXPECT_EQ(set.covers[i].pageHeight, 70000);
    }
    EXPECT_EQ(set.covers[2].pageWidth, 100000);
}

class CurrentStylePointers : public ::testing::Test {
protected:
};

TEST_F(CurrentStylePointers, DeletingAStyleReleasesThePointersIntoIt)
{
    TParaSet set;
    TStyle* first = AddStyle(set, u"para0"_s);
    TStyle* second = AddStyle(set, u"COVER"_s);

    PointCurrentListsAt(second);
    EXPECT_EQ(g_CurTechList, &second->TECH_ARRAY);
    EXPECT_EQ(g_CurAttachFonts, &second->ATTACH_FONT_GROUP);
    MoveLegacyCoverStyles(set);
    EXPECT_EQ(g_CurTechList, nullptr);
    EXPECT_EQ(g_CurCircleList, nullptr);
    EXPECT_EQ(g_CurQuanDianList, nullptr);
    EXPECT_EQ(g_CurCePiList, nullptr);
    EXPECT_EQ(g_CurBiaoDian, nullptr);
    EXPECT_EQ(g_CurAttachFonts, nullptr);

    PointCurrentListsAt(first);
    RemoveStyleAt(set.styles, 5);  // outside the list: nothing
    EXPECT_EQ(g_CurBiaoDian, &first->BIAO_DIAN);
    TStyleList other;
    ClearStyles(other);
    EXPECT_EQ(g_CurCePiList, &first->CE_PI_ARRAY);
    ClearStyles(set.styles);
    EXPECT_EQ(g_CurCePiList, nullptr);
    PointCurrentListsAt(nullptr);
    EXPECT_EQ(g_CurTechList, nullptr);
}

TEST_F(CurrentStylePointers, RepointFindsTheStyleByNameOrTakesTheFirst)
{
    TStyleList styles;
    EXPECT_EQ(RepointStyle(styles, u"x"_s), nullptr);
    EnsureOneStyle(styles, {false, false});
    ASSERT_EQ(styles.Size(), 1);
    EXPECT_EQ(styles[0].NAME, kDefaultStyleName);
    EXPECT_EQ(styles[0].pageWidth, 53200);
    EnsureOneStyle(styles, {});
    EXPECT_EQ(styles.Size(), 1);
    styles.AddNew()->NAME = u"卷二"_s;
    EXPECT_EQ(RepointStyle(styles, u"卷二"_s), styles.GetAtOrNull(1));
    EXPECT_EQ(RepointStyle(styles, u"gone"_s), styles.First());
}

}  // namespace
