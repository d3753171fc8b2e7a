// What Qt draws for the glyph engine, probed on a small image.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QRawFont>
#include <QImage>
#include <QPainter>

#include "GlyphFixture.h"
#include "platform/PainterDc.h"

namespace {

using RenderPixels = GlyphFixture;

// Whether any pixel of the rectangle is not white.
bool HasInk(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return true;
    return false;
}

TEST_F(RenderPixels, PlaneTwoCharactersOfHanaMinAAreDrawnFromHanaMinB)
{
    if (!QFontDatabase::hasFamily("HanaMinA") || !QFontDatabase::hasFamily("HanaMinB"))
        GTEST_SKIP() << "needs HanaMinA and HanaMinB";
    // The character is HanaMinB's, not HanaMinA's.
    ASSERT_FALSE(QRawFont::fromFont(QFont("HanaMinA")).supportsCharacter(0x20001));
    ASSERT_TRUE(QRawFont::fromFont(QFont("HanaMinB")).supportsCharacter(0x20001));
    TextFont().NAME = "HanaMinA";
    QImage image(60, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterDc dc(painter, {false, false});
        dc.SetBkMode(BkMode::Transparent);
        view.CurFont = TextFont();
        dc.SelectFont(PageRenderer::MakeFontFromStyle(view.CurFont, dc));
        // U+20001 in the cell of a column at x 1000, from y 1000.
        view.PlaceGlyphs(dc, u"𠀁", 32, 2000, kPitch, 2000, 1000, 1000);
    }
    // Ink inside the cell (x 15 to 35, y from 10, allowing the face's leading),
    // none left of it or above it.
    EXPECT_TRUE(HasInk(image, QRect(15, 10, 21, 30)));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 14, 120)));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 60, 8)));
}

}  // namespace
