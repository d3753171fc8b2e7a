#pragma once
// The range every layout value of a style may take so that a page can be
// made from it: one table, per edition, of the stored fields with their
// bounds, fixed or derived from the box and page they sit in. A value
// outside its range is refused where it enters: the layout dialogs name the
// field to the user, the file readers take the file for damaged. Within the
// ranges no page geometry overflows 32 bits, even zoomed and printed.
//
// Lengths are hundredths of a pixel at zoom 1.0, shown divided by 100.
#include <cstdint>
#include <optional>

#include <QString>

struct TStyle;
struct TParaSet;
struct TCoverPara;

// The longest length of a page: a side of 10,000 pixels at zoom 1.
inline constexpr int32_t kMaxLayoutLength = 1000000;
// The widest line of a frame, a rule or a seam: 100 pixels.
inline constexpr int32_t kMaxLayoutLineWidth = 10000;
// The largest glyph: 200 pixels high or wide.
inline constexpr int32_t kMaxGlyphSize = 20000;
// The smallest cell a count may cut a box into: one pixel.
inline constexpr int32_t kMinLayoutCell = 100;
// The most entries of a count that no length bounds (the modern editions'
// column count, an empty head box's grid).
inline constexpr int32_t kMaxLayoutCount = 10000;

// How a value is shown: a length divided by 100, or a plain count or kind.
enum class TRangeUnit { Length, Count };

// The first value found outside its range.
struct TLayoutFault {
    QString field;      // the caption the user knows it by, e.g. 每頁行數
    QString styleName;  // the style (or cover) it belongs to
    int32_t value = 0;
    int32_t min = 0;
    int32_t max = 0;
    TRangeUnit unit = TRangeUnit::Length;
};

// The first field of the style, in table order (a box's sizes before the
// counts they bound), whose value is outside its range under the installed
// edition; nothing when every value is in range.
std::optional<TLayoutFault> FindLayoutFault(const TStyle& style);
// Of a cover: its fonts.
std::optional<TLayoutFault> FindLayoutFault(const TCoverPara& cover);
// The first fault of the set's covers, then of its styles in list order.
std::optional<TLayoutFault> FindLayoutFault(const TParaSet& set);

// "每頁行數應在1至648之間（不能是100000000）！": the field, its range and the
// value, shown as the dialogs show them.
QString LayoutFaultMessage(const TLayoutFault& fault);
