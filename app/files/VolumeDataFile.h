#pragma once
// The volume-data file: the typeset pages of one volume, stored beside its
// source text (the text's path without extension + "." + the volume-data
// extension).
//
//   int32 version (32 written) · [from 29] the volume-data magic ·
//   the title (g_TextName) as a scrambled string · int32 page count ·
//   the pages in their stored form
//
// Head-box lines and collected side-note lines are not part of the stored
// page form, so they do not survive a save.
#include <QString>

#include "app/files/FileFrame.h"

class TBinFile;

// Writes g_TextName and g_PageTable to path. Once the file is open, path is
// kept in volumeDataPath (the view's path of the shown volume) when given.
// A failed save is reported and gives false, the old file unchanged. Text
// units that the scrambled form cannot hold are stored as U+FFFD, and the
// user is told so.
bool WriteVolumeDataFile(const QString& path, QString* volumeDataPath = nullptr);

// Reads path into g_TextName and g_PageTable. False, silently, when the file
// cannot be opened or belongs to another edition; false after a message for
// a file too old or damaged (empty, or ending before its counts say), and
// then the shown volume is left as it was.
bool ReadVolumeDataFile(const QString& path);
// The same from a stream opened for reading (a file or a buffer); nothing
// is told of a damaged stream.
FileRead ReadVolumeDataFile(TBinFile& file);
