#include <gtest/gtest.h>

#include <set>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/controls/EditEx.h"
#include "app/dialogs/CDlgFont.h"
#include "app/dialogs/FontFaces.h"
#include "app/dialogs/MDlgFont.h"
#include "FakeDialogs.h"
#include "foundation/FoundationGlobals.h"

#include "support/Editions.h"

using namespace Qt::StringLiterals;

namespace {

QRadioButton* Align(QWidget& dialog, int i) { return Child<QRadioButton>(dialog, u"align%1"_s.arg(i)); }

TEST(MDlgFontTest, DoubleLineOffMovesCloseToMidAndOnDoesNotRestoreIt)
{
    TFontStyle font;
    font.DOUBLE_LINE = true;
    font.ALIGN = FontAlign::CLOSE;
    MDlgFont dialog(font, {});
    QCheckBox* doubleLine = Child<QCheckBox>(dialog, u"doubleLine"_s);
    doubleLine->click();
    EXPECT_EQ(dialog.Values().ALIGN, FontAlign::MID);
    EXPECT_TRUE(Align(dialog, FontAlign::MID)->isChecked());
    EXPECT_FALSE(Align(dialog, FontAlign::CLOSE)->isEnabled());
    doubleLine->click();
    EXPECT_TRUE(Align(dialog, FontAlign::CLOSE)->isEnabled());
    EXPECT_EQ(dialog.Values().ALIGN, FontAlign::MID);
}

TEST(MDlgFontTest, CloseStaysEnabledAtOpeningWithoutDoubleLine)
{
    TFontStyle font;
    font.DOUBLE_LINE = false;
    MDlgFont dialog(font, {});
    EXPECT_TRUE(Align(dialog, FontAlign::CLOSE)->isEnabled());
}

TEST(MDlgFontTest, MoveEnablesTheMoveEditAndLeftDisablesIt)
{
    MDlgFont dialog(TFontStyle(), {});
    QLineEdit* move = Child<QLineEdit>(dialog, u"move"_s);
    EXPECT_FALSE(move->isEnabled());
    Align(dialog, FontAlign::MOVE)->click();
    EXPECT_TRUE(move->isEnabled());
    Align(dialog, FontAlign::LEFT)->click();
    EXPECT_FALSE(move->isEnabled());
}

TEST(MDlgFontTest, FlagsDisableTheirControls)
{
    struct Case {
        FontStyleDialogFlags flags;
        bool size, wordHeight, wordWidth, doubleLine;
    };
    const Case cases[] = {
        {{true, false, true, true}, true, true, false, true},
        {{false, true, false, true}, true, false, true, false},
        {{true, true, true, false}, false, true, true, true},
        {{false, false, false, false}, false, false, false, false},
    };
    for (const Case& c : cases) {
        MDlgFont dialog(TFontStyle(), c.flags);
        EXPECT_EQ(Child<QLineEdit>(dialog, u"size"_s)->isEnabled(), c.size);
        EXPECT_EQ(Child<QLineEdit>(dialog, u"width"_s)->isEnabled(), c.size);
        EXPECT_EQ(Child<QLineEdit>(dialog, u"wordHeight"_s)->isEnabled(), c.wordHeight);
        EXPECT_EQ(Child<QLineEdit>(dialog, u"wordWidth"_s)->isEnabled(), c.wordWidth);
        EXPECT_EQ(Child<QCheckBox>(dialog, u"doubleLine"_s)->isEnabled(), c.doubleLine);
    }
}

TEST(MDlgFontTest, TypedValuesAreStoredInHundredthsWithoutReformatting)
{
    MDlgFont dialog(TFontStyle(), {});
    QLineEdit* size = Child<QLineEdit>(dialog, u"size"_s);
    size->clear();
    QTest::keyClicks(size, u"12.345"_s);
    EXPECT_EQ(dialog.Values().SIZE, 1235);
    EXPECT_EQ(size->text(), u"12.345"_s);
    QTest::keyClicks(size, u"x"_s);  // does not parse: the value stays
    EXPECT_EQ(dialog.Values().SIZE, 1235);
}

TEST(MDlgFontTest, UnlistedFaceIsShownAndKept)
{
    TFontStyle font;
    font.NAME = u"宋体"_s;
    MDlgFont dialog(font, {});
    EXPECT_EQ(Child<QComboBox>(dialog, u"face"_s)->currentText(), u"宋体"_s);
    dialog.accept();
    EXPECT_EQ(dialog.Values().NAME, u"宋体"_s);
}

TEST(MDlgFontTest, LabelsFollowTheEdition)
{
    MDlgFontLabels labels{u"靠上"_s, u"靠下"_s, u"行距"_s, u"字距"_s};
    MDlgFont dialog(TFontStyle(), {}, labels);
    EXPECT_EQ(Align(dialog, 0)->text(), u"靠上"_s);
    EXPECT_EQ(Align(dialog, 2)->text(), u"靠下"_s);
    EXPECT_EQ(Child<QLabel>(dialog, u"wordHeightLabel"_s)->text(), u"行距"_s);
    EXPECT_EQ(Child<QLabel>(dialog, u"wordWidthLabel"_s)->text(), u"字距"_s);
}

// The horizontal program opens the layout font dialog with its own words.
TEST(MDlgFontTest, TheHorizontalProgramSpeaksOfTopAndBottom)
{
    const Edition* previous = InstallEdition(&EditionFor(EditionKind::Horizontal));
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        EXPECT_EQ(Align(d, 0)->text(), u"靠上"_s);
        EXPECT_EQ(Align(d, 2)->text(), u"靠下"_s);
        EXPECT_EQ(Child<QLabel>(d, u"wordHeightLabel"_s)->text(), u"行高"_s);
        EXPECT_EQ(Child<QLabel>(d, u"wordWidthLabel"_s)->text(), u"間距"_s);
        return false;
    });
    TFontStyle font;
    EXPECT_FALSE(EditFontStyle(font, true, true, true));
    EXPECT_EQ(fake.RunCount(), 1);
    InstallEdition(previous);
}

