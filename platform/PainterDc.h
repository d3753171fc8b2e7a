#pragma once
// A Dc over a QPainter that is already active on its device.
//
// The AND blit is a raster operation on raster targets (screens, images),
// where it keeps white areas exactly. Vector targets (printers, PDF files)
// have neither raster operations nor blend modes, so there the picture is
// drawn as a transparent layer whose white parts vanish and whose dark parts
// darken the page: the same for black and white, close for colours.
#include "platform/Dc.h"

class QPainter;

class PainterDc : public Dc {
public:
    explicit PainterDc(QPainter& painter) : painter_(painter) {}

    bool StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op) override;

private:
    QPainter& painter_;
};
