#pragma once
// The rows of the edit pane's grid, without the grid: which text pages the
// shown page puts in it, how many rows each takes, which page line a row
// stands for, and writing a row's new text back into the page record.
//
// After the header row come, for each shown text page (two in two-page
// display, a cover or back cover always alone): a row for its centre-column
// text when it has one, then its line rows. The woodblock edition gives a
// page the LINES of its style's text box (the record's own line count for a
// cover or back cover); the vertical and horizontal editions, whose LINES is
// no column count, list the stored lines (at least one row). Rows beyond the
// stored lines show the filler "　".
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

struct TPageRec;
struct TPageTable;

inline constexpr char16_t kEditFiller = u'\u3000';

struct EditPageRows {
    int32_t page = -1;        // index in the page table
    bool centreRow = false;   // the page has a centre-column text
    int32_t lineRows = 0;
};

struct EditPaneRows {
    std::vector<EditPageRows> pages;  // one or two

    // The rows below the header.
    int32_t RowCount() const;
};

// What a grid row (1 = the first below the header) stands for.
struct EditRowTarget {
    int32_t page = -1;  // -1: no row of the pane
    int32_t line = -1;  // -1: the centre-column row
};

// The rows of the text pages the shown page shows in table; none when the
// first page is missing or has no style (nor a current one) to count by.
std::optional<EditPaneRows> ShownPageRows(const TPageTable& table, int32_t shownPage);
// The line rows of one page (as ShownPageRows counts them); nullopt when
// there is no style to count by.
std::optional<int32_t> LineRowsOf(const TPageRec& page);

EditRowTarget RowToPageLine(const EditPaneRows& rows, int32_t row);

// The text a row shows: the centre-column text, the line's text, or the
// filler beyond the stored lines.
QString RowText(const TPageTable& table, const EditRowTarget& target);

// The columns (code points of the line's text) of the first grid hit of
// table on the row's line; empty for a centre or filler row.
std::vector<int32_t> GridHitColumns(const TPageTable& table, const EditRowTarget& target);

// What writing a row back changed.
struct EditWriteBack {
    bool changed = false;      // the page record was changed
    bool indexDirty = false;   // a title tag's value changed: the index must be rewritten
    bool refreshTree = false;  // the contents and the directory tree must be rebuilt
};

// Writes text into the record line (or the centre-column text) target
// stands for. A text equal to what the row showed is no edit: an untouched
// filler row stays filler, and an empty text beyond the stored lines
// changes nothing. Typing beyond the stored lines appends empty lines up to
// the row's line; the line's size stays as it was. A changed centre text
// refreshes the tree; a changed value of a volume-name or title tag ("JM",
// "BT") or of "V" or "@" also makes the index dirty.
EditWriteBack WriteRowText(TPageTable& table, const EditRowTarget& target, const QString& text);
