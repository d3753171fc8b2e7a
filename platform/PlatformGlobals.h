#pragma once
// Working state of the platform layer. Every process-wide variable of this
// layer is declared here; ResetPlatformGlobals puts them back for tests.
#include "platform/ServiceSlot.h"

class Chooser;
class Prompter;

// The prompter the application (or a test) installed; empty: the console.
extern ServiceSlot<Prompter> g_InstalledPrompter;
// The chooser of files, folders, colours and fonts; empty: every choice
// is cancelled.
extern ServiceSlot<Chooser> g_InstalledChooser;

void ResetPlatformGlobals();
