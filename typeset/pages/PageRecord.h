#pragma once
// Typeset pages: one TPageRec per page, held in order by a TPageTable. The
// typesetter fills them, the drawing reads them, the edit pane and replace
// change their lines, and the volume-data file stores them (PageBinary.h).
// Records have value semantics: a copy is deep.
#include <cstdint>
#include <vector>

#include <QString>

#include "foundation/OwningList.h"
#include "platform/WinTypes.h"
#include "typeset/pages/SearchRecords.h"

struct TStyleBase;

// A column of a page: its typeset column string and a size (0 in the
// woodblock edition; the column's width or the line's height in the
// vertical and horizontal editions).
struct TPageLine {
    QString text;
    int32_t size = 0;

    bool operator==(const TPageLine&) const = default;
};

// A side-note line gathered in collect mode, with its side-note font.
struct TCollectedLine {
    QString text;
    QString fontName;

    bool operator==(const TCollectedLine&) const = default;
};

namespace TPageItemKind {
enum : int32_t { New = -1, WholePage = 0, Seal = 1, PlacedCopy = 2, PlacedMultiplied = 5 };
}

// A picture or seal of a page. The four numbers are stored in this order
// and read by kind through the accessors: a placed picture's first and last
// column and top and bottom cell (-1 when not set); a seal's left, right,
// top and bottom in page units.
struct TPageItem {
    int32_t kind = TPageItemKind::New;
    QString name;
    int32_t a = -1;
    int32_t b = -1;
    int32_t c = -1;
    int32_t d = -1;

    int32_t FirstColumn() const { return a; }
    int32_t LastColumn() const { return b; }
    int32_t TopCell() const { return c; }
    int32_t BottomCell() const { return d; }
    void SetPlacement(int32_t firstColumn, int32_t lastColumn, int32_t topCell, int32_t bottomCell)
    {
        a = firstColumn, b = lastColumn, c = topCell, d = bottomCell;
    }

    WinRect SealRect() const { return {a, c, b, d}; }
    void SetSealRect(const WinRect& rect) { a = rect.left, b = rect.right, c = rect.top, d = rect.bottom; }

    bool operator==(const TPageItem&) const = default;
};

struct TPageRec {
    std::vector<TPageLine> lines;
    QString styleName;   // a style's NAME, or the cover or back-cover name
    QString volumeName;  // not stored in the file
    int32_t index = 0;   // position in its table
    int32_t usedSize = 0;  // vertical and horizontal editions; not stored in the file
    std::vector<TPageLine> headLines;  // the head box's columns; not stored in the file
    std::vector<TCollectedLine> collectedLines;  // not stored in the file
    OwningList<TPageItem> pictures;
    OwningList<TPageItem> seals;
    QString centreText;  // top|middle|bottom
    int32_t linesOverride = 0;  // columns of this page; 0: the style's LINES
};

struct TPageTable {
    // The find cursor starts on the first body page.
    TPageTable();

    OwningList<TPageRec> pages;
    OwningList<TSearchSection> sections;
    int32_t findPage = 0;
    int32_t findLine = 0;
    int32_t findColumn = -1;  // before the first character
    OwningList<THitRecord> gridHits;  // columns in the line's text
    OwningList<THitRecord> cellHits;  // columns as edit-grid cells
};

// A new empty page at the end, its index set to its position.
TPageRec* AppendPageRecord(TPageTable& table);
void ClearPageRecords(TPageTable& table);

// The page's style in g_CurrentParaSet: the cover record for the cover and
// back-cover names, else the style of that name; null when there is none
// (or no set).
TStyleBase* GetPageStyle(const TPageRec& page);
