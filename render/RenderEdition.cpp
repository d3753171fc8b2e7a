#include "render/RenderEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

const RenderEdition& CurrentDrawing()
{
    static const RenderEdition woodblock;
    const RenderEdition* own = g_Edition ? g_Edition->Drawing() : nullptr;
    return own ? *own : woodblock;
}