TEST(CDlgFontTest, SizesOutsideEightToSeventyTwoAreIgnored)
{
    TFontAndColor font;
    font.size = 12;
    CDlgFont dialog(font);
    QComboBox* size = Child<QComboBox>(dialog, u"size"_s);
    for (const QString& typed : {u"7"_s, u"73"_s, u"abc"_s}) {
        size->lineEdit()->clear();
        QTest::keyClicks(size->lineEdit(), typed);
        EXPECT_EQ(dialog.Values().size, 12) << typed.toStdString();
    }
    size->lineEdit()->clear();
    QTest::keyClicks(size->lineEdit(), u"72"_s);
    EXPECT_EQ(dialog.Values().size, 72);
    size->insertItem(0, u"7"_s);
    emit size->activated(0);  // a picked 7 is ignored as well
    EXPECT_EQ(dialog.Values().size, 72);
    emit size->activated(size->findText(u"36"_s));
    EXPECT_EQ(dialog.Values().size, 36);
}

TEST(CDlgFontTest, SystemColourHidesTheBackgroundPickAndWhitens)
{
    TFontAndColor font;
    font.SYS_BKCOLOR = 0;
    font.backColor = 0x00FF00;
    CDlgFont dialog(font);
    QWidget* pick = Child<QWidget>(dialog, u"backColorPick"_s);
    EXPECT_FALSE(pick->isHidden());
    Child<QCheckBox>(dialog, u"systemColor"_s)->click();
    EXPECT_TRUE(pick->isHidden());
    EXPECT_EQ(dialog.Values().backColor, 0xFFFFFFu);
    EXPECT_EQ(dialog.Values().SYS_BKCOLOR, 1);
}

