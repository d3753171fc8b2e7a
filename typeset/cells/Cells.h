#pragma once
// How much room text takes along a column. Every length decision of the
// engine rests on these: a character takes one cell of its run's advance,
// a "<TZ…>" glyph tag one cell, any other tag none; punctuation takes no
// room in the cell-less modes (NO, JUDOU, JUDIAN), a full cell in PUTONG
// except the dot and book-title marks, and in ZHINENG quotes, brackets and
// pauses take half a cell, as does 。 before another cell-taking mark.
//
// Positions are code points for counting (a surrogate pair is one cell) and
// UTF-16 units for FitChars' result. Lengths are summed in 64 bits and held
// to the int32 range; an advance of 0 or below is taken as it is, so text
// then takes no room (or less than none) and nothing divides by it.
#include <cstdint>

#include <QStringView>

#include "foundation/params/Punctuation.h"

// The current style's punctuation mode; NO while no style is current.
TBiaoDianType CurrentPunctuationMode();
// PUTONG and ZHINENG give marks room of their own; every other value,
// including one read from a damaged file, is a cell-less mode.
bool GivesMarksRoom(TBiaoDianType mode);

// The installed edition's forms.
int32_t CountCells(QStringView text);
int32_t MeasureCells(QStringView text, int32_t advance);
// The number of units of text that fit into length, walking from its
// start; length becomes the length used and cells the cells taken.
int32_t FitChars(QStringView text, int32_t advance, int32_t& length, int32_t& cells);
