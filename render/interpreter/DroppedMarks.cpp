#include "render/interpreter/DroppedMarks.h"

#include "foundation/text/TagUtils.h"

namespace {

// One unit through the mode's reduction: its reduced form, or the
// placeholder when the reduction drops it.
QChar ReduceUnit(QChar unit, TBiaoDianType mode)
{
    QString out;
    const QStringView one(&unit, 1);
    switch (mode) {
    case TBiaoDianType::NO:
        out = StripPunctuation(one);
        break;
    case TBiaoDianType::JUDOU:
        ToJuDou(out, one);
        break;
    case TBiaoDianType::JUDIAN:
        ToJuDian(out, one);
        break;
    default:
        return unit;
    }
    return out.isEmpty() ? QChar(kDroppedMark) : out[0];
}

}  // namespace

QString ReducePunctuation(QStringView text, TBiaoDianType mode)
{
    if (mode != TBiaoDianType::NO && mode != TBiaoDianType::JUDOU && mode != TBiaoDianType::JUDIAN)
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Surrogate pairs are never marks.
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
            continue;
        }
        out += ReduceUnit(text[i], mode);
    }
    return out;
}

int32_t CountCellChars(QStringView text, TBiaoDianType mode)
{
    int32_t dropped = 0;
    QString cells = WithoutDroppedMarks(text, dropped);
    if (mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN)
        cells = StripPunctuation(cells);
    return CountDisplayChars(cells);
}

QString WithoutDroppedMarks(QStringView text, int32_t& dropped)
{
    QString out;
    out.reserve(text.size());
    dropped = 0;
    for (QChar unit : text) {
        if (unit == QChar(kDroppedMark))
            ++dropped;
        else
            out += unit;
    }
    return out;
}
