#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/CDlgSetUp.h"
#include "FakeDialogs.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/DataFolders.h"
#include "support/Editions.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"

using namespace Qt::StringLiterals;

namespace {

// A woodblock style with attached fonts and list entries, a program folder
// whose data/grounds holds two small textures.
class LayoutDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousEdition_ = InstallEdition(&EditionFor(EditionKind::Woodblock));
        previousFolder_ = g_ProgramFolder;
        g_ProgramFolder = home_.path();
        ASSERT_TRUE(QDir(home_.path()).mkpath(u"data/grounds"_s));
        for (const auto& [name, color] : {std::pair{u"紙一.png"_s, Qt::yellow}, {u"紙二.png"_s, Qt::gray}}) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(color);
            ASSERT_TRUE(image.save(home_.filePath(u"data/grounds/"_s + name)));
        }
        SetStyleDefaults(style, {});
        style.NAME = u"para0"_s;
        for (const QString& code : {u"a"_s, u"b"_s})
            FindOrAddFontStyle(style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT, code, style.TEXT_BOX.MFONT_GROUP.TEXT_FONT);
        FindOrAddFontStyle(style.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT, u"z"_s, style.TEXT_BOX.MFONT_GROUP.ZHU_FONT);
        style.TECH_ARRAY.AddNew()->MARK = u"t"_s;
        style.TEXT_BOX.size.SPLIT_LINE_WIDTH = style.IN_BORDER;
        style.SHOW_STAMP = false;
    }
    void TearDown() override
    {
        g_ProgramFolder = previousFolder_;
        InstallEdition(previousEdition_);
    }

    QByteArray StyleBytes(const TStyle& s)
    {
        return scratch_.WrittenBytes([&](TBinFile& file) { g_Edition->WriteStyle(s, file); });
    }

    TStyle style;
    QTemporaryDir home_;
    ScratchFiles scratch_;

private:
    const Edition* previousEdition_ = nullptr;
    QString previousFolder_;
};

int32_t Pitch(const TBoxSize& s) { return (s.BOX_WIDTH + s.SPLIT_LINE_WIDTH) / s.LINES - s.SPLIT_LINE_WIDTH; }

TEST_F(LayoutDialogTest, EachEditStoresItsValueAndItsSideEffects)
{
    struct Case {
        const char* what;
        LayoutField field;
        int32_t value;
        bool accepted;
        bool changed;
        std::function<void(const TStyle& w, const TStyle& s)> check;
    };
    const Case cases[] = {
        {"text width reaches the head box and every text-box font", LayoutField::TextWidth, 50000, true, true,
         [](const TStyle& w, const TStyle&) {
             EXPECT_EQ(w.HEAD_BOX.size.BOX_WIDTH, 50000);
             const int32_t pitch = Pitch(w.TEXT_BOX.size);
             EXPECT_EQ(w.TEXT_BOX.size.pitch, pitch);
             EXPECT_EQ(w.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH, pitch);
             EXPECT_EQ(w.TEXT_BOX.MFONT_GROUP.ZHU_FONT.WORD_WIDTH, pitch);
             for (const TFontStyle& f : w.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT)
                 EXPECT_EQ(f.WORD_WIDTH, pitch);
             EXPECT_EQ(w.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT[0].WORD_WIDTH, pitch);
         }},
        {"characters per line set the text font's cell height", LayoutField::TextPerLine, 10, true, true,
         [](const TStyle& w, const TStyle& s) {
             const TBoxSize& b = w.TEXT_BOX.size;
             EXPECT_EQ(w.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT, (b.BOX_HEIGHT - b.TOP_SPACE - b.BOTTOM_SPACE) / 10);
             EXPECT_EQ(w.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT[0].WORD_HEIGHT,
                       s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT[0].WORD_HEIGHT);
         }},
        {"a count of 0 is refused", LayoutField::TextLines, 0, false, false,
         [](const TStyle& w, const TStyle& s) { EXPECT_EQ(w.TEXT_BOX.size.LINES, s.TEXT_BOX.size.LINES); }},
        {"a head count below 1 is refused", LayoutField::HeadZhuPerLine, -2, false, false, {}},
        {"head lines set the head fonts' cell width", LayoutField::HeadLines, 3, true, true,
         [](const TStyle& w, const TStyle&) {
             EXPECT_EQ(w.HEAD_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH, Pitch(w.HEAD_BOX.size));
         }},
        {"centre width reaches the six centre fonts", LayoutField::MidWidth, 3333, true, true,
         [](const TStyle& w, const TStyle&) {
             for (const TFontPair* p : {&w.MID_UP_FONT, &w.MID_MID_FONT, &w.MID_DOWN_FONT}) {
                 EXPECT_EQ(p->TEXT_FONT.WORD_WIDTH, 3333);
                 EXPECT_EQ(p->ZHU_FONT.WORD_WIDTH, 3333);
             }
         }},
        {"double small lines reach the note fonts", LayoutField::TextDoubleLineZhu, 0, true, true,
         [](const TStyle& w, const TStyle&) {
             EXPECT_FALSE(w.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE);
             EXPECT_FALSE(w.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT[0].DOUBLE_LINE);
         }},
        {"the same value is no change", LayoutField::OutBorder, -1, true, false, {}},
        {"the stamp", LayoutField::ShowStamp, 1, true, true, {}},
        {"the upper fish tail", LayoutField::UpFish, 2, true, true, {}},
    };
    for (const Case& c : cases) {
        style.TEXT_BOX.DOUBLE_LINE_ZHU = true;
        LayoutDialogModel model(style, false, {});
        const int32_t value = c.value == -1 ? style.OUT_BORDER : c.value;
        EXPECT_EQ(model.Set(c.field, value), c.accepted) << c.what;
        EXPECT_EQ(model.Changed(), c.changed) << c.what;
        EXPECT_EQ(model.Controls().applyEnabled, c.changed) << c.what;
        if (c.check)
            c.check(model.Work(), style);
    }
}

