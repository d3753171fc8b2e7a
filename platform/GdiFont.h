#pragma once
// GDI's font request in Qt terms. The height is the em height in pixels;
// the width is GDI's average character width (tmAveCharWidth, the face's
// OS/2 average), reached by stretching the face by the ratio of the asked
// width to the face's own average width at that height. So one request
// gives the same glyph widths as GDI gives for the same face, whatever
// that face's average is (half an em for most CJK faces made for Windows,
// a whole em for some others).
#include <QFont>

#include "platform/Dc.h"

// The em height a request gets: |height|, or 16 pixels for 0.
int32_t EmHeightOf(const DcFont& font);

// A font made from a request. A bold request on a face that has no bold
// member gets the regular face and an emboldening stroke: the glyphs'
// outlines are stroked that wide (pixels) over the filled text, a fixed part
// of the em, so that bold has one weight at every size and on every device
// (Qt's own synthetic bold reaches the screen but not a PDF file).
struct GdiFont {
    QFont font;
    double emboldenStroke = 0;
};

// antialias false draws glyphs with plain pixels (used by pixel tests).
GdiFont MakeGdiFont(const DcFont& font, bool antialias);

// The ink of the text in the font, its cell's top-left at (0, 0) (the
// baseline one ascent down), widened by half the emboldening stroke.
WinRect InkBoxOf(const QFont& font, int32_t ascent, double emboldenStroke, QStringView text);
