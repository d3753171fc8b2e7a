// Circled text (帶圈文字): one to three characters stacked inside a circle
// that takes one cell.
#include <algorithm>
#include <utility>

#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "render/PageRenderer.h"
#include "render/interpreter/DroppedMarks.h"

namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr int32_t kMostChars = 3;

// A name missing from the style (the layout adds every name it meets, so
// only an edited column has one) takes the defaults: an outline circle,
// black, one pixel, in the text's font.
TCirclePara CircleNamed(const TCircleList& list, const QString& name)
{
    const TCirclePara* found = list.GetAtOrNull(FindCircleIndex(list, name));
    return found ? *found : TCirclePara();
}

}  // namespace

QPoint PageRenderer::DrawCircledText(Dc& dc, QStringView text, int32_t width, const QString& name, int32_t x,
                                     int32_t y)
{
    const TFontStyle saved = CurFont;
    const TCirclePara circle = CircleNamed(ScaledStyle.CIRCLE_ARRAY, name);
    TFontStyle& font = CurFont;
    if (!circle.USE_TEXT_FONT)
        font = circle.font;

    const int32_t H = font.WORD_HEIGHT;
    const int32_t D = std::min(width - 200, H - 200);
    const int32_t left = x + (width - D) / 2;
    const int32_t top = y + (H - D) / 2;
    const int32_t l = left / 100, t = top / 100, r = (left + D - 1) / 100, b = (top + D - 1) / 100;
    {
        const DcPen oldPen = dc.SelectPen({circle.LINES_WIDTH / 100, circle.COLOR});
        const DcBrush oldBrush = dc.SelectBrush({circle.COLOR});
        if (circle.TYPE == CircleType::TYPE_FANBAI) {
            dc.Ellipse(l, t, r, b);
        } else {
            dc.Arc(l, t, r, b, l, t, r, b);
            dc.Arc(l, t, r, b, r, b, l, t);
        }
        dc.SelectBrush(oldBrush);
        dc.SelectPen(oldPen);
    }

    if (font.WIDTH == 0)
        font.WIDTH = font.SIZE;
    font.SIZE = int32_t(font.SIZE * 0.75);
    font.WIDTH = int32_t(font.WIDTH * 0.9);
    int32_t dropped = 0;
    const QString chars = WithoutDroppedMarks(text, dropped);
    const int32_t n = CountDisplayChars(chars);
    int32_t dx = (width - font.WIDTH) / 2;
    int32_t dy = (H - font.SIZE) / 2;
    int32_t step = font.SIZE;
    int32_t m = n;
    if (n > 1) {
        m = std::min(n, kMostChars);
        dy = int32_t((H - font.SIZE * 0.8) * 0.5);
        step = int32_t(font.SIZE * 0.64 / m);
        font.SIZE = int32_t(font.SIZE * 0.8 / m);
    }

    const DcFont oldFont = dc.SelectFont(MakeFontFromStyle(font, dc));
    const ColorRef oldColor = dc.SetTextColor(circle.TYPE == CircleType::TYPE_FANBAI ? kWhite : font.COLOR);
    if (font.NAME.contains(u"康熙")) {
        dx += int32_t(H * 0.07);
        dy += int32_t(H * 0.04);
    }
    if (font.ALIGN == FontAlign::MOVE)
        dx += font.move;
    for (int32_t i = 0; i < m; ++i) {
        const TGlyph glyph{MidByCodePoints(chars, i, 1), (x + dx) / 100, (y + i * step + dy) / 100};
        if (HitIndex >= 0 && size_t(HitIndex) < HitFlags.size())
            DrawHitHighlight(dc, glyph);
        TextOutGlyph(dc, glyph);
    }
    // The characters not drawn still count for the hits that follow.
    HitIndex += (n - m) + dropped;
    dc.SetTextColor(oldColor);
    dc.SelectFont(oldFont);
    CurFont = saved;
    return QPoint(x, y + H);
}
