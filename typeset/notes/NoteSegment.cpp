// A note segment placed column by column, each column's part written as
// one or two small lines.
#include <algorithm>

#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/cells/Cells.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/placing/Placing.h"

namespace {

namespace In = MarkupTagsInternal;

void StartNoteColumn(TLayoutContext& context)
{
    if (context.column >= context.LinesPerPage())
        context.NewPage();
    if (context.freshColumn)
        context.WriteLineHead();
    if (context.remainingLength == context.AvailableLength() && context.lineHeadMode == TLineHeadMode::Raised)
        context.IndentLine();
}

// The length the note asks of this column: the longer of the two lines.
int32_t NoteLength(TLayoutContext& context)
{
    int32_t length = context.lengthLeft;
    if (!PlacingDoubleLineNote(context)) {
        if (CurrentPunctuationMode() == TBiaoDianType::ZHINENG)
            context.MeasureRemainingRuns();
        return length;
    }
    if (context.explicitHalf != 0)
        return std::max(context.rightLength, context.leftLength);
    length /= 2;
    if (context.remainingLength >= length || context.JustifiedLineMode())
        length = context.BalancedNoteSplit();
    return length;
}

// One small line: its own font and spacing tags, between open and close.
void PlaceNoteLine(TLayoutContext& context, QStringView open, QStringView close, int32_t length,
                   const std::vector<TRunGroup>& groups, bool mayBreak)
{
    context.cursor.fontOpen = false;
    context.cursor.spacingOpen = false;
    context.lineBuffer += open;
    context.PlaceRuns(length, groups, mayBreak);
    context.lineBuffer += close;
}

// The right line takes the runs up to the balance, the left line goes on
// with the runs where the right line stopped.
void PlaceBalancedLines(TLayoutContext& context, int32_t length, bool mayBreak)
{
    const int32_t startRemaining = context.remainingLength;
    const int32_t startCells = context.cellsLeft;
    if (RunsLeft(context.cursor, context.runGroups))
        PlaceNoteLine(context, In::RightLineOpen, In::RightLineClose, length, context.runGroups, true);
    const int32_t rightCells = context.cellsLeft;
    const int32_t rightRemaining = context.remainingLength;
    context.remainingLength = startRemaining;
    if (RunsLeft(context.cursor, context.runGroups))
        PlaceNoteLine(context, In::LeftLineOpen, In::LeftLineClose, length, context.runGroups, mayBreak);
    context.remainingLength = std::min(rightRemaining, context.remainingLength);
    context.noteCells += std::max(startCells - rightCells, rightCells - context.cellsLeft);
}

// Halves split by "<|>": the right half from the first list (or a lone left
// half), the left half from the second list with its own cursor.
void PlaceGivenHalves(TLayoutContext& context, int32_t length, bool mayBreak)
{
    const int32_t startRemaining = context.remainingLength;
    const int32_t startRightCells = context.cellsLeft;
    if (RunsLeft(context.cursor, context.runGroups)) {
        if (context.explicitHalf == 1)
            PlaceNoteLine(context, In::RightLineOpen, In::RightLineClose, length, context.runGroups, true);
        else
            PlaceNoteLine(context, In::LeftLineOpen, In::LeftLineClose, length, context.runGroups, mayBreak);
    }
    context.savedCursor = context.cursor;
    context.rightCells = context.cellsLeft;
    context.rightLength = context.lengthLeft;
    if (context.leftListState != 2)
        return;
    const int32_t rightRemaining = context.remainingLength;
    context.cursor = context.leftCursor;
    context.cellsLeft = context.leftCells;
    context.lengthLeft = context.leftLength;
    context.remainingLength = startRemaining;
    if (RunsLeft(context.cursor, context.leftRunGroups))
        PlaceNoteLine(context, In::LeftLineOpen, In::LeftLineClose, length, context.leftRunGroups, mayBreak);
    const int32_t leftPlaced = context.leftCells - context.cellsLeft;
    context.leftCursor = context.cursor;
    context.leftCells = context.cellsLeft;
    context.leftLength = context.lengthLeft;
    context.cursor = context.savedCursor;
    context.cellsLeft = context.rightCells;
    context.lengthLeft = context.rightLength;
    context.remainingLength = std::min(rightRemaining, context.remainingLength);
    context.noteCells += std::max(startRightCells - context.rightCells, leftPlaced);
}

void PlaceSingleLine(TLayoutContext& context, int32_t length, bool mayBreak)
{
    const int32_t startCells = context.cellsLeft;
    if (RunsLeft(context.cursor, context.runGroups)) {
        context.cursor.fontOpen = false;
        context.cursor.spacingOpen = false;
        context.PlaceRuns(length, context.runGroups, mayBreak);
    }
    context.noteCells += startCells - context.cellsLeft;
}

bool LastSegment(const TLayoutContext& context) { return size_t(context.segmentIndex) + 1 >= context.segments.size(); }

void CountAndEmit(TLayoutContext& context, bool alwaysCount)
{
    if (alwaysCount || context.remainingLength != 0)
        context.lineBuffer += CountTag(context.mainCells, context.noteCells, context.remainingLength);
    context.EmitLine();
}

}  // namespace

void TLayoutContext::PlaceNoteSegment() { CurrentTypesetEdition().PlaceNoteSegment(*this); }

// A small line takes runs only while runs are left: a note whose cells are
// used up but that still holds runs (cell-less marks, tags) places them too,
// so that placement always ends.
void TLayoutContext::PlaceDoubleLineNote(int32_t length, bool mayBreak)
{
    lineBuffer += In::ColumnNoteOpen;
    if (!PlacingDoubleLineNote(*this))
        PlaceSingleLine(*this, length, mayBreak);
    else if (explicitHalf == 0)
        PlaceBalancedLines(*this, length, mayBreak);
    else
        PlaceGivenHalves(*this, length, mayBreak);
    lineBuffer += In::ColumnNoteClose;
}

// Column after column until both halves of the note are placed. A justified
// line's note is placed whole in its column (the line's runs are spaced to
// fit); otherwise a note that ends in this column leaves it open for the
// text that follows, and one that does not fills it and emits it.
void TypesetEdition::PlaceNoteSegment(TLayoutContext& context) const
{
    bool startColumn = true;
    bool firstColumn = true;
    bool mustBreak = false;  // what was taken as fitting did not: break this column
    while (context.SegmentRunsLeft()) {
        if (startColumn)
            StartNoteColumn(context);
        startColumn = false;
        ArmProgress(context, firstColumn);
        firstColumn = false;
        const int32_t length = NoteLength(context);
        if (context.JustifiedLineMode() && !mustBreak) {
            context.PlaceDoubleLineNote(length, true);
            if (LastSegment(context)) {
                CountAndEmit(context, true);
                startColumn = true;
            } else {
                context.freshColumn = false;
                mustBreak = true;
            }
        } else if (mustBreak || context.remainingLength < length) {
            const int32_t advance = CurrentAdvance(context);
            if (context.remainingLength >= advance || advance <= 0 || context.mustPlaceCell)
                context.PlaceDoubleLineNote(context.remainingLength, true);
            CountAndEmit(context, false);
            startColumn = true;
            mustBreak = false;
        } else {
            context.PlaceDoubleLineNote(length, false);
            context.freshColumn = false;
            mustBreak = true;
        }
    }
}
