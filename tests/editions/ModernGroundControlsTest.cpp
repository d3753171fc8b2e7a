// The background controls of the vertical and horizontal layout dialogs:
// the 底色 / 底紋 radio pair enables its own 選擇, and the chosen texture
// is shown in the preview, as in the woodblock dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/dialogs/CDlgSetParaHP.h"
#include "app/dialogs/CDlgSetParaSP.h"
#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"
#include "tests/app/FakeDialogs.h"

using namespace Qt::StringLiterals;

namespace {

class ModernGroundControls : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        previousFolder_ = g_ProgramFolder;
        g_ProgramFolder = home_.path();
        ASSERT_TRUE(QDir(home_.path()).mkpath(u"data/grounds"_s));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        ASSERT_TRUE(image.save(home_.filePath(u"data/grounds/紙一.png"_s)));
    }
    void TearDown() override { g_ProgramFolder = previousFolder_; }

    TLayoutDialogResult Run(TStyle& style)
    {
        if (GetParam() == EditionKind::Horizontal)
            return RunHorizontalLayoutDialog(style, false, {}, {});
        return RunVerticalLayoutDialog(style, false, {}, {});
    }

    QTemporaryDir home_;
    QString previousFolder_;
};

TEST_P(ModernGroundControls, TheRadioPairEnablesItsPickAndTheTextureIsPreviewed)
{
    TStyle style;
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        auto* colour = Child<QRadioButton>(d, u"ground.color"_s);
        auto* texture = Child<QRadioButton>(d, u"ground.texture"_s);
        auto* colourPick = Child<QPushButton>(d, u"ground.colorPick"_s);
        auto* texturePick = Child<QPushButton>(d, u"ground.texturePick"_s);
        auto* preview = Child<QLabel>(d, u"ground.preview"_s);
        EXPECT_TRUE(colour->isChecked());
        EXPECT_TRUE(texture->isEnabled());
        EXPECT_TRUE(colourPick->isEnabled());
        EXPECT_FALSE(texturePick->isEnabled());
        texture->click();
        EXPECT_TRUE(texture->isChecked());
        EXPECT_FALSE(colourPick->isEnabled());
        EXPECT_TRUE(texturePick->isEnabled());
        EXPECT_FALSE(preview->pixmap().isNull()) << "the texture is shown";
        EXPECT_EQ(preview->pixmap().toImage().pixelColor(4, 4), QColor(Qt::yellow));
        return true;
    });
    Run(style);
    EXPECT_TRUE(style.GROUND_IMAGE);
}

INSTANTIATE_TEST_SUITE_P(PrintEditions, ModernGroundControls,
                         ::testing::Values(EditionKind::Vertical, EditionKind::Horizontal), EditionName);

}  // namespace
