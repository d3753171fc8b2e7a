#pragma once
// Finding a key in the sections of a page table, from the table's find
// cursor forward or backward, and marking the hit for the drawing and the
// edit grid.
#include <vector>

#include <QStringView>

#include "typeset/pages/SearchRecords.h"

struct TPageTable;

// The next occurrence of the key from the cursor: forward the first one
// starting at or after it, backward the last one starting at or before it,
// going on into the following (preceding) sections. On a find, hit gets the
// section, offset and display positions, and the cursor moves to the hit's
// first position. An empty key or a table without sections finds nothing.
bool FindInSections(TPageTable& table, QStringView key, bool forward, THitRecord& hit);

// Every occurrence of the key in every section, in order; overlapping
// occurrences count ("aa" is found twice in "aaa").
std::vector<THitRecord> FindAllInSections(const TPageTable& table, QStringView key);

// FindInSections, then the hit becomes the table's only entry of gridHits
// and cellHits and the only group list of a new current hit table
// (g_CurrentHitTable), with g_SearchMode 2 and g_FindText set so that the
// drawing highlights it. False when nothing is found (nothing changes then).
bool FindNextHit(TPageTable& table, QStringView key, bool forward);
