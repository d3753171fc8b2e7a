#include <gtest/gtest.h>

#include "foundation/text/TagUtils.h"

namespace {

QString S(const char16_t* text)
{
    return QString::fromUtf16(text);
}

}  // namespace

TEST(IsLayoutTag, TruthTable)
{
    struct Case { const char16_t* tag; bool layout; bool closingOrParam; };
    const Case cases[] = {
        {u"TZ12", true, false},  {u"JM卷一", true, false}, {u"|", true, false},
        {u"ZW", true, false},    {u"L", true, false},      {u"R", true, false},
        {u"FM", true, false},    {u"HH", true, false},     {u"QD3", true, false},
        {u"XBK", true, false},   {u"ABKC", true, false},
        {u"P=3", true, true},    {u"V=", true, true},      {u"-QD", true, true},
        {u"-P", true, true},     {u"+TS", true, true},
        {u"BK", false, false},   // "BK" counts only from the second character on
        {u"A", false, false},    {u"P", false, false},     {u"XY", false, false},
        {u"ZWX", false, false},  {u"LR", false, false},    {u"-X", false, false},
        {u"-PX", false, false},  {u"-TZ", false, false},   {u"tz1", false, false},
        {u"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLayoutTag(QStringView(c.tag)), c.layout) << S(c.tag).toStdString();
        EXPECT_EQ(IsClosingOrParamTag(QStringView(c.tag)), c.closingOrParam) << S(c.tag).toStdString();
    }
}

TEST(ExtractBetweenMarkers, TakesTheFirstEndAfterTheFirstStart)
{
    struct Case { const char16_t* text; const char16_t* expected; };
    const Case cases[] = {
        {u"x<HEAD>a,b</HEAD>y", u"a,b"},
        {u"</HEAD>ab<HEAD>cd", u""},            // the end marker only before the start marker
        {u"<HEAD>a</HEAD>b</HEAD>", u"a"},
        {u"<HEAD></HEAD>", u""},
        {u"ab</HEAD>", u""},
        {u"<HEAD>ab", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtractBetweenMarkers(u"<HEAD>", QStringView(c.text), u"</HEAD>"), S(c.expected))
            << S(c.text).toStdString();
    // The end marker is looked for after the whole start marker.
    EXPECT_EQ(ExtractBetweenMarkers(u"<A>", u"<A>", u"A>"), QString());
}

TEST(GetTagValue, ReadsTheFirstTagOfTheName)
{
    struct Case { const char16_t* line; const char16_t* name; const char16_t* expected; };
    const Case cases[] = {
        {u"x<JM卷一>y", u"JM", u"卷一"},
        {u"a>b<BT題><BT二>", u"BT", u"題"},
        {u"<jm卷一>", u"JM", u""},              // case-sensitive
        {u"<JM卷一", u"JM", u""},
        {u"<BT題>", u"JM", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetTagValue(QStringView(c.line), QStringView(c.name)), S(c.expected)) << S(c.line).toStdString();

    EXPECT_EQ(GetVolumeNameTag(u"<BT題><JM卷一>"), S(u"卷一"));
    EXPECT_EQ(GetTitleTag(u"<BT題><JM卷一>"), S(u"題"));

    struct DiffCase { const char16_t* a; const char16_t* b; bool differs; };
    const DiffCase diffs[] = {
        {u"<JM一>", u"x<JM一>", false}, {u"<JM一>", u"", true}, {u"<JM>", u"", false}, {u"<JM一>", u"<JM二>", true},
    };
    for (const DiffCase& c : diffs)
        EXPECT_EQ(TagValueDiffers(QStringView(c.a), QStringView(c.b), u"JM"), c.differs) << S(c.a).toStdString();
}

TEST(CountDisplayChars, GlyphTagsCountOneOtherTagsNothing)
{
    struct Case { const char16_t* line; int32_t count; };
    const Case cases[] = {
        {u"a<TZ1>b<M=3>c<TZ2>", 5},
        {u"\xD840\xDC00<TZ9>", 2},      // a surrogate pair counts once
        {u"<B>x<TZ>", 2},
        {u"a<TZ1", 5},                  // an unclosed glyph tag is plain text
        {u"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountDisplayChars(QStringView(c.line)), c.count) << S(c.line).toStdString();
}

TEST(CharAtSkippingTags, StepsByCodePointsAndTags)
{
    const char16_t* line = u"a<BT題>\xD840\xDC00<TZ1>b";
    struct Case { int32_t k; const char16_t* anyTag; const char16_t* glyphTag; };
    const Case cases[] = {
        {0, u"a", u"a"},
        {1, u"<BT題>", u"<"},
        {2, u"\xD840\xDC00", u"B"},
        {3, u"<TZ1>", u"T"},
        {4, u"b", u"題"},
        {5, u"", u">"},
        {6, u"", u"\xD840\xDC00"},
        {7, u"", u"<TZ1>"},
        {8, u"", u"b"},
        {9, u"", u""},
        {-1, u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharAtSkippingTags(c.k, QStringView(line)), S(c.anyTag)) << c.k;
        EXPECT_EQ(CharAtSkippingGlyphTags(c.k, QStringView(line)), S(c.glyphTag)) << c.k;
    }

    // A "<" that no ">" closes is one element, also when the search for the
    // ">" would start past the end; the ">" search starts three units on.
    struct Unclosed { const char16_t* line; int32_t k; const char16_t* element; };
    const Unclosed unclosed[] = {
        {u"a<b", 1, u"<"}, {u"a<b", 2, u"b"}, {u"x<>", 1, u"<"}, {u"x<>", 2, u">"},
        {u"<>x>", 0, u"<>x>"}, {u"<TZ", 0, u"<"},
    };
    for (const Unclosed& c : unclosed)
        EXPECT_EQ(CharAtSkippingTags(c.k, QStringView(c.line)), S(c.element)) << S(c.line).toStdString();
    EXPECT_EQ(CharAtSkippingGlyphTags(0, u"<TZ"), S(u"<"));
    EXPECT_EQ(CharAtSkippingGlyphTags(1, u"<TZ"), S(u"T"));
}

TEST(KeepTitleTags, KeepsTitleAndGlyphTagsAndCountsGlyphTagsByUnits)
{
    struct Case { const char16_t* line; const char16_t* kept; int32_t length; };
    const Case cases[] = {
        {u"\x3000<JM卷一><BT題>文<M=3>字<TZ12> ", u"<JM卷一><BT題>文字<TZ12>", 19},
        {u"<BT\xD840\xDC00>", u"<BT\xD840\xDC00>", 5},   // a pair outside <TZ…> counts once
        {u"<TZ\xD840\xDC00>", u"<TZ\xD840\xDC00>", 6},   // inside <TZ…> by its units
        {u"<M=1> a\r\n", u"a", 1},
        {u"a<M=1>b<c", u"ab<c", 4},                       // an unclosed "<" stays as text
        {u"<<<", u"<<<", 3},
        {u"", u"", 0},
    };
    for (const Case& c : cases) {
        QString line = S(c.line);
        EXPECT_EQ(KeepTitleTags(line), c.length) << S(c.line).toStdString();
        EXPECT_EQ(line, S(c.kept)) << S(c.line).toStdString();
    }
}
