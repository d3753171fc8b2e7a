#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/columns/ColumnStrings.h"

TEST(ColumnTagWriters, SpellTheGrammarsTags)
{
    EXPECT_EQ(HeadOffsetTag(1500), S(u"<M=1500>"));
    EXPECT_EQ(CountTag(3, 0, 2500), S(u"<T=3,0,2500>"));
    EXPECT_EQ(OpenTag(u"<ZT", u"宋"), S(u"<ZT宋>"));
}

TEST(SplitAtLineTags, PiecesBeginAtHeadOffsetsElseAtPieceOffsets)
{
    struct Case { const char16_t* column; std::vector<QString> pieces; };
    const Case cases[] = {
        {u"", {S(u"")}},
        {u"甲乙", {S(u"甲乙")}},
        {u"<M=100>甲", {S(u"<M=100>甲")}},
        {u"上<M=500>下<-P>", {S(u"上"), S(u"<M=500>下<-P>")}},
        {u"<M=1>a<M=2>b", {S(u"<M=1>a"), S(u"<M=2>b")}},
        {u"a<P=3>b<P=4>", {S(u"a"), S(u"<P=3>b"), S(u"<P=4>")}},
        {u"a<P=3>b<M=4>c", {S(u"a<P=3>b"), S(u"<M=4>c")}},   // "<M=" wins over "<P="
        {u"<M=<M=", {S(u"<M="), S(u"<M=")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitAtLineTags(c.column), c.pieces) << S(c.column).toStdString();
}

TEST(SplitZwSpans, NotesInsideMainTextOutside)
{
    struct Case { const char16_t* text; std::vector<TZwSpan> spans; };
    const Case cases[] = {
        {u"甲<ZW><R>注<-R><L>文<-L><-ZW>乙",
         {{TZwSpan::MainText, S(u"甲"), {}}, {TZwSpan::Note, S(u"<R>注<-R><L>文<-L>"), {}},
          {TZwSpan::MainText, S(u"乙"), {}}}},
        {u"<ZW>注<-ZW>", {{TZwSpan::Note, S(u"注"), {}}}},
        {u"<ZW><-ZW>甲", {{TZwSpan::MainText, S(u"甲"), {}}}},      // empty parts are not listed
        {u"甲<ZW>注", {{TZwSpan::MainText, S(u"甲"), {}}, {TZwSpan::Note, S(u"注"), {}}}},
        {u"甲<-ZW>乙", {{TZwSpan::MainText, S(u"甲<-ZW>乙"), {}}}},
        {u"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitZwSpans(c.text), c.spans) << S(c.text).toStdString();
}

TEST(SplitTsYqSpans, TokenKindsAndParts)
{
    constexpr int32_t Plain = TTsSpan::Plain;
    constexpr int32_t Circled = TTsSpan::Circled;
    struct Case { const char16_t* text; std::vector<TTsSpan> tokens; };
    const Case cases[] = {
        // A special-format piece whole in the column, first, middle and last.
        {u"甲<TS框>乙<-TS>丙", {{Plain, S(u"甲"), {}}, {3, S(u"乙"), S(u"框")}, {Plain, S(u"丙"), {}}}},
        {u"<TS框>乙<+TS>", {{1, S(u"乙"), S(u"框")}}},
        {u"<TS+框>乙<+TS>", {{0, S(u"乙"), S(u"框")}}},
        {u"<TS+框>乙<-TS>", {{2, S(u"乙"), S(u"框")}}},
        {u"甲<YQ圈>一<-YQ>乙", {{Plain, S(u"甲"), {}}, {Circled, S(u"一"), S(u"圈")}, {Plain, S(u"乙"), {}}}},
        // Whichever opener comes first holds the other inside it.
        {u"<YQ1>a<TS2>b<-TS><-YQ>", {{Circled, S(u"a<TS2>b<-TS>"), S(u"1")}}},
        {u"<TS1>a<YQ2>b<-YQ><-TS>", {{3, S(u"a<YQ2>b<-YQ>"), S(u"1")}}},
        // The nearer closer ends the piece.
        {u"<TS1>a<+TS>b<-TS>", {{1, S(u"a"), S(u"1")}, {Plain, S(u"b<-TS>"), {}}}},
        // Malformed: an unclosed piece runs to the end and ends there; an
        // opener with no ">" is dropped.
        {u"<TS1>ab", {{3, S(u"ab"), S(u"1")}}},
        {u"<TS+1>ab", {{2, S(u"ab"), S(u"1")}}},
        {u"a<TS1b", {{Plain, S(u"a1b"), {}}}},
        {u"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitTsYqSpans(c.text), c.tokens) << S(c.text).toStdString();
}

TEST(SplitQdSpans, NamedInsideUnnamedOutside)
{
    struct Case { const char16_t* text; std::vector<TQdSpan> spans; };
    const Case cases[] = {
        {u"甲<QD點>乙<-QD>丙", {{S(u"甲"), {}}, {S(u"乙"), S(u"點")}, {S(u"丙"), {}}}},
        {u"甲<QD點>乙丙", {{S(u"甲"), {}}, {S(u"乙丙"), S(u"點")}}},   // runs to the end
        {u"甲<QD乙", {{S(u"甲乙"), {}}}},                             // no ">": dropped
        {u"<QD點><-QD>", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitQdSpans(c.text), c.spans) << S(c.text).toStdString();
}

namespace {

TZtSpan MakeRun(const char16_t* text, const char16_t* font, int32_t height, int32_t width, const char16_t* spacing,
            const char16_t* emphasis)
{
    return {S(text), S(font), height, width, S(spacing), S(emphasis)};
}

}  // namespace

TEST(SplitZtSpans, FontsThenSpacingThenEmphasis)
{
    TFontStyle box;
    box.WORD_HEIGHT = 1000;
    box.WORD_WIDTH = 900;
    TFontStyleList attached;
    TFontStyle* song = attached.AddNew();
    song->MARKSTRING = S(u"宋");
    song->WORD_HEIGHT = 800;
    song->WORD_WIDTH = 700;

    const std::vector<TZtSpan> runs = SplitZtSpans(
        u"甲<ZT宋>乙<ZJ3-2>丙<QD點>丁<-QD><-ZJ><-ZT>戊<ZT新>己<-ZT><ZT>庚<-ZT>", box, attached);
    const std::vector<TZtSpan> expected = {
        MakeRun(u"甲", u"", 1000, 900, u"", u""),
        MakeRun(u"乙", u"宋", 800, 700, u"", u""),
        MakeRun(u"丙", u"宋", 800, 700, u"3-2", u""),
        MakeRun(u"丁", u"宋", 800, 700, u"3-2", u"點"),
        MakeRun(u"戊", u"", 1000, 900, u"", u""),
        MakeRun(u"己", u"新", 1000, 900, u"", u""),   // a new attached font copies the box font
        MakeRun(u"庚", u"", 1000, 900, u"", u""),     // an empty font name: the box font
    };
    EXPECT_EQ(runs, expected);
    ASSERT_EQ(attached.Size(), 2);
    EXPECT_EQ(attached.GetAtOrNull(1)->MARKSTRING, S(u"新"));
}

TEST(SplitZtSpans, NoteFlagChoosesTheNoteFontAndTheAttachedNoteFonts)
{
    TFontPair fonts;
    fonts.TEXT_FONT.WORD_HEIGHT = 1000;
    fonts.ZHU_FONT.WORD_HEIGHT = 500;
    TAttachFontGroup attached;
    for (const bool note : {false, true}) {
        const std::vector<TZtSpan> runs = SplitZtSpans(u"甲<ZT宋>乙<-ZT>", note, fonts, attached);
        const int32_t height = note ? 500 : 1000;
        EXPECT_EQ(runs, (std::vector<TZtSpan>{MakeRun(u"甲", u"", height, 0, u"", u""),
                                              MakeRun(u"乙", u"宋", height, 0, u"", u"")}));
    }
    EXPECT_EQ(attached.ATTACH_TEXT_FONT.Size(), 1);
    EXPECT_EQ(attached.ATTACH_ZHU_FONT.Size(), 1);
}

TEST(SplitZjSpans, KeepsTheRunsFontAndCutsSpacingAndEmphasis)
{
    const TZtSpan run = MakeRun(u"甲<ZJ30-15>乙丙<-ZJ>丁<QD點>戊", u"宋", 800, 700, u"", u"");
    const std::vector<TZtSpan> expected = {
        MakeRun(u"甲", u"宋", 800, 700, u"", u""),
        MakeRun(u"乙丙", u"宋", 800, 700, u"30-15", u""),
        MakeRun(u"丁", u"宋", 800, 700, u"", u""),
        MakeRun(u"戊", u"宋", 800, 700, u"", u"點"),
    };
    EXPECT_EQ(SplitZjSpans(run), expected);
}
