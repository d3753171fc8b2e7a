#pragma once
// The device context the grid draws cells on: a PainterDc (GDI's pixel rules
// for lines and rectangles) with what the cell drawing adds to it: DrawText
// with a cell format, FillRect, the raised 3-D edge of a header cell, and a
// stack of saved states. Text of every kind goes through one font cache here,
// so TextOut, DrawText and the measurements always agree.
#include <vector>

#include <QFont>
#include <QStringView>

#include "platform/PainterDc.h"

class GridDc : public PainterDc {
public:
    GridDc(QPainter& painter, bool printing);

    // The four colours of a raised edge: outer and inner top-left, inner
    // and outer bottom-right.
    struct EdgeColours {
        ColorRef light;
        ColorRef highlight;
        ColorRef shadow;
        ColorRef darkShadow;
    };

    TextMetrics GetTextMetrics() override;
    QSize GetTextExtent(QStringView text) override;
    void TextOut(int32_t x, int32_t y, QStringView text) override;

    // The text in the rectangle by the DT_* format; gives the text's height.
    // With DT_CALCRECT nothing is drawn and the rectangle's right and bottom
    // become those of the text.
    int32_t DrawText(QStringView text, WinRect& rect, uint32_t format);
    // Fills left..right-1, top..bottom-1.
    void FillRect(const WinRect& rect, ColorRef colour);
    // EDGE_RAISED on all four sides of the rectangle.
    void DrawEdgeRaised(const WinRect& rect, const EdgeColours& colours);

    void SaveDC();
    void RestoreDC();

    const QFont& SelectedQFont();
    QPainter& Painter() { return painter_; }

private:
    struct MadeFont {
        DcFont request;
        QFont font;
    };

    void Reselect(const DcState& state);

    QPainter& painter_;
    std::vector<MadeFont> fonts_;
    std::vector<DcState> saved_;
};
