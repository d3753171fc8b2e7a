#pragma once
// The typesetting operations that an edition does its own way, reached
// through the installed edition (g_Edition). The base class holds the
// woodblock forms, which the vertical edition shares unless it overrides
// them; the horizontal edition derives from the vertical forms.
//
// The typeset layer keeps this seam itself rather than widening Edition:
// the forms work on the engine's own records, which the foundation layer
// below it does not know.
#include <cstdint>

struct TZtSpan;

class TypesetEdition {
public:
    virtual ~TypesetEdition() = default;

    // The advance of one cell of a run along its column: the character
    // height, scaled by the run's spacing.
    virtual int32_t ScaleByRatioText(const TZtSpan& run) const;
};

// The forms of the edition the program runs as.
const TypesetEdition& CurrentTypesetEdition();
