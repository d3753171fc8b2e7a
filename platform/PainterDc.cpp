#include "platform/PainterDc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include "platform/GdiFont.h"

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

// A page uses a handful of fonts; a long-lived Dc starts its list afresh
// rather than let it grow.
constexpr size_t kMostMadeFonts = 32;

bool IsThin(const DcPen& pen) { return pen.width <= 1; }

// The pixels from a towards b, b left out, as [low, high).
std::pair<int32_t, int32_t> HalfOpen(int32_t a, int32_t b)
{
    return b > a ? std::pair(a, b) : std::pair(b + 1, a + 1);
}

// GDI accepts the corners in either order.
void Normalize(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
}

// The outline of a shape over left..right-1, top..bottom-1: a thin pen's
// pixels fall on this box's edges; a wide pen is centred on them.
QRectF OutlineBox(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return QRectF(left, top, right - left - 1, bottom - top - 1);
}

// Degrees counter-clockwise from three o'clock (y grows downward).
double RadialAngle(double cx, double cy, int32_t x, int32_t y)
{
    return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
}

}  // namespace

PainterDc::PainterDc(QPainter& painter, Options options)
    : painter_(painter), options_(options), base_(painter.worldTransform())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

PainterDc::~PainterDc() { Flush(); }

void PainterDc::Flush()
{
    if (pending_.Empty())
        return;
    if (painterTextColor_ != pendingColor_) {
        painter_.setPen(ToQColor(pendingColor_));
        painterTextColor_ = pendingColor_;
    }
    pending_.Draw(painter_);
}

int32_t PainterDc::GetDeviceCaps(DeviceCap cap) const
{
    const QPaintDevice* device = painter_.device();
    if (!device)
        return 0;
    switch (cap) {
    case DeviceCap::HorzRes:
        return device->width();
    case DeviceCap::VertRes:
        return device->height();
    case DeviceCap::LogPixelsX:
        return device->logicalDpiX();
    case DeviceCap::LogPixelsY:
        return device->logicalDpiY();
    }
    return 0;
}

void PainterDc::ViewportChanged()
{
    Flush();
    painter_.setWorldTransform(QTransform::fromTranslate(ViewportOrg().x(), ViewportOrg().y()) * base_);
}

const PainterDc::MadeFont& PainterDc::CurrentFont()
{
    if (fontSerial_ == FontSerial())
        return fonts_[current_];
    fontSerial_ = FontSerial();
    const DcFont& request = State().font;
    for (size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].request == request) {
            current_ = i;
            return fonts_[i];
        }
    }
    if (fonts_.size() >= kMostMadeFonts)
        fonts_.clear();
    MadeFont made;
    made.request = request;
    GdiFont gdi = MakeGdiFont(request, options_.antialiasText);
    made.font = std::move(gdi.font);
    made.emboldenStroke = gdi.emboldenStroke;
    const QFontMetrics metrics(made.font);
    made.ascent = metrics.ascent();
    made.height = metrics.ascent() + metrics.descent();
    made.runs = std::make_unique<GlyphRuns>(made.font, painter_.device());
    fonts_.push_back(std::move(made));
    current_ = fonts_.size() - 1;
    return fonts_.back();
}

TextMetrics PainterDc::GetTextMetrics()
{
    const MadeFont& made = CurrentFont();
    TextMetrics tm;
    tm.height = made.height;
    tm.internalLeading = tm.height - EmHeightOf(made.request);
    tm.externalLeading = QFontMetrics(made.font).leading();
    return tm;
}

QSize PainterDc::GetTextExtent(QStringView text)
{
    const MadeFont& made = CurrentFont();
    return QSize(made.runs->Shape(text.toString()).advance, made.height);
}

WinRect PainterDc::GetInkBox(QStringView text)
{
    const MadeFont& made = CurrentFont();
    return InkBoxOf(made.font, made.ascent, made.emboldenStroke, text);
}

void PainterDc::TextOut(int32_t x, int32_t y, QStringView text)
{
    const MadeFont& made = CurrentFont();
    const GlyphRuns::Shaped& shaped = made.runs->Shape(text.toString());
    if (State().textColor != pendingColor_)
        Flush();
    pendingColor_ = State().textColor;
    if (State().bkMode == BkMode::Opaque) {
        Flush();
        FillSpan(x, y, x + shaped.advance, y + made.height, State().bkColor);
    }
    const QPointF baseline(x, y + made.ascent);
    pending_.Add(shaped, baseline, made.emboldenStroke);
}

