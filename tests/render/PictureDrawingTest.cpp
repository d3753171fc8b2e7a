// A loaded picture stretched onto a painted page, copied or multiplied, and
// fitted to its aspect ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/PainterDc.h"
#include "render/pictures/DrawPicture.h"

namespace {

const QColor kPage(200, 100, 50);
const QColor kSeal(0x80, 0x80, 0x80);

// Left half white, right half the seal grey.
QImage HalfSeal(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, kSeal);
    return image;
}

template <class Draw>
QImage DrawOnPage(Draw draw)
{
    QImage page(120, 120, QImage::Format_RGB32);
    page.fill(kPage);
    QPainter painter(&page);
    PainterDc dc(painter);
    draw(dc);
    return page;
}

}  // namespace

TEST(Picture, DrawModes)
{
    TPicture picture;
    picture.image = HalfSeal(2, 1);
    const WinRect rect{10, 10, 50, 30};
    const QImage copied = DrawOnPage([&](Dc& dc) { EXPECT_TRUE(DrawPictureCopy(rect, picture, dc)); });
    EXPECT_EQ(copied.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(copied.pixelColor(40, 20), kSeal);
    EXPECT_EQ(copied.pixelColor(50, 20), kPage);

    const QImage multiplied = DrawOnPage([&](Dc& dc) { EXPECT_TRUE(DrawPictureMultiply(rect, picture, dc)); });
    EXPECT_EQ(multiplied.pixelColor(20, 20), kPage);  // white keeps the page
    const QColor dark = multiplied.pixelColor(40, 20);
    EXPECT_TRUE(dark.red() < kPage.red() && dark.green() < kPage.green() && dark.blue() < kPage.blue());

    const TPicture empty;
    DrawOnPage([&](Dc& dc) { EXPECT_FALSE(DrawPictureCopy(rect, empty, dc)); });
}

TEST(Picture, FittedDrawingKeepsTheAspectRatio)
{
    // 200 x 100 into 100 x 100: 100 wide, 50 high, 25 below the top.
    TPicture picture;
    picture.image = QImage(200, 100, QImage::Format_RGB32);
    picture.image.fill(Qt::black);
    const WinRect rect{10, 10, 110, 110};
    const QImage copied = DrawOnPage([&](Dc& dc) { EXPECT_TRUE(DrawPictureFitCopy(picture, rect, dc)); });
    const QImage multiplied = DrawOnPage([&](Dc& dc) { EXPECT_TRUE(DrawPictureFitMultiply(picture, rect, dc)); });
    for (const QImage& page : {copied, multiplied}) {
        EXPECT_EQ(page.pixelColor(60, 34), kPage);
        EXPECT_EQ(page.pixelColor(60, 35), QColor(Qt::black));
        EXPECT_EQ(page.pixelColor(10, 84), QColor(Qt::black));
        EXPECT_EQ(page.pixelColor(109, 60), QColor(Qt::black));
        EXPECT_EQ(page.pixelColor(60, 85), kPage);
    }
}
