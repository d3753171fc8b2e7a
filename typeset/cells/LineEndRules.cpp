#include "typeset/cells/LineEndRules.h"

#include <QStringList>

#include "platform/TextNumbers.h"
#include "typeset/TypesetEdition.h"
#include "typeset/cells/Cells.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/markup/RunAdvance.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr char16_t kIdeographicSpace = 0x3000;

// The number of units at the start of text that are closing marks; with
// keepSpaces a full-width space (a closing mark in some editions) ends them.
qsizetype LeadingClosingMarks(const QString& text, bool keepSpaces = false)
{
    const TypesetEdition& edition = CurrentTypesetEdition();
    qsizetype n = 0;
    while (n < text.size() && edition.IsClosingMark(text[n].unicode())
           && !(keepSpaces && text[n] == kIdeographicSpace))
        ++n;
    return n;
}

// Nothing of the source line is placed yet: the cursor stands at the start
// of its first run.
bool AtSourceLineStart(const TLayoutContext& context, const TZtSpan& run)
{
    const TRunCursor& cursor = context.cursor;
    return context.segmentIndex == 0 && cursor.groupIndex == 0 && cursor.runIndex == 0
        && cursor.text.size() == run.text.size();
}

// The column with marks put in before its count tag (when it has one after
// its first character), the count corrected.
QString WithMarksBeforeCount(const QString& column, const QString& marks, int32_t cells, int32_t length)
{
    const qsizetype at = column.indexOf(In::CountOpen, 1);
    const qsizetype close = at < 0 ? -1 : column.indexOf(In::TagEnd, at);
    if (close < 0)
        return column + marks;
    const qsizetype from = at + In::CountOpen.size();
    const QStringList numbers = column.mid(from, close - from).split(u',');
    auto number = [&](qsizetype i) { return i < numbers.size() ? ParseIntLikeAtoi(numbers[i]) : 0; };
    const int32_t a = SaturateToInt32(int64_t(number(0)) + cells);
    const int32_t c = SaturateToInt32(int64_t(number(2)) - length);
    return column.left(at) + marks + CountTag(a, number(1), c) + column.mid(close + 1);
}

}  // namespace

int32_t MoveTrailingOpeningMarks(QString& piece, QString& rest, bool keepOne)
{
    const TypesetEdition& edition = CurrentTypesetEdition();
    const qsizetype keep = keepOne ? 1 : 0;
    int32_t cells = 0;
    while (piece.size() > keep && edition.IsOpeningMark(piece.back().unicode())) {
        const QString mark(piece.back());
        piece.chop(1);
        rest.prepend(mark);
        cells += CountCells(mark);
    }
    return cells;
}

int32_t PullLeadingClosingMarks(QString& piece, QString& rest)
{
    const qsizetype n = LeadingClosingMarks(rest);
    const QString marks = rest.left(n);
    piece += marks;
    rest.remove(0, n);
    return CountCells(marks);
}

bool MoveClosingMarksBack(TLayoutContext& context)
{
    const TZtSpan* run = CurrentRun(context.cursor, context.runGroups);
    if (!run)
        return false;
    // Full-width spaces that open a source line indent it.
    const qsizetype n = LeadingClosingMarks(context.cursor.text, AtSourceLineStart(context, *run));
    const TPageLine previous = GetLastPageLine();
    if (n == 0 || previous.text.isEmpty())
        return false;
    const QString marks = context.cursor.text.left(n);
    const int32_t cells = CountCells(marks);
    const int32_t length = MeasureCells(marks, ScaleByRatioText(*run));
    SetLastPageLine({WithMarksBeforeCount(previous.text, marks, cells, length), previous.size});
    context.cursor.text.remove(0, n);
    context.cellsLeft -= cells;
    context.lengthLeft = SaturateToInt32(int64_t(context.lengthLeft) - length);
    return true;
}
