#pragma once
// The scrambled string form of the volume-data file: each UTF-16 unit is
// stored plus a key that runs 100, 101, …, 140 and starts again at 100 (a
// cycle of 41, restarting for every string), ended by a plain zero unit.
#include <cstdint>

#include <QString>

class TBinFile;  // foundation/io/BinFile.h

// Returns the bytes written (2 * length + 2), or -1 on a closed stream.
// A unit that would be stored as zero (FF74 … FF9C, depending on its key)
// would end the stored string early; it is written as U+FFFD instead.
int32_t WriteScrambledString(TBinFile& file, const QString& text);
// Whether WriteScrambledString would have to replace a unit of text.
bool ScrambledFormReplacesUnit(const QString& text);
// False, with text unchanged, when the file ends before the string's zero unit.
bool ReadScrambledString(TBinFile& file, QString& text);
