#include "platform/Dc.h"

#include <utility>

void Dc::SetViewportOrg(QPoint origin)
{
    origin_ = origin;
    ViewportChanged();
}

WinRect Dc::LpToDp(const WinRect& rect) const
{
    return {rect.left + origin_.x(), rect.top + origin_.y(), rect.right + origin_.x(), rect.bottom + origin_.y()};
}

DcPen Dc::SelectPen(const DcPen& pen) { return std::exchange(state_.pen, pen); }
DcBrush Dc::SelectBrush(const DcBrush& brush) { return std::exchange(state_.brush, brush); }

DcFont Dc::SelectFont(const DcFont& font)
{
    ++fontSerial_;
    return std::exchange(state_.font, font);
}

ColorRef Dc::SetTextColor(ColorRef color) { return std::exchange(state_.textColor, color); }
BkMode Dc::SetBkMode(BkMode mode) { return std::exchange(state_.bkMode, mode); }

void Dc::LineTo(int32_t x, int32_t y)
{
    const QPoint to(x, y);
    DrawLine(position_, to);
    position_ = to;
}
