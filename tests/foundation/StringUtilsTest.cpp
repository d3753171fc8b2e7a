#include <gtest/gtest.h>

#include "foundation/text/StringUtils.h"

namespace {

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

}  // namespace

TEST(TrimBlanks, LeadingAndTrailingSetsDiffer)
{
    struct Case { const char16_t* text; const char16_t* leading; const char16_t* trailing; };
    const Case cases[] = {
        {u"\x3000 a", u"a", u"\x3000 a"},
        {u"a\r\n", u"a\r\n", u"a"},
        {u"\ra", u"\ra", u"\ra"},               // CR is not a leading blank
        {u"\t \x3000", u"", u""},
        {u"", u"", u""},
        {u" a b\t\x3000", u"a b\t\x3000", u" a b"},
    };
    for (const Case& c : cases) {
        QString leading = QString::fromUtf16(c.text);
        TrimLeadingBlanks(leading);
        EXPECT_EQ(leading, QString::fromUtf16(c.leading)) << Utf8(QString::fromUtf16(c.text));
        QString trailing = QString::fromUtf16(c.text);
        TrimTrailingBlanks(trailing);
        EXPECT_EQ(trailing, QString::fromUtf16(c.trailing)) << Utf8(QString::fromUtf16(c.text));
    }
}

TEST(SplitByChar, KeepsInnerAndLeadingEmptyPiecesButNotATrailingOne)
{
    struct Case { const char16_t* text; char sep; std::vector<QString> pieces; };
    const Case cases[] = {
        {u"a,,b", ',', {"a", "", "b"}},
        {u",a", ',', {"", "a"}},
        {u"a,b,", ',', {"a", "b"}},
        {u"", ',', {}},
        {u",", ',', {""}},
        {u"abc", '|', {"abc"}},
        {u"1+2+3", '+', {"1", "2", "3"}},
    };
    for (const Case& c : cases) {
        std::vector<QString> pieces{"kept"};
        SplitByChar(QStringView(c.text), c.sep, pieces);
        std::vector<QString> expected{"kept"};
        expected.insert(expected.end(), c.pieces.begin(), c.pieces.end());
        EXPECT_EQ(pieces, expected) << Utf8(QString::fromUtf16(c.text));
    }
}

