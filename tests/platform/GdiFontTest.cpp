// Bold requests on faces with and without a bold member.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/GdiFont.h"
#include "platform/PainterDc.h"

using namespace Qt::StringLiterals;

namespace {

DcFont Request(const QString& face, int32_t weight)
{
    DcFont font;
    font.face = face;
    font.height = -48;
    font.weight = weight;
    return font;
}

int DarkPixels(const DcFont& font)
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterDc dc(painter, {.printing = false, .antialiasText = false});
        dc.SelectFont(font);
        dc.TextOut(4, 4, u"國字"_s);
    }
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

}  // namespace

TEST(GdiFont, OnlyFacesWithoutABoldMemberAreEmboldenedByOffset)
{
    const GdiFont uming = MakeGdiFont(Request(u"AR PL UMing TW"_s, 700), true);
    EXPECT_EQ(uming.font.weight(), QFont::Normal);
    EXPECT_EQ(uming.emboldenPx, 2);
    EXPECT_EQ(MakeGdiFont(Request(u"AR PL UMing TW"_s, 400), true).emboldenPx, 0);
    const GdiFont noto = MakeGdiFont(Request(u"Noto Serif CJK TC"_s, 700), true);
    EXPECT_EQ(noto.emboldenPx, 0);
    EXPECT_EQ(noto.font.weight(), QFont::Bold);
}

TEST(GdiFont, EmboldenedTextHasMoreInkThanRegular)
{
    EXPECT_GT(DarkPixels(Request(u"AR PL UMing TW"_s, 700)), DarkPixels(Request(u"AR PL UMing TW"_s, 400)) * 11 / 10);
}
