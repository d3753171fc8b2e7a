#pragma once
// The device context that pages and pictures are drawn on, in GDI's terms.
// Coordinates are device pixels in MM_TEXT (y down) shifted by the viewport
// origin; text is placed by the top-left of its cell; lines leave out their
// end point and rectangles their right and bottom edge; fonts are given by
// em height and average character width. Pens, brushes and fonts are values:
// selecting one returns the one it replaces, so callers restore it as GDI
// code does, and nothing is ever deleted.
//
// Backends: PainterDc (a QPainter on a widget, image, printer or PDF file)
// and RecordingDc (a log of every call with synthetic font metrics, for
// tests). Dc holds the selected objects; backends draw with them.
#include <cstdint>
#include <span>

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>

#include "platform/WinTypes.h"

class QImage;

// The raster operations of a stretch blit.
enum class RasterOp {
    Copy,  // SRCCOPY: the picture replaces what is there
    And,   // SRCAND: white parts leave the target unchanged, dark parts darken it
};

enum class BkMode { Transparent = 1, Opaque = 2 };

// The four device capabilities the drawing asks for.
enum class DeviceCap { HorzRes, VertRes, LogPixelsX, LogPixelsY };

// A solid pen. Widths 0 and 1 draw one pixel; wider pens draw round ends.
struct DcPen {
    int32_t width = 1;
    ColorRef color = 0;

    bool operator==(const DcPen&) const = default;
};

// A solid brush, or the stock null brush that leaves shapes unfilled.
struct DcBrush {
    ColorRef color = Rgb(255, 255, 255);
    bool null = false;

    static DcBrush Null() { return {0, true}; }
    bool operator==(const DcBrush&) const = default;
};

// A font as CreateFont takes it (escapement, orientation, character set and
// pitch and family are always the defaults and are not kept).
struct DcFont {
    int32_t height = -16;  // < 0: em height in pixels; 0 the default size
    int32_t width = 0;     // |width|: average character width in pixels; 0 the face's own
    int32_t weight = 400;  // 400 normal, 700 bold, 900 black
    bool italic = false;
    QString face = QStringLiteral("System");

    bool operator==(const DcFont&) const = default;
};

// GDI's weights for the font styles the records use.
inline constexpr int32_t kFontWeightNormal = 400;
inline constexpr int32_t kFontWeightHeavy = 900;

// tmHeight, tmInternalLeading, tmExternalLeading.
struct TextMetrics {
    int32_t height = 0;
    int32_t internalLeading = 0;
    int32_t externalLeading = 0;
};

// What a fresh device context has selected: a black one-pixel pen, a white
// brush, black text on an opaque white background and the "System" font at
// 16 pixels (the face maps to the system's general font).
struct DcState {
    DcPen pen;
    DcBrush brush;
    DcFont font;
    ColorRef textColor = 0;
    BkMode bkMode = BkMode::Opaque;
    ColorRef bkColor = Rgb(255, 255, 255);
};

class Dc {
public:
    virtual ~Dc() = default;

    // Printer and print preview.
    virtual bool IsPrinting() const = 0;
    virtual int32_t GetDeviceCaps(DeviceCap cap) const = 0;

    // The device point of logical (0, 0); CScrollView sets it to minus the scroll position.
    void SetViewportOrg(QPoint origin);
    QPoint ViewportOrg() const { return origin_; }
    WinRect LpToDp(const WinRect& rect) const;

    DcPen SelectPen(const DcPen& pen);
    DcBrush SelectBrush(const DcBrush& brush);
    DcFont SelectFont(const DcFont& font);
    ColorRef SetTextColor(ColorRef color);
    BkMode SetBkMode(BkMode mode);
    const DcState& State() const { return state_; }

    // Metrics of the selected font.
    virtual TextMetrics GetTextMetrics() = 0;
    // Width and height (tmHeight) of the text's cell row.
    virtual QSize GetTextExtent(QStringView text) = 0;
    // Where the text's ink lies, with its cell's top-left at (0, 0): faces
    // put the same mark in different places of their em squares.
    virtual WinRect GetInkBox(QStringView text) = 0;

    // The text with its cell's top-left at (x, y).
    virtual void TextOut(int32_t x, int32_t y, QStringView text) = 0;

    // Lines from the current position; the end point is not drawn and
    // becomes the current position.
    void MoveTo(int32_t x, int32_t y) { position_ = QPoint(x, y); }
    void LineTo(int32_t x, int32_t y);
    // Joined lines; the last point is not drawn.
    virtual void Polyline(std::span<const QPoint> points) = 0;

    // Outlined with the pen, filled with the brush, over left..right-1 and
    // top..bottom-1.
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // Corners are quarter ellipses ew wide and eh high (diameters).
    virtual void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ew, int32_t eh) = 0;
    virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // Counter-clockwise from where the radial through (xs, ys) meets the
    // ellipse to where the radial through (xe, ye) does; pen only.
    virtual void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xs, int32_t ys, int32_t xe,
                     int32_t ye) = 0;
    // Filled by the even-odd rule, outlined with the pen.
    virtual void Polygon(std::span<const QPoint> points) = 0;

    // One clip rectangle in device pixels (not moved by the viewport origin).
    virtual void SelectClipRect(const WinRect& deviceRect) = 0;
    virtual void ClearClip() = 0;

    // Stretches the source part of the image into the destination without
    // smoothing (GDI's COLORONCOLOR: pixels are picked, not blended). False
    // when there is nothing to draw from (a null image or an empty source).
    virtual bool StretchBlt(const WinRect& dest, const QImage& image, const WinRect& src, RasterOp op) = 0;

protected:
    // One line from..to, the end point left out.
    virtual void DrawLine(QPoint from, QPoint to) = 0;
    // Tells the backend that the origin moved.
    virtual void ViewportChanged() {}
    // Bumped at every font selection, so backends can keep a made font.
    uint32_t FontSerial() const { return fontSerial_; }

private:
    DcState state_;
    QPoint origin_;
    QPoint position_;
    uint32_t fontSerial_ = 0;
};
