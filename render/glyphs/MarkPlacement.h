#pragma once
// Punctuation placed by its ink. The offsets of the punctuation modes move
// a mark from where the face they were made for keeps it in its em square
// (stops and commas low at the left, colons and question marks in the left
// half, vertical brackets toward the character they enclose). Faces put the
// same marks elsewhere (the Taiwan faces centre them), so a mark is drawn
// where its own ink lands where that face's ink would, and then moved the
// least way into the room it owns, clear of its neighbours.
#include <cstdint>
#include <optional>

#include <QPoint>
#include <QStringView>

#include "platform/WinTypes.h"

class Dc;
struct DcFont;
struct TBiaoDianPara;
struct TFontStyle;

// Which way the text runs: down a column (brackets in their vertical forms)
// or along a line (brackets in their own forms, lying on their sides).
enum class MarkFlow { Column, Line };

// The ink of the mark in that face's em square, in hundredths of the em
// across and down; marks without a place of their own are centred; nothing
// for characters.
std::optional<WinRect> ReferenceInk(QStringView glyph, MarkFlow flow = MarkFlow::Column);

// The em square a mark is moved from, in hundredths of a pixel: its
// top-left after the mode's offsets, and its width and height.
struct EmSquare {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Where to draw the glyph (its cell's top-left, in pixels) in the selected
// font so that its ink stands where the reference ink would in the square,
// moved into the room (pixels): the right and bottom edges first, so that
// ink bigger than the room keeps to its left and top. Nothing for a glyph
// without a reference or without ink: it stays where the mode put it.
std::optional<QPoint> PlaceMarkByInk(Dc& dc, QStringView glyph, const EmSquare& em, const WinRect& room,
                                     MarkFlow flow = MarkFlow::Column);

// The same for a glyph drawn in another font than the selected one (the
// reading marks' face): measured in that font, which is then put back.
std::optional<QPoint> PlaceMarkInFont(Dc& dc, const DcFont& font, QStringView glyph, const EmSquare& em,
                                      const WinRect& room, MarkFlow flow = MarkFlow::Column);

// The box moved the least way into the room, by the rule above.
WinRect MovedInto(WinRect box, const WinRect& room);

// The face the stops and pauses of the reading-mark modes are drawn in.
TFontStyle ReadingMarkFont(const TFontStyle& font, const TBiaoDianPara& marks);
