#pragma once
// The text-drawing flags a cell stores as its format, with GDI's values, and
// their meaning for Qt's text drawing. The grid keeps the flags as they are
// so that owners can set and test them as the system's DrawText takes them.
#include <cstdint>

inline constexpr uint32_t DT_TOP = 0;
inline constexpr uint32_t DT_LEFT = 0;
inline constexpr uint32_t DT_CENTER = 0x1;
inline constexpr uint32_t DT_RIGHT = 0x2;
inline constexpr uint32_t DT_VCENTER = 0x4;
inline constexpr uint32_t DT_BOTTOM = 0x8;
inline constexpr uint32_t DT_WORDBREAK = 0x10;
inline constexpr uint32_t DT_SINGLELINE = 0x20;
inline constexpr uint32_t DT_EXPANDTABS = 0x40;
inline constexpr uint32_t DT_NOCLIP = 0x100;
inline constexpr uint32_t DT_CALCRECT = 0x400;
inline constexpr uint32_t DT_NOPREFIX = 0x800;

// Qt::AlignmentFlag and Qt::TextFlag bits for drawText. As in GDI, the
// vertical alignment counts only on a single line; other text starts at the top.
int QtTextFlags(uint32_t format);
