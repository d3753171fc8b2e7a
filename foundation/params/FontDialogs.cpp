#include "foundation/params/FontDialogs.h"

#include "foundation/FoundationGlobals.h"

FontDialogs* CurrentFontDialogs() { return g_InstalledFontDialogs.Get(); }

FontDialogs* InstallFontDialogs(FontDialogs* dialogs) { return g_InstalledFontDialogs.Install(dialogs); }
