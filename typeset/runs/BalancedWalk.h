#pragma once
// Two lines filled from both ends of a list of cell lengths: the front
// takes the next cell while it is not longer than the back, the back takes
// the previous cell while it is shorter, until the two meet. Equal lengths
// move the front, so the front (right) line takes the odd cell.
#include <cstdint>

struct TBalancedWalk {
    int64_t front = 0;
    int64_t back = 0;
    int64_t frontEnd = 0;  // index of the last cell the walk reached from the front
    int64_t backStart = 0;  // index of the cell the back pointer stands on
};

// length(i) gives the length of cell i of n (n >= 1). Every step moves one
// pointer one cell closer to the other, so the walk takes at most n steps.
template <class Length>
TBalancedWalk WalkBalanced(int64_t n, Length length)
{
    TBalancedWalk walk{length(0), length(n - 1), 0, n - 1};
    for (;;) {
        if (walk.back < walk.front) {
            if (--walk.backStart <= walk.frontEnd)
                return walk;
            walk.back += length(walk.backStart);
        } else {
            if (++walk.frontEnd >= walk.backStart)
                return walk;
            walk.front += length(walk.frontEnd);
        }
    }
}
