#pragma once
// Which lines of the shown pages no longer fit their column: an edit of the
// page lengthened them past the frame, where the drawing cuts them.
#include <cstdint>
#include <utility>
#include <vector>

struct TPageRec;

// The (page record, line) pairs of the shown unit that run past the frame,
// found by drawing it off screen at zoom 1; none while nothing is shown.
std::vector<std::pair<const TPageRec*, int32_t>> LinesPastTheFrame(int32_t shown);
