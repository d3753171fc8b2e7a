// Runs placed into the column being built while they fit, and the step from
// one run to the next with the tags it closes.
#include <algorithm>

#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/TagUtils.h"
#include "typeset/TypesetEdition.h"
#include "typeset/cells/Cells.h"
#include "typeset/cells/LineEndRules.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/placing/Placing.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr QStringView kSideNoteAnchor = u"<CP";

int32_t Clamp32(int64_t value) { return SaturateToInt32(value); }

void ClearCarry(TLayoutContext& context)
{
    context.periodCarry = false;
    context.periodCarryAdvance = 0;
}

// ZHINENG: a piece that ended with a sentence end counted it as a full cell,
// because what follows lay in another run. When that run opens with a mark,
// half the cell comes back.
void GiveBackCarry(TLayoutContext& context, int64_t& available)
{
    const QString& text = context.cursor.text;
    if (context.periodCarry && !text.isEmpty() && IsPunctMark(text.front().unicode())) {
        const int32_t half = context.periodCarryAdvance / 2;
        context.lengthLeft = Clamp32(int64_t(context.lengthLeft) + half);
        context.remainingLength = Clamp32(int64_t(context.remainingLength) + half);
        available += half;
    }
    ClearCarry(context);
}

void NoteCarry(TLayoutContext& context, QStringView placed, int32_t advance)
{
    if (CurrentPunctuationMode() != TBiaoDianType::ZHINENG || placed.isEmpty())
        return;
    if (CurrentTypesetEdition().IsSentenceEnd(placed.back().unicode())) {
        context.periodCarry = true;
        context.periodCarryAdvance = advance;
    }
}

// Takes a placed piece into the column's counts and the line buffer.
void TakePiece(TLayoutContext& context, const QString& piece, int32_t cells, int32_t length, int32_t advance,
               int64_t& available)
{
    context.OpenRunTags(piece);
    if (piece.contains(kSideNoteAnchor))
        context.RecordSideNoteOffsets(piece, context.remainingLength, advance);
    context.cellsLeft = Clamp32(int64_t(context.cellsLeft) - cells);
    context.lengthLeft = Clamp32(int64_t(context.lengthLeft) - length);
    context.remainingLength = Clamp32(int64_t(context.remainingLength) - length);
    available -= length;
    NoteCarry(context, piece, advance);
    context.mustPlaceCell = false;
}

// The segment's length left was measured with the piece and the rest side
// by side, where a sentence end before a mark takes half a cell. Cut apart
// at a column end, the piece takes its full cell here and the rest measures
// that much more than the length left counted for it.
int32_t RoomLostAtBreak(const QString& piece, QStringView rest, int32_t advance)
{
    if (piece.isEmpty() || rest.isEmpty())
        return 0;
    const QStringView head = rest.left(ThroughFirstCharacter(rest));
    const int64_t apart = int64_t(MeasureCells(piece, advance)) + MeasureCells(head, advance);
    const int64_t together = MeasureCells(piece + head.toString(), advance);
    return Clamp32(std::max<int64_t>(0, apart - together));
}

// The rest of the run starts a later column: the length left grows by what
// the break cost.
void TakeBackBreakRoom(TLayoutContext& context, const QString& piece, int32_t advance)
{
    context.lengthLeft = Clamp32(int64_t(context.lengthLeft) + RoomLostAtBreak(piece, context.cursor.text, advance));
}

// Closes what the column opened for the run in the line buffer (a special-
// format piece closes its own tags when it is wrapped).
void CloseRunTags(TLayoutContext& context)
{
    TRunCursor& cursor = context.cursor;
    if (cursor.kind == TRunGroup::SpecialFormat)
        return;
    if (cursor.spacingOpen)
        context.lineBuffer += In::SpacingClose;
    if (cursor.fontOpen)
        context.lineBuffer += In::FontClose;
    cursor.spacingOpen = false;
    cursor.fontOpen = false;
}

// The length of the run's text, or, when it surely exceeds available, the
// length of a prefix that does: a column takes a small part of a long run,
// so measuring the whole of it at every column would make a long line's
// layout quadratic. Prefixes grow by doubling and end outside tags and
// surrogate pairs; no element of a prefix takes more room than it does in
// the whole text, so a prefix longer than available means the run is.
int64_t RunLengthWithin(QStringView text, int32_t advance, int64_t available)
{
    constexpr qsizetype kFirstPrefix = 256;
    if (advance <= 0)
        return MeasureCells(text, advance);
    for (qsizetype units = kFirstPrefix; units < text.size(); units *= 2) {
        qsizetype end = units;
        if (text[end - 1].isHighSurrogate())
            ++end;
        const qsizetype open = text.lastIndexOf(u'<', end - 1);
        if (open >= 0 && text.lastIndexOf(u'>', end - 1) < open) {
            const qsizetype close = text.indexOf(u'>', end);
            if (close < 0)
                break;
            end = close + 1;
        }
        const int64_t length = MeasureCells(text.left(end), advance);
        if (length > available)
            return length;
        if (end >= text.size())
            return length;
    }
    return MeasureCells(text, advance);
}

