#include <gtest/gtest.h>

#include "GlyphFixture.h"
#include "render/interpreter/CentreNoteTags.h"

namespace {

using Interpreter = GlyphFixture;

// Main text: x = (10000 + (3000 - 2000) / 2) / 100; rows of 2000 from y.
constexpr int32_t kMainX = 105;

TEST_F(Interpreter, LineTagsPlaceThePiece)
{
    struct Case {
        const char* column;
        double zoom;
        std::vector<Out> glyphs;
    };
    const Case cases[] = {
        {"<M=300>甲", 2.0, {{"甲", kMainX, 106}}},
        {"<P=2>甲", 1.0, {{"甲", kMainX, 140}}},
        {"<TT>甲乙", 1.0, {{"甲", kMainX, 80}, {"乙", kMainX, 100}}},
        // 500 spread over the 9 gaps of 10 characters: 55 after each.
        {"甲乙丙<T=10,0,500>", 1.0, {{"甲", kMainX, 100}, {"乙", kMainX, 120}, {"丙", kMainX, 141}}},
        // At the very start of the piece it is read and never drawn.
        {"<T=2,0,100>甲乙", 1.0, {{"甲", kMainX, 100}, {"乙", kMainX, 121}}},
        // Title and drop tags go; a second piece starts from the column top.
        {"<BT1標題>甲<D=3><M=4000>乙", 1.0, {{"甲", kMainX, 100}, {"乙", kMainX, 140}}},
        // Tags no reader knows are never drawn.
        {"甲<XY>乙", 1.0, {{"甲", kMainX, 100}, {"乙", kMainX, 120}}},
        // A damaged file's offsets and spacings stop at the longest page
        // side (10,000 pixels at zoom 1), summed without overflow.
        {"<M=2147483647>甲", 1.0, {{"甲", kMainX, 10100}}},
        {"<P=2147483647>甲", 1.0, {{"甲", kMainX, 10100}}},
        {"<M=-2147483648>甲", 4.0, {{"甲", kMainX, 100 - 40000}}},
        // (each glyph in the middle of its widened cell)
        {"<T=2,0,2147483647>甲乙", 1.0, {{"甲", kMainX, 5100}, {"乙", kMainX, 15120}}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        view.ZoomFactor = c.zoom;
        view.DrawTextLines(dc, kX + kPitch / 2, kPitch, QString::fromUtf8(c.column), kX, kY);
        EXPECT_EQ(Texts(), c.glyphs) << c.column;
    }
    EXPECT_EQ(view.ParseLineTags(u"甲<T=10,0,500>"), u"甲");
    EXPECT_EQ(view.ExtraSpacing, 55);
}

TEST_F(Interpreter, NotesTakeHalfTheColumn)
{
    // Note cells: 10 pixels; a half is 1500 wide, so x = (x + 250) / 100.
    struct Case {
        const char* text;
        std::vector<Out> glyphs;
    };
    const Case cases[] = {
        {"<ZW><L>注解<-L><-ZW>甲", {{"注", 102, 100}, {"解", 102, 110}, {"甲", kMainX, 120}}},
        {"<ZW><R>右<-R><L>左左<-L><-ZW>甲",
         {{"右", 117, 100}, {"左", 102, 100}, {"左", 102, 110}, {"甲", kMainX, 120}}},
        // A single-line note spans the column.
        {"<ZW>注<-ZW>", {{"注", 110, 100}}},
        // The default bottom part of a centre text draws as a note.
        {"<Z><R>墨衡<-R><L></L></Z>", {{"墨", 117, 100}, {"衡", 117, 110}}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        view.DrawStyledString(dc, kX + kPitch / 2, kPitch, QString::fromUtf8(c.text), kX, kY);
        EXPECT_EQ(Texts(), c.glyphs) << c.text;
    }
    EXPECT_EQ(CentreNotesAsColumnNotes(u"<Z><R>墨衡系統排版</R><L></L></Z>"),
              u"<ZW><R>墨衡系統排版<-R><L><-L><-ZW>");
}

TEST_F(Interpreter, FittedRuns)
{
    struct Case {
        const char* text;
        int32_t fontHeight;
        std::vector<Out> glyphs;
    };
    const Case cases[] = {
        // 2000 × 3 / 4 = 1500 < SIZE: drawn at 1500, one advance apart.
        {"<ZJ4-3>甲乙<-ZJ>丙", -15, {{"甲", 107, 100}, {"乙", 107, 115}, {"丙", kMainX, 130}}},
        // 3000 ≥ SIZE: pitch (3000 × 2 - 2000) / 1 + 1; the run ends one
        // advance after its last character.
        {"<ZJ2-3>甲乙<-ZJ>丙", -20, {{"甲", kMainX, 100}, {"乙", kMainX, 140}, {"丙", kMainX, 160}}},
        // A divisor of 0 leaves the length as it is.
        {"<ZJ0-5>甲<-ZJ>乙", -20, {{"甲", kMainX, 100}, {"乙", kMainX, 120}}},
        // A room of zero cells or fewer is read as one: the two characters
        // share 2000 at 1000 each, walking down from the run's start.
        {"<ZJ2--3>甲乙<-ZJ>丙", -10, {{"甲", 110, 100}, {"乙", 110, 110}, {"丙", kMainX, 120}}},
        {"<ZJ2-0>甲<-ZJ>乙", -10, {{"甲", 110, 100}, {"乙", kMainX, 110}}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        view.DrawStyledString(dc, kX + kPitch / 2, kPitch, QString::fromUtf8(c.text), kX, kY);
        EXPECT_EQ(Texts(), c.glyphs) << c.text;
        EXPECT_EQ(dc.CallsOf(DcCall::TextOut)[0].state.font.height, c.fontHeight) << c.text;
    }
}

TEST_F(Interpreter, PunctuationModes)
{
    struct Case {
        TBiaoDianType mode;
        const char* text;
        std::vector<Out> glyphs;
    };
    // The recording face's ink fills its cell, so marks placed by their ink
    // keep to the room they own. 。 in modes 1 and 2 sits in the previous
    // cell, right of the character's ink (105 + 20), within the column.
    const Case cases[] = {
        {TBiaoDianType::NO, "甲，乙「丙」", {{"甲", kMainX, 100}, {"乙", kMainX, 120}, {"丙", kMainX, 140}}},
        {TBiaoDianType::JUDOU, "甲；乙", {{"甲", kMainX, 100}, {"。", 126, 100}, {"乙", kMainX, 120}}},
        {TBiaoDianType::JUDIAN, "甲，乙", {{"甲", kMainX, 100}, {"。", 126, 100}, {"乙", kMainX, 120}}},
        // Full height: the comma, moved half a width right and 0.6 of a size
        // up, is kept in its own cell: below 甲, above 乙, in the column.
        {TBiaoDianType::PUTONG, "甲，乙", {{"甲", kMainX, 100}, {"，", 108, 120}, {"乙", kMainX, 140}}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        SetMode(c.mode);
        view.DrawTextLines(dc, kX + kPitch / 2, kPitch, QString::fromUtf8(c.text), kX, kY);
        EXPECT_EQ(Texts(), c.glyphs) << c.text;
    }

    // The small stop is drawn in 宋体 as wide as high, bold and coloured as
    // the style's punctuation says.
    SetMode(TBiaoDianType::JUDOU);
    TBiaoDianPara& marks = view.ScaledStyle.BIAO_DIAN;
    struct Look {
        bool useTextColour;
        bool bold;
        ColorRef colour;
        int32_t weight;
    };
    for (const Look& look : {Look{true, false, kTextColour, 400}, Look{false, true, Rgb(250, 0, 0), 900}}) {
        dc.ClearCalls();
        marks.USE_TEXT_COLOR = look.useTextColour;
        marks.BOLD = look.bold;
        marks.BIAO_DIAN_COLOR = Rgb(250, 0, 0);
        view.DrawTextLines(dc, kX + kPitch / 2, kPitch, u"甲。", kX, kY);
        const DcCall stop = dc.CallsOf(DcCall::TextOut).back();
        EXPECT_EQ(stop.text, u"。");
        EXPECT_EQ(stop.state.font, (DcFont{-20, -10, look.weight, false, u"宋体"_qs}));
        EXPECT_EQ(stop.state.textColor, look.colour);
    }
}

TEST_F(Interpreter, AttachedFontsAndColours)
{
    TFontStyle* attached = view.ScaledStyle.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    SetFont(*attached, 1000, 0);
    attached->MARKSTRING = "小";
    attached->COLOR = Rgb(200, 0, 0);
    view.DrawStyledString(dc, kX + kPitch / 2, kPitch, u"<ZT小>甲<-ZT>乙", kX, kY);
    const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].state.font.height, -10);
    EXPECT_EQ(texts[0].state.textColor, Rgb(200, 0, 0));
    EXPECT_EQ((Out{texts[1].text, texts[1].args[0], texts[1].args[1]}), (Out{"乙", kMainX, 110}));
    EXPECT_EQ(texts[1].state.font.height, -20);
    EXPECT_EQ(texts[1].state.textColor, kTextColour);
    // Fonts and colours are back as they were.
    EXPECT_EQ(dc.State().font, DcState().font);
}

}  // namespace