TEST(ReplaceAllText, ScansLeftToRightWithoutRescanning)
{
    struct Case { const char16_t* text; const char16_t* oldText; const char16_t* newText; const char16_t* expected; };
    const Case cases[] = {
        {u"aaa", u"aa", u"b", u"ba"},
        {u"abab", u"a", u"aa", u"aabaab"},   // replacements are not scanned again
        {u"xyz", u"q", u"r", u"xyz"},
        {u"xyz", u"y", u"y", u"xyz"},
        {u"xyz", u"", u"r", u"xyz"},          // empty old text: a copy, no endless loop
        {u"a-b-", u"-", u"", u"ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAllText(QStringView(c.text), QStringView(c.oldText), QStringView(c.newText)),
                  QString::fromUtf16(c.expected))
            << Utf8(QString::fromUtf16(c.text));
}

TEST(RemoveMarkedSpans, RemovesEachClosedSpanAndCountsThem)
{
    struct Case { const char16_t* text; const char16_t* start; const char16_t* end; const char16_t* expected; int32_t count; };
    const Case cases[] = {
        {u"x[1]y[2]z", u"[", u"]", u"xyz", 2},
        {u"x[1y", u"[", u"]", u"x[1y", 0},
        {u"x]1[y", u"[", u"]", u"x]1[y", 0},
        {u"a[1]b[2", u"[", u"]", u"ab[2", 1},
        {u"a<!--c-->b<!---->", u"<!--", u"-->", u"ab", 2},
        {u"abc", u"", u"", u"abc", 0},        // two empty markers: nothing, no endless loop
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(RemoveMarkedSpans(text, QStringView(c.start), QStringView(c.end)), c.count) << Utf8(QString::fromUtf16(c.text));
        EXPECT_EQ(text, QString::fromUtf16(c.expected));
    }
}

TEST(StripAngleTags, LeavesAnUnclosedBracket)
{
    struct Case { const char16_t* text; const char16_t* expected; };
    const Case cases[] = {
        {u"a<b>c<d", u"ac<d"},
        {u"<TZ1><M=3>x", u"x"},
        {u"a<b<c>d>", u"ad>"},
        {u"a>b", u"a>b"},
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf16(c.text);
        StripAngleTags(text);
        EXPECT_EQ(text, QString::fromUtf16(c.expected)) << Utf8(QString::fromUtf16(c.text));
    }
}

TEST(ChineseNumerals, NumbersDigitsAndSingleDigits)
{
    struct Case { int32_t n; const char16_t* expected; };
    const Case numbers[] = {
        {1, u"一"}, {10, u"十"}, {15, u"十五"}, {20, u"二十"}, {110, u"一百十"}, {1005, u"一千五"},
        {1010, u"一千十"}, {10000, u"一万"}, {10010, u"一万十"}, {120000, u"十二万"},
        {99999999, u"九千九百九十九万九千九百九十九"},
        {0, u""}, {-5, u""}, {100000000, u""},
    };
    for (const Case& c : numbers)
        EXPECT_EQ(NumberToChinese(c.n), QString::fromUtf16(c.expected)) << c.n;

    const Case digits[] = {{1, u"一"}, {9, u"九"}, {0, u""}, {10, u""}};
    for (const Case& c : digits)
        EXPECT_EQ(SingleDigitToChinese(c.n), QString::fromUtf16(c.expected)) << c.n;

    EXPECT_EQ(DigitsToChinese(u"2020"), QString::fromUtf16(u"二○二○"));
    EXPECT_EQ(DigitsToChinese(u"第19a"), QString::fromUtf16(u"第一九a"));
}

// U+20000 is the surrogate pair D840 DC00.
TEST(CodePoints, CountOffsetAndCutCountASurrogatePairOnce)
{
    const char16_t text[] = u"a\xD840\xDC00" u"b";
    EXPECT_EQ(CountCodePoints(text, 4), 3);

    struct CountCase { const char16_t* units; int32_t n; int32_t expected; };
    const CountCase counts[] = {
        {u"a\xD840\xDC00" u"b", 4, 3},
        {u"a\xD840\xDC00" u"b", 2, 2},   // a high surrogate in the last unit counts alone
        {u"\xD840", 1, 1},
        {u"\xDC00\xD840", 2, 2},          // a low surrogate alone is a unit
        {u"", 0, 0},
        {u"ab", -1, 0},
    };
    for (const CountCase& c : counts)
        EXPECT_EQ(CountCodePoints(c.units, c.n), c.expected) << c.n;

    struct OffsetCase { int32_t k; int32_t offset; };
    const OffsetCase offsets[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {9, 4}};
    for (const OffsetCase& c : offsets)
        EXPECT_EQ(CodePointOffset(QStringView(text), c.k), c.offset) << c.k;

    struct MidCase { int32_t start, count; const char16_t* expected; };
    const MidCase mids[] = {
        {1, 1, u"\xD840\xDC00"}, {0, 2, u"a\xD840\xDC00"}, {2, 5, u"b"},
        {1, 0, u""}, {1, -1, u""}, {4, 1, u""},
    };
    for (const MidCase& c : mids)
        EXPECT_EQ(MidByCodePoints(QStringView(text), c.start, c.count), QString::fromUtf16(c.expected))
            << c.start << "," << c.count;

    // A trailing lone high surrogate is a whole code point of its own.
    EXPECT_EQ(MidByCodePoints(u"a\xD840", 1, 1), QString::fromUtf16(u"\xD840"));
}

TEST(FitRectKeepAspect, CentresAtTheLargestSizeAndKeepsTheAreaForEmptySizes)
{
    struct Case { int32_t w, h; WinRect area; WinRect expected; };
    const Case cases[] = {
        {200, 100, {0, 0, 100, 100}, {0, 25, 100, 75}},
        {100, 200, {0, 0, 100, 100}, {25, 0, 75, 100}},
        {50, 50, {10, 20, 110, 220}, {10, 70, 110, 170}},
        {3, 1, {0, 0, 10, 10}, {0, 3, 10, 6}},       // D = 3.33: top 3, height 3
        {0, 100, {1, 2, 3, 4}, {1, 2, 3, 4}},
        {100, -1, {1, 2, 3, 4}, {1, 2, 3, 4}},
        {100, 100, {5, 5, 5, 50}, {5, 5, 5, 50}},    // zero-width area
        {100, 100, {5, 50, 60, 50}, {5, 50, 60, 50}},
    };
    for (const Case& c : cases) {
        const WinRect r = FitRectKeepAspect(c.w, c.h, c.area);
        EXPECT_EQ(r, c.expected) << c.w << "x" << c.h << " -> " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}
