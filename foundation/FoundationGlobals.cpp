#include "foundation/FoundationGlobals.h"

#include "foundation/Edition.h"

namespace {
const WoodblockEdition kDefaultEdition;
}

const Edition* g_Edition = &kDefaultEdition;

QString g_ProgramPath;
QString g_ProgramFolder;
QString g_ProjectFolder;

const Edition* InstallEdition(const Edition* edition)
{
    const Edition* previous = g_Edition;
    g_Edition = edition ? edition : &kDefaultEdition;
    return previous;
}

void ResetFoundationGlobals()
{
    // The edition is chosen by the program (or the test fixture), not reset.
    g_ProgramPath.clear();
    g_ProgramFolder.clear();
    g_ProjectFolder.clear();
}
