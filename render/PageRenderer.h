#pragma once
// The drawing state of the page view and the drawing of page contents onto
// a Dc. It holds no widget: the page view, printing, print preview and the
// tests each own one, feed it the client size and the page count, and give
// it a Dc to draw on. The operations keep the names the view chain gives
// them; those an edition does its own way go through CurrentDrawing().
//
// Lengths are hundredths of a device pixel, already multiplied by the zoom
// ("scaled"); they are divided by 100, truncating, just before each device
// call. Member names follow the view's.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "foundation/params/Style.h"
#include "platform/Dc.h"
#include "platform/WinTypes.h"
#include "render/batches/GlyphBatch.h"

struct TPageRec;

// The scroll area's sizes in device pixels (CScrollView's SetScrollSizes).
struct ScrollSizes {
    QSize total;
    QSize page;
    QSize line;

    bool operator==(const ScrollSizes&) const = default;
};

// Device rectangles of a page: R1 the outer frame line's rectangle, R3 the
// sheet (the extent less its border, or the printer page).
struct PageRects {
    WinRect R1;
    WinRect R3;
};

// What LineKind says is being drawn.
namespace LineKinds {
enum : int32_t { Body = 0, SideNote = 1, HeadBox = 2, CentreTop = 3, CentreMiddle = 4, CentreBottom = 5,
                 SheetTitle = 6, SheetPageNumber = 7 };
}
// What HalfKind says is being drawn.
namespace HalfKinds {
enum : int32_t { Main = 0, RightOrSingle = 1, Left = 2 };
}

class PageRenderer {
public:
    PageRenderer();
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;

    // --- zoom and geometry --------------------------------------------------

    // The zoom-table entry at index; 1.0 outside the table.
    double ZoomAt(int32_t index) const;
    // The entry at g_ZoomIndex.
    double GetZoomFactor() const;

    void CalcPageExtent();
    // Entries 7 to 9 from ClientSize.
    void CalcFitZooms();
    void ApplyZoom();
    void UpdateFrameMetrics();
    void UpdateScrollSizes();
    // Height of one shown unit (scaled), at least one pixel.
    int32_t PagePitch() const;
    // Makes the page's style or cover current; false when the page has no record.
    bool SelectPageStyle(int32_t page, QPoint origin = QPoint());
    // The part of SelectPageStyle after the record is found: makes the style
    // or cover of that name current (re-applying the zoom and moving the
    // extent to origin when it changes); an unknown name keeps the current one.
    void SelectStyleNamed(const QString& name, QPoint origin);
    PageRects ComputePageRects(int32_t page, QPoint origin, bool printing);
    // TextRight for the first page of a leaf, or for a single odd page and
    // the second page of a spread.
    int32_t TextRightOf(bool firstOfLeaf) const;
    // Whether a page is even (p - g_CoverPages even, the remainder's sign
    // that of the dividend).
    static bool IsEvenPage(int32_t page);
    static bool IsSingleMode();

    // --- state -------------------------------------------------------------

    TStyle ScaledStyle;
    TCoverPara ScaledCover;
    TPara4in1 Para4in1;
    TPara4in1 ScaledPara4in1;

    double ZoomFactor = 1.0;
    std::vector<double> ZoomTable;

    int32_t Border = 500;
    int32_t ScaledBorder = 0;
    WinRect PageExtent;
    WinRect ScaledExtent;

    WinRect PageRect;
    WinRect FrameRect;
    int32_t TextTop = 0;
    int32_t TextRight = 0;
    int32_t InnerLinePx = 1;
    int32_t OuterLinePx = 1;
    int32_t CentreLinePx = 0;

    const TPageRec* CurrentPageRec = nullptr;
    std::vector<QString> LeafTexts;

    // Per half of a spread (right page first), per column, the (y from, y to)
    // device-pixel spans that pictures cover.
    std::array<std::vector<std::vector<std::pair<int32_t, int32_t>>>, 2> ColumnSpans;

    // The widget's part: its client size and the number of shown pages.
    QSize ClientSize;
    int32_t ShownPageCount = 0;
    ScrollSizes Scroll;

    // Printing.
    bool Printing = false;
    double SavedZoom = 1.0;
    int32_t PrinterWidthPx = 0;   // printer width in pixels less one
    int32_t PrinterHeightPx = 0;  // printer height in pixels less one
    WinRect PrintableRect;
};
