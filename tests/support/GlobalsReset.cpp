#include "GlobalsReset.h"

#include <QFile>

#include "app/AppGlobals.h"
#include "app/settings/FrameSettings.h"
#include "foundation/FoundationGlobals.h"
#include "platform/PlatformGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

void GlobalsReset::OnTestEnd(const ::testing::TestInfo&)
{
    // A window closed in the test wrote the settings archive; the next test
    // starts without it, as on a first run.
    QFile::remove(FrameSettingsPath());
    // From the top layer down: the application's reset releases pointers
    // into the records that the lower layers' globals point at.
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    ResetFoundationGlobals();
    ResetPlatformGlobals();
    InstallEdition(nullptr);
}
