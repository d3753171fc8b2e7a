#include "typeset/TypesetEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "typeset/layout/WoodblockLayout.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/markup/Spans.h"

int32_t TypesetEdition::ScaleByRatioText(const TZtSpan& run) const
{
    return ScaleByRatio(run.charHeight, run.spacing);
}

void TypesetEdition::ResetOccupancy(TLayoutContext& context) const { Woodblock::ResetOccupancy(context); }

int32_t TypesetEdition::AvailableLength(const TLayoutContext& context) const
{
    return Woodblock::AvailableLength(context);
}

bool TypesetEdition::ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture) const
{
    return Woodblock::ReserveBlockLines(context, picture);
}

void TypesetEdition::EmitLine(TLayoutContext& context) const { Woodblock::EmitLine(context); }

void TypesetEdition::NewPage(TLayoutContext& context) const { Woodblock::NewPage(context); }

const TypesetEdition& CurrentTypesetEdition()
{
    static const TypesetEdition woodblock;
    const TypesetEdition* own = g_Edition ? g_Edition->Typesetting() : nullptr;
    return own ? *own : woodblock;
}
