#pragma once
// Replacing found text in the typeset lines, character by character: each
// found character is replaced by the replacement character at the same place
// of the hit, so a line keeps its length when the replacement is at least as
// long as the key (the characters beyond the key's length are not placed)
// and loses the rest of the found characters when it is shorter.
//
// The caller marks the volume changed after a replace, and when titlesChanged
// comes back set (a line's volume-name or title tag changed) also rebuilds
// the contents and the index.
#include <cstdint>

#include <QStringView>

#include "typeset/pages/SearchRecords.h"

struct TPageTable;

// Replaces the hit of record (a gridHits record: columns in the lines' text)
// in its lines, and the key in its section's text by the whole replacement.
// False when none of its lines exists.
bool ReplaceInLine(TPageTable& table, QStringView key, QStringView replacement, const THitRecord& record,
                   bool* titlesChanged = nullptr);

// Replaces every occurrence of the key in the table's sections and returns
// how many there were (overlapping ones included). The hits are replaced
// from the last to the first, so that a replacement of another length does
// not move the hits before it, and the sections are rebuilt afterwards.
// gridHits keeps the replaced hits; no hit table is left and g_FindText is
// emptied. Nothing changes when there is no occurrence.
int32_t ReplaceHits(TPageTable& table, QStringView key, QStringView replacement, bool* titlesChanged = nullptr);
