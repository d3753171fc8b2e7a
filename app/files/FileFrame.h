#pragma once
// The frame that the binary files of a project or book share: an int32 file
// version, then from version 29 the edition's magic string for that kind of
// file. Saving goes through one safe writer that reports its failures.
#include <cstdint>
#include <functional>

#include <QString>

#include "foundation/Edition.h"

class TBinFile;

// Files of version 20 or less are refused.
inline constexpr int32_t kOldestFileVersion = 21;
inline constexpr int32_t kFirstMagicVersion = 29;

// Ended: the file ends inside its frame.
enum class FrameCheck { Accepted, TooOld, ForeignMagic, Ended };

// How a reader ended. Refused: the file cannot be opened, or it was refused
// (too old, of another edition) with the reader's own message. Damaged: it
// ends before its counts say, or carries a layout value outside its range;
// nothing of it was taken.
enum class FileRead { Whole, Refused, Damaged };

// Opens path for reading: Whole when open, Damaged for a file that is there
// but empty, Refused when it cannot be opened.
FileRead OpenToRead(TBinFile& file, const QString& path);
// Damaged when a read met the end of the file (call it before Close).
FileRead WholeUnlessEnded(const TBinFile& file);
// "文件已損壞，無法打開：" and the path: what every damaged file is told.
void TellDamagedFile(const QString& path);
// True for a whole file; a damaged one is told, naming path.
bool WholeOrTell(FileRead read, const QString& path);

// Reads the version and, from version 29, the magic.
FrameCheck ReadFileFrame(TBinFile& file, FileKind kind, int32_t& version);
// Writes the version and the edition's magic with its terminator.
int32_t WriteFileFrame(TBinFile& file, FileKind kind, int32_t version);

// Whether a save asks before it writes over a file that changed on disk
// since the program last read or wrote it. A file made again from others
// (the index) has nothing of its own to lose.
enum class OverwriteCheck { AskWhenChanged, None };

// Creates path, runs write on it and commits it, asking first as check
// says (No gives false, untold). A file that cannot be created, written or
// committed is reported to the user and gives false; the file that was
// there before stays as it was.
bool SaveBinFile(const QString& path, const std::function<void(TBinFile&)>& write,
                 OverwriteCheck check = OverwriteCheck::AskWhenChanged);
