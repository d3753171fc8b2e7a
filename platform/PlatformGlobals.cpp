#include "platform/PlatformGlobals.h"

ServiceSlot<Prompter> g_InstalledPrompter;
ServiceSlot<Chooser> g_InstalledChooser;

void ResetPlatformGlobals()
{
    g_InstalledPrompter.Reset();
    g_InstalledChooser.Reset();
}
