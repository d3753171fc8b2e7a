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

enum class FrameCheck { Accepted, TooOld, ForeignMagic };

// Reads the version and, from version 29, the magic. A file too short to
// hold a version reads as version 0.
FrameCheck ReadFileFrame(TBinFile& file, FileKind kind, int32_t& version);
// Writes the version and the edition's magic with its terminator.
int32_t WriteFileFrame(TBinFile& file, FileKind kind, int32_t version);

// Creates path, runs write on it and commits it. A file that cannot be
// created, written or committed is reported to the user and gives false;
// the file that was there before stays as it was.
bool SaveBinFile(const QString& path, const std::function<void(TBinFile&)>& write);
