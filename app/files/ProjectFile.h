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

class TBinFile;

// Reads the file into g_ParaSet, makes it the set in use, sets
// g_ProjectName and g_ProjectFolder from the path and clears
// g_ProjectDirty. The current style and cover are re-pointed into the new
// records (by name, else the first style). False, silently, when the file
// cannot be opened; false after a message for a file too old or of another
// edition. A damaged file gives what it holds.
bool ReadProjectFile(const QString& path);
// The same from a stream opened for reading (a file or a buffer); path
// names the project.
bool ReadProjectFile(TBinFile& file, const QString& path);

// Writes g_ParaSet to the project file of g_ProjectName, asking before it
// replaces an existing file. True when the file was written (g_ProjectDirty
// is then cleared); a failed save is reported and keeps the project dirty.
// Nothing happens without a project name.
bool SaveProjectFile();

// g_ProjectName + "." + the project extension.
QString ProjectFilePath();
