#include <gtest/gtest.h>

#include <limits>

#include "TypesetTestText.h"
#include "support/Editions.h"
#include "typeset/markup/RunAdvance.h"

TEST(ScaleByRatio, ScalesByTheSecondNumberOverTheFirst)
{
    struct Case { int32_t length; const char16_t* spacing; int32_t advance; };
    const Case cases[] = {
        {300, u"", 300},
        {300, u"3-2", 200},
        {300, u"30-15", 150},
        {100, u"7-2", 28},       // truncated
        {-100, u"3-2", -66},     // toward zero
        {300, u"2-3", 450},
        // A room of no cells or fewer is one cell.
        {300, u"3-", 100},
        {300, u"3-0", 100},
        {300, u"3--2", 100},
        {300, u"3-2x", 200},     // numbers are read like atoi
        // No "-" after the first character, or no positive divisor: unscaled.
        {300, u"-5", 300},
        {300, u"5", 300},
        {300, u"0-2", 300},
        {300, u"-3-2", 300},
        {300, u"x-2", 300},
        // The product is taken in 64 bits; the result is held to int32.
        {100000, u"100000-100000", 100000},
        {2000000000, u"1-2", std::numeric_limits<int32_t>::max()},
        {-2000000000, u"1-2", std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleByRatio(c.length, c.spacing), c.advance) << c.length << " " << S(c.spacing).toStdString();
}

class ScaleByRatioTextTest : public EditionTest {};

TEST_P(ScaleByRatioTextTest, ScalesTheLengthAlongTheLine)
{
    TZtSpan run;
    run.charHeight = 300;
    run.charWidth = 200;
    run.spacing = S(u"3-2");
    const int32_t expected = GetParam() == EditionKind::Horizontal ? 133 : 200;
    EXPECT_EQ(ScaleByRatioText(run), expected);
    run.spacing.clear();
    EXPECT_EQ(ScaleByRatioText(run), GetParam() == EditionKind::Horizontal ? 200 : 300);
}

VELLUMOR_ALL_EDITIONS(ScaleByRatioTextTest);
