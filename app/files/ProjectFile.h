#pragma once
// The project file: the parameter set of one pre-processed text, stored
// beside the text as g_ProjectName + "." + the project extension.
//
//   int32 version (32 written) · [from 29] the project magic · [from 28]
//   the cover list · the style list
//
// Files of versions 21 to 27 hold the style list alone, with the covers
// among the styles as "COVER" and "BACK"; the woodblock edition converts
// them, the other editions read no list from them and keep the set.
#include <QString>

#include "app/files/FileFrame.h"
#include "foundation/params/Style.h"

class TBinFile;

// A project file read aside: its parameter set, when the file holds lists.
struct TProjectData {
    TParaSet set;
    bool holdsLists = false;
};

// Reads a project file without touching the working state. Refused
// silently when the file cannot be opened, after a message when it is too
// old or of another edition; Damaged, untold, when it ends early or is empty.
FileRead ReadProjectData(TBinFile& file, TProjectData& data);
FileRead ReadProjectFile(const QString& path, TProjectData& data);
// Makes data the open project's parameter set and the set in use, names the
// project after path and clears g_ProjectDirty. The current style and cover
// are re-pointed into the new records (by name, else the first style).
void UseProjectData(TProjectData&& data, const QString& path);

// Reads the file and uses it; false when it was not read whole (a damaged
// file is told, and nothing of it is used).
bool ReadProjectFile(const QString& path);
// The same from a stream opened for reading (a file or a buffer); path
// names the project. Nothing is told of a damaged stream.
FileRead ReadProjectFile(TBinFile& file, const QString& path);

// Writes g_ParaSet to the project file of g_ProjectName, asking before it
// replaces an existing file. True when the file was written (g_ProjectDirty
// is then cleared); a failed save is reported and keeps the project dirty.
// Nothing happens without a project name.
bool SaveProjectFile();

// g_ProjectName + "." + the project extension.
QString ProjectFilePath();