void PainterDc::UsePen()
{
    Flush();
    painterTextColor_ = ~0u;
    const DcPen& pen = State().pen;
    if (IsThin(pen))
        painter_.setPen(QPen(ToQColor(pen.color), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    else
        painter_.setPen(QPen(ToQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PainterDc::UseBrush()
{
    const DcBrush& brush = State().brush;
    painter_.setBrush(brush.null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color)));
}

void PainterDc::FillSpan(int32_t left, int32_t top, int32_t right, int32_t bottom, ColorRef color)
{
    Flush();
    if (right > left && bottom > top)
        painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(color));
}

void PainterDc::DrawLine(QPoint from, QPoint to)
{
    const DcPen& pen = State().pen;
    if (from == to)
        return;
    if (IsThin(pen) && from.y() == to.y()) {
        const auto [x0, x1] = HalfOpen(from.x(), to.x());
        FillSpan(x0, from.y(), x1, from.y() + 1, pen.color);
        return;
    }
    if (IsThin(pen) && from.x() == to.x()) {
        const auto [y0, y1] = HalfOpen(from.y(), to.y());
        FillSpan(from.x(), y0, from.x() + 1, y1, pen.color);
        return;
    }
    UsePen();
    painter_.drawLine(from, to);
}

void PainterDc::Polyline(std::span<const QPoint> points)
{
    if (points.size() < 2)
        return;
    UsePen();
    painter_.drawPolyline(points.data(), int(points.size()));
}

void PainterDc::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Normalize(left, top, right, bottom);
    if (right - left < 1 || bottom - top < 1)
        return;
    const DcPen& pen = State().pen;
    if (!State().brush.null)
        FillSpan(left, top, right, bottom, State().brush.color);
    if (!IsThin(pen)) {
        UsePen();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(OutlineBox(left, top, right, bottom));
        return;
    }
    FillSpan(left, top, right, top + 1, pen.color);
    FillSpan(left, bottom - 1, right, bottom, pen.color);
    FillSpan(left, top, left + 1, bottom, pen.color);
    FillSpan(right - 1, top, right, bottom, pen.color);
}

void PainterDc::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ew, int32_t eh)
{
    Normalize(left, top, right, bottom);
    UsePen();
    UseBrush();
    painter_.drawRoundedRect(OutlineBox(left, top, right, bottom), ew / 2.0, eh / 2.0, Qt::AbsoluteSize);
}

void PainterDc::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Normalize(left, top, right, bottom);
    UsePen();
    UseBrush();
    painter_.drawEllipse(OutlineBox(left, top, right, bottom));
}

void PainterDc::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xs, int32_t ys, int32_t xe,
                    int32_t ye)
{
    Normalize(left, top, right, bottom);
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double start = RadialAngle(cx, cy, xs, ys);
    double span = RadialAngle(cx, cy, xe, ye) - start;
    if (span <= 0)
        span += 360;  // equal radials: the whole ellipse
    UsePen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(OutlineBox(left, top, right, bottom), int(std::lround(start * 16)), int(std::lround(span * 16)));
}

void PainterDc::Polygon(std::span<const QPoint> points)
{
    if (points.size() < 2)
        return;
    UsePen();
    UseBrush();
    painter_.drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill);
}

void PainterDc::SelectClipRect(const WinRect& deviceRect)
{
    Flush();
    // Set without the origin's shift: the painter keeps a clip where it
    // lands on the device, whatever the transform does afterwards.
    const QTransform current = painter_.worldTransform();
    painter_.setWorldTransform(QTransform());
    painter_.setClipRect(deviceRect.ToQRect());
    painter_.setWorldTransform(current);
}

void PainterDc::ClearClip()
{
    Flush();
    painter_.setClipping(false);
}

bool PainterDc::StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op)
{
    Flush();
    if (image.isNull() || src.IsEmpty())
        return false;
    if (dest.IsEmpty())
        return true;
    painter_.save();
    painterTextColor_ = ~0u;
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