// Beside a picture a column ends at the picture (or at the box's edge, with
// the picture at its other end): closing marks pulled into it may not reach
// past that, so the character before them goes on to the next column with
// them, and opening marks before that character with it. A piece that
// would be left empty keeps its marks.
void KeepMarksBesidePicture(const TLayoutContext& context, QString& piece, QString& rest, int32_t& cells,
                            int32_t advance, int64_t available)
{
    if (context.CellsAt(context.column).IsFree() || MeasureCells(piece, advance) <= available)
        return;
    const TypesetEdition& edition = CurrentTypesetEdition();
    qsizetype cut = piece.size();
    while (cut > 0 && edition.IsClosingMark(piece[cut - 1].unicode()))
        --cut;
    if (cut == piece.size() || cut == 0)
        return;
    cut -= cut >= 2 && piece[cut - 1].isLowSurrogate() && piece[cut - 2].isHighSurrogate() ? 2 : 1;
    while (cut > 0 && edition.IsOpeningMark(piece[cut - 1].unicode()))
        --cut;
    const QString tail = piece.mid(cut);
    if (cut == 0 || tail.contains(u'<') || tail.contains(u'>'))
        return;
    rest.prepend(tail);
    piece.truncate(cut);
    cells -= CountCells(tail);
}

// The run does not fit: as much of it as fits, then the line-end rules.
void PlaceBrokenRun(TLayoutContext& context, const std::vector<TRunGroup>& groups, int64_t available,
                    int32_t advance, const QString& param, bool mayBreak)
{
    TRunCursor& cursor = context.cursor;
    int32_t length = Clamp32(available);
    int32_t cells = 0;
    int32_t units = FitChars(cursor.text, advance, length, cells);
    bool take = cells > 0;
    const bool forced = !take && context.mustPlaceCell;
    if (forced) {
        // Room for one cell whatever is left; a circled token goes whole.
        length = Clamp32(std::max<int64_t>(available, advance));
        units = FitChars(cursor.text, advance, length, cells);
        if (cells == 0 || cursor.kind == TRunGroup::Circled)
            units = int32_t(cursor.text.size());
        take = true;
    }
    QString piece = take ? cursor.text.left(units) : QString();
    if (piece.isEmpty()) {
        context.FlushRunText(param, TRunEnd::ColumnBroke);
        return;
    }
    // Cut from the front in place: the string keeps its buffer and only
    // moves its start, so a long run is not copied at every column.
    cursor.text.remove(0, units);
    if (mayBreak && GivesMarksRoom(CurrentPunctuationMode())) {
        cells -= MoveTrailingOpeningMarks(piece, cursor.text, context.mustPlaceCell);
        cells += PullLeadingClosingMarks(piece, cursor.text);
        KeepMarksBesidePicture(context, piece, cursor.text, cells, advance, available);
    }
    if (!piece.isEmpty()) {
        TakePiece(context, piece, cells, MeasureCells(piece, advance), advance, available);
        TakeBackBreakRoom(context, piece, advance);
        // A cell longer than its column fills it: the column has no room
        // left, rather than less than none (its count tag would say so).
        if (forced)
            context.remainingLength = std::max(context.remainingLength, 0);
        if (cursor.kind == TRunGroup::SpecialFormat)
            context.FlushRunText(param, TRunEnd::ColumnBroke);
    }
    if (cursor.text.isEmpty())
        context.NextRun(groups, TRunEnd::ColumnBroke);
}

// The whole run fits; false when the column ends after it.
bool PlaceWholeRun(TLayoutContext& context, const std::vector<TRunGroup>& groups, int64_t& available,
                   int32_t advance, int64_t runLength, const QString& param)
{
    TRunCursor& cursor = context.cursor;
    const bool circled = cursor.kind == TRunGroup::Circled;
    QString whole = cursor.text;
    cursor.text.clear();
    // A run that reaches into the last cell of the column leaves its
    // opening marks to the next column.
    if (GivesMarksRoom(CurrentPunctuationMode()) && int64_t(context.remainingLength) < runLength + advance)
        MoveTrailingOpeningMarks(whole, cursor.text, context.mustPlaceCell);
    if (!whole.isEmpty()) {
        const int32_t cells = circled ? 1 : CountCells(whole);
        const int32_t length = circled ? advance : MeasureCells(whole, advance);
        TakePiece(context, whole, cells, length, advance, available);
        TakeBackBreakRoom(context, whole, advance);
    }
    if (!cursor.text.isEmpty()) {
        // Marks were moved back: the column ends, its special-format text
        // written out first so that none of it slips into the next column.
        context.FlushRunText(param, TRunEnd::ColumnBroke);
        return false;
    }
    return context.NextRun(groups, TRunEnd::GroupPlaced);
}

}  // namespace

