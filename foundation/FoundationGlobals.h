#pragma once
// Working state of the foundation layer. Every process-wide variable of this
// layer is declared here; ResetFoundationGlobals puts them back for tests.
#include <QString>

class Edition;

// The edition the program runs as; set by main() before anything else.
extern const Edition* g_Edition;

// Installs an edition (not owned) and returns the previous one.
const Edition* InstallEdition(const Edition* edition);

// The program's own file and folder, found once by InitAppFolder.
extern QString g_ProgramPath;
extern QString g_ProgramFolder;
// The folder of the open project: the base of the project's picture folders.
extern QString g_ProjectFolder;

void ResetFoundationGlobals();
