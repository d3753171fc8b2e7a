#pragma once
// The typesetting rules of VellumorHorz: the vertical rules turned by a
// quarter, lines running across the page.
#include "editions/vertical/VerticalTypesetting.h"

class HorizontalTypesetting : public VerticalTypesetting {
public:
    // A spacing stretches along the line, that is the character width.
    int32_t ScaleByRatioText(const TZtSpan& run) const override;
};
