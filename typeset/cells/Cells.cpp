#include "typeset/cells/Cells.h"

#include <string_view>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/StringUtils.h"
#include "typeset/TypesetEdition.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr std::u16string_view kTitleOpeners = u"〈《︽︿";
constexpr std::u16string_view kTitleClosers = u"〉》︾﹀";

bool Holds(std::u16string_view set, char16_t c) { return set.find(c) != std::u16string_view::npos; }

struct Room {
    int32_t length = 0;
    int32_t cells = 0;
};

// Walks text element by element: a tag runs from "<" through the next ">"
// (a glyph tag when it opens with "<TZ"); anything else is one code point,
// a "<" with no ">" after it included. The position of the next ">" is
// remembered, so that a text full of "<" is still walked in linear time.
class ElementWalk {
public:
    explicit ElementWalk(QStringView text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    qsizetype Position() const { return at_; }

    // Steps over the element at the position; true when it is a tag, with
    // glyph set for a "<TZ…>" tag.
    bool Step(bool& glyph)
    {
        glyph = false;
        if (text_[at_] == u'<') {
            const qsizetype close = TagCloseAfter(at_);
            if (close >= 0) {
                glyph = text_.mid(at_).startsWith(In::GlyphOpen);
                at_ = close + 1;
                return true;
            }
        }
        at_ = NextCodePointIndex(text_, at_);
        return false;
    }

private:
    qsizetype TagCloseAfter(qsizetype from)
    {
        if (close_ != kUnknown && (close_ < 0 || close_ > from))
            return close_;
        close_ = text_.indexOf(In::TagEnd, from + 1);
        return close_;
    }

    static constexpr qsizetype kUnknown = -2;
    QStringView text_;
    qsizetype at_ = 0;
    qsizetype close_ = kUnknown;
};

// 。 takes half a cell in ZHINENG when the next character (tags skipped) is
// a mark that takes room itself.
bool CellMarkFollows(const TypesetEdition& edition, QStringView text, qsizetype from)
{
    ElementWalk walk(text.mid(from));
    while (!walk.AtEnd()) {
        const char16_t c = text[from + walk.Position()].unicode();
        bool glyph = false;
        if (!walk.Step(glyph))
            return IsPunctMark(c) && !edition.IsRoomlessMark(c);
    }
    return false;
}

Room CharRoom(const TypesetEdition& edition, TBiaoDianType mode, QStringView text, qsizetype at, qsizetype next,
              int32_t advance)
{
    const char16_t c = text[at].unicode();
    const Room none{0, 0};
    const Room full{advance, 1};
    const uint8_t classes = edition.RoomClassesOf(c);
    if (!GivesMarksRoom(mode))
        return classes & TypesetEdition::kPunctClass ? none : full;
    if (classes & TypesetEdition::kRoomlessClass)
        return none;
    if (mode != TBiaoDianType::ZHINENG)
        return full;
    const Room half{advance / 2, 1};
    if (classes & TypesetEdition::kHalfCellClass)
        return half;
    if (classes & TypesetEdition::kSentenceEndClass && CellMarkFollows(edition, text, next))
        return half;
    return full;
}

// Calls take(room, end) for every element until it returns false.
template <class Take>
void WalkRooms(QStringView text, int32_t advance, Take take)
{
    const TBiaoDianType mode = CurrentPunctuationMode();
    const TypesetEdition& edition = CurrentTypesetEdition();
    ElementWalk walk(text);
    while (!walk.AtEnd()) {
        const qsizetype at = walk.Position();
        bool glyph = false;
        const bool tag = walk.Step(glyph);
        Room room;
        if (glyph)
            room = {advance, 1};
        else if (!tag)
            room = CharRoom(edition, mode, text, at, walk.Position(), advance);
        if (!take(room, walk.Position()))
            return;
    }
}

}  // namespace

TBiaoDianType CurrentPunctuationMode()
{
    return g_CurBiaoDian ? g_CurBiaoDian->BIAODIAN_TYPE : TBiaoDianType::NO;
}

bool GivesMarksRoom(TBiaoDianType mode)
{
    return mode == TBiaoDianType::PUTONG || mode == TBiaoDianType::ZHINENG;
}

int32_t CountCells(QStringView text) { return CurrentTypesetEdition().CountCells(text); }

int32_t MeasureCells(QStringView text, int32_t advance) { return CurrentTypesetEdition().MeasureCells(text, advance); }

int32_t FitChars(QStringView text, int32_t advance, int32_t& length, int32_t& cells)
{
    return CurrentTypesetEdition().FitChars(text, advance, length, cells);
}

int32_t TypesetEdition::CountCells(QStringView text) const
{
    int64_t cells = 0;
    WalkRooms(text, 0, [&](Room room, qsizetype) {
        cells += room.cells;
        return true;
    });
    return SaturateToInt32(cells);
}

int32_t TypesetEdition::MeasureCells(QStringView text, int32_t advance) const
{
    int64_t length = 0;
    WalkRooms(text, advance, [&](Room room, qsizetype) {
        length += room.length;
        return true;
    });
    return SaturateToInt32(length);
}

int32_t TypesetEdition::FitChars(QStringView text, int32_t advance, int32_t& length, int32_t& cells) const
{
    const int64_t limit = length;
    int64_t used = 0;
    int64_t taken = 0;
    qsizetype units = 0;
    WalkRooms(text, advance, [&](Room room, qsizetype end) {
        if (used + room.length > limit)
            return false;
        used += room.length;
        taken += room.cells;
        units = end;
        return true;
    });
    length = SaturateToInt32(used);
    cells = SaturateToInt32(taken);
    // Only where title marks take no room of their own (not horizontally,
    // where the line-end rules move them like any bracket).
    const TypesetEdition& edition = CurrentTypesetEdition();
    const auto TitleMark = [&](std::u16string_view set, qsizetype i) {
        const char16_t c = text[i].unicode();
        return Holds(set, c) && edition.IsRoomlessMark(c);
    };
    if (units > 0 && TitleMark(kTitleOpeners, units - 1))
        --units;
    if (units < text.size() && TitleMark(kTitleClosers, units))
        ++units;
    return int32_t(units);
}

bool TypesetEdition::IsRoomlessMark(char16_t c) const { return IsDotOrBookTitleMark(c); }

const TypesetEdition::RoomTable& TypesetEdition::BuildRoomClasses() const
{
    std::call_once(roomClassesBuilt_, [this] {
        auto table = std::make_unique<RoomTable>();
        for (uint32_t u = 0; u < table->size(); ++u) {
            const char16_t unit = char16_t(u);
            (*table)[u] = uint8_t((IsPunctMark(unit) ? kPunctClass : 0) | (IsRoomlessMark(unit) ? kRoomlessClass : 0) |
                                  (IsQuoteBracketPause(unit) ? kHalfCellClass : 0) |
                                  (IsSentenceEnd(unit) ? kSentenceEndClass : 0));
        }
        roomClasses_ = std::move(table);
        roomTable_.store(roomClasses_.get(), std::memory_order_release);
    });
    return *roomClasses_;
}
