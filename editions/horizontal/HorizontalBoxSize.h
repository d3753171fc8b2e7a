#pragma once
// The horizontal text box grid: LEFT_SPACE and RIGHT_SPACE in place of the
// top and bottom blanks, and the two line counts WORD_LINES and ZHU_LINES.
#include "foundation/params/Box.h"

// Whether two grids agree on their ten stored values (the derived ones
// aside).
bool BoxSizeEquals(const TBoxSize& a, const TBoxSize& b);
