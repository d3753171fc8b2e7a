// A source line cut into main-text and note segments, measured for
// justified lines, and a note split into its given halves.
#include <algorithm>

#include "foundation/params/Box.h"
#include "foundation/params/QuanDian.h"
#include "typeset/cells/Cells.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/columns/TagStretch.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/runs/BalancedWalk.h"
#include "typeset/runs/Runs.h"

namespace {

namespace In = MarkupTagsInternal;

QString WithoutNoteOpeners(QStringView text)
{
    QString out = text.toString();
    return out.remove(In::NoteOpen.toString());
}

QString WithoutNoteSplits(QStringView text)
{
    QString out = text.toString();
    return out.remove(In::NoteSplit.toString());
}

void AddSegment(std::vector<TZwSpan>& segments, int32_t kind, const QString& text)
{
    if (!text.isEmpty())
        segments.push_back({kind, text, {}});
}

bool NoteInDoubleLines(const TLayoutContext& context)
{
    return context.box && context.box->MFONT_GROUP.ZHU_FONT.DOUBLE_LINE;
}

int64_t SumCellLengths(const std::vector<TZtSpan>& runs)
{
    int64_t sum = 0;
    for (const TZtSpan& run : runs)
        sum += int64_t(CountCells(run.text)) * run.charHeight;
    return sum;
}

}  // namespace

QString TLayoutContext::ExpandEmphasisRuns(QStringView text)
{
    const int32_t markSize = box ? box->MFONT_GROUP.TEXT_FONT.SIZE / 4 : 0;
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(In::EmphasisOpen, from);
        if (open < 0) {
            out += text.mid(from);
            return out;
        }
        out += text.mid(from, open - from);
        const qsizetype nameFrom = open + In::EmphasisOpen.size();
        const qsizetype close = TagParamEnd(text, nameFrom);
        if (close < 0) {
            from = nameFrom;  // an opener without a ">" of its own is dropped
            continue;
        }
        QString name = text.mid(nameFrom, close - nameFrom).toString();
        if (name.isEmpty())
            name = QStringLiteral("0");
        GetQuanDian(name, markSize);
        const qsizetype end = text.indexOf(In::EmphasisClose, close + 1);
        const qsizetype stop = end < 0 ? text.size() : end;
        out += ApplyQdToChars(text.mid(close + 1, stop - close - 1), OpenTag(In::EmphasisOpen, name));
        if (end < 0)
            return out;
        from = end + In::EmphasisClose.size();
    }
}

void TLayoutContext::SplitSegments(QStringView input)
{
    QString text = input.toString();
    if (noteOpen && !text.startsWith(In::NoteOpen))
        text.prepend(In::NoteOpen);
    noteOpen = false;
    QStringView rest(text);
    for (;;) {
        const qsizetype open = rest.indexOf(In::NoteOpen);
        if (open < 0) {
            AddSegment(segments, TZwSpan::MainText, rest.toString());
            return;
        }
        AddSegment(segments, TZwSpan::MainText, rest.left(open).toString());
        const QStringView note = rest.mid(open + In::NoteOpen.size());
        const qsizetype close = note.indexOf(In::NoteClose);
        if (close < 0) {
            AddSegment(segments, TZwSpan::Note, WithoutNoteOpeners(note));
            noteOpen = true;
            return;
        }
        AddSegment(segments, TZwSpan::Note, WithoutNoteOpeners(note.left(close)));
        rest = note.mid(close + In::NoteClose.size());
    }
}

int32_t TLayoutContext::SegmentCellLength() const
{
    int64_t cells = 0;
    for (const TZwSpan& segment : segments) {
        const QStringView text(segment.text);
        if (segment.kind == TZwSpan::MainText || !NoteInDoubleLines(*this)) {
            cells += CountCells(text);
            continue;
        }
        const qsizetype split = text.indexOf(In::NoteSplit);
        if (split >= 0)
            cells += std::max(CountCells(text.left(split)), CountCells(text.mid(split + In::NoteSplit.size())));
        else
            cells += (int64_t(CountCells(text)) + 1) / 2;
    }
    return SaturateToInt32(cells);
}

int32_t TLayoutContext::SegmentFontLength()
{
    int64_t length = 0;
    for (const TZwSpan& segment : segments) {
        const bool note = segment.kind == TZwSpan::Note;
        const QStringView text(segment.text);
        if (!note || !NoteInDoubleLines(*this)) {
            length += SumCellLengths(SplitFontRuns(text, note));
            continue;
        }
        const qsizetype split = text.indexOf(In::NoteSplit);
        if (split >= 0) {
            length += std::max(SumCellLengths(SplitFontRuns(text.left(split), true)),
                               SumCellLengths(SplitFontRuns(text.mid(split + In::NoteSplit.size()), true)));
            continue;
        }
        std::vector<int32_t> heights;
        for (const TZtSpan& run : SplitFontRuns(text, true))
            heights.insert(heights.end(), size_t(std::max(0, CountCells(run.text))), run.charHeight);
        length += BalancedHalfLength(heights);
    }
    return SaturateToInt32(length);
}

void TLayoutContext::SplitNoteHalves(QStringView text)
{
    runGroups.clear();
    leftRunGroups.clear();
    remainingRuns.Clear();
    explicitHalf = 0;
    leftListState = 0;
    cellsLeft = lengthLeft = 0;
    rightCells = rightLength = leftCells = leftLength = 0;
    // A note in one small line sets its given halves one after the other,
    // right then left, as one list.
    const bool halves = segmentKind == TZwSpan::Note && NoteInDoubleLines(*this);
    const qsizetype split = halves ? text.indexOf(In::NoteSplit) : -1;
    if (split < 0) {
        BuildRunGroups(segmentKind == TZwSpan::Note ? WithoutNoteSplits(text) : text.toString(), runGroups);
        rightCells = cellsLeft;
        rightLength = lengthLeft;
        return;
    }
    const QStringView right = text.left(split);
    const QStringView left = text.mid(split + In::NoteSplit.size());
    if (!right.isEmpty()) {
        explicitHalf = 1;
        BuildRunGroups(right, runGroups);
        rightCells = cellsLeft;
        rightLength = lengthLeft;
    }
    if (left.isEmpty())
        return;
    if (right.isEmpty()) {
        explicitHalf = 2;
        BuildRunGroups(left, runGroups);
        rightCells = cellsLeft;
        rightLength = lengthLeft;
        return;
    }
    leftListState = 2;
    cellsLeft = lengthLeft = 0;
    BuildRunGroups(left, leftRunGroups);
    leftCells = cellsLeft;
    leftLength = lengthLeft;
    cellsLeft = rightCells;
    lengthLeft = rightLength;
}

int32_t BalancedHalfLength(const std::vector<int32_t>& heights)
{
    if (heights.empty())
        return 0;
    const TBalancedWalk walk =
        WalkBalanced(int64_t(heights.size()), [&](int64_t i) { return int64_t(heights[size_t(i)]); });
    return SaturateToInt32(std::max(walk.front, walk.back));
}
