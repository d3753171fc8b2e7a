#pragma once
// A hit's display columns turned into the stored line's coordinates: the
// column in the line's text (code points, tags included), which replace
// edits, and the edit-grid cell (the line's display characters, a glyph tag
// one), which the edit grid selects and the drawing highlights.
#include <cstdint>

#include <QStringView>

#include "typeset/pages/SearchRecords.h"

struct TPageTable;

struct TLineColumn {
    int32_t text = 0;
    int32_t cell = -1;  // -1 inside a title tag before any character
};

// The text column and cell of display column a of the line.
TLineColumn DisplayToTextColumn(QStringView line, int32_t a);

// Appends one record to each of the table's hit lists (gridHits, cellHits)
// for the hit; positions on lines the table does not have are left out.
void ToGridPositions(const THitRecord& hit, TPageTable& table);

// Empties the table's hit lists (before another find, or another volume is
// shown).
void ClearCurrentHitList(TPageTable& table);
