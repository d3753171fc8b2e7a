#pragma once
// The records with which the typesetter and the drawing cut text into
// segments, runs, tokens and emphasis stretches. Plain values, copied member
// by member.
#include <cstdint>
#include <vector>

#include <QString>

// A segment of a line: main text or a note.
struct TZwSpan {
    enum : int32_t { MainText = 0, Note = 1 };
    int32_t kind = MainText;
    QString text;
    std::vector<QString> pieces;  // carried with the record; no splitter fills it

    bool operator==(const TZwSpan&) const = default;
};

// A text run: one font, one spacing, one emphasis-mark set. Lengths are
// hundredths of a pixel.
struct TZtSpan {
    QString text;
    QString fontName;      // attached font; empty: the box font
    int32_t charHeight = 0;  // WORD_HEIGHT of the run's font
    int32_t charWidth = 0;   // WORD_WIDTH of the run's font
    QString spacing;       // "b-c": each cell takes c/b of its length; empty: none
    QString emphasisName;  // emphasis-mark set; empty: none

    bool operator==(const TZtSpan&) const = default;
};

// A token of a note or text piece as the reader sees it.
struct TTsSpan {
    enum : int32_t { Plain = 32, Circled = 16 };
    // Special-format pieces carry kind 0 to 3, made of these reader bits.
    // (The layout writes its run groups with bits of the opposite sense:
    // "continues an earlier piece" and "continues in a later one".)
    enum : int32_t { BeginsHere = 1, EndsHere = 2 };
    int32_t kind = Plain;
    QString text;
    QString param;  // circle or special-format name

    bool operator==(const TTsSpan&) const = default;
};

// An emphasis stretch.
struct TQdSpan {
    QString text;
    QString name;  // emphasis-mark set; empty: none

    bool operator==(const TQdSpan&) const = default;
};
