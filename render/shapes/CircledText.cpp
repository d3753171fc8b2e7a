// Circled text (帶圈文字): one to three characters stacked inside a circle
// that takes one cell.
#include <algorithm>
#include <utility>

#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
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
    return CurrentDrawing().DrawCircledText(*this, dc, text, width, name, x, y);
}

QPoint RenderEdition::DrawCircledText(PageRenderer& view, Dc& dc, QStringView text, int32_t width,
                                      const QString& name, int32_t x, int32_t y) const
{
    return DrawCircledTextAlong(view, dc, text, width, name, x, y, false);
}

QPoint RenderEdition::DrawCircledTextAlong(PageRenderer& view, Dc& dc, QStringView text, int32_t width,
                                           const QString& name, int32_t x, int32_t y, bool alongX) const
{
    const TFontStyle saved = view.CurFont;
    const TCirclePara circle = CircleNamed(view.ScaledStyle.CIRCLE_ARRAY, name);
    TFontStyle& font = view.CurFont;
    if (!circle.USE_TEXT_FONT)
        font = circle.font;

    // The cell along the column is the character's height, along a line its
    // width; width is the column's width or the line's height.
    const int32_t H = alongX ? font.WORD_WIDTH : font.WORD_HEIGHT;
    const auto At = [alongX](int32_t across, int32_t along) {
        return alongX ? QPoint(along, across) : QPoint(across, along);
    };
    const int32_t D = std::min(width - 200, H - 200);
    const QPoint corner = QPoint(x, y) + At((width - D) / 2, (H - D) / 2);
    const int32_t l = corner.x() / 100, t = corner.y() / 100;
    const int32_t r = (corner.x() + D - 1) / 100, b = (corner.y() + D - 1) / 100;
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
    // Down a column the characters stack by their height, along a line
    // they stand side by side by their width.
    int32_t& alongSize = alongX ? font.WIDTH : font.SIZE;
    const int32_t acrossSize = alongX ? font.SIZE : font.WIDTH;
    int32_t dropped = 0;
    const QString chars = WithoutDroppedMarks(text, dropped);
    const int32_t n = CountDisplayChars(chars);
    int32_t dAcross = (width - acrossSize) / 2;
    int32_t dAlong = (H - alongSize) / 2;
    int32_t step = alongSize;
    int32_t m = n;
    if (n > 1) {
        m = std::min(n, kMostChars);
        dAlong = int32_t((H - alongSize * 0.8) * 0.5);
        step = int32_t(alongSize * 0.64 / m);
        alongSize = int32_t(alongSize * 0.8 / m);
    }

    const DcFont oldFont = dc.SelectFont(PageRenderer::MakeFontFromStyle(font, dc));
    const ColorRef oldColor = dc.SetTextColor(circle.TYPE == CircleType::TYPE_FANBAI ? kWhite : font.COLOR);
    if (!alongX && font.NAME.contains(u"康熙")) {
        dAcross += int32_t(H * 0.07);
        dAlong += int32_t(H * 0.04);
    }
    if (font.ALIGN == FontAlign::MOVE)
        dAcross += font.move;
    for (int32_t i = 0; i < m; ++i) {
        const QPoint at = QPoint(x, y) + At(dAcross, i * step + dAlong);
        const TGlyph glyph{MidByCodePoints(chars, i, 1), at.x() / 100, at.y() / 100};
        if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
            view.DrawHitHighlight(dc, glyph);
        TextOutGlyph(dc, glyph);
    }
    // The characters not drawn still count for the hits that follow.
    view.HitIndex += (n - m) + dropped;
    dc.SetTextColor(oldColor);
    dc.SelectFont(oldFont);
    view.CurFont = saved;
    return QPoint(x, y) + At(0, H);
}
