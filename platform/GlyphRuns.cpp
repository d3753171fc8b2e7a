#include "platform/GlyphRuns.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace {

// A font's cache starts afresh past this many texts; texts drawn at once
// (single characters, mostly) never come near it.
constexpr qsizetype kMostShapedTexts = 20'000;

}  // namespace

const GlyphRuns::Shaped& GlyphRuns::Shape(const QString& text)
{
    const auto found = shaped_.constFind(text);
    if (found != shaped_.constEnd())
        return *found;
    if (shaped_.size() >= kMostShapedTexts)
        shaped_.clear();
    Shaped shaped;
    shaped.advance = QFontMetrics(font_).horizontalAdvance(text);
    QTextLayout layout(text, font_, device_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (line.isValid()) {
        // Positions from the line's top-left; the baseline is one ascent down.
        const QPointF toBaseline(0, -line.ascent());
        for (QGlyphRun& run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions)
                position += toBaseline;
            run.setPositions(positions);
            shaped.runs.push_back(std::move(run));
        }
    }
    return *shaped_.insert(text, std::move(shaped));
}

GlyphBatch::FontGlyphs& GlyphBatch::For(const QRawFont& font)
{
    if (last_ < fonts_.size() && fonts_[last_].font == font)
        return fonts_[last_];
    for (last_ = 0; last_ < fonts_.size(); ++last_)
        if (fonts_[last_].font == font)
            return fonts_[last_];
    fonts_.push_back({font, {}, {}});
    return fonts_.back();
}

void GlyphBatch::Add(const GlyphRuns::Shaped& shaped, QPointF origin, double emboldenStroke)
{
    for (const QGlyphRun& run : shaped.runs) {
        FontGlyphs& glyphs = For(run.rawFont());
        glyphs.indexes.append(run.glyphIndexes());
        for (const QPointF& position : run.positions())
            glyphs.positions.append(position + origin);
    }
    if (emboldenStroke > 0)
        AddOutlines(shaped, origin, emboldenStroke);
}

void GlyphBatch::AddOutlines(const GlyphRuns::Shaped& shaped, QPointF origin, double stroke)
{
    if (outlines_.empty() || outlines_.back().stroke != stroke)
        outlines_.push_back({stroke, {}});
    QPainterPath& path = outlines_.back().path;
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            path.addPath(font.pathForGlyph(indexes[i]).translated(positions[i] + origin));
    }
}

void GlyphBatch::Draw(QPainter& painter)
{
    for (FontGlyphs& glyphs : fonts_) {
        QGlyphRun run;
        run.setRawFont(glyphs.font);
        run.setGlyphIndexes(glyphs.indexes);
        run.setPositions(glyphs.positions);
        painter.drawGlyphRun(QPointF(), run);
    }
    if (!outlines_.empty()) {
        const QColor colour = painter.pen().color();
        const QPen pen = painter.pen();
        for (const Outlines& outline : outlines_)
            painter.strokePath(outline.path, QPen(colour, outline.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setPen(pen);
    }
    outlines_.clear();
    fonts_.clear();
    last_ = 0;
}
