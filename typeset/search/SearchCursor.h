#pragma once
// Moving a page table's find cursor (findPage, findLine, findColumn: a
// display column) by one character before each find, so that a find does
// not stop on the hit it stands on.
#include <cstdint>

struct TPageTable;

// Without a current hit (gridHits empty) the cursor goes to the start of
// shownFirstPage (the first body page for the cover when there is one) and
// that is the step. Otherwise one character on, to the start of the next
// non-empty line when the line ends; false with "下方沒有文字！" shown at
// the end of the volume.
bool StepCursorForward(TPageTable& table, int32_t shownFirstPage);

// Without a current hit the cursor first goes just after the last character
// of shownLastPage. Then one character back, to the last character of the
// nearest earlier non-empty line at a line's start; false with
// "上方沒有文字！" shown at the start of the volume.
bool StepCursorBackward(TPageTable& table, int32_t shownLastPage);
