#pragma once
// Working state of the foundation layer. Every process-wide variable of this
// layer is declared here; ResetFoundationGlobals puts them back for tests.
#include <QString>

class Edition;

// The edition the program runs as; set by main() before anything else.
extern const Edition* g_Edition;

// Installs an edition (not owned) and returns the previous one.
const Edition* InstallEdition(const Edition* edition);

void ResetFoundationGlobals();
