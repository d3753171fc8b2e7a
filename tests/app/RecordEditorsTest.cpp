#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/CDlgQuanDian.h"
#include "app/dialogs/CDlgSelGround.h"
#include "app/dialogs/CDlgSetCircle.h"
#include "app/dialogs/SheetAndCoverEdits.h"
#include "FakeDialogs.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/SpecialFormatDialogs.h"

using namespace Qt::StringLiterals;

namespace {

TQuanDian ThreeMarks()
{
    TQuanDian set;
    set.QD_MARK = u"qd"_s;
    const char16_t marks[] = {u'○', u'◎', u'●'};
    for (int i = 0; i < 3; ++i) {
        TQdChar* mark = AddQdChar(set);
        mark->QD_CHAR = marks[i];
        mark->X_MOVE = 100 * (i + 1);
        mark->font.SIZE = 1000 + i;
    }
    return set;
}

QLineEdit* MarkEdit(QWidget& d, int row) { return Child<QLineEdit>(d, u"mark%1"_s.arg(row)); }

TEST(CDlgQuanDianTest, RemovingMarkOneShiftsTheRowsUp)
{
    CDlgQuanDian dialog(ThreeMarks());
    Child<QPushButton>(dialog, u"remove1"_s)->click();
    ASSERT_EQ(dialog.Values().marks.Size(), 2);
    EXPECT_EQ(MarkEdit(dialog, 1)->text(), u"◎"_s);
    EXPECT_EQ(MarkEdit(dialog, 2)->text(), u"●"_s);
    EXPECT_EQ(Child<QLineEdit>(dialog, u"xMove1"_s)->text(), u"2"_s);
    EXPECT_TRUE(MarkEdit(dialog, 3)->isHidden());
    EXPECT_TRUE(Child<QPushButton>(dialog, u"remove3"_s)->isHidden());
    EXPECT_FALSE(MarkEdit(dialog, 2)->isHidden());
}

TEST(CDlgQuanDianTest, AddTakesTheSelectedSymbolAndRowOnesFont)
{
    TQuanDian one = ThreeMarks();
    one.marks.RemoveAt(2);
    one.marks.RemoveAt(1);
    CDlgQuanDian dialog(one);
    EXPECT_TRUE(MarkEdit(dialog, 2)->isHidden());
    auto* symbols = Child<QListWidget>(dialog, u"symbols"_s);
    QPushButton* add = Child<QPushButton>(dialog, u"add"_s);
    add->click();  // nothing selected: nothing added
    EXPECT_EQ(dialog.Values().marks.Size(), 1);
    symbols->setCurrentRow(3);
    add->click();
    ASSERT_EQ(dialog.Values().marks.Size(), 2);
    EXPECT_EQ(dialog.Values().marks[1].QD_CHAR, u'✔');
    EXPECT_EQ(dialog.Values().marks[1].font.SIZE, 1000);
    EXPECT_FALSE(MarkEdit(dialog, 2)->isHidden());
    add->click();
    add->click();  // three marks: nothing more
    EXPECT_EQ(dialog.Values().marks.Size(), 3);
}

TEST(CDlgQuanDianTest, EmptyListShowsAnEmptyFirstRow)
{
    CDlgQuanDian dialog{TQuanDian()};
    EXPECT_FALSE(MarkEdit(dialog, 1)->isHidden());
    EXPECT_TRUE(Child<QPushButton>(dialog, u"remove1"_s)->isHidden());
    EXPECT_TRUE(MarkEdit(dialog, 2)->isHidden());
    Child<QPushButton>(dialog, u"remove1"_s)->click();
    EXPECT_EQ(dialog.Values().marks.Size(), 0);
}

TEST(CDlgQuanDianTest, ConfirmTakesTheRowsAndKeepsAMarkWhoseEditIsEmpty)
{
    CDlgQuanDian dialog(ThreeMarks());
    MarkEdit(dialog, 1)->clear();
    MarkEdit(dialog, 2)->setText(u"☉"_s);
    QLineEdit* y3 = Child<QLineEdit>(dialog, u"yMove3"_s);
    y3->clear();
    QTest::keyClicks(y3, u"1.5"_s);
    Child<QPushButton>(dialog, u"remove1"_s)->click();  // typed values survive the shift
    dialog.accept();
    ASSERT_EQ(dialog.Values().marks.Size(), 2);
    EXPECT_EQ(dialog.Values().marks[0].QD_CHAR, u'☉');
    EXPECT_EQ(dialog.Values().marks[1].Y_MOVE, 150);
    CDlgQuanDian again(ThreeMarks());
    MarkEdit(again, 1)->clear();
    again.accept();
    EXPECT_EQ(again.Values().marks[0].QD_CHAR, u'○');
}

TEST(CDlgSetCircleTest, UseTextFontTogglesTheFontButton)
{
    TCirclePara circle;
    circle.USE_TEXT_FONT = true;
    CDlgSetCircle dialog(circle);
    QPushButton* font = Child<QPushButton>(dialog, u"font"_s);
    EXPECT_TRUE(font->isEnabled());  // opens enabled whatever the flag
    QCheckBox* use = Child<QCheckBox>(dialog, u"useTextFont"_s);
    use->click();
    EXPECT_TRUE(font->isEnabled());
    use->click();
    EXPECT_FALSE(font->isEnabled());
}

TEST(RecordEditorsTest, ConfirmedAgainstChangedReturnTable)
{
    const auto accept = [](QDialog&) { return true; };
    const auto reject = [](QDialog&) { return false; };
    const auto widerLine = [](QDialog& d) {
        QLineEdit* width = Child<QLineEdit>(d, u"lineWidth"_s);
        width->clear();
        QTest::keyClicks(width, u"2.5"_s);
        return true;
    };
    TTechnique technique;
    TCirclePara circle;
    TQuanDian set = ThreeMarks();
    struct Case {
        const char* what;
        FakeDialogs::Handler run;
        std::function<bool()> edit;
        bool expected;
    };
    const Case cases[] = {
        {"EditTechnique confirmed, unchanged", accept, [&] { return EditTechnique(technique); }, true},
        {"EditTechnique cancelled", reject, [&] { return EditTechnique(technique); }, false},
        {"EditCirclePara confirmed, unchanged", accept, [&] { return EditCirclePara(circle); }, false},
        {"EditCirclePara confirmed, changed", widerLine, [&] { return EditCirclePara(circle); }, true},
        {"EditCirclePara cancelled", reject, [&] { return EditCirclePara(circle); }, false},
        {"EditQuanDian confirmed, unchanged", accept, [&] { return EditQuanDian(set); }, true},
        {"EditQuanDian cancelled", reject, [&] { return EditQuanDian(set); }, false},
    };
    for (const Case& c : cases) {
        FakeDialogs fake;
        fake.OnRun(c.run);
        EXPECT_EQ(c.edit(), c.expected) << c.what;
    }
    EXPECT_EQ(circle.LINES_WIDTH, 250);
    EXPECT_EQ(set.marks.Size(), 3);
}

TEST(RecordEditorsTest, TechniqueTakesCombosWidthAndColour)
{
    FakeDialogs fake;
    fake.PickColors({0x0000FF});
    fake.OnRun([](QDialog& d) {
        Child<QComboBox>(d, u"type"_s)->setCurrentIndex(1);
        Child<QComboBox>(d, u"widthType"_s)->setCurrentIndex(1);
        Child<QPushButton>(d, u"colorPick"_s)->click();
        return true;
    });
    TTechnique technique;
    EXPECT_TRUE(EditTechnique(technique));
    EXPECT_EQ(technique.TYPE, 1);
    EXPECT_EQ(technique.WIDTH_TYPE, 1);
    EXPECT_EQ(technique.COLOR, 0x0000FFu);
}

TEST(RecordEditorsTest, CoverFontsWithoutACoverDoNothing)
{
    FakeDialogs fake;
    bool changed = true;
    EXPECT_FALSE(EditCoverFonts(nullptr, changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(fake.RunCount(), 0);

    TCoverPara cover;
    fake.OnRun([](QDialog&) { return true; });
    EXPECT_TRUE(EditCoverFonts(&cover, changed));
    EXPECT_FALSE(changed);
}

TEST(RecordEditorsTest, FourInOneTakesLengthsAndSplitText)
{
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        QLineEdit* gap = Child<QLineEdit>(d, u"halfGap"_s);
        gap->clear();
        QTest::keyClicks(gap, u"3.25"_s);
        Child<QLineEdit>(d, u"splitText"_s)->setText(u"2;5"_s);
        Child<QCheckBox>(d, u"continuousPages"_s)->setChecked(true);
        return true;
    });
    TPara4in1 para;
    QString split = u"1"_s;
    EXPECT_TRUE(EditFourInOneParams(para, split));
    EXPECT_EQ(para.halfGap, 325);
    EXPECT_TRUE(para.continuousPages);
    EXPECT_EQ(split, u"2;5"_s);
}

TEST(CDlgSelGroundTest, UnloadableTextureGivesAWhiteThumbnail)
{
    QTemporaryDir dir;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath(u"a.png"_s)));
    QFile broken(dir.filePath(u"b.png"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    TImageRefList textures;
    for (const QString& name : {u"a.png"_s, u"b.png"_s}) {
        TImageRef* ref = textures.AddNew();
        ref->folderKind = 1;  // the project folder itself
        ref->name = name;
    }
    const QString oldProject = g_ProjectFolder;
    g_ProjectFolder = dir.path();
    CDlgSelGround dialog(&textures);
    g_ProjectFolder = oldProject;
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), u"底纹2"_s);
    const QImage white = list->item(1)->icon().pixmap(CDlgSelGround::kThumbnailSize).toImage();
    EXPECT_EQ(white.pixelColor(40, 40), QColor(Qt::white));
    const QImage thumb = list->item(0)->icon().pixmap(CDlgSelGround::kThumbnailSize).toImage();
    EXPECT_EQ(thumb.pixelColor(40, 40), QColor(Qt::red));
    EXPECT_EQ(dialog.SelectedIndex(), 0);
    list->setCurrentRow(1);
    EXPECT_EQ(dialog.SelectedIndex(), 1);

    CDlgSelGround empty(nullptr);
    EXPECT_EQ(empty.List()->count(), 0);
    EXPECT_EQ(empty.SelectedIndex(), 0);
}

}  // namespace
