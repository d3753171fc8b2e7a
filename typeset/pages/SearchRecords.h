#pragma once
// What a page table keeps for find and replace: the search index of its
// body pages and the character positions of hits. The search itself fills
// and reads them.
#include <cstdint>
#include <vector>

#include <QString>

// A stretch of body lines between two titles, joined into one searchable
// text.
struct TSearchSection {
    QString text;
    int32_t firstPage = 0;
    int32_t firstLine = 0;
    int32_t startOffset = 0;     // display offset in the first line
    std::vector<int32_t> pieces;  // per appended piece: page * 65536 + its length in code points
};

struct THitPosition {
    int32_t page = 0;
    int32_t line = 0;
    int32_t column = 0;  // in the line's text, or the edit grid's cell
};

// The characters of one hit, with where it starts in its section.
struct THitRecord {
    std::vector<THitPosition> positions;
    int32_t section = 0;
    int32_t offset = 0;  // in units of the section text
};
