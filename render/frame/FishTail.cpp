// The fish tail (魚尾) of the centre column: a bar, a notched band and a
// chevron, upright or mirrored, or the bar alone.
#include <array>

#include "platform/Dc.h"
#include "render/frame/PageFrame.h"

int32_t DrawFishTail(Dc& dc, ColorRef color, int32_t kind, const WinRect& rect)
{
    const int32_t L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const int32_t w = R - L;
    const int32_t xm = L + w / 2;
    const int32_t xa = L + (w - 1) / 2;
    const bool mirrored = kind == 1;
    const DcPen oldPen = dc.SelectPen({1, color});
    const DcBrush oldBrush = dc.SelectBrush({color, false});
    const int32_t bar = w * 12 / 140;
    if (mirrored)
        dc.Rectangle(L, B, R, B - bar);
    else
        dc.Rectangle(L, T, R, T + bar);
    int32_t height = bar + 1;
    if (kind != 2) {
        const auto Y = [&](int32_t y) { return mirrored ? T + B - y : y; };
        const int32_t q = w * 35 / 140;
        const int32_t y1 = T + q;
        const int32_t y2 = y1 + w * 55 / 140;
        const int32_t y3 = y1 + w / 14;
        const std::array<QPoint, 6> band{QPoint(L, Y(y1)), QPoint(L, Y(y2)), QPoint(xa, Y(y3)),
                                         QPoint(xm, Y(y3)), QPoint(R, Y(y2)), QPoint(R, Y(y1))};
        dc.Polygon(band);
        const int32_t y4 = y2 + q;
        const int32_t c = w * 15 / 140;
        const int32_t y5 = y4 + c;
        const int32_t y6 = y3 + q;
        const std::array<QPoint, 8> chevron{QPoint(L, Y(y4)),      QPoint(L, Y(y5)),      QPoint(xa, Y(y6 + c)),
                                            QPoint(xm, Y(y6 + c)), QPoint(R, Y(y5)),      QPoint(R, Y(y4)),
                                            QPoint(xa, Y(y6)),     QPoint(xm, Y(y6))};
        dc.Polygon(chevron);
        height = y5 - T + 1;
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    return height;
}

void VerticalLines(Dc& dc, int32_t x, int32_t step, int32_t n, int32_t y0, int32_t y1)
{
    for (int32_t k = 0; k < n; ++k) {
        dc.MoveTo(x + step * k, y0);
        dc.LineTo(x + step * k, y1);
    }
}

void HorizontalLines(Dc& dc, int32_t y, int32_t step, int32_t n, int32_t x0, int32_t x1)
{
    for (int32_t k = 0; k < n; ++k) {
        dc.MoveTo(x0, y + step * k);
        dc.LineTo(x1, y + step * k);
    }
}
