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
#include <optional>
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
// Bits a special-format token's kind gets on its way to the glyphs: the box
// is an outline (the text keeps its colour), and spans the column's width.
namespace TokenBits {
enum : int32_t { Outline = 4, FullWidth = 8 };
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
    // Two-page display in an edition that sets a spread's pages side by side.
    static bool SpreadSideBySide();

    // --- column strings -----------------------------------------------------

    // One column string from its top y.
    void DrawTextLines(Dc& dc, int32_t centreX, int32_t pitch, QStringView column, int32_t x, int32_t y);
    // The piece without its line tags; sets RaisedColumn, HeadOffset and ExtraSpacing.
    QString ParseLineTags(QStringView piece);
    // The longest side a page may have, at the zoom.
    int32_t LongestPageLength() const;
    // A length a file brings (a line tag's offset or spacing), held to the
    // longest page side at the zoom: the positions summed from a damaged
    // file's length stay in range.
    int32_t HeldToPage(int64_t length) const;
    // The text without its "<JM…>" and "<BT…>" tags.
    static QString StripTitleTags(QStringView text);
    // Segments of main text and notes; returns where the text ends.
    QPoint DrawStyledString(Dc& dc, int32_t centreX, int32_t pitch, QStringView text, int32_t x, int32_t y);
    QPoint DrawTokenRun(Dc& dc, int32_t pitch, QStringView text, int32_t x, int32_t y);
    QPoint DrawDoubleLineNote(Dc& dc, int32_t pitch, int32_t centreX, QStringView text, int32_t x, int32_t y);
    // k 0 a single-line note over the whole pitch, 1 the right half, 2 the left half.
    QPoint DrawNoteLine(int32_t k, Dc& dc, QStringView text, int32_t pitch, int32_t x, int32_t y);
    QPoint DrawFontRun(Dc& dc, QStringView text, int32_t kind, int32_t width, int32_t x, int32_t y);
    // The font of a font style, its five measures filled in from the Dc.
    static DcFont MakeFontFromStyle(TFontStyle& style, Dc& dc);

    // --- glyphs --------------------------------------------------------------

    // (dx, dy) of a glyph in its cell of width w and advance a.
    QPoint AlignInCell(int32_t width, int32_t advance) const;
    QPoint PlaceGlyphs(Dc& dc, QStringView text, int32_t kind, int32_t advance, int32_t width, int32_t pitch, int32_t x,
                       int32_t y);
    void DrawGlyph(Dc& dc, TGlyph glyph, int32_t kind);
    void DrawSideLine(Dc& dc, const TGlyph& glyph);
    // The glyph's find highlight, when its character is a hit; advances HitIndex.
    void DrawHitHighlight(Dc& dc, const TGlyph& glyph);
    // The emphasis marks of RunQdMark beside the cell at (x, y).
    void DrawEmphasisMarks(Dc& dc, int32_t advance, int32_t width, int32_t x, int32_t y);

    // --- batches -------------------------------------------------------------

    TGlyphBatch* AddGlyphBatch();
    void FreeGlyphBatches();
    // CurrentBatch, bottom first, in the text box's fonts.
    void DrawGlyphLists(Dc& dc);

    // --- special-format runs and circled text ----------------------------------

    QPoint DrawBoxedRun(Dc& dc, QStringView text, int32_t kind, const QString& name, int32_t width, int32_t x,
                        int32_t y);
    QPoint DrawCircledText(Dc& dc, QStringView text, int32_t width, const QString& name, int32_t x, int32_t y);

    // Points the glyph engine at a box of the scaled style, its fonts and the
    // style's attached fonts.
    void UseBox(TBoxPara& box);
    // The punctuation mode of the current style (full punctuation without one).
    static TBiaoDianType PunctuationMode();

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
    // The device clip of the unit being drawn: nothing shows outside its
    // sheet, whatever a text or file puts there. Null while none is set.
    std::optional<WinRect> SheetClip;
    int32_t TextTop = 0;
    int32_t TextRight = 0;
    int32_t InnerLinePx = 1;
    int32_t OuterLinePx = 1;
    int32_t CentreLinePx = 0;

    const TPageRec* CurrentPageRec = nullptr;
    // The line of CurrentPageRec being drawn (-1: none), and each line the
    // frame cut, once: a line an edit lengthened past its box.
    int32_t CurrentLine = -1;
    std::vector<std::pair<const TPageRec*, int32_t>> CutLines;
    std::vector<QString> LeafTexts;
    // The open text's name: the running title where a leaf gives none. Fed
    // by the owner, like LeafTexts.
    QString TextName;

    // Glyph engine.
    TBoxPara* CurBox = nullptr;
    TFontPair* CurFontPair = nullptr;
    TAttachFontGroup* CurAttachFonts = nullptr;
    TFontStyle CurFont;  // with its measures once made
    int32_t LineKind = LineKinds::Body;
    int32_t HalfKind = HalfKinds::Main;
    bool RaisedColumn = false;
    int32_t HeadOffset = 0;
    int32_t ExtraSpacing = 0;
    int32_t CornerRadius = 0;
    QString RunFontName;
    QString RunFitParam;
    QString RunQdMark;
    const TFontStyle* SideNoteFont = nullptr;
    bool InsideBookTitle = false;
    bool InsideChapterTitle = false;
    bool DeferPunctLift = false;
    int32_t LastPitch = 0;
    int32_t HitIndex = 0;
    std::vector<int32_t> HitFlags;
    OwningList<TGlyphBatch> GlyphBatches;
    TGlyphBatch* CurrentBatch = nullptr;

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

private:
    // The tokens of a main-text or note line: plain runs, circled text and
    // special-format pieces.
    QPoint DrawTokens(Dc& dc, QStringView text, int32_t width, int32_t x, int32_t y);
};
