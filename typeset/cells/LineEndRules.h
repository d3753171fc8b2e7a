#pragma once
// Where a column may break in the full punctuation modes: an opening mark
// never ends a column and a closing mark never starts one. The classes come
// from the edition (vertical or horizontal forms).
#include <cstdint>

#include <QString>

struct TLayoutContext;

// While piece ends with an opening mark, the mark goes to the front of rest;
// with keepOne the piece keeps its first unit. Returns the cells moved.
int32_t MoveTrailingOpeningMarks(QString& piece, QString& rest, bool keepOne);
// While rest begins with a closing mark, the mark is appended to piece (the
// column may overflow). Returns the cells moved.
int32_t PullLeadingClosingMarks(QString& piece, QString& rest);

// At a fresh column whose run text begins with closing marks: the marks go
// to the end of the previous column (of the page being filled, else of the
// last page), before its "<T=a,b,c>" count, whose a grows by their cells and
// c shrinks by their length; the segment's cells and length left shrink.
// Full-width spaces that open a source line stay: they indent it. False
// when no mark moved (none there, or no previous column).
bool MoveClosingMarksBack(TLayoutContext& context);
