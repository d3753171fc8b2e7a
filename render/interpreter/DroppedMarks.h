#pragma once
// The punctuation modes drop marks from a column before it is drawn, but
// find hits count the characters of the stored column. Each dropped mark is
// left in the text as a placeholder that takes no cell and is not drawn,
// so that the glyph walk can still count it and keep the highlight in step.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/params/Punctuation.h"

// A noncharacter: never in stored text, never drawn.
inline constexpr char16_t kDroppedMark = 0xFDD0;

inline bool IsDroppedMark(QStringView glyph) { return glyph.size() == 1 && glyph[0] == kDroppedMark; }

// The text reduced by the mode (0 no marks, 1 句讀, 2 句點, others as it is),
// each dropped mark replaced by kDroppedMark.
QString ReducePunctuation(QStringView text, TBiaoDianType mode);

// The cells a run takes: its display characters less the placeholders, and
// in modes 1 and 2 less the marks (which sit in the previous cell).
int32_t CountCellChars(QStringView text, TBiaoDianType mode);

// The text without its placeholders, and how many there were.
QString WithoutDroppedMarks(QStringView text, int32_t& dropped);
