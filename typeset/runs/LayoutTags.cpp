#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/TagUtils.h"
#include "typeset/TypesetEdition.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/runs/Runs.h"

namespace {

namespace In = MarkupTagsInternal;

// Layout tags that the column strings carry on (closers "-ZT", "-ZJ" and
// "-QD" are kept as they are).
constexpr QStringView kKeptClosers[] = {u"-ZT", u"-ZJ", u"-QD"};
constexpr QStringView kKeptPrefixes[] = {u"#", u"&", u"%", u"N", u"BT", u"ZT", u"ZJ", u"TZ", u"MP", u"CP", u"QD"};

bool KeepsTag(QStringView tag)
{
    if (!IsLayoutTag(tag))
        return true;
    for (QStringView closer : kKeptClosers)
        if (tag == closer)
            return true;
    for (QStringView prefix : kKeptPrefixes)
        if (tag.startsWith(prefix))
            return true;
    return false;
}

}  // namespace

QString StripNonLayoutTags(QStringView text) { return CurrentTypesetEdition().StripNonLayoutTags(text); }

QString TypesetEdition::StripNonLayoutTags(QStringView text) const
{
    QString out = RemoveNonLayoutTags(text);
    ToVerticalPunct(out);
    return out;
}

QString RemoveNonLayoutTags(QStringView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(u'<', from);
        if (open < 0) {
            out += text.mid(from);
            break;
        }
        out += text.mid(from, open - from);
        const qsizetype close = text.indexOf(In::TagEnd, open + 1);
        if (close < 0) {
            // No "<" from here on closes: each is dropped, the rest stays.
            for (QChar c : text.mid(open))
                if (c != u'<')
                    out += c;
            break;
        }
        const QStringView tag = text.mid(open, close - open + 1);
        if (KeepsTag(tag.mid(1, tag.size() - 2)))
            out += tag;
        from = close + 1;
    }
    return out;
}
