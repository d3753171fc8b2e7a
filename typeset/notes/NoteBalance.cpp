// How long the right line of a note must be for the two lines to balance,
// and the length left of a single-line note in ZHINENG.
#include <algorithm>
#include <vector>

#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "typeset/TypesetEdition.h"
#include "typeset/cells/Cells.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/runs/BalancedWalk.h"

namespace {

// Calls each(group, run text, advance) for the note's runs from the cursor
// on: the rest of the current run, then every later run.
template <class Each>
void ForEachRunLeft(const TRunCursor& cursor, const std::vector<TRunGroup>& groups, Each each)
{
    for (size_t g = size_t(std::max(0, cursor.groupIndex)); g < groups.size(); ++g) {
        const TRunGroup& group = groups[g];
        const size_t first = int32_t(g) == cursor.groupIndex ? size_t(std::max(0, cursor.runIndex)) : 0;
        for (size_t r = first; r < group.runs.size(); ++r) {
            const bool current = int32_t(g) == cursor.groupIndex && r == first;
            each(group, current ? cursor.text : group.runs[r].text, ScaleByRatioText(group.runs[r]));
        }
    }
}

struct NoteCell {
    int32_t advance;
    int32_t runAdvance;
};

}  // namespace

// The cells are walked by their index in the run text, and the half-cell
// rule tests the unit at that index: in a run holding tags or cell-less
// marks it looks at a nearby unit.
int32_t TLayoutContext::BalancedNoteSplit() const
{
    if (!RunsLeft(cursor, runGroups))
        return -1;
    const TypesetEdition& edition = CurrentTypesetEdition();
    const bool halves = CurrentPunctuationMode() == TBiaoDianType::ZHINENG;
    std::vector<NoteCell> cells;
    ForEachRunLeft(cursor, runGroups, [&](const TRunGroup& group, const QString& text, int32_t advance) {
        const int32_t n = group.kind == TRunGroup::Circled ? 1 : CountCells(text);
        for (int32_t i = 0; i < n; ++i) {
            const bool half = halves && i < text.size() && edition.IsQuoteBracketPause(text[i].unicode());
            cells.push_back({half ? advance / 2 : advance, advance});
        }
    });
    if (cells.empty())
        return 0;
    const TBalancedWalk walk = WalkBalanced(int64_t(cells.size()), [&](int64_t i) { return cells[size_t(i)].advance; });
    int64_t front = walk.front;
    // A right line shorter than the left takes the back pointer's cell too.
    if (front < walk.back)
        front += cells[size_t(walk.backStart)].runAdvance;
    return SaturateToInt32(front);
}

void TLayoutContext::MeasureRemainingRuns() { CurrentTypesetEdition().MeasureRemainingRuns(*this); }

namespace {

bool StartsWithMark(const QString& text) { return !text.isEmpty() && IsPunctMark(text.front().unicode()); }

// Cells and length of one run's text (a circled group is one cell).
std::pair<int64_t, int64_t> RunRoom(const TRunGroup& group, QStringView text, int32_t advance)
{
    if (group.kind == TRunGroup::Circled)
        return {1, advance};
    return {::CountCells(text), ::MeasureCells(text, advance)};
}

// The sums of the later runs, from each run to the last: run k counts whole,
// less half the advance of the run before it when that one ends a sentence
// and run k opens with a mark.
void SumLaterRuns(TRemainingRuns& sums, const std::vector<TRunGroup>& groups)
{
    const TypesetEdition& edition = CurrentTypesetEdition();
    struct Run {
        int64_t cells, length;
        int32_t lift;  // given back when the run before it ends a sentence
    };
    std::vector<Run> runs;
    bool endsSentence = false;
    int32_t previousAdvance = 0;
    for (const TRunGroup& group : groups) {
        sums.groupStarts.push_back(runs.size());
        for (const TZtSpan& run : group.runs) {
            const int32_t advance = ScaleByRatioText(run);
            const auto [cells, length] = RunRoom(group, run.text, advance);
            runs.push_back({cells, length, endsSentence && StartsWithMark(run.text) ? previousAdvance / 2 : 0});
            endsSentence = !run.text.isEmpty() && edition.IsSentenceEnd(run.text.back().unicode());
            previousAdvance = advance;
        }
    }
    sums.cellsFrom.assign(runs.size() + 1, 0);
    sums.lengthFrom.assign(runs.size() + 1, 0);
    sums.laterLift.assign(runs.size() + 1, 0);
    for (size_t k = runs.size(); k-- > 0;) {
        sums.laterLift[k] = runs[k].lift;
        sums.cellsFrom[k] = runs[k].cells + sums.cellsFrom[k + 1];
        sums.lengthFrom[k] = runs[k].length + sums.lengthFrom[k + 1] - sums.laterLift[k + 1];
    }
    sums.ready = true;
}

// The rest of the current run, measured from what it was the last time:
// the units placed since are taken off. A unit's room looks at the next
// character only, so the placed units are measured with the rest's first
// character after them, less that character alone.
void MeasureCurrentRest(TRemainingRuns& sums, size_t run, const TRunGroup& group, const TZtSpan& span,
                        const QString& rest)
{
    const int32_t advance = ScaleByRatioText(span);
    const qsizetype placed = sums.textSize - rest.size();
    const bool suffix = sums.run == run && placed >= 0 && sums.textSize <= span.text.size();
    if (!suffix || group.kind == TRunGroup::Circled) {
        const auto [cells, length] = RunRoom(group, rest, advance);
        sums.cells = cells;
        sums.length = length;
    } else if (placed > 0) {
        const QStringView before = QStringView(span.text).right(sums.textSize);
        const QStringView head = QStringView(rest).left(ThroughFirstCharacter(rest));
        sums.cells -= ::CountCells(before.left(placed));
        sums.length -= int64_t(::MeasureCells(before.left(placed + head.size()), advance)) - ::MeasureCells(head, advance);
    }
    sums.run = run;
    sums.textSize = rest.size();
}

}  // namespace

// The sentence end of the current run itself is not looked at: its piece
// was measured when it was placed. The later runs are summed once per
// segment and the current run's rest kept as a running total, so that a
// long note is not measured again at every column.
void TypesetEdition::MeasureRemainingRuns(TLayoutContext& context) const
{
    TRemainingRuns& sums = context.remainingRuns;
    const TRunCursor& cursor = context.cursor;
    const TZtSpan* span = CurrentRun(cursor, context.runGroups);
    if (!span) {
        context.cellsLeft = 0;
        context.lengthLeft = 0;
        return;
    }
    if (!sums.ready)
        SumLaterRuns(sums, context.runGroups);
    const TRunGroup& group = context.runGroups[size_t(cursor.groupIndex)];
    const size_t run = sums.groupStarts[size_t(cursor.groupIndex)] + size_t(cursor.runIndex);
    MeasureCurrentRest(sums, run, group, *span, cursor.text);
    context.cellsLeft = SaturateToInt32(sums.cells + sums.cellsFrom[run + 1]);
    context.lengthLeft = SaturateToInt32(sums.length + sums.lengthFrom[run + 1]);
}
