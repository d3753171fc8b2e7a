#pragma once
// Working state of the platform layer. Every process-wide variable of this
// layer is declared here; ResetPlatformGlobals puts them back for tests.
#include "platform/ServiceSlot.h"

class Prompter;

// The prompter the application (or a test) installed; empty: the console.
extern ServiceSlot<Prompter> g_InstalledPrompter;

void ResetPlatformGlobals();