TEST_F(LayoutDialogTest, DerivedPitchesAreNotAChange)
{
    LayoutDialogModel model(style, false, {});
    model.Work().TEXT_BOX.size.pitch += 7;
    model.Work().HEAD_BOX.size.textCharSize += 7;
    EXPECT_FALSE(model.CheckStyleChanged());
}

TEST_F(LayoutDialogTest, PunctuationDiffersOnlyWhereItIsDrawnColoured)
{
    struct Case {
        TBiaoDianType mode;
        bool useTextColor;
        bool changed;
    };
    for (const Case c : {Case{TBiaoDianType::NO, false, false}, {TBiaoDianType::PUTONG, false, false},
                         {TBiaoDianType::ZHINENG, false, false}, {TBiaoDianType::JUDOU, false, true},
                         {TBiaoDianType::JUDIAN, false, true}, {TBiaoDianType::JUDOU, true, false}}) {
        style.BIAO_DIAN = {c.mode, c.useTextColor, 0x000000, false};
        LayoutDialogModel model(style, false, {});
        model.Set(LayoutField::PunctuationColor, 0x0000FF);
        EXPECT_EQ(model.Changed(), c.changed) << int(c.mode) << c.useTextColor;
        EXPECT_EQ(model.Controls().punctuationExtrasShown,
                  c.mode == TBiaoDianType::JUDOU || c.mode == TBiaoDianType::JUDIAN);
    }
    TBiaoDianPara a{TBiaoDianType::JUDOU, true, 0, false};
    TBiaoDianPara b = a;
    b.BOLD = true;
    EXPECT_TRUE(BiaoDianDiffers(a, b));
    a.BIAODIAN_TYPE = b.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    EXPECT_FALSE(BiaoDianDiffers(a, b));
}

TEST_F(LayoutDialogTest, ApplyThenConfirmOrCancelStillNeedsSaving)
{
    int refreshed = 0;
    for (const bool confirm : {true, false}) {
        TStyle target = style;
        FakeDialogs fake;
        fake.OnRun([confirm](QDialog& d) {
            QLineEdit* perLine = Child<QLineEdit>(d, u"textBox.perLine"_s);
            perLine->clear();
            QTest::keyClicks(perLine, u"12"_s);
            QPushButton* apply = Child<QPushButton>(d, u"apply"_s);
            EXPECT_TRUE(apply->isEnabled());
            apply->click();
            EXPECT_FALSE(apply->isEnabled());
            return confirm;
        });
        const TLayoutDialogResult result = RunLayoutDialog(target, false, {}, [&] { ++refreshed; });
        EXPECT_EQ(result.accepted, confirm);
        EXPECT_FALSE(result.changed);
        EXPECT_TRUE(result.applied);
        EXPECT_TRUE(LayoutNeedsSaving(result));
        EXPECT_EQ(target.TEXT_BOX.size.TEXT_PER_LINE, 12);
    }
    EXPECT_EQ(refreshed, 2);
    EXPECT_TRUE(LayoutNeedsSaving({true, true, false}));
    EXPECT_FALSE(LayoutNeedsSaving({true, false, false}));
    EXPECT_FALSE(LayoutNeedsSaving({false, true, false}));
}

