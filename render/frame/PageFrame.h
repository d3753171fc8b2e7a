#pragma once
// The frame of a woodblock leaf: outer and inner lines, the rules between
// the text columns (stepping up around raised-head columns and broken where
// pictures stand), and the centre column with its black seam, fish tails
// and texts. Drawn for a whole leaf in two-page and 4-in-1 mode, or for the
// half leaf of one page in single mode.
#include <cstdint>
#include <optional>
#include <vector>

#include <QPoint>
#include <QStringView>

#include "platform/WinTypes.h"

class Dc;
class PageRenderer;
struct TPageRec;
struct TStyle;

// The columns a page is drawn with, by its text and its frame alike: its
// lines-per-page (the override, else the style's LINES), raised to the
// number of lines it holds; the override and the raise stop at maxColumns.
int32_t EffectiveColumns(const TPageRec& page, int32_t styleLines, int32_t maxColumns);

// Gives the scaled style's text box the page's effective column count (and
// the pitch that follows) while it lives; the old values come back after.
class ColumnCountOverride {
public:
    ColumnCountOverride(TStyle& style, const TPageRec* page);
    ~ColumnCountOverride();
    ColumnCountOverride(const ColumnCountOverride&) = delete;
    ColumnCountOverride& operator=(const ColumnCountOverride&) = delete;

private:
    TStyle& style_;
    int32_t lines_;
    int32_t pitch_;
};

// One flag per column (LINES of them): the column's text starts with a
// raised-head tag, after a leading title tag. Empty flags when the style's
// raised-head flag is clear.
struct RaisedColumns {
    std::vector<bool> bits;
    bool any = false;
    // Out of range reads false.
    bool operator[](int32_t i) const { return i >= 0 && i < int32_t(bits.size()) && bits[size_t(i)]; }
};
RaisedColumns MarkRaisedColumns(const TPageRec* page, int32_t lines, bool raisedHead);

// Where the top line pieces of one half ended: the last rule's x and
// whether its column is raised.
struct RuleCursor {
    int32_t x = 0;
    bool raised = false;
};

// The vertical positions of the frame shared by the halves (device pixels).
struct FrameLevels {
    int32_t gap = 0;       // from the outer to the inner line
    int32_t bottom = 0;    // inner bottom line
    int32_t innerTop = 0;  // inner top line
    int32_t outerTop = 0;  // outer top line
};

void DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect& r1, int32_t firstPage, int32_t secondPage,
                   QPoint origin);
void DrawColumnRules(PageRenderer& view, Dc& dc, const RaisedColumns& raised, bool firstHalf, const FrameLevels& at,
                     RuleCursor& cursor);
void DrawFrameLines(PageRenderer& view, Dc& dc, const FrameLevels& at, int32_t centreLeft, RuleCursor cursor,
                    bool secondColumnZeroRaised);
// kind 0 upright, 1 mirrored top to bottom, 2 bar only; returns the height drawn.
int32_t DrawFishTail(Dc& dc, ColorRef color, int32_t kind, const WinRect& rect);
// Where the centre column's texts stand (device pixels): the heights of the
// fish tails drawn, the column's parts above the upper tail, between the
// tails and below the lower one, each text cut at its part's edges, and
// the clip in force around them.
struct CentreTextBoxes {
    int32_t upperFish = 0;
    int32_t lowerFish = 0;
    WinRect top;
    WinRect middle;
    WinRect bottom;
    std::optional<WinRect> clip;
};
void DrawCentreColumnTexts(PageRenderer& view, Dc& dc, const CentreTextBoxes& boxes, QStringView text, int32_t x,
                           int32_t y);

// n pixel lines side by side: vertical ones at x, x + step, …, from y0 to y1,
// or horizontal ones at y, y + step, …, from x0 to x1 (end points left out).
void VerticalLines(Dc& dc, int32_t x, int32_t step, int32_t n, int32_t y0, int32_t y1);
void HorizontalLines(Dc& dc, int32_t y, int32_t step, int32_t n, int32_t x0, int32_t x1);
