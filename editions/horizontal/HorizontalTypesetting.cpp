#include "editions/horizontal/HorizontalTypesetting.h"

#include "typeset/markup/RunAdvance.h"
#include "typeset/markup/Spans.h"

int32_t HorizontalTypesetting::ScaleByRatioText(const TZtSpan& run) const
{
    return ScaleByRatio(run.charWidth, run.spacing);
}
