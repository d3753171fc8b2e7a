#pragma once
// Plain functions on UTF-16 strings shared by the typesetter, the drawing,
// the parameter readers and the book model: trimming, splitting, replacing,
// cutting marked spans, code-point counting, Chinese numerals and fitting a
// picture into a rectangle.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/WinTypes.h"

// Leading space, TAB and U+3000 go; a string of blanks only becomes empty.
void TrimLeadingBlanks(QString& text);
// Trailing space, U+3000, TAB, CR and LF go.
void TrimTrailingBlanks(QString& text);

// Appends the pieces between separators to pieces. "a,,b" gives a, "", b;
// ",a" gives "", a; "a,b," gives a, b (no trailing empty piece); "" nothing.
void SplitByChar(QStringView text, char separator, std::vector<QString>& pieces);

// A copy with every occurrence of oldText replaced by newText, scanning left
// to right; replacements are not scanned again. An empty oldText gives a copy.
QString ReplaceAllText(QStringView text, QStringView oldText, QStringView newText);

// Removes every span from a start marker through the next end marker after
// it; returns how many spans went.
int32_t RemoveMarkedSpans(QString& text, QStringView startMarker, QStringView endMarker);

// Removes every "<…>"; a "<" without a ">" after it stays.
void StripAngleTags(QString& text);

// The Chinese numeral of 1 … 99,999,999 (十, 十五, 一百十, 一千五, 十二万);
// empty otherwise.
QString NumberToChinese(int32_t n);
// 一 … 九 for 1 … 9, empty otherwise.
QString SingleDigitToChinese(int32_t digit);
// "1"…"9" become 一…九 and "0" becomes ○; every other unit stays.
QString DigitsToChinese(QStringView text);

// Code points among the first n units: a high surrogate and the unit after it
// count as one; a high surrogate in the last unit counts as one by itself.
int32_t CountCodePoints(const char16_t* units, int32_t n);
inline int32_t CountCodePoints(QStringView text)
{
    return CountCodePoints(reinterpret_cast<const char16_t*>(text.utf16()), int32_t(text.size()));
}
// The index just after the code point that starts at i (i < text.size()).
// Inline: measuring steps through every character with it.
inline qsizetype NextCodePointIndex(QStringView text, qsizetype i)
{
    const char16_t u = text[i].unicode();
    return u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() ? i + 2 : i + 1;
}
// The unit offset of code point k, stopping at the end of the text.
int32_t CodePointOffset(QStringView text, int32_t k);
// count code points from code point start; empty when count <= 0.
QString MidByCodePoints(QStringView text, int32_t start, int32_t count);

// The rectangle of a w x h picture centred in area at the largest size that
// keeps its aspect ratio. A zero or negative size (picture or area) gives the
// area unchanged.
WinRect FitRectKeepAspect(int32_t w, int32_t h, const WinRect& area);
