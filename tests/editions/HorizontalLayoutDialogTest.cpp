// 橫排排印本版式參數 driven through its controls offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/CDlgSetParaHP.h"
#include "tests/app/FakeDialogs.h"
#include "tests/editions/HorizontalFixture.h"

using namespace Qt::StringLiterals;

namespace {

class HorizontalLayoutDialogTest : public HorizontalTest {
protected:
    void SetUp() override
    {
        HorizontalTest::SetUp();
        style = TStyle();
    }
    static void Type(QDialog& d, const QString& name, const QString& text)
    {
        QLineEdit* edit = Child<QLineEdit>(d, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    TStyle style;
};

// 頁眉框高 20 with the title at the header's sides; 左邊空白 12 shows the
// advance 16.86; 確定 writes the style and its page.
TEST_F(HorizontalLayoutDialogTest, EditsShowAndConfirm)
{
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), u"橫排排印本版式參數"_s);
        QComboBox* title = Child<QComboBox>(d, u"bar.titlePos"_s);
        EXPECT_EQ(title->count(), 5);
        EXPECT_EQ(title->currentIndex(), TBarPosType::TYPE_HEAD_MID);
        title->setCurrentIndex(TBarPosType::TYPE_HEAD_SIDE);
        emit title->activated(TBarPosType::TYPE_HEAD_SIDE);
        Type(d, u"bar.headHeight"_s, u"20"_s);
        EXPECT_EQ(Child<QLabel>(d, u"textBox.textAdvance"_s)->text(), u"17.2"_s);
        Type(d, u"textBox.left"_s, u"12"_s);
        EXPECT_EQ(Child<QLabel>(d, u"textBox.textAdvance"_s)->text(), u"16.86"_s);
        Child<QCheckBox>(d, u"bar.footLine"_s)->click();
        EXPECT_TRUE(Child<QPushButton>(d, u"apply"_s)->isEnabled());
        return true;
    });
    const TLayoutDialogResult result = RunHorizontalLayoutDialog(style, false, {}, {});
    EXPECT_TRUE(result.accepted);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(style.PAGE_BAR.TITLE_POS_TYPE, TBarPosType::TYPE_HEAD_SIDE);
    EXPECT_EQ(style.PAGE_BAR.HEAD_HEIGHT, 2000);
    EXPECT_EQ(style.PAGE_BAR.TITLE_FONT.TEXT_FONT.WORD_HEIGHT, 2000);
    EXPECT_EQ(style.PAGE_BAR.PAGE_FONT.TEXT_FONT.WORD_HEIGHT, 2000);  // the number is in the header too
    EXPECT_TRUE(style.PAGE_BAR.SHOW_FOOT_LINE);
    EXPECT_EQ(style.TEXT_BOX.size.LEFT_SPACE, 1200);
    EXPECT_EQ(style.pageHeight, 74000 + 2000);
}

// With a book open the grid is closed but the blanks and the line counts
// are not; 取消 writes nothing.
TEST_F(HorizontalLayoutDialogTest, BookOpenAndCancel)
{
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        EXPECT_FALSE(Child<QLineEdit>(d, u"textBox.width"_s)->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, u"textBox.perLine"_s)->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, u"textBox.left"_s)->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, u"textBox.wordLines"_s)->isEnabled());
        Type(d, u"textBox.wordLines"_s, u"20"_s);
        EXPECT_EQ(Child<QLabel>(d, u"textBox.wordLineHeight"_s)->text(), u"37"_s);
        return false;
    });
    const TLayoutDialogResult result = RunHorizontalLayoutDialog(style, true, {}, {});
    EXPECT_FALSE(result.accepted);
    EXPECT_FALSE(LayoutNeedsSaving(result));
    EXPECT_EQ(style.TEXT_BOX.size.WORD_LINES, 28);
}

}  // namespace
