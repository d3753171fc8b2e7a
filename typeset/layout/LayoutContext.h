#pragma once
// The state of one box while text is poured into it: the box, the page and
// column being filled, what waits for the next column or page, and which
// cells of each column placed pictures take. The typesetter owns one for
// the text box and one for the head box and switches between them.
//
// Columns are emitted lazily: a page is left only when a column must be
// stored into a full page, so no empty page is left behind a full one; a
// new page reuses the next page of the table when there is one (the head-
// and side-note passes revisit pages).
//
// The operations an edition sets its own way (EmitLine, NewPage,
// ReserveBlockLines, ResetOccupancy, AvailableLength) go through
// CurrentTypesetEdition(), as do those of cutting a line into runs and
// placing them (marked below); TypesetEdition's virtuals are the woodblock
// forms, defined in typeset/layout, typeset/runs, typeset/placing and
// typeset/notes.
//
// Lengths are hundredths of a pixel at zoom 1.0; the cells of a column run
// from 0 (top) to TEXT_PER_LINE - 1.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "typeset/markup/Spans.h"
#include "typeset/notes/RemainingRuns.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/placing/RunCursor.h"
#include "typeset/runs/RunGroup.h"

struct TBoxPara;

namespace TLayoutMode {
enum : int32_t { Body = 1, Collect = 2, Head = 3 };
}

namespace TLineHeadMode {
enum : int32_t { None = 0, Raised = 2, VolumeName = 3 };
}

namespace TOccupancyPass {
// Upper: the parts above a picture are filled and their columns held back;
// Lower: the parts below, each joined to the upper part held for its column.
enum : int32_t { None = 0, Upper = 1, Lower = 2 };
}

// A 【TP…】 picture waiting for room.
struct TPendingPicture {
    QString name;
    int32_t columns = 0;
    int32_t height = 0;  // cells
    int32_t start = 0;   // first cell
    bool multiplied = false;  // "&"; "+" copies
};

struct THeadNoteMark {
    int32_t page = 0;
    int32_t position = 0;  // column × (pitch + rule)
    int32_t offset = 0;    // n of "<MP n>"
};

struct TSideNoteMark {
    QString fontName;
    int32_t page = 0;
    int32_t column = 0;
    int32_t offset = 0;  // from the column top
};

// The cells a picture takes in one column; (-1, -1) when free.
struct TCellRange {
    int32_t first = -1;
    int32_t last = -1;

    bool IsFree() const { return first < 0 && last < 0; }
    bool operator==(const TCellRange&) const = default;
};

struct TLayoutContext {
    TBoxPara* box = nullptr;

    bool justified = false;  // JustifiedLineMode
    bool exempt = false;     // the line ended with 【HH】
    int32_t lineCells = 0;
    int32_t lineNaturalLength = 0;
    int32_t linesOverride = 0;  // 【HS n】; 0 none

    std::vector<QString> pendingParts;  // title and volume-name tags opening the next column
    std::vector<TPendingPicture> pendingPictures;
    std::vector<THeadNoteMark> headNoteMarks;
    std::vector<TSideNoteMark> sideNoteMarks;
    std::vector<int32_t> SideNoteOffsets;  // of the "<CP" anchors in the column being built
    TSideNoteMark sideNoteMark;            // collect mode: the note being set
    int32_t sideNoteOffset = 0;

    int32_t column = 0;
    // The line buffer holds nothing yet. Set from the start, so that the
    // first column of a context gets its line head even before a new page.
    bool freshColumn = true;
    bool firstColumn = true;  // next column opens a raised or indented paragraph
    int32_t lineHeadMode = TLineHeadMode::None;
    int32_t raise = 0;
    int32_t blank = 0;

    std::vector<QString> heldColumns;
    QString lineBuffer;
    int32_t mode = TLayoutMode::Body;

    int32_t segmentIndex = 0;
    int32_t cellsLeft = 0;
    int32_t lengthLeft = 0;
    int32_t specialPart = 0;
    int32_t groupKind = 1;
    bool noteOpen = false;  // a note opened with "<E>" continues in the next source line

    int32_t pass = TOccupancyPass::None;
    std::vector<TZwSpan> segments;
    std::vector<TCellRange> occupancy;  // per column of the page
    int32_t heldStart = 0;              // column where the held columns began
    int32_t remainingLength = 0;
    int32_t segmentKind = TZwSpan::MainText;

    // The two halves of a double-line note.
    int32_t rightCells = 0;
    int32_t rightLength = 0;
    int32_t leftCells = 0;
    int32_t leftLength = 0;

    QString pendingSpecialText;
    int32_t mainCells = 0;
    int32_t noteCells = 0;
    bool periodCarry = false;
    int32_t periodCarryAdvance = 0;
    int32_t explicitHalf = 0;
    int32_t leftListState = 0;

