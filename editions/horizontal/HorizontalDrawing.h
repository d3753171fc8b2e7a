#pragma once
// The page drawing of VellumorHorz: a header band above the text box and a
// footer band below it with the running title and the page number in
// Arabic digits, which swap ends with the page's parity; lines from the
// top down at the heights the typesetter stored, spread over the box on a
// page it closed for want of height; glyphs walked along x.
#include <cstdint>

#include "editions/vertical/VerticalDrawing.h"

class HorizontalDrawing : public VerticalDrawing {
public:
    // Lines read left to right: a spread's first page at the left.
    SpreadSide SpreadFirstPage() const override { return SpreadSide::FirstLeft; }
    // --- HorizontalPageBar.cpp ---
    // The text starts below the header band; the frame spans both bands.
    PageRects ComputePageRects(PageRenderer& view, int32_t page, QPoint origin, bool printing) const override;
    // A line step is a character's advance across and a line's pitch down.
    void UpdateScrollSizes(PageRenderer& view) const override;
    void DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect& r1, int32_t firstPage, int32_t secondPage,
                       QPoint origin) const override;
    // The frame on screen only, the band rules on screen and (where their
    // flags say) on paper, the title and the page number on both.
    void DrawPageBar(PageRenderer& view, Dc& dc, int32_t page, QPoint origin) const;

    // --- HorizontalPageLines.cpp ---
    void DrawPageColumns(PageRenderer& view, Dc& dc) const override;
    WinRect PlacePictureInTextBox(PageRenderer& view, const TPageItem& item, const WinRect& base) const override;
    // "<P=" n steps n character widths along the line.
    QString ParseLineTags(PageRenderer& view, QStringView piece) const override;
    // Each piece starts at the line's left; its offset moves it along x.
    void DrawTextLines(PageRenderer& view, Dc& dc, int32_t centreY, int32_t lineSize, QStringView line, int32_t x,
                       int32_t y) const override;

    // --- HorizontalGlyphs.cpp ---
    QPoint DrawFontRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t width, int32_t x,
                       int32_t y) const override;
    // The two small lines one above the other, the second from centreY.
    QPoint DrawDoubleLineNote(PageRenderer& view, Dc& dc, int32_t lineSize, int32_t centreY, QStringView text,
                              int32_t x, int32_t y) const override;
    // (along, across): centred along the advance, by ALIGN across the line.
    QPoint AlignInCell(const PageRenderer& view, int32_t lineSize, int32_t advance) const override;
    QPoint PlaceGlyphs(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t advance, int32_t lineSize,
                       int32_t pitch, int32_t x, int32_t y) const override;

    // --- HorizontalShapes.cpp ---
    // The box of a special-format run along the line, as tall as its
    // largest characters.
    QPoint DrawBoxedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, const QString& name,
                        int32_t lineSize, int32_t x, int32_t y) const override;
    // The circle takes one cell along the line; its characters stand side
    // by side.
    QPoint DrawCircledText(PageRenderer& view, Dc& dc, QStringView text, int32_t lineSize, const QString& name,
                           int32_t x, int32_t y) const override;
};

// Where a bar text of length w stands: TYPE_HEAD_MID and TYPE_FOOT_MID
// centre it in the frame; the side types put it at the right end of an odd
// page and the left end of an even one, or the other way round when
// mirrored (the page number). TYPE_NO and unknown types give no place.
bool BarTextLeft(int32_t type, bool oddPage, bool mirrored, int32_t frameLeft, int32_t frameRight, int32_t w,
                 int32_t& x);
