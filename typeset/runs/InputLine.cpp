// One source line from text to placed columns.
#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/runs/Runs.h"

void TLayoutContext::LayoutInputLine(QStringView text) { CurrentTypesetEdition().LayoutInputLine(*this, text); }

void TLayoutContext::ResetLineState()
{
    segments.clear();
    runGroups.clear();
    remainingRuns.Clear();
    headNoteMarks.clear();
    sideNoteMarks.clear();
    SideNoteOffsets.clear();
    segmentIndex = 0;
    cursor = TRunCursor();
    cellsLeft = 0;
    lengthLeft = 0;
    UpdateOccupancyState();
    remainingLength = AvailableLength();
    if (mode == TLayoutMode::Collect)
        remainingLength = SaturateToInt32(int64_t(remainingLength) - sideNoteOffset);
}

void TypesetEdition::LayoutInputLine(TLayoutContext& context, QStringView text) const
{
    if (!context.box || context.box->size.BOX_HEIGHT <= 0)
        return;
    context.periodCarry = false;
    context.periodCarryAdvance = 0;
    const QString expanded = ExpandEmphasisRuns(context, text);
    context.segments.clear();
    context.runGroups.clear();
    context.remainingRuns.Clear();
    context.segmentIndex = 0;
    context.cursor = TRunCursor();
    context.cellsLeft = 0;
    context.lengthLeft = 0;
    context.SplitSegments(expanded);
    if (!context.segments.empty()) {
        if (context.JustifiedLineMode()) {
            context.lineCells = context.SegmentCellLength();
            context.lineNaturalLength = context.SegmentFontLength();
        }
        context.segmentKind = context.segments.front().kind;
        context.SplitNoteHalves(context.segments.front().text);
        context.BeginSegmentRuns();
        context.PlaceSegments();
    }
    // Every source line ends its last column.
    if (!context.freshColumn) {
        context.lineBuffer += g_LineEndMark;
        context.EmitLine();
    }
}

QString TypesetEdition::ExpandEmphasisRuns(TLayoutContext& context, QStringView text) const
{
    return context.ExpandEmphasisRuns(text);
}
