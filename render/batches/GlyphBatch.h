#pragma once
// Glyphs collected per page and drawn in one pass with one font per list.
#include <cstdint>
#include <vector>

#include <QString>

class Dc;

// One character (or surrogate pair) at its cell's top-left, device pixels.
struct TGlyph {
    QString text;
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const TGlyph&) const = default;
};

void TextOutGlyph(Dc& dc, const TGlyph& glyph);

// The glyphs of one page: main text, and the two note halves and
// single-line notes.
struct TGlyphBatch {
    std::vector<TGlyph> body;
    std::vector<TGlyph> notes;
};

// Body by y, then x, ascending; notes by y, then x, descending (stable).
void SortGlyphLists(TGlyphBatch& batch);
