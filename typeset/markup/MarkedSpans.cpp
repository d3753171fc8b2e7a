#include "typeset/markup/MarkedSpans.h"

#include "typeset/markup/MarkupTags.h"

QString ExtractMarkedSpans(QStringView line, QStringView name, std::vector<QString>& spans)
{
    QString opener = MarkupTags::Open.toString();
    opener += name;
    QString closer = opener;
    closer.insert(MarkupTags::Open.size(), u'-');
    closer += MarkupTags::Close;

    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = line.indexOf(opener, from);
        const qsizetype argStart = open + opener.size();
        const qsizetype argEnd = open < 0 ? -1 : line.indexOf(MarkupTags::Close, argStart);
        const qsizetype bodyStart = argEnd + MarkupTags::Close.size();
        const qsizetype close = argEnd < 0 ? -1 : line.indexOf(closer, bodyStart);
        if (close < 0) {
            // No further span, or one without its closer: the rest stays.
            result += line.mid(from);
            return result;
        }
        spans.push_back(line.mid(bodyStart, close - bodyStart).toString());
        result += line.mid(from, open - from);
        result += u'<';
        result += name;
        result += line.mid(argStart, argEnd - argStart);
        result += MarkupTagsInternal::TagEnd;
        from = close + closer.size();
    }
}
