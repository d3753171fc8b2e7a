#pragma once
// The page-drawing operations that an edition does its own way, reached
// through the installed edition (g_Edition->Drawing()). The base class holds
// the woodblock forms; each is defined beside the rest of its concern
// (geometry/, interpreter/, glyphs/, batches/, shapes/). An edition's form
// works on the renderer's state like the woodblock form does and may call
// the woodblock form for the parts it keeps.
//
// Positions are (x, y) in hundredths of a pixel at the current zoom.
#include <cstdint>

#include <QPoint>
#include <QString>
#include <QStringView>

class Dc;
class PageRenderer;
struct PageRects;
struct TGlyph;

class RenderEdition {
public:
    virtual ~RenderEdition() = default;

    // Page extent and geometry.
    virtual void CalcPageExtent(PageRenderer& view) const;
    virtual void UpdateFrameMetrics(PageRenderer& view) const;
    virtual void UpdateScrollSizes(PageRenderer& view) const;
    virtual PageRects ComputePageRects(PageRenderer& view, int32_t page, QPoint origin, bool printing) const;

};

// The forms of the edition the program runs as.
const RenderEdition& CurrentDrawing();
