#include "platform/PainterDc.h"

#include <algorithm>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

namespace {

bool CanAndBits(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

// The picture as a layer that darkens what lies under it: each pixel is as
// transparent as its lowest channel is light, and keeps the rest of its
// colour (premultiplied: the channels less the lowest one). Drawn over the
// page this is exactly a multiply for grey pictures (white vanishes, black
// covers) and close to one for colours. PDF and printer output cannot blend
// by multiplying, but every device can draw transparency.
QImage AsDarkeningLayer(const QImage& image, const QRect& src)
{
    const QImage rgb = image.copy(src).convertToFormat(QImage::Format_RGB32);
    QImage layer(rgb.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
            const int low = std::min({r, g, b});
            out[x] = qRgba(r - low, g - low, b - low, 255 - low);
        }
    }
    return layer;
}

}  // namespace

bool PainterDc::StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op)
{
    if (image.isNull() || src.IsEmpty())
        return false;
    if (dest.IsEmpty())
        return true;
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (op == RasterOp::Copy) {
        painter_.drawImage(dest.ToQRect(), image, src.ToQRect());
    } else if (CanAndBits(painter_)) {
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter_.drawImage(dest.ToQRect(), image, src.ToQRect());
    } else {
        const QImage layer = AsDarkeningLayer(image, src.ToQRect());
        painter_.drawImage(dest.ToQRect(), layer, layer.rect());
    }
    painter_.restore();
    return true;
}
