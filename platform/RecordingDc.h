#pragma once
// A Dc that draws nothing and keeps every drawing call with its arguments
// and the objects selected at the time, in device pixels (the viewport
// origin added). Its font metrics are synthetic, so that what is drawn does
// not depend on the fonts installed: a font's cell is |em height| high with
// no leading, and each character is twice the average width wide (a CJK
// character is two average widths), or one em when the width is 0; its
// ink fills the cell. Tests that place glyphs by where a face puts its ink
// take the installed faces' metrics instead (UseInstalledFaces).
//
// It lives beside PainterDc as the second backend of Dc: the drawing tests
// of every layer and the tools that need the geometry of a page without
// pixels use it.
#include <optional>
#include <vector>

#include "platform/Dc.h"

struct DcCall {
    enum Kind { TextOut, Line, Polyline, Rectangle, RoundRect, Ellipse, Arc, Polygon, ClipRect, ClearClip, StretchBlt };

    Kind kind = TextOut;
    // TextOut x, y; Line x0, y0, x1, y1; shapes left, top, right, bottom
    // (then ew, eh or xs, ys, xe, ye); ClipRect its rectangle; StretchBlt
    // the destination, then the source rectangle.
    std::vector<int32_t> args;
    std::vector<QPoint> points;  // Polyline, Polygon
    QString text;                // TextOut
    RasterOp op = RasterOp::Copy;
    DcState state;
    std::optional<WinRect> clip;
};

class RecordingDc : public Dc {
public:
    explicit RecordingDc(bool printing = false) : printing_(printing) {}

    bool IsPrinting() const override { return printing_; }
    int32_t GetDeviceCaps(DeviceCap cap) const override;
    // Width and height in pixels and dots per inch; 1000 x 1000 at 96 at first.
    void SetDevice(int32_t width, int32_t height, int32_t dpi);

    TextMetrics GetTextMetrics() override;
    QSize GetTextExtent(QStringView text) override;
    WinRect GetInkBox(QStringView text) override;
    // Metrics, extents and ink of the installed faces, as PainterDc has them.
    void UseInstalledFaces() { installedFaces_ = true; }
    void TextOut(int32_t x, int32_t y, QStringView text) override;

    void Polyline(std::span<const QPoint> points) override;
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ew, int32_t eh) override;
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xs, int32_t ys, int32_t xe,
             int32_t ye) override;
    void Polygon(std::span<const QPoint> points) override;

    void SelectClipRect(const WinRect& deviceRect) override;
    void ClearClip() override;

    bool StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op) override;

    const std::vector<DcCall>& Calls() const { return calls_; }
    std::vector<DcCall> CallsOf(DcCall::Kind kind) const;
    void ClearCalls() { calls_.clear(); }

protected:
    void DrawLine(QPoint from, QPoint to) override;

private:
    // Records a call whose args are points: each pair is shifted by the origin.
    DcCall& Record(DcCall::Kind kind, std::vector<int32_t> coordinates);
    std::vector<QPoint> Shifted(std::span<const QPoint> points) const;

    bool printing_;
    bool installedFaces_ = false;
    int32_t width_ = 1000;
    int32_t height_ = 1000;
    int32_t dpi_ = 96;
    std::optional<WinRect> clip_;
    std::vector<DcCall> calls_;
};
