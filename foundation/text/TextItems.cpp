#include "foundation/text/TextItems.h"

#include "foundation/io/TextFile.h"
#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"

namespace TTextItems {

namespace {

// The value of a hexadecimal digit; anything else reads as 0.
uint8_t HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return uint8_t(u - u'0');
    if (u >= u'a' && u <= u'f')
        return uint8_t(u - u'a' + 10);
    if (u >= u'A' && u <= u'F')
        return uint8_t(u - u'A' + 10);
    return 0;
}

// The byte of the two digits from index at; a missing digit reads as 0.
uint8_t HexByte(QStringView text, qsizetype at)
{
    const uint8_t high = at < text.size() ? HexDigit(text[at]) : 0;
    const uint8_t low = at + 1 < text.size() ? HexDigit(text[at + 1]) : 0;
    return uint8_t(high * 16 + low);
}

// Sets field from a present value; a missing value leaves it as it is.
template <typename T, typename Parse>
bool SetFrom(const QString* value, T& field, Parse parse)
{
    if (value)
        field = parse(*value);
    return value != nullptr;
}

void WriteItem(TTextFile& file, const QString& key, const QString& value)
{
    file.WriteLine(key + u'=' + value + u',');
}

}  // namespace

void ForEachItem(QStringView block, const std::function<void(QStringView key, QStringView value)>& fn)
{
    for (QStringView piece : block.split(u',')) {
        const qsizetype equals = piece.indexOf(u'=');
        if (equals >= 1)
            fn(piece.left(equals), piece.mid(equals + 1));
    }
}

int32_t ParseInt(QStringView value)
{
    return ParseIntLikeAtoi(value);
}

bool ParseBool(QStringView value)
{
    return value == u"TRUE";
}

ColorRef ParseRgbHex6(QStringView value)
{
    return Rgb(HexByte(value, 0), HexByte(value, 2), HexByte(value, 4));
}

QString FormatRgbHex6(ColorRef color)
{
    return QString::asprintf("%02x%02x%02x", unsigned(RedOf(color)), unsigned(GreenOf(color)), unsigned(BlueOf(color)));
}

std::vector<QString> ListBlocks(QStringView text, const QString& openPattern, const QString& close)
{
    std::vector<QString> blocks;
    for (int32_t index = 0;; ++index) {
        QString block = ExtractBetweenMarkers(openPattern.arg(index), text, close);
        if (block.isEmpty())
            break;
        blocks.push_back(std::move(block));
    }
    return blocks;
}

Reader::Reader(QStringView block)
{
    ForEachItem(block, [this](QStringView key, QStringView value) { items_.emplace_back(key.toString(), value.toString()); });
}

const QString* Reader::Value(QStringView key) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (it->first == key)
            return &it->second;
    return nullptr;
}

bool Reader::Has(QStringView key) const
{
    return Value(key) != nullptr;
}

bool Reader::Int(QStringView key, int32_t& field) const
{
    return SetFrom(Value(key), field, ParseInt);
}

bool Reader::Bool(QStringView key, bool& field) const
{
    return SetFrom(Value(key), field, ParseBool);
}

bool Reader::Color(QStringView key, ColorRef& field) const
{
    return SetFrom(Value(key), field, ParseRgbHex6);
}

bool Reader::String(QStringView key, QString& field) const
{
    return SetFrom(Value(key), field, [](QStringView value) { return value.toString(); });
}

void WriteTag(TTextFile& file, const QString& tag)
{
    file.WriteLine(tag);
}

void WriteInt(TTextFile& file, const QString& key, int32_t value)
{
    WriteItem(file, key, QString::number(value));
}

void WriteBool(TTextFile& file, const QString& key, bool value)
{
    WriteItem(file, key, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

void WriteColor(TTextFile& file, const QString& key, ColorRef color)
{
    WriteItem(file, key, FormatRgbHex6(color));
}

void WriteString(TTextFile& file, const QString& key, const QString& value)
{
    WriteItem(file, key, value);
}

}  // namespace TTextItems
