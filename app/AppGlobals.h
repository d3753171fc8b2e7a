#pragma once
// Working state of the application layer: the open text or project and the
// shown volume. Every process-wide variable of this layer is declared here;
// ResetAppGlobals puts them back for tests. (State that lower layers read
// is declared there: g_ProjectFolder in the foundation layer; the set in
// use, the cover and back-cover pages and the book in the typeset layer;
// the current style and cover and the display modes in the render layer.)
#include <QString>

#include "foundation/params/Style.h"
#include "platform/ServiceSlot.h"
#include "typeset/pages/PageRecord.h"

class FrameServices;

// Path of the open text or project without extension: the project file is
// this + "." + the project extension, the text this + ".txt". Empty when a
// typeset book or nothing is open.
extern QString g_ProjectName;
// The project's parameters or text changed since the project file was last
// read or written.
extern bool g_ProjectDirty;
// Title of the open text or shown volume; stored in the volume-data file.
extern QString g_TextName;
// The parameter set of the open text or project.
extern TParaSet g_ParaSet;
// The pages of the shown text or volume.
extern TPageTable g_PageTable;

// Puts the records of set in place of g_ParaSet's. Pointers into the old
// records never dangle: the current lists are released, and a current style
// or cover of the old records is re-pointed to the new record of its name
// (the style else to the first style).
void ReplaceProjectParaSet(TParaSet&& set);

// The main window, installed as the frame services; empty: requests do nothing.
extern ServiceSlot<FrameServices> g_InstalledFrame;

void ResetAppGlobals();
