// The horizontal layout dialog's rules, without widgets.
#include <gtest/gtest.h>

#include "app/dialogs/HorizontalLayoutModel.h"
#include "tests/editions/HorizontalFixture.h"

namespace {

class HorizontalLayoutModelTest : public HorizontalTest {
protected:
    void SetUp() override
    {
        HorizontalTest::SetUp();
        style = TStyle();  // with the horizontal defaults
    }
    TStyle style;
};

// 頁眉框高 20 with the title at the header's sides: 2000 as the header's
// height and the title font's cell height; the page number, in the
// footer, keeps its font.
TEST_F(HorizontalLayoutModelTest, BandHeightFollowsIntoTheFontsOfTheBand)
{
    style.PAGE_BAR.PAGE_POS_TYPE = TBarPosType::TYPE_FOOT_SIDE;
    HorizontalLayoutModel model(style, false, {});
    ASSERT_TRUE(model.Set(HorizontalField::TitlePos, TBarPosType::TYPE_HEAD_SIDE));
    EXPECT_EQ(model.Work().PAGE_BAR.TITLE_FONT.TEXT_FONT.WORD_HEIGHT, 4000);  // a position changes no font
    ASSERT_TRUE(model.Set(HorizontalField::HeadHeight, 2000));
    EXPECT_EQ(model.Work().PAGE_BAR.HEAD_HEIGHT, 2000);
    EXPECT_EQ(model.Work().PAGE_BAR.TITLE_FONT.TEXT_FONT.WORD_HEIGHT, 2000);
    EXPECT_EQ(model.Work().PAGE_BAR.PAGE_FONT.TEXT_FONT.WORD_HEIGHT, 4000);
    ASSERT_TRUE(model.Set(HorizontalField::FootHeight, 3000));
    EXPECT_EQ(model.Work().PAGE_BAR.PAGE_FONT.TEXT_FONT.WORD_HEIGHT, 3000);
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(style.PAGE_BAR.HEAD_HEIGHT, 4000);  // nothing written yet
}

// 左邊空白 2 → 12 on a 520-wide box of 30 a line: (52000 - 1200 - 200) / 30.
TEST_F(HorizontalLayoutModelTest, ShownValues)
{
    HorizontalLayoutModel model(style, false, {});
    EXPECT_DOUBLE_EQ(model.ShownTextAdvance(), 17.2);
    ASSERT_TRUE(model.Set(HorizontalField::LeftSpace, 1200));
    EXPECT_DOUBLE_EQ(model.ShownTextAdvance(), 16.86);
    EXPECT_DOUBLE_EQ(model.ShownNoteAdvance(), 15.81);     // 50600 / 32
    EXPECT_DOUBLE_EQ(model.ShownWordLineHeight(), 26.42);  // 74000 / 28
    EXPECT_DOUBLE_EQ(model.ShownZhuLineHeight(), 24.66);   // 74000 / 30
}

// Counts are refused below 1; one of 0 read from a file shows 0.
TEST_F(HorizontalLayoutModelTest, ZeroCountsNeitherTakenNorDivided)
{
    style.TEXT_BOX.size.WORD_LINES = 0;
    style.TEXT_BOX.size.TEXT_PER_LINE = 0;
    HorizontalLayoutModel model(style, false, {});
    EXPECT_DOUBLE_EQ(model.ShownWordLineHeight(), 0.0);
    EXPECT_DOUBLE_EQ(model.ShownTextAdvance(), 0.0);
    for (const HorizontalField field : {HorizontalField::WordLines, HorizontalField::ZhuLines,
                                        HorizontalField::TextPerLine, HorizontalField::ZhuPerLine})
        EXPECT_FALSE(model.Set(field, 0));
    EXPECT_FALSE(model.Set(HorizontalField::PagePos, 5));
    EXPECT_FALSE(model.Changed());
}

// With a book open the box's grid is closed, the blanks and the line
// counts stay editable.
TEST_F(HorizontalLayoutModelTest, LineCountsStayEditableWithABookOpen)
{
    HorizontalLayoutModel model(style, true, {});
    EXPECT_FALSE(model.BoxGridEnabled());
    EXPECT_TRUE(model.Set(HorizontalField::WordLines, 20));
    EXPECT_TRUE(model.Changed());
}

// Apply writes the box, the bar and the new-volume rule, and the page is
// the box between the bands; afterwards nothing differs.
TEST_F(HorizontalLayoutModelTest, ApplyWritesTheBarAndThePageSize)
{
    HorizontalLayoutModel model(style, false, {});
    int refreshed = 0;
    model.SetRefresh([&] { ++refreshed; });
    ASSERT_TRUE(model.Set(HorizontalField::ShowFootLine, 1));
    ASSERT_TRUE(model.SetNewVolume(TNewVolumePageType::NEXT_PAGE));
    ASSERT_TRUE(model.Set(HorizontalField::RightSpace, 600));
    model.Apply();
    EXPECT_TRUE(model.AppliedOnce());
    EXPECT_EQ(refreshed, 1);
    EXPECT_TRUE(style.PAGE_BAR.SHOW_FOOT_LINE);
    EXPECT_EQ(style.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(style.TEXT_BOX.size.RIGHT_SPACE, 600);
    EXPECT_EQ(style.TEXT_BOX.size.textCharSize, (52000 - 200 - 600) / 30);
    EXPECT_EQ(style.pageWidth, 52000);
    EXPECT_EQ(style.pageHeight, 78000);
    EXPECT_FALSE(model.Changed());

    ASSERT_TRUE(model.Set(HorizontalField::FootHeight, 2500));
    model.Confirm();
    EXPECT_EQ(style.pageHeight, 80500);
}

// Shared controls go through the woodblock model and count as changes.
TEST_F(HorizontalLayoutModelTest, SharedEditsAreChanges)
{
    HorizontalLayoutModel model(style, false, {});
    ASSERT_TRUE(model.SetShared(LayoutField::ShowStamp, 0));
    EXPECT_TRUE(model.Changed());
    ASSERT_TRUE(model.SetShared(LayoutField::ShowStamp, 1));
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(HorizontalPunctuationLabels().value(4), QStringLiteral("標點(部分半寬)"));
    EXPECT_EQ(BarPositionLabels().value(2), QStringLiteral("頁眉，兩邊"));
}

}  // namespace
