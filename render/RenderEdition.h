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

#include "platform/WinTypes.h"

class Dc;
class PageRenderer;
struct PageRects;
struct TGlyph;
struct TPageItem;
struct TStyle;

class RenderEdition {
public:
    virtual ~RenderEdition() = default;

    // Page extent and geometry.
    virtual void CalcPageExtent(PageRenderer& renderer) const;
    virtual void UpdateFrameMetrics(PageRenderer& renderer) const;
    virtual void UpdateScrollSizes(PageRenderer& renderer) const;
    virtual PageRects ComputePageRects(PageRenderer& renderer, int32_t page, QPoint origin, bool printing) const;
    // How far a style's raised heads stand above its page.
    virtual int32_t RaisedHeadLift(const TStyle& style) const;
    // Two-page display: the woodblock edition's pages are the halves of a
    // leaf (no spread side); the print editions set a spread's two pages
    // side by side, each in an extent of its own, the first at the right
    // (columns read right to left) or at the left.
    enum class SpreadSide { None, FirstRight, FirstLeft };
    virtual SpreadSide SpreadFirstPage() const { return SpreadSide::None; }

    // The layers of a page body between its pictures and its glyph batches:
    // the frame (lines, centre column) and the columns of the current page
    // (renderer.CurrentPageRec, its style made current).
    virtual void DrawPageFrame(PageRenderer& renderer, Dc& dc, const WinRect& r1, int32_t firstPage, int32_t secondPage,
                               QPoint origin) const;
    virtual void DrawPageColumns(PageRenderer& renderer, Dc& dc) const;
    // The scaled rectangle of a placed picture of the current page, in the
    // text box whose cells start at base.
    virtual WinRect PlacePictureInTextBox(PageRenderer& renderer, const TPageItem& item, const WinRect& base) const;

    // Column strings.
    virtual QString ParseLineTags(PageRenderer& renderer, QStringView piece) const;
    virtual void DrawTextLines(PageRenderer& renderer, Dc& dc, int32_t centreX, int32_t pitch, QStringView column,
                               int32_t x, int32_t y) const;
    virtual QPoint DrawFontRun(PageRenderer& renderer, Dc& dc, QStringView text, int32_t kind, int32_t width, int32_t x,
                               int32_t y) const;
    // A note in two small lines: its halves side by side in the column.
    virtual QPoint DrawDoubleLineNote(PageRenderer& view, Dc& dc, int32_t pitch, int32_t centreX, QStringView text,
                                      int32_t x, int32_t y) const;

    // Glyphs in their cells. Positions down a run are held below
    // kFarPastTheSheet: far past any sheet at any zoom, with room left to add
    // a pitch and a cell's offsets to them.
    static constexpr int32_t kFarPastTheSheet = INT32_MAX / 4;
    virtual QPoint AlignInCell(const PageRenderer& renderer, int32_t width, int32_t advance) const;
    virtual QPoint PlaceGlyphs(PageRenderer& renderer, Dc& dc, QStringView text, int32_t kind, int32_t advance,
                               int32_t width, int32_t pitch, int32_t x, int32_t y) const;
    virtual void DrawHitHighlight(PageRenderer& renderer, Dc& dc, const TGlyph& glyph) const;

    // Special-format runs.
    virtual QPoint DrawBoxedRun(PageRenderer& renderer, Dc& dc, QStringView text, int32_t kind, const QString& name,
                                int32_t width, int32_t x, int32_t y) const;
    // Circled text: up to three characters in a circle that takes one cell.
    virtual QPoint DrawCircledText(PageRenderer& renderer, Dc& dc, QStringView text, int32_t width,
                                   const QString& name, int32_t x, int32_t y) const;

protected:
    // DrawFontRun with the glyphs advancing down y (a column) or along x
    // (a horizontal line).
    QPoint DrawFontRunAlong(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t width, int32_t x,
                            int32_t y, bool alongX) const;
    // DrawDoubleLineNote with the halves side by side (a column) or one
    // above the other from the line's middle, centre (a horizontal line).
    QPoint DrawDoubleLineNoteAlong(PageRenderer& view, Dc& dc, int32_t pitch, int32_t centre, QStringView text,
                                   int32_t x, int32_t y, bool alongX) const;
    // DrawCircledText with the cell down y (a column, width its width) or
    // along x (a line, width its height).
    QPoint DrawCircledTextAlong(PageRenderer& view, Dc& dc, QStringView text, int32_t width, const QString& name,
                                int32_t x, int32_t y, bool alongX) const;
};

// The forms of the edition the program runs as.
const RenderEdition& CurrentDrawing();
