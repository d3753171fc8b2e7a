#include "foundation/params/PunctuationMarks.h"

#include <array>
#include <string_view>

#include "foundation/text/TagUtils.h"
#include "foundation/text/UnitSets.h"

namespace {

using Units = std::u16string_view;

// The member sets of the classes, each complete.
constexpr Units kPunctMarks = u"·‘’“”、。〈〉《》「」『』【】〝〞︵︶︷︸︹︺︻︼︽︾︿﹀﹁﹂﹃﹄！（），－：；？［］｛｝";
constexpr Units kJuDouDropMarks = u"·‘’“”〈〉《》「」『』【】〝〞︵︶︷︸︹︺︻︼︽︾︿﹀﹁﹂﹃﹄（）－［］｛｝";
constexpr Units kDotOrBookTitleMarks = u"·〈〉《》〝〞︽︾︿﹀－";
constexpr Units kBookTitleMarks = u"〈〉《》︽︾︿﹀";
constexpr Units kQuoteBracketPauses = u"‘’“”、「」『』【】︵︶︹︺︻︼﹁﹂﹃﹄（），［］";
constexpr Units kOpeningMarks = u"‘“〈《「『【〔〖〘〚︵︷︹︻︽︿﹁﹃（［｛";
constexpr Units kClosingMarks = u"’”、。〉》」』】〕〗〙〛︶︸︺︼︾﹀﹂﹄！），：；？］｝";
static_assert(kPunctMarks.size() == 47 && kJuDouDropMarks.size() == 40 && kDotOrBookTitleMarks.size() == 12 &&
              kBookTitleMarks.size() == 8 && kQuoteBracketPauses.size() == 26 && kOpeningMarks.size() == 22 &&
              kClosingMarks.size() == 29);

// The classes by set, in the order of kClassSets.
enum MarkClass : size_t { kPunct, kJuDouDrop, kDotOrBookTitle, kBookTitle, kQuoteBracketPause, kOpening, kClosing };
constexpr UnitSets<7> kClassSets({kPunctMarks, kJuDouDropMarks, kDotOrBookTitleMarks, kBookTitleMarks,
                                  kQuoteBracketPauses, kOpeningMarks, kClosingMarks});

// Horizontal forms and, at the same position, their vertical forms.
constexpr Units kHorizontalForms = u"（）｛｝［］【】〖〗《》〈〉“「”」‘『’』…";
constexpr Units kVerticalForms = u"︵︶︷︸︹︺︻︼︗︘︽︾︿﹀﹁﹁﹂﹂﹃﹃﹄﹄︙";
static_assert(kHorizontalForms.size() == kVerticalForms.size());

// Characters with a vertical presentation form that the table above lacks:
// dashes (the horizontal bar too, which texts use for the em dash), the
// two-dot leader, tortoise-shell brackets and the low line. Kept apart so
// that the typeset text stays as it is stored; only the drawing maps them.
constexpr Units kHorizontalDrawnForms = u"—―–‥〔〕＿";
constexpr Units kVerticalDrawnForms = u"︱︱︲︰︹︺︳";
static_assert(kHorizontalDrawnForms.size() == kVerticalDrawnForms.size());

// The reductions to 句讀 and 句點: full stops and pauses.
constexpr Units kStopMarks = u"。；？！";
constexpr Units kPauseMarks = u"，、：";

constexpr char16_t kOpenBracket = u'【';
constexpr char16_t kCloseBracket = u'】';

bool In(Units set, char16_t c) { return set.find(c) != Units::npos; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Builds out unit by unit; a surrogate pair is copied whole, every other unit
// goes through keep (false drops it) and map.
template <class Keep, class Map>
void CopyUnits(QString& out, QStringView text, Keep keep, Map map)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (IsHighSurrogate(c) && i + 1 < text.size()) {
            result += text[i];
            result += text[++i];
        } else if (keep(c)) {
            result += QChar(map(c));
        }
    }
    out = result;
}

void Reduce(QString& out, QStringView text, char16_t pauseBecomes)
{
    CopyUnits(
        out, text, [](char16_t c) { return !IsJuDouDropMark(c); },
        [pauseBecomes](char16_t c) {
            if (In(kStopMarks, c))
                return u'。';
            if (In(kPauseMarks, c))
                return pauseBecomes;
            return c;
        });
}

// One coordinate rule of the glyph offsets.
struct Axis {
    enum Kind : uint8_t { Keep, Over, Times } kind;
    int32_t divisor;
    double factor;

    void Apply(int32_t value, int32_t& coordinate) const
    {
        if (kind == Over)
            coordinate = value / divisor;
        else if (kind == Times)
            coordinate = int32_t(value * factor);
    }
};
constexpr Axis kKeep{Axis::Keep, 1, 0};
constexpr Axis Over(int32_t d) { return {Axis::Over, d, 0}; }
constexpr Axis Times(double f) { return {Axis::Times, 1, f}; }