    // The run groups of the segment being placed (main text, or a note's
    // right half) and of a note's given left half; the run cursor on the
    // first list, the right half's cursor saved while the left half is
    // placed, and the left half's cursor.
    std::vector<TRunGroup> runGroups;
    std::vector<TRunGroup> leftRunGroups;
    TRunCursor cursor;
    TRunCursor savedCursor;
    TRunCursor leftCursor;
    // The column holds nothing yet and no later column offers more room:
    // PlaceRuns places at least one cell, overflowing if it must, so that
    // placement always ends.
    bool mustPlaceCell = false;
    // A single-line note's runs left, for MeasureRemainingRuns.
    TRemainingRuns remainingRuns;

    // The vertical and horizontal editions: the width (height) of the
    // column (line) being filled, 0 while unknown, and the summed sizes of
    // the columns already on the page.
    int32_t columnSize = 0;
    int32_t usedSize = 0;

    void Reset();
    // The columns a page takes, by the edition (the override when positive,
    // else the box's LINES, in the woodblock edition).
    int32_t LinesPerPage() const;
    // The occupied cells of a column; a column the table does not hold is free.
    TCellRange CellsAt(int32_t col) const;
    // A picture sits inside the column with free cells above and below it.
    bool IsLinePartlyOccupied(int32_t col) const;
    void UpdateOccupancyState();
    void JoinPendingParts();
    // An empty column: pending parts and the line end.
    void FinishLine();
    // Emits the held upper parts (as lower-pass columns of their own).
    void FlushPendingLines();
    void TakeHeadNoteAnchors();
    void TakeSideNoteAnchors();

    // Through the edition.
    void ResetOccupancy();
    int32_t AvailableLength() const;
    bool ReserveBlockLines(const TPendingPicture& picture);
    void EmitLine();
    void NewPage();

    // --- A source line cut into segments and run groups (typeset/runs) ---
    bool JustifiedLineMode() const { return justified && !exempt; }
    // Lays out one source line (or head- or side-note span) from the
    // current column on; through the edition.
    void LayoutInputLine(QStringView text);
    void ResetLineState();
    // Every "<QD name>"…"<-QD>" in per-character form; the sets named are
    // looked up or added in the current style.
    QString ExpandEmphasisRuns(QStringView text);
    // Main-text and note segments ("<E>"…"</E>"); an unclosed note sets the
    // note-open flag, so it goes on in the next source line.
    void SplitSegments(QStringView text);
    // The cells and the natural length of the line's segments, a double-line
    // note counting its longer line (justified lines).
    int32_t SegmentCellLength() const;
    int32_t SegmentFontLength();
    // Builds the run groups of a segment, a note's halves split at "<|>".
    void SplitNoteHalves(QStringView text);
    void BuildRunGroups(QStringView text, std::vector<TRunGroup>& groups);
    void AddRunGroup(int32_t kind, int32_t part, const QString& param, QStringView text,
                     std::vector<TRunGroup>& groups);
    std::vector<TZtSpan> BuildSpacingRuns(QStringView text);
    // Font runs of a segment's text: the box's text or note font (note), or
    // an attached font looked up or added in the current style.
    std::vector<TZtSpan> SplitFontRuns(QStringView text, bool note);
    TZtSpan AddFontRun(const QString& name, QStringView text, bool note);
    void SplitSpacingRuns(const TZtSpan& run, std::vector<TZtSpan>& runs);

    // --- Runs poured into columns (typeset/placing) ---
    void PlaceSegments();
    void BeginSegmentRuns();
    // Through the edition.
    void PlaceTextSegment();
    void PlaceRuns(int32_t available, const std::vector<TRunGroup>& groups, bool mayBreak);
    void OpenRunTags(QStringView piece);
    void WriteLineHead();
    void IndentLine();

    // Moves the cursor to the next run of groups; false when the list is
    // exhausted.
    bool NextRun(const std::vector<TRunGroup>& groups, TRunEnd end);
    void FlushRunText(const QString& param, TRunEnd end);
    QString WrapSpecialFormat(QStringView text, const QString& param, int32_t type);
    void RecordSideNoteOffsets(QStringView piece, int32_t remaining, int32_t advance);
    // Runs are left in the segment being placed (either half of a note).
    bool SegmentRunsLeft() const;

    // --- Notes (typeset/notes) ---
    // Through the edition.
    void PlaceNoteSegment();
    void MeasureRemainingRuns();
    void PlaceDoubleLineNote(int32_t length, bool mayBreak);
    int32_t BalancedNoteSplit() const;
};

// The unit of head-note positions in a box: its column pitch plus the rule
// between columns.
int32_t HeadNoteStep(const TBoxPara& box);

// Appends a placed picture (kind 5 multiplied, else 2) to g_TypesetPage.
void AddPlacedPicture(int32_t lastCell, const QString& name, int32_t firstColumn, int32_t lastColumn,
                      int32_t startCell, bool multiplied);

// The last column of g_TypesetPage, or, when it has none, of the table's
// last page; empty with size 0 when there is none. The setter then does
// nothing.
TPageLine GetLastPageLine();
void SetLastPageLine(const TPageLine& line);
