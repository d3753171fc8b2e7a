#include "foundation/text/TagUtils.h"

#include "foundation/text/StringUtils.h"

namespace {

constexpr QStringView kLayoutTags[] = {u"ZW", u"L", u"R", u"|", u"BX", u"TT", u"DH", u"HH", u"FM"};
constexpr QStringView kLayoutPrefixes[] = {
    u"FD", u"YZ", u"BS", u"CS", u"TZ", u"TS", u"YQ", u"ZT", u"ZJ",
    u"SM", u"JM", u"BT", u"TP", u"WZ", u"HS", u"MP", u"CP", u"QD",
};
constexpr QStringView kClosingTags[] = {
    u"-ZW", u"-L", u"-R", u"-ZT", u"-ZJ", u"-TS", u"+TS",
    u"-YQ", u"-DH", u"-FM", u"-MP", u"-CP", u"-QD", u"-P",
};
constexpr QStringView kParamPrefixes[] = {u"P=", u"M=", u"T=", u"W=", u"V="};
constexpr QStringView kTitleTagStarts[] = {u"<JM", u"<BT", u"<TZ"};
constexpr QStringView kGlyphTagStart = u"<TZ";

template <size_t N>
bool IsOneOf(QStringView text, const QStringView (&list)[N])
{
    for (QStringView item : list)
        if (text == item)
            return true;
    return false;
}

template <size_t N>
bool StartsWithOneOf(QStringView text, const QStringView (&list)[N])
{
    for (QStringView item : list)
        if (text.startsWith(item))
            return true;
    return false;
}

// The first ">" at or after from; -1 when there is none or from is past the end.
qsizetype TagClose(QStringView line, qsizetype from)
{
    return from < line.size() ? line.indexOf(u'>', from) : -1;
}

// The index after the element at i: a tag when the line opens one there (the
// ">" is looked for from three units after the "<"), else one code point.
qsizetype NextElement(QStringView line, qsizetype i, bool glyphTagsOnly)
{
    const bool opensTag = glyphTagsOnly ? line.mid(i).startsWith(kGlyphTagStart) : line[i] == u'<';
    if (opensTag) {
        const qsizetype close = TagClose(line, i + 3);
        if (close >= 0)
            return close + 1;
    }
    return NextCodePointIndex(line, i);
}

QString ElementAt(int32_t k, QStringView line, bool glyphTagsOnly)
{
    if (k < 0)
        return QString();
    qsizetype start = 0;
    for (int32_t j = 0; j < k && start < line.size(); ++j)
        start = NextElement(line, start, glyphTagsOnly);
    if (start >= line.size())
        return QString();
    return line.mid(start, NextElement(line, start, glyphTagsOnly) - start).toString();
}

int32_t CountShownCodePoints(QStringView piece)
{
    QString text = piece.toString();
    StripAngleTags(text);
    return CountCodePoints(text);
}

// Code points, with each "<TZ…>" counted by its units.
int32_t TitleLength(QStringView line)
{
    int32_t length = 0;
    for (qsizetype i = 0; i < line.size();) {
        const bool glyphTag = line.mid(i).startsWith(kGlyphTagStart);
        const qsizetype close = glyphTag ? TagClose(line, i + kGlyphTagStart.size()) : -1;
        if (close >= 0) {
            length += int32_t(close + 1 - i);
            i = close + 1;
        } else {
            ++length;
            i = NextCodePointIndex(line, i);
        }
    }
    return length;
}

}  // namespace

bool IsLayoutTag(QStringView tag)
{
    return IsOneOf(tag, kLayoutTags) || StartsWithOneOf(tag, kLayoutPrefixes) || tag.indexOf(u"BK") >= 1
        || IsClosingOrParamTag(tag);
}

bool IsClosingOrParamTag(QStringView tag)
{
    return IsOneOf(tag, kClosingTags) || StartsWithOneOf(tag, kParamPrefixes);
}

QString ExtractBetweenMarkers(QStringView startMarker, QStringView text, QStringView endMarker)
{
    const qsizetype start = text.indexOf(startMarker);
    if (start < 0)
        return QString();
    const qsizetype from = start + startMarker.size();
    const qsizetype end = text.indexOf(endMarker, from);
    if (end < 0)
        return QString();
    return text.mid(from, end - from).toString();
}

QString GetTagValue(QStringView line, QStringView name)
{
    const QString open = u'<' + name.toString();
    const qsizetype start = line.indexOf(open);
    if (start < 0)
        return QString();
    const qsizetype from = start + open.size();
    const qsizetype close = line.indexOf(u'>', from);
    if (close < 0)
        return QString();
    return line.mid(from, close - from).toString();
}

QString GetVolumeNameTag(QStringView line)
{
    return GetTagValue(line, u"JM");
}

QString GetTitleTag(QStringView line)
{
    return GetTagValue(line, u"BT");
}

bool TagValueDiffers(QStringView a, QStringView b, QStringView name)
{
    return GetTagValue(a, name) != GetTagValue(b, name);
}

int32_t CountDisplayChars(QStringView line)
{
    int32_t count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype glyph = line.indexOf(kGlyphTagStart, from);
        const qsizetype close = glyph >= 0 ? TagClose(line, glyph + kGlyphTagStart.size()) : -1;
        if (close < 0)
            break;
        count += CountShownCodePoints(line.mid(from, glyph - from)) + 1;
        from = close + 1;
    }
    return count + CountShownCodePoints(line.mid(from));
}

QString CharAtSkippingTags(int32_t k, QStringView line)
{
    return ElementAt(k, line, false);
}

QString CharAtSkippingGlyphTags(int32_t k, QStringView line)
{
    return ElementAt(k, line, true);
}

int32_t KeepTitleTags(QString& line)
{
    QString kept;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i] != u'<') {
            kept += line[i++];
            continue;
        }
        const qsizetype close = TagClose(line, i + 1);
        if (close < 0) {
            // No tag can close after here: the rest is plain text.
            kept += QStringView(line).mid(i);
            break;
        }
        const QStringView tag = QStringView(line).mid(i, close + 1 - i);
        if (StartsWithOneOf(tag, kTitleTagStarts))
            kept += tag;
        i = close + 1;
    }
    TrimLeadingBlanks(kept);
    TrimTrailingBlanks(kept);
    line = kept;
    return TitleLength(line);
}

qsizetype ThroughFirstCharacter(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'<') {
        const qsizetype close = text.indexOf(u'>', at);
        if (close < 0)
            break;
        at = close + 1;
    }
    return at < text.size() ? NextCodePointIndex(text, at) : at;
}
