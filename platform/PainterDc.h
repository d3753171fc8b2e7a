#pragma once
// A Dc over a QPainter that is already active on its device: a widget, an
// image, a printer or a PDF file. While the Dc lives the painter is its own:
// it keeps track of the font and pen it last gave the painter.
//
// GDI's pixel rules are kept where Qt differs: one-pixel lines along an axis
// are filled as their half-open span, other one-pixel lines use flat caps
// (which leave out the end pixel); rectangles, rounded rectangles and
// ellipses are outlined on the box shrunk by one pixel at the right and
// bottom; text is drawn from its baseline, one ascent below the cell top.
//
// The AND blit is a raster operation on raster targets (screens, images),
// where it keeps white areas exactly. Vector targets (printers, PDF files)
// have neither raster operations nor blend modes, so there the picture is
// drawn as a transparent layer whose white parts vanish and whose dark parts
// darken the page: the same for black and white, close for colours.
#include <memory>
#include <vector>

#include <QFont>
#include <QTransform>

#include "platform/Dc.h"
#include "platform/GlyphRuns.h"

class QPainter;

class PainterDc : public Dc {
public:
    struct Options {
        bool printing = false;        // a printer or a print preview
        bool antialiasText = true;    // false: glyphs in plain pixels
    };

    explicit PainterDc(QPainter& painter) : PainterDc(painter, Options()) {}
    PainterDc(QPainter& painter, Options options);
    // Draws the text still waiting.
    ~PainterDc() override;
    PainterDc(const PainterDc&) = delete;
    PainterDc& operator=(const PainterDc&) = delete;

    // Text is gathered and drawn in batches, before anything else is drawn
    // and at the end: call this before the painter's page or device changes
    // while the Dc lives.
    void Flush();

    bool IsPrinting() const override { return options_.printing; }
    int32_t GetDeviceCaps(DeviceCap cap) const override;

    TextMetrics GetTextMetrics() override;
    QSize GetTextExtent(QStringView text) override;
    WinRect GetInkBox(QStringView text) override;
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

protected:
    void DrawLine(QPoint from, QPoint to) override;
    void ViewportChanged() override;

private:
    // A requested font as made for Qt, with the metrics every text call needs.
    struct MadeFont {
        DcFont request;
        QFont font;
        int ascent = 0;
        int height = 0;  // ascent + descent: GDI's tmHeight
        double emboldenStroke = 0;
        // The texts drawn in it, shaped once.
        std::unique_ptr<GlyphRuns> runs;
    };

    // The selected font, made once per request (fonts are selected and put
    // back around every measurement, so the same few come back all the time).
    const MadeFont& CurrentFont();
    // The selected pen and brush on the painter (brush null: no fill).
    void UsePen();
    void UseBrush();
    void FillSpan(int32_t left, int32_t top, int32_t right, int32_t bottom, ColorRef color);

    QPainter& painter_;
    Options options_;
    QTransform base_;
    std::vector<MadeFont> fonts_;
    size_t current_ = 0;
    uint32_t fontSerial_ = ~0u;
    // What the painter has, to set it only on a change.
    ColorRef painterTextColor_ = ~0u;
    // Text drawn in the transparent mode and not yet on the painter, all in
    // one colour.
    GlyphBatch pending_;
    ColorRef pendingColor_ = 0;
};
