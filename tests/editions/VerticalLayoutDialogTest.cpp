// 豎排排印本版式參數, its model and its controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/CDlgSetParaSP.h"
#include "tests/app/FakeDialogs.h"
#include "tests/editions/VerticalFixture.h"

using namespace Qt::StringLiterals;

namespace {

class VerticalLayoutDialogTest : public VerticalTest {
protected:
    void SetUp() override
    {
        VerticalTest::SetUp();
        style = TStyle();  // with the vertical defaults
    }
    static void Type(QDialog& d, const QString& name, const QString& text)
    {
        QLineEdit* edit = Child<QLineEdit>(d, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    TStyle style;
};

// 框寬 50: the side box's width and the cell width of both its texts; the
// new-volume pair shows 新卷另起單數頁 and takes 新卷另起一頁; after 確定
// the page is the text box and the side box side by side.
TEST_F(VerticalLayoutDialogTest, SideWidthAndNewVolume)
{
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), u"豎排排印本版式參數"_s);
        QComboBox* volume = Child<QComboBox>(d, u"newVolume"_s);
        EXPECT_EQ(volume->currentIndex(), 1);
        volume->setCurrentIndex(0);
        emit volume->activated(0);
        Type(d, u"side.width"_s, u"50"_s);
        EXPECT_EQ(Child<QComboBox>(d, u"punct.mode"_s)->itemText(4), u"標點(部分半高)"_s);
        return true;
    });
    const TLayoutDialogResult result = RunVerticalLayoutDialog(style, false, {}, {});
    EXPECT_TRUE(result.accepted && result.changed);
    EXPECT_EQ(style.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(style.SIDE_BOX.BOX_WIDTH, 5000);
    EXPECT_EQ(style.SIDE_BOX.TITLE_FONT.TEXT_FONT.WORD_WIDTH, 5000);
    EXPECT_EQ(style.SIDE_BOX.PAGE_FONT.TEXT_FONT.WORD_WIDTH, 5000);
    EXPECT_EQ(style.pageWidth, 42000 + 5000);
}

// In 標點(部分半高) a change of the punctuation colour alone is a change.
TEST_F(VerticalLayoutDialogTest, PunctuationColourAloneIsAChange)
{
    VerticalLayoutModel model(style, false, {});
    ASSERT_TRUE(model.SetShared(LayoutField::PunctuationColor, int32_t(Rgb(255, 0, 0))));
    EXPECT_TRUE(model.Changed());
}

// With a book open the grid and the pitches close; the blanks stay open,
// and a blank recomputes the pitches without touching the fonts.
TEST_F(VerticalLayoutDialogTest, BlanksStayEditableWithABookOpen)
{
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        EXPECT_FALSE(Child<QLineEdit>(d, u"textBox.width"_s)->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, u"textBox.perLine"_s)->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, u"textBox.top"_s)->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, u"textBox.bottom"_s)->isEnabled());
        EXPECT_EQ(Child<QLabel>(d, u"textBox.textPitch"_s)->text(), u"16.73"_s);
        Type(d, u"textBox.top"_s, u"40"_s);  // (64000 - 4000 - 200) / 38
        EXPECT_EQ(Child<QLabel>(d, u"textBox.textPitch"_s)->text(), u"15.73"_s);
        EXPECT_TRUE(Child<QPushButton>(d, u"apply"_s)->isEnabled());
        return true;
    });
    RunVerticalLayoutDialog(style, true, {}, {});
    EXPECT_EQ(style.TEXT_BOX.size.TOP_SPACE, 4000);
    EXPECT_EQ(style.TEXT_BOX.size.textCharSize, 1573);
    EXPECT_EQ(style.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT, 1673);
}

}  // namespace
