#pragma once
// The glyphs of texts, shaped once per font and drawn in batches. Laying
// text out is most of the cost of drawing it, and a page draws the same few
// thousand characters in the same few fonts again and again: the shaped
// runs of a text (glyph indexes and positions, in the fonts the layout
// chose, fallbacks included) are kept per font. Texts drawn one after the
// other in one colour are gathered and drawn with one QPainter::drawGlyphRun
// per font: the same glyphs at the same places as drawing each text, and on
// a PDF file one text object instead of one per character.
#include <vector>

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QPaintDevice;
class QPainter;

class GlyphRuns {
public:
    // Shaped as drawing text on the device shapes it.
    GlyphRuns(const QFont& font, const QPaintDevice* device) : font_(font), device_(device) {}

    // The text's runs with positions from the start of its baseline, and its
    // advance (QFontMetrics::horizontalAdvance of the text).
    struct Shaped {
        std::vector<QGlyphRun> runs;
        int advance = 0;
    };
    const Shaped& Shape(const QString& text);

private:
    QFont font_;
    const QPaintDevice* device_;
    QHash<QString, Shaped> shaped_;
};

// Shaped texts waiting to be drawn, in the order they came, per font.
class GlyphBatch {
public:
    // The text with the start of its baseline at origin; a positive stroke
    // emboldens it: its outlines are stroked that wide over it.
    void Add(const GlyphRuns::Shaped& shaped, QPointF origin, double emboldenStroke = 0);
    bool Empty() const { return fonts_.empty() && outlines_.empty(); }
    // Draws every glyph waiting in the painter's pen and empties the batch.
    void Draw(QPainter& painter);

private:
    struct FontGlyphs {
        QRawFont font;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    FontGlyphs& For(const QRawFont& font);
    void AddOutlines(const GlyphRuns::Shaped& shaped, QPointF origin, double stroke);

    // Outlines stroked after the glyphs are filled; the glyphs stay text (a
    // PDF file keeps them searchable), the strokes are paths.
    struct Outlines {
        double stroke = 0;
        QPainterPath path;
    };

    std::vector<FontGlyphs> fonts_;
    std::vector<Outlines> outlines_;
    size_t last_ = 0;
};
