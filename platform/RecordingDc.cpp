#include "platform/RecordingDc.h"

#include <cstdlib>

#include <QFontMetrics>
#include <QImage>

#include "platform/GdiFont.h"

namespace {

int32_t CodePoints(QStringView text)
{
    int32_t n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

}  // namespace

int32_t RecordingDc::GetDeviceCaps(DeviceCap cap) const
{
    switch (cap) {
    case DeviceCap::HorzRes:
        return width_;
    case DeviceCap::VertRes:
        return height_;
    case DeviceCap::LogPixelsX:
    case DeviceCap::LogPixelsY:
        return dpi_;
    }
    return 0;
}

void RecordingDc::SetDevice(int32_t width, int32_t height, int32_t dpi)
{
    width_ = width;
    height_ = height;
    dpi_ = dpi;
}

TextMetrics RecordingDc::GetTextMetrics()
{
    if (!installedFaces_)
        return {EmHeightOf(State().font), 0, 0};
    const QFontMetrics metrics(MakeGdiFont(State().font, true).font);
    const int32_t height = metrics.ascent() + metrics.descent();
    return {height, height - EmHeightOf(State().font), metrics.leading()};
}

QSize RecordingDc::GetTextExtent(QStringView text)
{
    const DcFont& font = State().font;
    if (installedFaces_) {
        const QFontMetrics metrics(MakeGdiFont(font, true).font);
        return QSize(metrics.horizontalAdvance(text.toString()), metrics.ascent() + metrics.descent());
    }
    const int32_t cell = font.width != 0 ? 2 * std::abs(font.width) : EmHeightOf(font);
    return QSize(cell * CodePoints(text), EmHeightOf(font));
}

WinRect RecordingDc::GetInkBox(QStringView text)
{
    if (installedFaces_) {
        const GdiFont made = MakeGdiFont(State().font, true);
        return InkBoxOf(made.font, QFontMetrics(made.font).ascent(), made.emboldenStroke, text);
    }
    const QSize cell = GetTextExtent(text);
    return {0, 0, cell.width(), cell.height()};
}

DcCall& RecordingDc::Record(DcCall::Kind kind, std::vector<int32_t> coordinates)
{
    const QPoint origin = ViewportOrg();
    for (size_t i = 0; i + 1 < coordinates.size(); i += 2) {
        coordinates[i] += origin.x();
        coordinates[i + 1] += origin.y();
    }
    DcCall call;
    call.kind = kind;
    call.args = std::move(coordinates);
    call.state = State();
    call.clip = clip_;
    calls_.push_back(std::move(call));
    return calls_.back();
}

std::vector<QPoint> RecordingDc::Shifted(std::span<const QPoint> points) const
{
    std::vector<QPoint> out;
    for (const QPoint& p : points)
        out.push_back(p + ViewportOrg());
    return out;
}

void RecordingDc::TextOut(int32_t x, int32_t y, QStringView text) { Record(DcCall::TextOut, {x, y}).text = text.toString(); }

void RecordingDc::DrawLine(QPoint from, QPoint to) { Record(DcCall::Line, {from.x(), from.y(), to.x(), to.y()}); }

void RecordingDc::Polyline(std::span<const QPoint> points) { Record(DcCall::Polyline, {}).points = Shifted(points); }

void RecordingDc::Polygon(std::span<const QPoint> points) { Record(DcCall::Polygon, {}).points = Shifted(points); }

void RecordingDc::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Record(DcCall::Rectangle, {left, top, right, bottom});
}

void RecordingDc::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ew, int32_t eh)
{
    DcCall& call = Record(DcCall::RoundRect, {left, top, right, bottom});
    call.args.push_back(ew);
    call.args.push_back(eh);
}

void RecordingDc::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Record(DcCall::Ellipse, {left, top, right, bottom});
}

void RecordingDc::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xs, int32_t ys, int32_t xe,
                      int32_t ye)
{
    Record(DcCall::Arc, {left, top, right, bottom, xs, ys, xe, ye});
}

void RecordingDc::SelectClipRect(const WinRect& deviceRect)
{
    clip_ = deviceRect;
    // Device pixels already: kept as given, not shifted by the origin.
    Record(DcCall::ClipRect, {}).args = {deviceRect.left, deviceRect.top, deviceRect.right, deviceRect.bottom};
}

void RecordingDc::ClearClip()
{
    clip_.reset();
    Record(DcCall::ClearClip, {});
}

bool RecordingDc::StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op)
{
    if (image.isNull() || src.IsEmpty())
        return false;
    DcCall& call = Record(DcCall::StretchBlt, {dest.left, dest.top, dest.right, dest.bottom});
    call.args.insert(call.args.end(), {src.left, src.top, src.right, src.bottom});
    call.op = op;
    return true;
}

std::vector<DcCall> RecordingDc::CallsOf(DcCall::Kind kind) const
{
    std::vector<DcCall> out;
    for (const DcCall& call : calls_)
        if (call.kind == kind)
            out.push_back(call);
    return out;
}
