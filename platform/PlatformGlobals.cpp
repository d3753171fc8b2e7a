#include "platform/PlatformGlobals.h"

ServiceSlot<Prompter> g_InstalledPrompter;

void ResetPlatformGlobals() { g_InstalledPrompter.Reset(); }
