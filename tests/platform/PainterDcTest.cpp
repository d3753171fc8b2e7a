#include <gtest/gtest.h>

#include <QFontDatabase>
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

QImage WhitePage(int w, int h)
{
    QImage page(w, h, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// The inclusive bounds of the pixels that are not of the background colour.
QRect InkBounds(const QImage& image, QColor background = Qt::white)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

PainterDc::Options PlainText() { return {false, false}; }

const QString kUming = QStringLiteral("AR PL UMing TW");
const QString kNotoSerif = QStringLiteral("Noto Serif CJK TC");

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

TEST(PainterDc, LinesLeaveOutTheirEndPoint)
{
    struct Case {
        QPoint from, to;
        QRect ink;  // inclusive bounds of what is drawn
    };
    const Case cases[] = {
        {{2, 3}, {9, 3}, QRect(QPoint(2, 3), QPoint(8, 3))},   // rightward
        {{9, 3}, {2, 3}, QRect(QPoint(3, 3), QPoint(9, 3))},   // leftward
        {{4, 1}, {4, 8}, QRect(QPoint(4, 1), QPoint(4, 7))},   // down
        {{4, 8}, {4, 1}, QRect(QPoint(4, 2), QPoint(4, 8))},   // up
        {{1, 1}, {6, 6}, QRect(QPoint(1, 1), QPoint(5, 5))},   // diagonal
    };
    for (const Case& c : cases) {
        QImage page = WhitePage(12, 10);
        {
            QPainter painter(&page);
            PainterDc dc(painter);
            dc.MoveTo(c.from.x(), c.from.y());
            dc.LineTo(c.to.x(), c.to.y());
        }
        EXPECT_EQ(InkBounds(page), c.ink) << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
    }
}

TEST(PainterDc, LinesFollowTheViewportOrigin)
{
    QImage page = WhitePage(12, 10);
    {
        QPainter painter(&page);
        PainterDc dc(painter);
        dc.SetViewportOrg(QPoint(-10, 2));
        dc.MoveTo(12, 1);
        dc.LineTo(15, 1);
    }
    EXPECT_EQ(InkBounds(page), QRect(QPoint(2, 3), QPoint(4, 3)));
}

TEST(PainterDc, ClipIsInDevicePixels)
{
    QImage page = WhitePage(12, 10);
    {
        QPainter painter(&page);
        PainterDc dc(painter);
        dc.SetViewportOrg(QPoint(-10, 0));
        dc.SelectClipRect({2, 2, 6, 5});
        dc.SelectBrush({0});
        dc.Rectangle(10, 0, 22, 10);  // device 0..11: the whole page
    }
    EXPECT_EQ(InkBounds(page), QRect(QPoint(2, 2), QPoint(5, 4)));
}

TEST(PainterDc, ShapesCoverLeftToRightMinusOne)
{
    const QColor fill(255, 0, 0);
    struct Case {
        const char* shape;
        void (*draw)(Dc&);
    };
    const Case cases[] = {
        {"rectangle", [](Dc& dc) { dc.Rectangle(2, 3, 12, 9); }},
        {"round rectangle", [](Dc& dc) { dc.RoundRect(2, 3, 12, 9, 4, 4); }},
        {"ellipse", [](Dc& dc) { dc.Ellipse(2, 3, 12, 9); }},
    };
    for (const Case& c : cases) {
        QImage page = WhitePage(16, 12);
        {
            QPainter painter(&page);
            PainterDc dc(painter);
            dc.SelectBrush({Rgb(255, 0, 0)});
            c.draw(dc);
        }
        EXPECT_EQ(InkBounds(page), QRect(QPoint(2, 3), QPoint(11, 8))) << c.shape;
        EXPECT_EQ(page.pixelColor(7, 6), fill) << c.shape;
    }
}

TEST(PainterDc, RectangleOutlineAndFill)
{
    QImage page = WhitePage(12, 10);
    {
        QPainter painter(&page);
        PainterDc dc(painter);
        dc.SelectPen({1, Rgb(0, 0, 255)});
        dc.SelectBrush({Rgb(255, 0, 0)});
        dc.Rectangle(1, 1, 6, 5);
    }
    EXPECT_EQ(page.pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(page.pixelColor(5, 4), QColor(Qt::blue));
    EXPECT_EQ(page.pixelColor(3, 2), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(6, 4), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(5, 5), QColor(Qt::white));
}

TEST(PainterDc, RoundRectTakesCornerDiameters)
{
    // Corners 16 pixels across: (4, 2) lies inside a corner of radius 8 but
    // would lie outside one of radius 16; (1, 1) lies outside.
    QImage page = WhitePage(40, 40);
    {
        QPainter painter(&page);
        PainterDc dc(painter);
        dc.SelectBrush({0});
        dc.RoundRect(0, 0, 36, 36, 16, 16);
    }
    EXPECT_EQ(page.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(4, 2), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(18, 0), QColor(Qt::black));
}

TEST(PainterDc, TextStandsOnItsCellTop)
{
    if (!QFontDatabase::hasFamily(kUming))
        GTEST_SKIP() << "needs " << kUming.toStdString();
    const QColor grey(128, 128, 128);
    QImage page(80, 60, QImage::Format_RGB32);
    page.fill(grey);
    QSize extent;
    TextMetrics metrics;
    {
        QPainter painter(&page);
        PainterDc dc(painter, PlainText());
        dc.SelectFont({-30, 0, kFontWeightNormal, false, kUming});
        metrics = dc.GetTextMetrics();
        extent = dc.GetTextExtent(u"国");
        dc.TextOut(10, 12, u"国");  // opaque: the cell is filled white first
    }
    EXPECT_EQ(metrics.height, extent.height());
    EXPECT_EQ(metrics.internalLeading, metrics.height - 30);
    EXPECT_EQ(page.pixelColor(10, 12), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(10, 11), grey);
    EXPECT_EQ(page.pixelColor(9, 12), grey);
    EXPECT_EQ(page.pixelColor(10 + extent.width() - 1, 12 + extent.height() - 1), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(10 + extent.width(), 12), grey);
    EXPECT_EQ(page.pixelColor(10, 12 + extent.height()), grey);
    // The glyph's ink lies inside the cell.
    const QRect ink = InkBounds(page.copy(10, 12, extent.width(), extent.height()), Qt::white);
    EXPECT_FALSE(ink.isEmpty());
}

TEST(PainterDc, FontWidthIsTheAverageCharacterWidth)
{
    // 国 is two average widths wide in UMing, one in Noto CJK: the same
    // request of 15 pixels gives UMing its natural width and halves Noto.
    struct Case {
        QString face;
        int32_t width;
        int advance;
    };
    const Case cases[] = {
        {kUming, 0, 30}, {kUming, -15, 30}, {kUming, -30, 60}, {kUming, -8, 16},
        {kNotoSerif, 0, 30}, {kNotoSerif, -15, 15}, {kNotoSerif, -30, 30},
    };
    for (const Case& c : cases) {
        if (!QFontDatabase::hasFamily(c.face))
            continue;
        QImage page = WhitePage(90, 40);
        QPainter painter(&page);
        PainterDc dc(painter, PlainText());
        dc.SelectFont({-30, c.width, kFontWeightNormal, false, c.face});
        EXPECT_NEAR(dc.GetTextExtent(u"国").width(), c.advance, 1) << c.face.toStdString() << " " << c.width;
    }
}

TEST(PainterDc, StretchedGlyphsAreDrawnWider)
{
    if (!QFontDatabase::hasFamily(kUming))
        GTEST_SKIP() << "needs " << kUming.toStdString();
    auto inkWidth = [](int32_t width) {
        QImage page = WhitePage(120, 40);
        {
            QPainter painter(&page);
            PainterDc dc(painter, PlainText());
            dc.SetBkMode(BkMode::Transparent);
            dc.SelectFont({-30, width, kFontWeightNormal, false, kUming});
            dc.TextOut(2, 2, u"一");
        }
        return InkBounds(page).width();
    };
    const int natural = inkWidth(-15);
    ASSERT_GT(natural, 10);
    EXPECT_NEAR(inkWidth(-30), 2 * natural, 3);
}
