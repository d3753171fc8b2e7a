#include "foundation/params/FontStyle.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "foundation/io/BinFile.h"
#include "foundation/params/FontDialogs.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/TaggedListText.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// Version gates of the binary form.
constexpr int32_t kWordWidthFrom = 19;
constexpr int32_t kOutlineWidthFrom = 26;
constexpr int32_t kMarkFrom = 25;
constexpr int32_t kMarkStringFrom = 27;
// Versions up to this one have no tagged-text lists.
constexpr int32_t kLastVersionWithoutTextLists = 24;

constexpr int32_t kLastTextType = 4;

// The lengths that follow the zoom.
constexpr std::array kLengths = {
    &TFontStyle::SIZE,       &TFontStyle::WIDTH,           &TFontStyle::WORD_HEIGHT,
    &TFontStyle::WORD_WIDTH, &TFontStyle::OUTLINE_WIDTH,   &TFontStyle::move,
    &TFontStyle::textHeight, &TFontStyle::internalLeading, &TFontStyle::externalLeading,
    &TFontStyle::cellWidth,  &TFontStyle::cellHeight,
};

// ALIGN words up to CLOSE; MOVE carries its amount ("MOVE150").
const std::array<QString, 4> kAlignWords = {u"LEFT"_s, u"MID"_s, u"RIGHT"_s, u"CLOSE"_s};
const QString kMoveWord = u"MOVE"_s;

QString AlignText(const TFontStyle& style)
{
    if (style.ALIGN == FontAlign::MOVE)
        return kMoveWord + QString::number(style.move);
    const bool known = style.ALIGN >= 0 && style.ALIGN < int32_t(kAlignWords.size());
    return kAlignWords[size_t(known ? style.ALIGN : FontAlign::MID)];
}

void AlignFromText(TFontStyle& style, QStringView value)
{
    const auto word = std::find(kAlignWords.begin(), kAlignWords.end(), value);
    if (word != kAlignWords.end()) {
        style.ALIGN = int32_t(word - kAlignWords.begin());
    } else if (value.contains(kMoveWord)) {
        // The amount is read from the fifth character on, wherever MOVE stands.
        style.ALIGN = FontAlign::MOVE;
        style.move = TTextItems::ParseInt(value.mid(kMoveWord.size()));
    }
}

}  // namespace

int32_t ScaleLength(int32_t value, double zoom)
{
    const double scaled = std::trunc(double(value) * zoom);
    if (std::isnan(scaled))
        return 0;
    return int32_t(std::clamp(scaled, double(INT32_MIN), double(INT32_MAX)));
}

bool FontStyleEquals(const TFontStyle& a, const TFontStyle& b)
{
    return a.NAME == b.NAME && a.COLOR == b.COLOR && a.SIZE == b.SIZE && a.WIDTH == b.WIDTH &&
           a.WORD_HEIGHT == b.WORD_HEIGHT && a.WORD_WIDTH == b.WORD_WIDTH && a.OUTLINE_WIDTH == b.OUTLINE_WIDTH &&
           a.TYPE == b.TYPE && a.ALIGN == b.ALIGN && a.DOUBLE_LINE == b.DOUBLE_LINE && a.MARKSTRING == b.MARKSTRING &&
           (a.ALIGN != FontAlign::MOVE || a.move == b.move);
}

bool FontStyleListEquals(const TFontStyleList& a, const TFontStyleList& b)
{
    return a.Size() == b.Size() && std::equal(a.begin(), a.end(), b.begin(), FontStyleEquals);
}

TFontStyle& ScaleFontStyle(TFontStyle& out, double zoom, const TFontStyle& source)
{
    out = source;
    out.index = -1;
    for (const auto length : kLengths)
        out.*length = ScaleLength(out.*length, zoom);
    return out;
}

TFontStyleList& ScaleFontStyleArray(const TFontStyleList& source, TFontStyleList& out, double zoom)
{
    return ScaleIndexedList(source, out, zoom, ScaleFontStyle);
}

