#pragma once
// The few Windows value types the records and the drawing are written in:
// rectangles with exclusive right and bottom, MulDiv, and 0x00BBGGRR colours.
#include <cstdint>

#include <QColor>
#include <QRect>

struct WinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;   // exclusive
    int32_t bottom = 0;  // exclusive

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const WinRect&) const = default;

    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    static WinRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
};

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// 0x00BBGGRR, as stored in every record and file.
using ColorRef = uint32_t;

constexpr ColorRef Rgb(uint8_t r, uint8_t g, uint8_t b)
{
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}
constexpr uint8_t RedOf(ColorRef c) { return uint8_t(c & 0xFF); }
constexpr uint8_t GreenOf(ColorRef c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(ColorRef c) { return uint8_t((c >> 16) & 0xFF); }

inline QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline ColorRef FromQColor(const QColor& c) { return Rgb(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())); }
