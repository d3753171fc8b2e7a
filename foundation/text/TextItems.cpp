#include "foundation/text/TextItems.h"

#include <algorithm>
#include <unordered_map>

#include "foundation/io/TextFile.h"
#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"

namespace TTextItems {

namespace {

// The value of a hexadecimal digit, or -1.
int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads up to two hex digits from at into byte, moving at past them; false
// when there is no digit there.
bool NextHexByte(QStringView text, qsizetype& at, uint8_t& byte)
{
    int value = 0;
    const qsizetype start = at;
    for (int digit; at < text.size() && at - start < 2 && (digit = HexDigit(text[at])) >= 0; ++at)
        value = value * 16 + digit;
    byte = uint8_t(value);
    return at > start;
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

// Like scanf's "%02x%02x%02x": each byte takes up to two digits, reading
// stops at the first byte without one, and the bytes not read stay 0.
ColorRef ParseRgbHex6(QStringView value)
{
    uint8_t bytes[3] = {0, 0, 0};
    qsizetype at = 0;
    for (uint8_t& byte : bytes)
        if (!NextHexByte(value, at, byte))
            break;
    return Rgb(bytes[0], bytes[1], bytes[2]);
}

QString FormatRgbHex6(ColorRef color)
{
    return QString::asprintf("%02x%02x%02x", unsigned(RedOf(color)), unsigned(GreenOf(color)), unsigned(BlueOf(color)));
}

namespace {

// Where each index's opening tag first stands: prefix, the index in decimal
// (as "%1" writes it: no sign, no leading zero) and suffix, found in one pass.
std::unordered_map<int32_t, qsizetype> FirstOpenings(QStringView text, QStringView prefix, QStringView suffix)
{
    constexpr qsizetype kMaxDigits = 9;  // any index up to this fits int32
    std::unordered_map<int32_t, qsizetype> first;
    for (qsizetype at = text.indexOf(prefix); at >= 0; at = text.indexOf(prefix, at + 1)) {
        const qsizetype digits = at + prefix.size();
        qsizetype end = digits;
        while (end < text.size() && end - digits <= kMaxDigits && text[end] >= u'0' && text[end] <= u'9')
            ++end;
        const qsizetype n = end - digits;
        if (n == 0 || n > kMaxDigits || (n > 1 && text[digits] == u'0') || !text.mid(end).startsWith(suffix))
            continue;
        first.try_emplace(ParseIntLikeAtoi(text.mid(digits, n)), at);
    }
    return first;
}

std::vector<qsizetype> AllPositions(QStringView text, QStringView marker)
{
    std::vector<qsizetype> positions;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1))
        positions.push_back(at);
    return positions;
}

}  // namespace

std::vector<QString> ListBlocks(QStringView text, const QString& openPattern, const QString& close)
{
    // Each block is the text between the first "<TAGi>" and the first close
    // after it. The openings and closes are each found once, so that a long
    // list is not searched again from its start for every entry.
    std::vector<QString> blocks;
    const qsizetype hole = openPattern.indexOf(u"%1");
    if (hole < 0 || close.isEmpty())
        return blocks;
    const QStringView prefix = QStringView(openPattern).left(hole);
    const QStringView suffix = QStringView(openPattern).mid(hole + 2);
    const std::unordered_map<int32_t, qsizetype> openings = FirstOpenings(text, prefix, suffix);
    const std::vector<qsizetype> closes = AllPositions(text, close);
    for (int32_t index = 0;; ++index) {
        const auto open = openings.find(index);
        if (open == openings.end())
            break;
        const qsizetype from = open->second + prefix.size() + QString::number(index).size() + suffix.size();
        const auto end = std::lower_bound(closes.begin(), closes.end(), from);
        if (end == closes.end() || *end == from)
            break;
        blocks.push_back(text.mid(from, *end - from).toString());
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
