#include "typeset/columns/TagStretch.h"

namespace {

constexpr QChar kTagStart = u'<';
constexpr QChar kTagEnd = u'>';

struct Found {
    qsizetype at = -1;
    int32_t which = -1;
};

// The earliest of the candidates at or after from.
template <class Candidate>
Found Earliest(QStringView text, qsizetype from, int32_t count, Candidate candidate)
{
    Found found;
    for (int32_t i = 0; i < count; ++i) {
        const QStringView needle = candidate(i);
        if (needle.isEmpty())
            continue;
        const qsizetype at = text.indexOf(needle, from);
        if (at >= 0 && (found.at < 0 || at < found.at))
            found = {at, i};
    }
    return found;
}

}  // namespace

qsizetype TagParamEnd(QStringView text, qsizetype from)
{
    const qsizetype end = text.indexOf(kTagEnd, from);
    if (end < 0)
        return -1;
    return text.mid(from, end - from).contains(kTagStart) ? -1 : end;
}

void ScanStretches(QStringView text, const StretchForm* forms, int32_t formCount,
                   const std::function<void(QStringView)>& plain,
                   const std::function<void(const TagStretch&)>& stretch)
{
    QString pending;  // plain text not yet reported
    auto flushPlain = [&] {
        if (!pending.isEmpty())
            plain(pending);
        pending.clear();
    };

    qsizetype from = 0;
    while (from < text.size()) {
        const Found open = Earliest(text, from, formCount, [&](int32_t i) { return forms[i].opener; });
        if (open.at < 0)
            break;
        const StretchForm& form = forms[open.which];
        pending += text.mid(from, open.at - from);

        const qsizetype paramStart = open.at + form.opener.size();
        qsizetype paramEnd = paramStart;
        qsizetype bodyStart = paramStart;
        if (!form.opener.endsWith(kTagEnd)) {
            paramEnd = TagParamEnd(text, paramStart);
            if (paramEnd < 0) {
                from = paramStart;  // no ">" of its own: the opener is dropped
                continue;
            }
            bodyStart = paramEnd + 1;
        }
        const QStringView closers[] = {form.closer, form.otherCloser};
        const Found close = Earliest(text, bodyStart, 2, [&](int32_t i) { return closers[i]; });

        TagStretch found;
        found.form = open.which;
        found.param = text.mid(paramStart, paramEnd - paramStart);
        found.body = close.at < 0 ? text.mid(bodyStart) : text.mid(bodyStart, close.at - bodyStart);
        found.closer = close.which;
        if (!found.body.isEmpty()) {
            flushPlain();
            stretch(found);
        }
        from = close.at < 0 ? text.size() : close.at + closers[close.which].size();
    }
    if (from < text.size())
        pending += text.mid(from);
    flushPlain();
}
