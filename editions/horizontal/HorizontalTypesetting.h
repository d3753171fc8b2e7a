#pragma once
// The typesetting rules of VellumorHorz: the vertical rules turned by a
// quarter, lines running across the page.
#include "editions/vertical/VerticalTypesetting.h"

class HorizontalTypesetting : public VerticalTypesetting {
public:
    // A spacing stretches along the line, that is the character width.
    int32_t ScaleByRatioText(const TZtSpan& run) const override;

    // --- Page-to-source map (HorizontalSourceMap.cpp) ---
    // Punctuation stays horizontal: the source is matched as it is, with its
    // 【…】 tags, and keys take the last lines whole.
    TSourceMapForm SourceMapForm() const override;
};
