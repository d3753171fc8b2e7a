#include "typeset/TypesetEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/markup/Spans.h"

namespace {

// The vertical edition sets the woodblock forms of every operation here.
class VerticalTypesetEdition : public TypesetEdition {};

// Lines run across the page: a spacing stretches along the line, that is
// the character width.
class HorizontalTypesetEdition : public VerticalTypesetEdition {
public:
    int32_t ScaleByRatioText(const TZtSpan& run) const override { return ScaleByRatio(run.charWidth, run.spacing); }
};

}  // namespace

int32_t TypesetEdition::ScaleByRatioText(const TZtSpan& run) const
{
    return ScaleByRatio(run.charHeight, run.spacing);
}

const TypesetEdition& CurrentTypesetEdition()
{
    static const TypesetEdition woodblock;
    static const VerticalTypesetEdition vertical;
    static const HorizontalTypesetEdition horizontal;
    switch (g_Edition->Kind()) {
    case EditionKind::Vertical:
        return vertical;
    case EditionKind::Horizontal:
        return horizontal;
    case EditionKind::Woodblock:
        break;
    }
    return woodblock;
}
