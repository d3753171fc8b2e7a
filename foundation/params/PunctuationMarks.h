#pragma once
// Character classes of punctuation and the conversions the typesetter, the
// line breaking and the drawing apply to it. Every test works on one UTF-16
// code unit; the conversions copy surrogate pairs whole where they must.
#include <cstdint>

#include <QString>
#include <QStringView>

// Membership tests on one code unit.
bool IsPunctMark(char16_t c);
bool IsJuDouDropMark(char16_t c);       // punctuation dropped by the 句讀/句點 reductions
bool IsDotOrBookTitleMark(char16_t c);  // middle dot, dash and book-title brackets
bool IsBookTitleMark(char16_t c);
bool IsQuoteBracketPause(char16_t c);
bool IsOpeningMark(char16_t c);
bool IsClosingMark(char16_t c);

// The vertical presentation form of a unit; any other unit is returned unchanged.
char16_t VerticalPunctForm(char16_t c);

// The vertical form a unit is drawn in, in a vertical column, when the
// vertical-form table above has none (U+2014 → U+FE31 and the like); any
// other unit unchanged. The stored text keeps the horizontal unit.
char16_t VerticalDrawingForm(char16_t c);

// Replaces every unit by its vertical form, in place.
void ToVerticalPunct(QString& text);
// The vertical form of a source line; the insides of layout tags are kept as
// they are while their brackets become ︻ and ︼.
void ToVerticalPunctOutsideTags(QString& out, QStringView text);

// The 句讀 reduction: 。；？！ become 。, ，、： become 、, the other marks go.
void ToJuDou(QString& out, QStringView text);
// The 句點 reduction: as 句讀, but ，、： become 。 as well.
void ToJuDian(QString& out, QStringView text);

// A copy without middle dots, dashes and book-title brackets.
void StripBookTitleMarks(QString& out, QStringView text);
// The text without its punctuation marks.
QString StripPunctuation(QStringView text);

// Follows the vertical book-title brackets through a column: ︽/︾ set and
// clear the double-title flag, ︿/﹀ the single-title flag. True when the
// glyph is one of the four.
bool TrackBookTitleBracket(QStringView glyph, bool& inDoubleTitle, bool& inSingleTitle);

// Moves a punctuation glyph inside its cell, for the two full punctuation
// modes. width is the font's WIDTH (0 means SIZE is used), size its SIZE.
// x and y are left as they are for glyphs the mode does not move.
void PunctGlyphOffsetPutong(QStringView glyph, int32_t width, int32_t size, int32_t& x, int32_t& y);
void PunctGlyphOffsetZhineng(QStringView glyph, int32_t width, int32_t size, int32_t& x, int32_t& y);
