#include "GlobalsReset.h"

#include "app/AppGlobals.h"
#include "foundation/FoundationGlobals.h"
#include "platform/PlatformGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

void GlobalsReset::OnTestEnd(const ::testing::TestInfo&)
{
    // From the top layer down: the application's reset releases pointers
    // into the records that the lower layers' globals point at.
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    ResetFoundationGlobals();
    ResetPlatformGlobals();
    InstallEdition(nullptr);
}
