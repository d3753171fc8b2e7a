#pragma once
// The parts of a special-format run (特殊格式) that every edition's drawing
// shares: measuring its font runs, its format's pen and brush, the whole
// rounded box and the text after the shape. Positions and lengths are in
// hundredths of a pixel at the current zoom.
#include <cstdint>
#include <functional>

#include <QPoint>
#include <QString>
#include <QStringView>

#include "foundation/params/FontStyle.h"

class Dc;
class PageRenderer;

struct BoxFont {
    TFontStyle font;
    int32_t length = 0;  // of all runs together, along the column or line
};

// The font of the run that reaches furthest by reach(), and the runs' length
// (each run's scaled advance times its characters).
BoxFont MeasureBoxRuns(PageRenderer& view, QStringView text, int32_t (*reach)(const TFontStyle&));

// The cell alignment of a box font (its measures filled in from the Dc),
// as the glyph engine aligns that font in a cell of that width and advance.
QPoint AlignBoxFont(PageRenderer& view, Dc& dc, TFontStyle& font, int32_t width, int32_t advance);

// A run's box as down a column: L and R across it, T and B along it.
struct Box {
    int32_t L, T, R, B;  // scaled
    int32_t c, h;        // corner radius and half of it, scaled
    int32_t l() const { return L / 100; }
    int32_t t() const { return T / 100; }
    int32_t r() const { return R / 100; }
    int32_t b() const { return B / 100; }
};

// The piece of a run whose box follows its characters' size; part is the
// token kind's two low bits (1 begins here: open at the far end; 2 ends
// here: open at the near end). alongX turns it by a quarter onto a
// horizontal line, its along (T, B) then running in x.
void DrawPieceShape(Dc& dc, const Box& k, int32_t part, bool filled, bool alongX);

// The shape of a run under the format of that name: drawShape(byWidth,
// filled) draws it with the format's pen and brush selected; then the text,
// its token kind marked for an outline format (the text keeps its colour)
// and for one that spans the full width.
QPoint DrawFormattedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, const QString& name,
                        int32_t width, int32_t x, int32_t y, const std::function<void(bool byWidth, bool filled)>& drawShape);