void TLayoutContext::PlaceRuns(int32_t available, const std::vector<TRunGroup>& groups, bool mayBreak)
{
    CurrentTypesetEdition().PlaceRuns(*this, available, groups, mayBreak);
}

void TypesetEdition::PlaceRuns(TLayoutContext& context, int32_t availableLength,
                               const std::vector<TRunGroup>& groups, bool mayBreak) const
{
    const bool doubleLineNote = PlacingDoubleLineNote(context);
    if (doubleLineNote)
        ClearCarry(context);
    int64_t available = availableLength;
    // Every turn places a run whole and moves on, or ends the loop.
    while (const TZtSpan* run = CurrentRun(context.cursor, groups)) {
        const QString param = groups[size_t(context.cursor.groupIndex)].param;
        const int32_t advance = ScaleByRatioText(*run);
        if (CurrentPunctuationMode() == TBiaoDianType::ZHINENG)
            GiveBackCarry(context, available);
        if (available < advance && context.cursor.text.isEmpty()) {
            context.FlushRunText(param, TRunEnd::ColumnBroke);
            context.NextRun(groups, TRunEnd::ColumnBroke);
            break;
        }
        const int64_t runLength = context.cursor.kind == TRunGroup::Circled
            ? advance
            : RunLengthWithin(context.cursor.text, advance, available);
        if (available < runLength) {
            PlaceBrokenRun(context, groups, available, advance, param, mayBreak);
            break;
        }
        if (!PlaceWholeRun(context, groups, available, advance, runLength, param))
            break;
    }
    if (doubleLineNote)
        ClearCarry(context);
    CloseRunTags(context);
}

bool TLayoutContext::NextRun(const std::vector<TRunGroup>& groups, TRunEnd end)
{
    if (!RunsLeft(cursor, groups))
        return false;
    const int32_t oldKind = cursor.kind;
    const TRunGroup* group = &groups[size_t(cursor.groupIndex)];
    bool newGroup = false;
    if (size_t(++cursor.runIndex) >= group->runs.size()) {
        if (cursor.kind == TRunGroup::SpecialFormat)
            FlushRunText(group->param, end);
        ++cursor.groupIndex;
        cursor.runIndex = 0;
        if (!RunsLeft(cursor, groups))
            return false;
        group = &groups[size_t(cursor.groupIndex)];
        cursor.kind = group->kind;
        cursor.part = group->part;
        cursor.param = group->param;
        if (cursor.kind == TRunGroup::SpecialFormat) {
            cursor.specialOpened = false;
            pendingSpecialText.clear();
        }
        newGroup = true;
    }
    const TZtSpan* run = CurrentRun(cursor, groups);
    if (!run)
        return false;
    cursor.text = run->text;

    // A tag the old run opened is closed where it was opened: in the line
    // buffer, or in the special-format text being collected.
    auto close = [&](bool hadTag, bool& open, QStringView closer) {
        if (!hadTag || !open)
            return;
        if (oldKind != TRunGroup::SpecialFormat)
            lineBuffer += closer;
        else if (cursor.kind == TRunGroup::SpecialFormat && !pendingSpecialText.isEmpty())
            pendingSpecialText += closer;
        else
            return;
        open = false;
    };
    // Spacing is closed and opened again between any two runs.
    close(!cursor.spacing.isEmpty(), cursor.spacingOpen, In::SpacingClose);
    cursor.spacing = run->spacing;
    if (!cursor.spacing.isEmpty())
        cursor.spacingOpen = false;
    // A font stays open while it does not change, except that a special-
    // format piece opens its own (it is wrapped as a whole).
    const bool entersSpecialFormat =
        newGroup && cursor.kind == TRunGroup::SpecialFormat && oldKind != TRunGroup::SpecialFormat;
    if (run->fontName != cursor.fontName || entersSpecialFormat) {
        close(!cursor.fontName.isEmpty(), cursor.fontOpen, In::FontClose);
        cursor.fontName = run->fontName;
        if (!cursor.fontName.isEmpty())
            cursor.fontOpen = false;
    }
    return true;
}