TEST_F(LayoutDialogTest, CancelLeavesTheStyleByteIdentical)
{
    const QByteArray before = StyleBytes(style);
    // The layout dialog runs first; its 設置 opens the attached font's dialog,
    // confirmed unchanged.
    FakeDialogs order;
    order.PickColors({0x00FF00});
    order.OnRun([](QDialog& d) {
        QLineEdit* width = Child<QLineEdit>(d, u"textBox.width"_s);
        width->clear();
        QTest::keyClicks(width, u"321.5"_s);
        Child<QCheckBox>(d, u"textBox.doubleLineZhu"_s)->click();
        Child<QPushButton>(d, u"frame.colorPick"_s)->click();
        Child<QRadioButton>(d, u"ground.texture"_s)->click();
        Child<QPushButton>(d, u"lists.attachText.set"_s)->click();
        return false;
    });
    order.OnRun([](QDialog&) { return true; });
    const TLayoutDialogResult result = RunLayoutDialog(style, false, {}, {});
    EXPECT_FALSE(result.accepted);
    EXPECT_TRUE(result.changed);
    EXPECT_FALSE(LayoutNeedsSaving(result));
    EXPECT_EQ(order.RunCount(), 2);
    EXPECT_EQ(Hex(StyleBytes(style)), Hex(before));
}

TEST_F(LayoutDialogTest, TypedLengthIsStoredRoundedAndShownAfterEditing)
{
    CDlgSetUp dialog(style, false, {});
    QLineEdit* outer = Child<QLineEdit>(dialog, u"frame.outBorder"_s);
    outer->clear();
    QTest::keyClicks(outer, u"12.345"_s);
    EXPECT_EQ(dialog.Model().Work().OUT_BORDER, 1235);
    EXPECT_EQ(outer->text(), u"12.345"_s);
    emit outer->editingFinished();
    EXPECT_EQ(outer->text(), u"12.35"_s);

    QLineEdit* lines = Child<QLineEdit>(dialog, u"textBox.lines"_s);
    const int32_t oldLines = style.TEXT_BOX.size.LINES;
    lines->clear();
    QTest::keyClicks(lines, u"0"_s);
    EXPECT_EQ(dialog.Model().Work().TEXT_BOX.size.LINES, oldLines);
    emit lines->editingFinished();
    EXPECT_EQ(lines->text(), QString::number(oldLines));
}

TEST_F(LayoutDialogTest, OpenBookLocksTheTextBoxGrid)
{
    CDlgSetUp dialog(style, true, {});
    for (const QString& name : {u"width"_s, u"height"_s, u"lines"_s, u"perLine"_s, u"zhuPerLine"_s, u"textPitch"_s,
                                u"notePitch"_s, u"doubleLineZhu"_s})
        EXPECT_FALSE(Child<QWidget>(dialog, u"textBox."_s + name)->isEnabled()) << name.toStdString();
    for (const QString& name : {u"textBox.top"_s, u"textBox.bottom"_s, u"headBox.height"_s, u"headBox.lines"_s})
        EXPECT_TRUE(Child<QWidget>(dialog, name)->isEnabled()) << name.toStdString();
}

TEST_F(LayoutDialogTest, PunctuationExtrasHideOutsideTheColouredModes)
{
    CDlgSetUp dialog(style, false, {});
    QComboBox* mode = Child<QComboBox>(dialog, u"punct.mode"_s);
    for (int m = 0; m < 5; ++m) {
        emit mode->activated(m);
        const bool shown = m == 1 || m == 2;
        for (const QString& name : {u"punct.useTextColor"_s, u"punct.color"_s, u"punct.colorPick"_s, u"punct.bold"_s})
            EXPECT_EQ(Child<QWidget>(dialog, name)->isHidden(), !shown) << m;
    }
}

