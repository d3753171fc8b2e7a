#include "foundation/text/StringUtils.h"

#include <array>

namespace {

constexpr std::array<char16_t, 9> kChineseDigits = {u'一', u'二', u'三', u'四', u'五', u'六', u'七', u'八', u'九'};

bool IsLeadingBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\x3000';
}

bool IsTrailingBlank(QChar c)
{
    return IsLeadingBlank(c) || c == u'\r' || c == u'\n';
}

bool IsHighSurrogate(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

// The numeral of 1 … 9,999 without the numeral for zero: 千 and 百 places
// with their digit, 十 with its digit only from 2 up, then the units digit.
QString NumeralBelow10000(int32_t n)
{
    struct Place { int32_t value; char16_t name; };
    static constexpr Place kPlaces[] = {{1000, u'千'}, {100, u'百'}};
    QString numeral;
    for (const Place& place : kPlaces) {
        const int32_t digit = n / place.value % 10;
        if (digit != 0)
            numeral += SingleDigitToChinese(digit) + QChar(place.name);
        n %= place.value;
    }
    const int32_t tens = n / 10;
    if (tens != 0) {
        if (tens >= 2)
            numeral += SingleDigitToChinese(tens);
        numeral += u'十';
    }
    numeral += SingleDigitToChinese(n % 10);
    return numeral;
}

}  // namespace

void TrimLeadingBlanks(QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && IsLeadingBlank(text[i]))
        ++i;
    text.remove(0, i);
}

void TrimTrailingBlanks(QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && IsTrailingBlank(text[n - 1]))
        --n;
    text.truncate(n);
}

void SplitByChar(QStringView text, char separator, std::vector<QString>& pieces)
{
    const QChar sep{char16_t(uint8_t(separator))};
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype at = text.indexOf(sep, from);
        if (at < 0) {
            pieces.push_back(text.mid(from).toString());
            return;
        }
        pieces.push_back(text.mid(from, at - from).toString());
        from = at + 1;
    }
}

QString ReplaceAllText(QStringView text, QStringView oldText, QStringView newText)
{
    // An empty oldText would be found at the same place forever.
    if (oldText.isEmpty() || oldText == newText)
        return text.toString();
    QString result;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(oldText, from)) >= 0; from = at + oldText.size()) {
        result += text.mid(from, at - from);
        result += newText;
    }
    result += text.mid(from);
    return result;
}

int32_t RemoveMarkedSpans(QString& text, QStringView startMarker, QStringView endMarker)
{
    // Two empty markers would match an empty span at the same place forever.
    if (startMarker.isEmpty() && endMarker.isEmpty())
        return 0;
    QString result;
    int32_t count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(startMarker, from);
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(endMarker, start + startMarker.size());
        if (end < 0)
            break;
        result += QStringView(text).mid(from, start - from);
        from = end + endMarker.size();
        ++count;
    }
    if (count == 0)
        return 0;
    result += QStringView(text).mid(from);
    text = result;
    return count;
}

void StripAngleTags(QString& text)
{
    RemoveMarkedSpans(text, u"<", u">");
}

QString NumberToChinese(int32_t n)
{
    if (n < 1 || n > 99999999)
        return QString();
    if (n < 10000)
        return NumeralBelow10000(n);
    QString numeral = NumeralBelow10000(n / 10000) + u'万';
    if (n % 10000 > 0)
        numeral += NumeralBelow10000(n % 10000);
    return numeral;
}

QString SingleDigitToChinese(int32_t digit)
{
    if (digit < 1 || digit > 9)
        return QString();
    return QString(QChar(kChineseDigits[size_t(digit - 1)]));
}

QString DigitsToChinese(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c == u'0')
            result += u'\x25CB';
        else if (c >= u'1' && c <= u'9')
            result += kChineseDigits[size_t(c.unicode() - u'1')];
        else
            result += c;
    }
    return result;
}

int32_t CountCodePoints(const char16_t* units, int32_t n)
{
    int32_t count = 0;
    for (int32_t i = 0; i < n; ++count)
        i += IsHighSurrogate(units[i]) && i + 1 < n ? 2 : 1;
    return count;
}

int32_t CodePointOffset(QStringView text, int32_t k)
{
    qsizetype i = 0;
    for (int32_t j = 0; j < k && i < text.size(); ++j)
        i = NextCodePointIndex(text, i);
    return int32_t(i);
}

QString MidByCodePoints(QStringView text, int32_t start, int32_t count)
{
    if (count <= 0)
        return QString();
    const qsizetype from = CodePointOffset(text, start);
    qsizetype to = from;
    for (int32_t j = 0; j < count && to < text.size(); ++j)
        to = NextCodePointIndex(text, to);
    return text.mid(from, to - from).toString();
}

WinRect FitRectKeepAspect(int32_t w, int32_t h, const WinRect& area)
{
    const double areaW = double(area.right) - double(area.left);
    const double areaH = double(area.bottom) - double(area.top);
    if (w <= 0 || h <= 0 || areaW <= 0 || areaH <= 0)
        return area;
    WinRect fit = area;
    if (h / areaH < w / areaW) {
        const double d = areaW * h / w;
        fit.top = int32_t((areaH - d) * 0.5 + area.top + 0.5);
        fit.bottom = fit.top + int32_t(d + 0.5);
    } else {
        const double d = areaH * w / h;
        fit.left = int32_t((areaW - d) * 0.5 + area.left + 0.5);
        fit.right = fit.left + int32_t(d + 0.5);
    }
    return fit;
}