// The sample is the coloured edit box and shows the chosen colours.
TEST(CDlgFontTest, TheSampleBoxShowsTheColours)
{
    TFontAndColor font;
    font.SYS_BKCOLOR = 0;
    font.textColor = 0x0000FF;
    font.backColor = 0x00FF00;
    CDlgFont dialog(font);
    auto* sample = Child<CEditEx>(dialog, u"sample"_s);
    EXPECT_EQ(sample->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(sample->palette().color(QPalette::Base), QColor(Qt::green));
}

TEST(CDlgFontTest, ListedFaceKeepsItsStoredScriptAtOpening)
{
    const QStringList faces = FontFaceNames();
    ASSERT_FALSE(faces.isEmpty());
    TFontAndColor font;
    font.face = faces.front();
    const std::vector<uint8_t> charsets = FaceCharsets(font.face);
    if (charsets.empty())
        GTEST_SKIP() << "the first face has no script with a character set";
    font.charset = charsets.back();
    CDlgFont dialog(font);
    EXPECT_EQ(dialog.Values().charset, charsets.back());
    FakeDialogs fake;
    fake.OnRun([](QDialog&) { return true; });
    EXPECT_FALSE(EditFontColor(font));  // confirmed unchanged: no change

    QComboBox* face = Child<QComboBox>(dialog, u"face"_s);
    face->setCurrentIndex(0);
    emit face->activated(0);  // chosen again: its first script
    EXPECT_EQ(dialog.Values().charset, charsets.front());
}

TEST(FontFacesTest, EachFamilyOnceWithHanaMinB)
{
    const QStringList faces = FontFaceNames();
    EXPECT_EQ(std::set<QString>(faces.begin(), faces.end()).size(), size_t(faces.size()));
    if (!QFontDatabase::families().contains(u"HanaMinB"_s))
        GTEST_SKIP() << "fonts-hanazono is not installed";
    EXPECT_TRUE(faces.contains(u"HanaMinB"_s));
    EXPECT_TRUE(faces.contains(u"HanaMinA"_s));
}

TEST(FontFacesTest, CharsetNamesKeepTheirSpelling)
{
    EXPECT_EQ(CharsetName(163), u"Vietamese"_s);
    EXPECT_EQ(CharsetName(136), u"Chinese Big5"_s);
    EXPECT_EQ(CharsetName(3), QString());
}

// Which edit operations report "confirmed" and which "changed".
TEST(FontDialogHooksTest, ConfirmedAgainstChangedReturnTable)
{
    const auto accept = [](QDialog&) { return true; };
    const auto reject = [](QDialog&) { return false; };
    const auto pickHanaMinB = [](QDialog& d) {
        Child<QComboBox>(d, u"face"_s)->setEditText(u"HanaMinB"_s);
        return true;
    };
    const auto bigger = [](QDialog& d) {
        QLineEdit* size = Child<QComboBox>(d, u"size"_s)->lineEdit();
        size->clear();
        QTest::keyClicks(size, u"20"_s);
        return true;
    };
    struct Case {
        const char* what;
        FakeDialogs::Handler run;
        std::function<bool()> edit;
        bool expected;
    };
    TFontStyle style;
    TFontAndColor editor;
    const Case cases[] = {
        {"EditFontStyle confirmed, unchanged", accept, [&] { return EditFontStyle(style, true, true, false); }, true},
        {"EditFontStyle cancelled", reject, [&] { return EditFontStyle(style, true, true, false); }, false},
        {"EditFontColor confirmed, unchanged", accept, [&] { return EditFontColor(editor); }, false},
        {"EditFontColor confirmed, changed", bigger, [&] { return EditFontColor(editor); }, true},
        {"EditFontColor cancelled", reject, [&] { return EditFontColor(editor); }, false},
        {"EditFontStyle HanaMinB", pickHanaMinB, [&] { return EditFontStyle(style, true, true, false); }, true},
    };
    for (const Case& c : cases) {
        FakeDialogs fake;
        fake.OnRun(c.run);
        EXPECT_EQ(c.edit(), c.expected) << c.what;
        EXPECT_EQ(fake.RunCount(), 1) << c.what;
    }
    EXPECT_EQ(editor.size, 20);
    EXPECT_EQ(style.NAME, u"HanaMinA"_s);
}

}  // namespace
