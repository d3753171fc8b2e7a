// Bold requests on faces with and without a bold member.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <QFontInfo>
#include <QFontMetrics>

#include "platform/FontSubstitutions.h"
#include "platform/GdiFont.h"
#include "platform/PainterDc.h"

using namespace Qt::StringLiterals;

namespace {

DcFont Request(const QString& face, int32_t weight, int32_t em = 48)
{
    DcFont font;
    font.face = face;
    font.height = -em;
    font.weight = weight;
    return font;
}

// The ink of 國字 drawn in the font: dark pixels, or with antialias the
// summed darkness in whole pixels.
int DarkPixels(const DcFont& font, bool antialias = false)
{
    const int em = EmHeightOf(font);
    QImage image(em * 5 / 2 + 8, em * 5 / 4 + 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterDc dc(painter, {.printing = false, .antialiasText = antialias});
        dc.SelectFont(font);
        dc.TextOut(4, 4, u"國字"_s);
    }
    int64_t dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += antialias ? 255 - qGray(image.pixel(x, y)) : qGray(image.pixel(x, y)) < 128;
    return int(antialias ? dark / 255 : dark);
}

}  // namespace

TEST(GdiFont, OnlyFacesWithoutABoldMemberAreEmboldenedByOutline)
{
    const GdiFont uming = MakeGdiFont(Request(u"AR PL UMing TW"_s, 700), true);
    EXPECT_EQ(uming.font.weight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(uming.emboldenStroke, 2.0);
    EXPECT_EQ(MakeGdiFont(Request(u"AR PL UMing TW"_s, 400), true).emboldenStroke, 0);
    // The default face of layout fonts has a bold member, used as it is.
    const GdiFont noto = MakeGdiFont(Request(u"Noto Serif CJK TC"_s, 700), true);
    EXPECT_EQ(noto.emboldenStroke, 0);
    EXPECT_EQ(noto.font.weight(), QFont::Bold);
}

TEST(GdiFont, EmboldenedTextHasMoreInkThanRegular)
{
    EXPECT_GT(DarkPixels(Request(u"AR PL UMing TW"_s, 700)), DarkPixels(Request(u"AR PL UMing TW"_s, 400)) * 11 / 10);
}

// The weight of emboldened text is a part of the em: drawn at 100 % and at
// 400 %, bold has the same share more ink than regular.
TEST(GdiFont, EmboldenedWeightIsTheSameAtEverySize)
{
    auto gain = [](int32_t em) {
        return double(DarkPixels(Request(u"AR PL UMing TW"_s, 700, em), true)) /
               DarkPixels(Request(u"AR PL UMing TW"_s, 400, em), true);
    };
    const double small = gain(17), large = gain(68);
    EXPECT_GT(small, 1.1);
    EXPECT_NEAR(small, large, 0.12 * large);
}

// 宋体 stands for UMing first (for its widths), which has no bold member:
// bold 宋体 is UMing emboldened by outline, and keeps UMing's widths.
TEST(GdiFont, BoldOfTheDefaultFaceIsEmboldenedAtItsWidths)
{
    InstallFontSubstitutions();
    DcFont request = Request(u"宋体"_s, 900);
    request.width = 12;
    const GdiFont bold = MakeGdiFont(request, true);
    EXPECT_DOUBLE_EQ(bold.emboldenStroke, 2.0);
    request.weight = 400;
    const GdiFont regular = MakeGdiFont(request, true);
    EXPECT_EQ(QFontInfo(bold.font).family(), QFontInfo(regular.font).family());
    EXPECT_EQ(QFontMetrics(bold.font).horizontalAdvance(u"國"_s), QFontMetrics(regular.font).horizontalAdvance(u"國"_s));
}
