#include "typeset/markup/RunAdvance.h"

#include <algorithm>
#include <limits>

#include "platform/TextNumbers.h"
#include "typeset/TypesetEdition.h"

int32_t ScaleByRatio(int32_t length, QStringView spacing)
{
    const qsizetype dash = spacing.indexOf(u'-', 1);
    if (dash < 0)
        return length;
    const int64_t b = ParseIntLikeAtoi(spacing.left(dash));
    // A room of no cells or fewer is one cell: a run never goes back up its
    // column, nor takes no room at all.
    const int64_t c = std::max<int64_t>(ParseIntLikeAtoi(spacing.mid(dash + 1)), 1);
    if (b <= 0)
        return length;  // a zero or negative divisor scales nothing
    const int64_t scaled = int64_t(length) * c / b;
    return int32_t(std::clamp<int64_t>(scaled, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

int32_t ScaleByRatioText(const TZtSpan& run)
{
    return CurrentTypesetEdition().ScaleByRatioText(run);
}
