#include <gtest/gtest.h>

#include "platform/TextNumbers.h"
#include "platform/WinTypes.h"

TEST(MulDiv, RoundsHalfAwayFromZeroWithWideIntermediate)
{
    struct Case { int32_t a, b, c, expected; };
    const Case cases[] = {
        {10, 1, 4, 3},          // 2.5 -> 3
        {-10, 1, 4, -3},        // -2.5 -> -3
        {9, 1, 4, 2},           // 2.25 -> 2
        {1200, 72, 96, 900},    // font size in points
        {2000000000, 3, 4, 1500000000},  // product beyond 32 bits
        {5, 7, 0, -1},          // zero divisor
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ParseIntLikeAtoi, ReadsLeadingDigitsOnly)
{
    struct Case { const char16_t* text; int32_t expected; };
    const Case cases[] = {
        {u"12abc", 12}, {u"abc", 0}, {u"", 0}, {u"  -45", -45}, {u"+7,", 7},
        {u"\t\n3", 3}, {u"- 3", 0}, {u"00032", 32}, {u"4294967296", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIntLikeAtoi(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(ColorRef, StoresRedInTheLowByte)
{
    const ColorRef c = Rgb(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x00563412u);
    EXPECT_EQ(ToQColor(c), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), c);
}

TEST(WinRect, ConvertsWithExclusiveEdges)
{
    const WinRect r{10, 20, 110, 70};
    EXPECT_EQ(r.ToQRect(), QRect(10, 20, 100, 50));
    EXPECT_EQ(WinRect::FromQRect(r.ToQRect()), r);
}
