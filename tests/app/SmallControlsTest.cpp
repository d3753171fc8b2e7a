#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/controls/EditEx.h"
#include "app/controls/FolderDialog.h"
#include "app/controls/ListBmp.h"
#include "app/controls/StaticEx.h"
#include "app/dialogs/CDlgSelGround.h"
#include "app/dialogs/ColorSwatch.h"
#include "foundation/Picture.h"
#include "support/ScriptedChooser.h"

TEST(SmallControls, StatusPathIsCutAfterThirtyFiveCharacters)
{
    const QString exact(35, QChar(u'a'));
    EXPECT_EQ(ShortenStatusPath(exact), exact);
    EXPECT_EQ(ShortenStatusPath(exact + u'b'), exact + QStringLiteral("..."));
    EXPECT_EQ(ShortenStatusPath(QString()), QString());
}

TEST(SmallControls, FolderChoiceKeepsTheInitialFolderOnCancel)
{
    ScriptedChooser chooser;
    chooser.ExpectFolder(QString()).ExpectFolder(QStringLiteral("/書/卷"));
    CFolderDialog dialog(QStringLiteral("選擇"), QStringLiteral("/書"));
    EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetFolderPath(), QStringLiteral("/書"));
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetFolderPath(), QStringLiteral("/書/卷"));
    EXPECT_EQ(chooser.StartFolders(), QStringList({QStringLiteral("/書"), QStringLiteral("/書")}));
}

TEST(SmallControls, SwatchShowsItsNewColourAfterRepaint)
{
    CStaticEx swatch;
    swatch.resize(20, 10);
    swatch.SetBackColor(Rgb(255, 0, 0));
    EXPECT_EQ(swatch.grab().toImage().pixelColor(10, 5), QColor(255, 0, 0));
    swatch.SetBackColor(Rgb(0, 0, 255));
    EXPECT_EQ(swatch.grab().toImage().pixelColor(10, 5), QColor(0, 0, 255));
}

TEST(SmallControls, SwatchClickTogglesItsWindowThenSendsItsMessage)
{
    CStaticEx swatch;
    swatch.resize(20, 10);
    QWidget window;
    swatch.SetToggledWindow(&window);
    swatch.SetMessage(1030, 7);
    QSignalSpy sent(&swatch, &CStaticEx::MessageSent);
    QTest::mouseClick(&swatch, Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.at(0).at(0).toInt(), 1030);
    EXPECT_EQ(sent.at(0).at(1).toInt(), 7);
    swatch.Click();
    EXPECT_FALSE(window.isVisible());
}

TEST(SmallControls, FilteredEditDropsRejectedCharacters)
{
    CEditEx edit;
    edit.SetCharFilter([](QChar c) { return c.isDigit(); });
    QTest::keyClicks(&edit, QStringLiteral("1a2"));
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
}

TEST(SmallControls, WidePictureIsSqueezedIntoTheSquareThumbnail)
{
    TPicture picture;
    picture.image = QImage(200, 50, QImage::Format_RGB32);
    picture.image.fill(Qt::black);
    const QImage thumb = RListBmp::MakeThumbnail(picture, 80);
    ASSERT_EQ(thumb.size(), QSize(80, 80));
    for (const QPoint p : {QPoint(0, 0), QPoint(79, 79), QPoint(40, 2), QPoint(2, 77)})
        EXPECT_EQ(thumb.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
}

TEST(SmallControls, ThumbnailsAreCheckedAndTheClickedOneIsSelected)
{
    RListBmp list(nullptr, 80);
    TPicture picture;
    picture.image = QImage(10, 10, QImage::Format_RGB32);
    picture.image.fill(Qt::gray);
    list.AddThumbnail(picture, QStringLiteral("a"));
    list.AddThumbnail(picture, QStringLiteral("b"));
    ASSERT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
    list.resize(300, 200);
    list.show();
    const QRect second = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.ClearImageList();
    EXPECT_EQ(list.ItemCount(), 0);
}

// The dialogs' colour swatches are CStaticEx swatches that press their
// 選擇 button when clicked (not while it is disabled).
TEST(SmallControls, ASwatchClickPressesItsPick)
{
    QWidget parent;
    ColorSwatch swatch(&parent, QStringLiteral("swatch"));
    QPushButton pick(&parent);
    swatch.SetPick(&pick);
    QSignalSpy clicked(&pick, &QPushButton::clicked);
    QTest::mouseClick(&swatch, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    pick.setEnabled(false);
    swatch.Click();
    EXPECT_EQ(clicked.count(), 1);
    swatch.SetColor(0x0000FF);
    EXPECT_EQ(static_cast<CStaticEx&>(swatch).BackColor(), 0x0000FFu);
}

// The ground chooser lists its textures as checked square thumbnails.
TEST(SmallControls, TheGroundChooserIsAThumbnailList)
{
    TImageRefList textures;
    textures.AddNew();
    CDlgSelGround chooser(&textures);
    auto* list = qobject_cast<RListBmp*>(chooser.List());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->ThumbnailSize(), CDlgSelGround::kThumbnailSize);
}
