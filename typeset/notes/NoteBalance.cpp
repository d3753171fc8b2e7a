// How long the right line of a note must be for the two lines to balance,
// and the length left of a single-line note in ZHINENG.
#include <algorithm>
#include <vector>

#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
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

// The sentence end of the current run itself is not looked at: its piece
// was measured when it was placed.
void TypesetEdition::MeasureRemainingRuns(TLayoutContext& context) const
{
    const TypesetEdition& edition = CurrentTypesetEdition();
    int64_t cells = 0;
    int64_t length = 0;
    bool first = true;
    bool endsSentence = false;
    int32_t previousAdvance = 0;
    ForEachRunLeft(context.cursor, context.runGroups, [&](const TRunGroup& group, const QString& text, int32_t advance) {
        const bool circled = group.kind == TRunGroup::Circled;
        cells += circled ? 1 : ::CountCells(text);
        length += circled ? advance : ::MeasureCells(text, advance);
        if (endsSentence && !text.isEmpty() && IsPunctMark(text.front().unicode()))
            length -= previousAdvance / 2;
        endsSentence = !first && !text.isEmpty() && edition.IsSentenceEnd(text.back().unicode());
        previousAdvance = advance;
        first = false;
    });
    context.cellsLeft = SaturateToInt32(cells);
    context.lengthLeft = SaturateToInt32(length);
}
