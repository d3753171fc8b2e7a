#pragma once
// The device context that pages and pictures are drawn on, in GDI's terms:
// rectangles in device pixels with exclusive right and bottom. PainterDc
// draws through a QPainter onto a screen, an image, a printer or a PDF file.
#include "platform/WinTypes.h"

class QImage;

// The raster operations of a stretch blit.
enum class RasterOp {
    Copy,  // SRCCOPY: the picture replaces what is there
    And,   // SRCAND: white parts leave the target unchanged, dark parts darken it
};

class Dc {
public:
    virtual ~Dc() = default;

    // Stretches the source part of the image into the destination without
    // smoothing (GDI's COLORONCOLOR: pixels are picked, not blended). False
    // when there is nothing to draw from (a null image or an empty source).
    virtual bool StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op) = 0;
};
