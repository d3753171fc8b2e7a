#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>

#include "platform/PainterDc.h"

namespace {

const QColor kPage(200, 100, 50);

// A 2 x 1 picture: left pixel, right pixel.
QImage TwoPixels(QColor left, QColor right)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, left);
    image.setPixelColor(1, 0, right);
    return image;
}

// Stretches the picture into (0, 0)-(20, 10) of a 30 x 20 page.
template <class Device>
bool Blit(Device& device, const QImage& picture, RasterOp op)
{
    QPainter painter(&device);
    PainterDc dc(painter);
    return dc.StretchBlt({0, 0, 20, 10}, picture, {0, 0, 2, 1}, op);
}

QImage Page()
{
    QImage page(30, 20, QImage::Format_RGB32);
    page.fill(kPage);
    return page;
}

}  // namespace

TEST(PainterDc, CopyStretchesWithoutSmoothing)
{
    QImage page = Page();
    ASSERT_TRUE(Blit(page, TwoPixels(Qt::black, Qt::white), RasterOp::Copy));
    // Pixels on both sides of the middle take their picture pixel unblended.
    EXPECT_EQ(page.pixelColor(9, 5), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(10, 5), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(19, 9), QColor(Qt::white));
    // Right and bottom edges are exclusive.
    EXPECT_EQ(page.pixelColor(20, 5), kPage);
    EXPECT_EQ(page.pixelColor(5, 10), kPage);
}

TEST(PainterDc, AndKeepsWhiteAndAndsTheBitsOnImages)
{
    QImage page = Page();
    ASSERT_TRUE(Blit(page, TwoPixels(Qt::white, QColor(0x80, 0x80, 0x80)), RasterOp::And));
    EXPECT_EQ(page.pixelColor(5, 5), kPage);
    EXPECT_EQ(page.pixelColor(15, 5), QColor(200 & 0x80, 100 & 0x80, 50 & 0x80));
}

TEST(PainterDc, AndOnVectorDevicesBlendsLikeAnd)
{
    // A QPicture records like a printer or a PDF file: no raster operations.
    QPicture recording;
    ASSERT_TRUE(Blit(recording, TwoPixels(Qt::white, QColor(0x80, 0x80, 0x80)), RasterOp::And));
    QImage page = Page();
    QPainter painter(&page);
    painter.drawPicture(0, 0, recording);
    painter.end();
    EXPECT_EQ(page.pixelColor(5, 5), kPage);
    // Darkened by 0x80 / 0xFF, as a grey picture darkens the page.
    const QColor dark = page.pixelColor(15, 5);
    EXPECT_NEAR(dark.red(), 100, 2);
    EXPECT_NEAR(dark.green(), 50, 2);
    EXPECT_NEAR(dark.blue(), 25, 2);
}

TEST(PainterDc, NothingToDrawFrom)
{
    QImage page = Page();
    QPainter painter(&page);
    PainterDc dc(painter);
    const QImage picture = TwoPixels(Qt::black, Qt::black);
    EXPECT_FALSE(dc.StretchBlt({0, 0, 10, 10}, QImage(), {0, 0, 2, 1}, RasterOp::Copy));
    EXPECT_FALSE(dc.StretchBlt({0, 0, 10, 10}, picture, {0, 0, 0, 1}, RasterOp::Copy));
    EXPECT_TRUE(dc.StretchBlt({5, 5, 5, 10}, picture, {0, 0, 2, 1}, RasterOp::Copy));
    painter.end();
    EXPECT_EQ(page.pixelColor(5, 5), kPage);
}
