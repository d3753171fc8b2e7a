#pragma once
// The runs of one stretch of a segment: plain text, a special-format
// stretch ("<TS…>") or circled text ("<YQ…>"). A run shares one font, one
// spacing and one emphasis set (TZtSpan).
#include <cstdint>
#include <vector>

#include <QString>

#include "typeset/markup/Spans.h"

struct TRunGroup {
    enum : int32_t { Plain = 0, SpecialFormat = 1, Circled = 2 };
    // Bits of a special-format part: the stretch continues an earlier one
    // (written "<TS+…>") and continues in a later one (ended by "<+TS>").
    // 0 whole, 1 last part, 2 first part, 3 middle part.
    enum : int32_t { ContinuesEarlier = 1, ContinuesLater = 2 };

    std::vector<TZtSpan> runs;
    int32_t kind = Plain;
    int32_t part = 0;
    QString param;  // the special format's or circle's MARK

    bool operator==(const TRunGroup&) const = default;
};