int32_t FindFontStyleIndex(const TFontStyleList& list, const QString& key)
{
    return list.IndexOfName(&TFontStyle::MARKSTRING, key);
}

TFontStyle* FindOrAddFontStyle(TFontStyleList& list, const QString& key, const TFontStyle& templ)
{
    if (TFontStyle* found = list.GetAtOrNull(FindFontStyleIndex(list, key)))
        return found;
    TFontStyle* entry = list.Append(std::make_unique<TFontStyle>(templ));
    entry->index = list.Size() - 1;
    entry->MARKSTRING = key;
    return entry;
}

void SetTextType(int32_t value, TFontStyle& style) { style.TEXT_TYPE = std::clamp(value, 0, kLastTextType); }

bool EditFontStyle(TFontStyle& style, bool wordHeightEditable, bool doubleLineEditable, bool wordWidthEditable)
{
    FontDialogs* dialogs = CurrentFontDialogs();
    TFontStyle values = style;
    FontStyleDialogFlags flags;
    flags.wordHeightEditable = wordHeightEditable;
    flags.wordWidthEditable = wordWidthEditable;
    flags.doubleLineEditable = doubleLineEditable;
    if (!dialogs || !dialogs->EditLayoutFont(values, flags))
        return false;
    // The drawing picks HanaMinA or HanaMinB by itself; the record keeps A.
    style.NAME = values.NAME == u"HanaMinB" ? u"HanaMinA"_s : values.NAME;
    style.COLOR = values.COLOR;
    style.SIZE = values.SIZE;
    style.WIDTH = values.WIDTH;
    style.TYPE = values.TYPE;
    style.OUTLINE_WIDTH = values.OUTLINE_WIDTH;
    style.ALIGN = std::clamp(values.ALIGN, int32_t(FontAlign::LEFT), int32_t(FontAlign::MOVE));
    style.move = values.move;
    if (wordHeightEditable)
        style.WORD_HEIGHT = values.WORD_HEIGHT;
    if (wordWidthEditable)
        style.WORD_WIDTH = values.WORD_WIDTH;
    if (doubleLineEditable)
        style.DOUBLE_LINE = values.DOUBLE_LINE;
    return true;
}

int32_t WriteFontStyle(TBinFile& file, const TFontStyle& style)
{
    int32_t bytes = file.WriteString(style.NAME);
    for (const int32_t value : {int32_t(style.COLOR), style.SIZE, style.WIDTH, style.WORD_HEIGHT, style.WORD_WIDTH,
                                style.OUTLINE_WIDTH, style.TYPE, style.ALIGN})
        bytes += file.WriteInt32(value);
    if (style.ALIGN == FontAlign::MOVE)
        bytes += file.WriteInt32(style.move);
    bytes += file.WriteUInt16(style.DOUBLE_LINE ? 1 : 0);
    bytes += file.WriteInt32(style.TEXT_TYPE);
    return bytes + file.WriteString(style.MARKSTRING);
}

bool ReadFontStyle(int32_t version, TBinFile& file, TFontStyle& style)
{
    int32_t color = 0;
    if (!file.ReadString(style.NAME) || !file.ReadInt32(color))
        return false;
    style.COLOR = ColorRef(color);
    if (!file.ReadInt32(style.SIZE) || !file.ReadInt32(style.WIDTH) || !file.ReadInt32(style.WORD_HEIGHT))
        return false;
    if (version >= kWordWidthFrom && !file.ReadInt32(style.WORD_WIDTH))
        return false;
    if (version >= kOutlineWidthFrom && !file.ReadInt32(style.OUTLINE_WIDTH))
        return false;
    if (!file.ReadInt32(style.TYPE) || !file.ReadInt32(style.ALIGN))
        return false;
    if (style.ALIGN == FontAlign::MOVE && !file.ReadInt32(style.move))
        return false;
    uint16_t doubleLine = 0;
    if (!file.ReadUInt16(doubleLine))
        return false;
    style.DOUBLE_LINE = doubleLine != 0;
    if (!file.ReadInt32(style.TEXT_TYPE))
        return false;
    if (version < kMarkFrom)
        return true;
    if (version >= kMarkStringFrom)
        return file.ReadString(style.MARKSTRING);
    int32_t mark = 0;
    if (!file.ReadInt32(mark))
        return false;
    style.MARKSTRING = QString::number(mark);
    return true;
}