TEST_F(LayoutDialogTest, UnlistedTextureDoesNotOpenAsChanged)
{
    style.GROUND_IMAGE = true;
    style.GROUND = {kGroundFolder, u"gone"_s};
    LayoutDialogModel model(style, false, {});
    EXPECT_FALSE(model.Changed());
    model.Confirm();
    EXPECT_EQ(style.GROUND.name, u"gone"_s);
    EXPECT_TRUE(style.GROUND_IMAGE);

    // A texture the user chose is compared and written.
    model.Set(LayoutField::Texture, 1);
    EXPECT_TRUE(model.Changed());
    model.Confirm();
    EXPECT_EQ(style.GROUND.name, model.Ground().textures[1].name);
    EXPECT_EQ(style.GROUND.folderKind, kGroundFolder);
    EXPECT_FALSE(model.CheckStyleChanged());
}

TEST_F(LayoutDialogTest, WithoutTexturesTheTextureRadioIsOffAndTheStyleKeepsItsGround)
{
    QDir(home_.filePath(u"data/grounds"_s)).removeRecursively();
    style.GROUND_IMAGE = true;
    CDlgSetUp dialog(style, false, {});
    EXPECT_FALSE(Child<QRadioButton>(dialog, u"ground.texture"_s)->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(dialog, u"ground.color"_s)->isChecked());
    EXPECT_FALSE(dialog.Model().Changed());
    Child<QRadioButton>(dialog, u"ground.color"_s)->click();  // touched: the clearing a texture choice makes
    EXPECT_TRUE(dialog.Model().Changed());
    dialog.accept();
    EXPECT_FALSE(style.GROUND_IMAGE);
}

TEST_F(LayoutDialogTest, AddingAnAttachedFontRefusesDuplicatesCommasAndEmptyCodes)
{
    LayoutDialogModel model(style, false, {});
    ScriptedPrompter prompter;
    prompter.ExpectTell(u"已有此代碼，請重新選擇代碼！"_s);
    EXPECT_FALSE(model.AddAttachedFont(false, u"a"_s));
    EXPECT_FALSE(model.AddAttachedFont(false, u"x,y"_s));
    EXPECT_FALSE(model.AddAttachedFont(true, QString()));
    EXPECT_FALSE(model.Changed());
    EXPECT_TRUE(model.AddAttachedFont(true, u"新"_s));
    EXPECT_TRUE(model.Changed());
    const TFontStyle& added = model.Work().ATTACH_FONT_GROUP.ATTACH_ZHU_FONT[1];
    EXPECT_EQ(added.MARKSTRING, u"新"_s);
    EXPECT_EQ(added.NAME, style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.NAME);
    EXPECT_EQ(model.ListLabels(LayoutList::AttachZhu), (QStringList{u"z"_s, u"新"_s}));
}

TEST_F(LayoutDialogTest, PlusRunsTheCodeDialogAndRefillsTheCombo)
{
    FakeDialogs fake;
    CDlgSetUp dialog(style, false, {});
    fake.OnRun([](QDialog& d) {
        Child<QLineEdit>(d, u"code"_s)->setText(u"c"_s);
        return true;
    });
    Child<QPushButton>(dialog, u"lists.attachText.add"_s)->click();
    QComboBox* combo = Child<QComboBox>(dialog, u"lists.attachText"_s);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(Child<QPushButton>(dialog, u"apply"_s)->isEnabled());
}

}  // namespace

namespace {

// The default head box has no height: its derived pitches show 0, not the
// blanks taken from nothing.
TEST_F(LayoutDialogTest, NoDerivedValueIsShownNegative)
{
    style.HEAD_BOX.size.BOX_HEIGHT = 0;
    CDlgSetUp dialog(style, false, {});
    for (const QString& name : {u"headBox.textPitch"_s, u"headBox.notePitch"_s, u"headBox.pitch"_s})
        EXPECT_FALSE(Child<QLineEdit>(dialog, name)->text().startsWith(u'-')) << name.toStdString();
    EXPECT_EQ(Child<QLineEdit>(dialog, u"headBox.textPitch"_s)->text(), u"0"_s);
}

}  // namespace
