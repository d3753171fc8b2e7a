#pragma once
// Working state of the application layer: the open text or project and the
// shown volume. Every process-wide variable of this layer is declared here;
// ResetAppGlobals puts them back for tests. (State that lower layers read
// is declared there: g_ProjectFolder in the foundation layer; the set in
// use, the cover and back-cover pages and the book in the typeset layer;
// the current style and cover and the display modes in the render layer.)
#include <cstdint>
#include <map>

#include <QString>

#include "foundation/params/Style.h"
#include "platform/ServiceSlot.h"
#include "typeset/pages/PageRecord.h"

class DialogServices;
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
// The folder that holds the last opened or generated book folder; the open-
// typeset dialog starts there.
extern QString g_LastTypesetFolder;
// Where the text pane saves the pre-processed text (without extension).
extern QString g_TextSavePath;
// Index of the shown volume in g_CurrentBook; -1 when none.
extern int32_t g_CurrentVolume;
// The open book's shown volume was edited; its index must be rewritten; its
// layout parameters were changed.
extern bool g_VolumeDirty;
extern bool g_IndexDirty;
extern bool g_LayoutDirty;

// The folder that holds the last opened or generated book folder.
extern QString g_LastTypesetFolder;
// The shown volume of g_CurrentBook; -1 none.
extern int32_t g_CurrentVolume;
// The shown volume's pages were edited; the book's index file must be
// rewritten; the open book's layout parameters were changed.
extern bool g_VolumeDirty;
extern bool g_IndexDirty;
extern bool g_LayoutDirty;
// The window look: a command id from 210 to 218 (profile "ApplicationLook").
inline constexpr int32_t kDefaultAppLook = 214;
extern int32_t g_AppLook;

// Size and modification time (ms since the epoch) of a file as last read or
// written, by its absolute path.
struct TFileStamp {
    int64_t size = 0;
    int64_t modified = 0;
    bool operator==(const TFileStamp&) const = default;
};
extern std::map<QString, TFileStamp> g_FileStamps;

// Puts the records of set in place of g_ParaSet's. Pointers into the old
// records never dangle: the current lists are released, and a current style
// or cover of the old records is re-pointed to the new record of its name
// (the style else to the first style).
void ReplaceProjectParaSet(TParaSet&& set);

// The main window, installed as the frame services; empty: requests do nothing.
extern ServiceSlot<FrameServices> g_InstalledFrame;
// How dialogs are run modally; empty: for real.
extern ServiceSlot<DialogServices> g_InstalledDialogs;

void ResetAppGlobals();
