#pragma once
// What a page table keeps for find and replace: the search index of its
// body pages and the character positions of hits. The search itself
// (typeset/search) fills and reads them.
#include <cstdint>
#include <vector>

#include <QString>

// One line's share of a section: its page and its length in code points.
// (Kept as two fields: a packed page * 65536 + length would run the length
// into the page for a line of 65,536 code points or more.)
struct TSectionPiece {
    int32_t page = 0;
    int32_t length = 0;

    bool operator==(const TSectionPiece&) const = default;
};

// A stretch of body lines between two titles, joined into one searchable
// text. Positions in it are display columns: code points of the lines
// reduced to their text and their title and glyph tags.
struct TSearchSection {
    QString text;
    int32_t firstPage = 0;
    int32_t firstLine = 0;
    int32_t startOffset = 0;  // display offset in the first line
    std::vector<TSectionPiece> pieces;  // one per line, in order
};

struct THitPosition {
    int32_t page = 0;
    int32_t line = 0;
    int32_t column = 0;  // display column, column in the line's text, or edit-grid cell

    bool operator==(const THitPosition&) const = default;
};

// The characters of one hit, with where it starts in its section.
struct THitRecord {
    std::vector<THitPosition> positions;
    int32_t section = 0;
    int32_t offset = 0;  // in units of the section text
};
