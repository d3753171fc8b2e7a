#pragma once
// The search index of a page table: its body pages cut into sections at
// every volume-name and title tag ("<JM", "<BT"), each section's lines
// reduced to their text and their title and glyph tags and joined, so that
// a found text may run over line and page ends but never over a title.
//
// Three coordinates meet here: a section's text is searched in UTF-16
// units; the cursor and the hit positions are display columns (code points
// of a line's reduced text); DisplayToTextColumn (GridPositions.h) turns a
// display column into the column of the stored line and the edit-grid cell.
#include <cstdint>
#include <vector>

#include <QStringView>

#include "typeset/pages/SearchRecords.h"

struct TPageTable;

// Rebuilds table.sections from the lines of every page that is not a cover
// or back cover. Lines before the first title of the volume make a first
// section of their own.
void BuildSectionIndex(TPageTable& table);

// A line's length in display columns: the code points of its reduced text.
int32_t DisplayLength(QStringView line);

// The section the position lies in: the last one starting at or before it,
// the first when none does; -1 when there are no sections.
int32_t SectionOfPosition(const TPageTable& table, int32_t page, int32_t line, int32_t column);
// The position's offset in the section's text in code points; -1 when it
// lies before the section. A page without a line in the section (a cover in
// between, a page after the section) stands where the next line would.
int32_t SectionOffsetOf(const TSearchSection& section, int32_t page, int32_t line, int32_t column);

// Walks a section's lines forward to turn code-point offsets in its text
// into (page, line, display column) positions. Successive calls must not go
// back, so that the hits of a whole section are placed in one pass.
class SectionWalker {
public:
    explicit SectionWalker(const TSearchSection& section);
    // Appends the positions of count code points from code point start.
    void AddPositions(int32_t start, int32_t count, std::vector<THitPosition>& positions);

private:
    void NextPiece();

    const TSearchSection& section_;
    size_t piece_ = 0;
    int32_t pieceStart_ = 0;  // code points of the pieces before piece_
    int32_t page_ = 0;
    int32_t line_ = 0;
    int32_t base_ = 0;  // display column of the piece's first code point
};

// The positions of the key found at code point e of the section.
void AddHitPositions(int32_t e, const TSearchSection& section, QStringView key, THitRecord& record);