int32_t WriteFontStyleList(const TFontStyleList& list, TBinFile& file)
{
    return WriteCountedList(file, list, [](TBinFile& f, const TFontStyle& style) { return WriteFontStyle(f, style); });
}

bool ReadFontStyleList(TBinFile& file, int32_t version, TFontStyleList& list)
{
    return ReadCountedList(file, list, [version](TBinFile& f, TFontStyle& style, int32_t position) {
        style.index = position;
        return ReadFontStyle(version, f, style);
    });
}

void FontStyleToText(TTextFile& file, const TFontStyle& style)
{
    TTextItems::WriteString(file, u"NAME"_s, style.NAME);
    TTextItems::WriteString(file, u"TYPE"_s, FontTypeWord(style.TYPE));
    TTextItems::WriteInt(file, u"SIZE"_s, style.SIZE);
    TTextItems::WriteInt(file, u"WIDTH"_s, style.WIDTH);
    TTextItems::WriteInt(file, u"WORD_HEIGHT"_s, style.WORD_HEIGHT);
    TTextItems::WriteInt(file, u"WORD_WIDTH"_s, style.WORD_WIDTH);
    TTextItems::WriteInt(file, u"OUTLINE_WIDTH"_s, style.OUTLINE_WIDTH);
    TTextItems::WriteColor(file, u"COLOR"_s, style.COLOR);
    TTextItems::WriteString(file, u"ALIGN"_s, AlignText(style));
    TTextItems::WriteBool(file, u"DOUBLE_LINE"_s, style.DOUBLE_LINE);
    TTextItems::WriteInt(file, u"TEXT_TYPE"_s, style.TEXT_TYPE);
    if (!style.MARKSTRING.isEmpty())
        TTextItems::WriteString(file, u"MARKSTRING"_s, style.MARKSTRING);
}

void FontStyleFromText(TFontStyle& style, QStringView block)
{
    const TTextItems::Reader items(block);
    items.String(u"NAME", style.NAME);
    if (const QString* type = items.Value(u"TYPE"))
        FontTypeFromWord(*type, style.TYPE);
    items.Int(u"SIZE", style.SIZE);
    items.Int(u"WIDTH", style.WIDTH);
    // The older keys first, so that the current one wins when both are there.
    items.Int(u"HEIGHT", style.WORD_HEIGHT);
    items.Int(u"WORD_HEIGHT", style.WORD_HEIGHT);
    items.Int(u"LINE_WIDTH", style.WORD_WIDTH);
    items.Int(u"WORD_WIDTH", style.WORD_WIDTH);
    items.Int(u"OUTLINE_WIDTH", style.OUTLINE_WIDTH);
    items.Color(u"COLOR", style.COLOR);
    if (const QString* align = items.Value(u"ALIGN"))
        AlignFromText(style, *align);
    items.Bool(u"DOUBLE_LINE", style.DOUBLE_LINE);
    int32_t number = 0;
    if (items.Int(u"TEXT_TYPE", number))
        SetTextType(number, style);
    if (items.Int(u"MARK", number))
        style.MARKSTRING = QString::number(number);
    items.String(u"MARKSTRING", style.MARKSTRING);
}

void FontStyleListToText(TTextFile& file, const TFontStyleList& list)
{
    WriteTaggedList(file, list, u"<FONT%1>"_s, u"</FONT>"_s, FontStyleToText);
}

void FontStyleListFromText(TFontStyleList& list, QStringView text, int32_t version)
{
    if (version <= kLastVersionWithoutTextLists)
        return;
    ReadTaggedList(list, text, u"<FONT%1>"_s, u"</FONT>"_s, FontStyleFromText,
                   [](TFontStyle& style, int32_t i) { style.index = i; });
}
