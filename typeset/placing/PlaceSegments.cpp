// The segments of a source line placed one after the other; a main-text
// segment poured column by column.
#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/cells/LineEndRules.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/placing/Placing.h"

namespace {

// The cursor at the first run of a group list: nothing of it is written.
TRunCursor FirstRun(const std::vector<TRunGroup>& groups)
{
    TRunCursor cursor;
    if (groups.empty())
        return cursor;
    const TRunGroup& group = groups.front();
    cursor.kind = group.kind;
    cursor.part = group.part;
    cursor.param = group.param;
    if (!group.runs.empty()) {
        const TZtSpan& run = group.runs.front();
        cursor.text = run.text;
        cursor.fontName = run.fontName;
        cursor.spacing = run.spacing;
    }
    return cursor;
}

bool LastRunOfLine(const TLayoutContext& context)
{
    const TRunCursor& cursor = context.cursor;
    const std::vector<TRunGroup>& groups = context.runGroups;
    return cursor.text.isEmpty() && size_t(cursor.groupIndex) + 1 == groups.size()
        && size_t(cursor.runIndex) + 1 == groups.back().runs.size()
        && size_t(context.segmentIndex) + 1 == context.segments.size();
}

// The line's last run was only closing marks and they went back into the
// column before: the paragraph ends there, rather than in a column holding
// nothing but the line end (drawn as a blank column).
void EndParagraphInPreviousColumn(TLayoutContext& context)
{
    const TPageLine previous = GetLastPageLine();
    SetLastPageLine({previous.text + g_LineEndMark.toString(), previous.size});
    context.cursor.groupIndex = int32_t(context.runGroups.size());
    context.cellsLeft = 0;
    context.lengthLeft = 0;
    context.lineBuffer.clear();
    context.remainingLength = context.AvailableLength();
}

// The start of a column of main text: a new page, the head, the indent
// and the closing marks moved back. True when that ended the line.
bool StartTextColumn(TLayoutContext& context, bool firstColumnOfPlacement)
{
    if (context.column >= context.LinesPerPage())
        context.NewPage();
    const bool partsWaiting = !context.pendingParts.empty();
    if (context.freshColumn) {
        context.WriteLineHead();
        // The run's tags are written again in this column.
        if (!context.cursor.fontName.isEmpty())
            context.cursor.fontOpen = false;
        if (!context.cursor.spacing.isEmpty())
            context.cursor.spacingOpen = false;
    }
    if (context.remainingLength == context.AvailableLength() && context.lineHeadMode == TLineHeadMode::Raised)
        context.IndentLine();
    if (!context.freshColumn || !MoveClosingMarksBack(context))
        return false;
    if (partsWaiting || firstColumnOfPlacement || !LastRunOfLine(context))
        return false;
    EndParagraphInPreviousColumn(context);
    return true;
}

// The segment does not end in this column: fill it and emit it.
void BreakTextColumn(TLayoutContext& context)
{
    const int32_t before = context.cellsLeft;
    const int32_t advance = CurrentAdvance(context);
    // An advance of 0 or below always fits (nothing divides by it).
    if (context.remainingLength >= advance || advance <= 0 || context.mustPlaceCell)
        context.PlaceRuns(context.remainingLength, context.runGroups, true);
    context.mainCells += before - context.cellsLeft;
    if (context.remainingLength != 0)
        context.lineBuffer += CountTag(context.mainCells, context.noteCells, context.remainingLength);
    context.EmitLine();
}

}  // namespace

int32_t CurrentAdvance(const TLayoutContext& context)
{
    const TZtSpan* run = CurrentRun(context.cursor, context.runGroups);
    if (!run && context.leftListState == 2)
        run = CurrentRun(context.leftCursor, context.leftRunGroups);
    return run ? ScaleByRatioText(*run) : 0;
}

void ArmProgress(TLayoutContext& context, bool firstColumnOfPlacement)
{
    context.mustPlaceCell = !firstColumnOfPlacement && context.freshColumn && context.CellsAt(context.column).IsFree()
        && context.pass == TOccupancyPass::None;
}

bool PlacingDoubleLineNote(const TLayoutContext& context)
{
    return context.segmentKind == TZwSpan::Note && context.box && context.box->MFONT_GROUP.ZHU_FONT.DOUBLE_LINE;
}

bool TLayoutContext::SegmentRunsLeft() const
{
    return RunsLeft(cursor, runGroups) || (leftListState == 2 && RunsLeft(leftCursor, leftRunGroups));
}

void TLayoutContext::PlaceSegments()
{
    // Each placement places its segment to the end, so every turn moves on.
    while (size_t(segmentIndex) < segments.size()) {
        if (SegmentRunsLeft()) {
            if (segmentKind == TZwSpan::Note)
                PlaceNoteSegment();
            else
                PlaceTextSegment();
        }
        if (size_t(++segmentIndex) >= segments.size())
            return;
        segmentKind = segments[size_t(segmentIndex)].kind;
        SplitNoteHalves(segments[size_t(segmentIndex)].text);
        BeginSegmentRuns();
    }
}

void TLayoutContext::BeginSegmentRuns()
{
    if (runGroups.empty() && leftRunGroups.empty())
        return;
    // A half whose text made no group (only tags) has nothing left to place.
    cursor = FirstRun(runGroups);
    pendingSpecialText.clear();
    if (leftListState == 2) {
        leftCursor = FirstRun(leftRunGroups);
        savedCursor = cursor;
    }
}

void TLayoutContext::PlaceTextSegment() { CurrentTypesetEdition().PlaceTextSegment(*this); }

// Column after column until the segment is placed. A column the segment
// fits stays open for the next segment; otherwise it is filled, counted
// ("<T=…>" with the room left, when there is some) and emitted.
void TypesetEdition::PlaceTextSegment(TLayoutContext& context) const
{
    bool startColumn = true;
    bool firstColumn = true;
    bool mustBreak = false;  // what was taken as fitting did not: break this column
    while (RunsLeft(context.cursor, context.runGroups)) {
        if (startColumn && StartTextColumn(context, firstColumn))
            return;
        startColumn = false;
        ArmProgress(context, firstColumn);
        firstColumn = false;
        if (!mustBreak && context.remainingLength >= context.lengthLeft) {
            const int32_t before = context.cellsLeft;
            context.PlaceRuns(context.lengthLeft, context.runGroups, false);
            context.freshColumn = false;
            if (!RunsLeft(context.cursor, context.runGroups)) {
                context.mainCells += before;
                context.cellsLeft = 0;
                return;
            }
            context.mainCells += before - context.cellsLeft;
            mustBreak = true;
            continue;
        }
        BreakTextColumn(context);
        mustBreak = false;
        startColumn = true;
    }
}
