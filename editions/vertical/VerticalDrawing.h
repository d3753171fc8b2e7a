#pragma once
// The page drawing of VellumorVert: no frame lines, centre column or fish
// tails; a side box beside the text box with the running title and the page
// number in Chinese digits, standing at the right of an odd page and the
// left of an even one; columns right to left at the widths the typesetter
// stored, spread over the box on a page it closed for want of width.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "foundation/params/Box.h"
#include "render/RenderEdition.h"

struct TPageLine;
struct TPageRec;

class VerticalDrawing : public RenderEdition {
public:
    // No lift for raised heads: this edition draws none.
    int32_t RaisedHeadLift(const TStyle& style) const override;
    // The inner line keeps its width (0 here) without a minimum.
    void UpdateFrameMetrics(PageRenderer& view) const override;
    // A spread's first page at the right, its side box beside the second's.
    SpreadSide SpreadFirstPage() const override { return SpreadSide::FirstRight; }
    // Without "<TT>": no column is raised.
    QString ParseLineTags(PageRenderer& view, QStringView piece) const override;

    // --- VerticalSideBox.cpp ---
    // The side box in place of the frame: its lines on screen only, the
    // title and the page number on screen and paper.
    void DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect& r1, int32_t firstPage, int32_t secondPage,
                       QPoint origin) const override;
    void DrawSideBox(PageRenderer& view, Dc& dc, int32_t page, QPoint origin) const;

    // --- VerticalColumns.cpp ---
    void DrawPageColumns(PageRenderer& view, Dc& dc) const override;
    WinRect PlacePictureInTextBox(PageRenderer& view, const TPageItem& item, const WinRect& base) const override;

protected:
    // The glyph engine set for the running title and the page number: no
    // head offset, raise or spacing, drawn at once.
    static void PrepareRunningTexts(PageRenderer& view);
};

// The page number in Chinese digits: 0 ○, 7 七, 105 一○五; empty from 1000.
QString SmallNumberToChinese(int32_t n);

// The running title of a text page: part 0 (odd page) or 1 (even page) of
// the centre text of its leaf's entry in leafTexts (the entry without the
// leaf number it ends with), else the text's name.
QString SideBoxTitle(const std::vector<QString>& leafTexts, int32_t page, const QString& textName);

// The free width shared by each column of a page, unscaled: the box width
// less the used width over the column count when the page was closed for
// want of width, else the "<V=" value of its last line over the count, else
// 0; never negative nor longer than a page side, 0 for a page without columns.
int32_t ColumnGap(const TPageRec& page, int32_t boxWidth);
// The width of a column, unscaled: its stored width, else its "<W=" value,
// else the fallback (the text font's character width); a width a damaged
// file brings is held to 0 … the longest page side.
int32_t ColumnWidth(const TPageLine& line, int32_t fallback);
// The room line i of the page takes with the gap, unscaled; a line the page
// does not have is a plain one (the fallback).
int64_t LineStep(const TPageRec& page, size_t i, int32_t gap, int32_t fallback);
// A length at the zoom, truncated.
inline int32_t Zoomed(int64_t length, double zoom) { return ScaleLength(SaturateToInt32(length), zoom); }