// Per glyph set: x and y in the full-height mode, then x and y in the
// partly-half-height mode. The rows are tried in order.
struct OffsetRow {
    Units glyphs;
    std::array<Axis, 2> putong;
    std::array<Axis, 2> zhineng;
};
const std::array<OffsetRow, 7> kOffsetRows{{
    {u"、", {Over(2), Over(2)}, {Over(2), Over(2)}},
    {u"。", {Times(0.5), Over(2)}, {Times(0.5), Over(2)}},
    {u"，", {Times(0.5), Times(0.6)}, {Times(0.5), Times(0.6)}},
    {u"？！", {Over(2), kKeep}, {Over(4), kKeep}},
    {u"︼︘﹂﹄︺︶", {kKeep, Times(0)}, {kKeep, Times(0.2)}},
    {u"︻︗﹁﹃︹︵", {kKeep, Times(0)}, {kKeep, Times(0.3)}},
    {u"：；", {Over(2), Times(0.3)}, {Over(4), Times(0.2)}},
}};

void PlacePunctGlyph(bool zhineng, QStringView glyph, int32_t width, int32_t size, int32_t& x, int32_t& y)
{
    if (glyph.size() != 1)
        return;
    const int32_t w = width == 0 ? size : width;
    for (const OffsetRow& row : kOffsetRows) {
        if (!In(row.glyphs, glyph[0].unicode()))
            continue;
        const std::array<Axis, 2>& axes = zhineng ? row.zhineng : row.putong;
        axes[0].Apply(w, x);
        axes[1].Apply(size, y);
        return;
    }
}

}  // namespace

bool IsPunctMark(char16_t c) { return kClassSets.Holds(kPunct, c); }
bool IsJuDouDropMark(char16_t c) { return kClassSets.Holds(kJuDouDrop, c); }
bool IsDotOrBookTitleMark(char16_t c) { return kClassSets.Holds(kDotOrBookTitle, c); }
bool IsBookTitleMark(char16_t c) { return kClassSets.Holds(kBookTitle, c); }
bool IsQuoteBracketPause(char16_t c) { return kClassSets.Holds(kQuoteBracketPause, c); }
bool IsOpeningMark(char16_t c) { return kClassSets.Holds(kOpening, c); }
bool IsClosingMark(char16_t c) { return kClassSets.Holds(kClosing, c); }

namespace {

// The horizontal forms above lie in these ranges; anything outside (every
// ideograph) keeps its form without a search.
bool MayHaveVerticalForm(char16_t c)
{
    return (c >= 0x2018 && c <= 0x2026) || (c >= 0x3008 && c <= 0x3017) || (c >= 0xFF08 && c <= 0xFF5D);
}

}  // namespace

char16_t VerticalPunctForm(char16_t c)
{
    if (!MayHaveVerticalForm(c))
        return c;
    const size_t at = kHorizontalForms.find(c);
    return at == Units::npos ? c : kVerticalForms[at];
}

char16_t VerticalDrawingForm(char16_t c)
{
    const size_t at = kHorizontalDrawnForms.find(c);
    return at == Units::npos ? c : kVerticalDrawnForms[at];
}

void ToVerticalPunct(QString& text)
{
    for (QChar& c : text)
        c = QChar(VerticalPunctForm(c.unicode()));
}

void ToVerticalPunctOutsideTags(QString& out, QStringView text)
{
    QString result;
    result.reserve(text.size());
    int32_t depth = 0;  // nesting of layout tags around the current unit
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == kOpenBracket) {
            if (depth > 0) {
                ++depth;
            } else {
                const qsizetype close = text.indexOf(QChar(kCloseBracket), i + 1);
                if (close >= 0 && IsLayoutTag(text.mid(i + 1, close - i - 1)))
                    ++depth;
            }
            result += QChar(VerticalPunctForm(c));
        } else if (c == kCloseBracket) {
            result += QChar(VerticalPunctForm(c));
            if (depth > 0)
                --depth;
        } else if (depth > 0) {
            result += text[i];
        } else {
            result += QChar(VerticalPunctForm(c));
            if (IsHighSurrogate(c) && i + 1 < text.size())
                result += text[++i];
        }
    }
    out = result;
}

void ToJuDou(QString& out, QStringView text) { Reduce(out, text, u'、'); }
void ToJuDian(QString& out, QStringView text) { Reduce(out, text, u'。'); }

void StripBookTitleMarks(QString& out, QStringView text)
{
    CopyUnits(out, text, [](char16_t c) { return !IsDotOrBookTitleMark(c); }, [](char16_t c) { return c; });
}

QString StripPunctuation(QStringView text)
{
    QString out;
    CopyUnits(out, text, [](char16_t c) { return !IsPunctMark(c); }, [](char16_t c) { return c; });
    return out;
}

bool TrackBookTitleBracket(QStringView glyph, bool& inDoubleTitle, bool& inSingleTitle)
{
    struct Switch {
        char16_t glyph;
        bool* flag;
        bool value;
    };
    const std::array<Switch, 4> switches{{
        {u'︽', &inDoubleTitle, true},
        {u'︾', &inDoubleTitle, false},
        {u'︿', &inSingleTitle, true},
        {u'﹀', &inSingleTitle, false},
    }};
    if (glyph.size() != 1)
        return false;
    for (const Switch& s : switches) {
        if (glyph[0].unicode() == s.glyph) {
            *s.flag = s.value;
            return true;
        }
    }
    return false;
}

void PunctGlyphOffsetPutong(QStringView glyph, int32_t width, int32_t size, int32_t& x, int32_t& y)
{
    PlacePunctGlyph(false, glyph, width, size, x, y);
}

void PunctGlyphOffsetZhineng(QStringView glyph, int32_t width, int32_t size, int32_t& x, int32_t& y)
{
    PlacePunctGlyph(true, glyph, width, size, x, y);
}
