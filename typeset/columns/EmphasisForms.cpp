#include "typeset/columns/EmphasisForms.h"

#include "foundation/text/StringUtils.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/columns/TagStretch.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr StretchForm kEmphasisForms[] = {{In::EmphasisOpen, In::EmphasisClose, {}}};

// The index just past the "<…>" tag that starts at i; -1 when text[i] opens
// no tag.
qsizetype TagEndAt(QStringView text, qsizetype i)
{
    if (text[i] != u'<')
        return -1;
    const qsizetype close = text.indexOf(In::TagEnd, i + 1);
    return close < 0 ? -1 : close + 1;
}

}  // namespace

QString ApplyQdToChars(QStringView text, QStringView tag)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype tagEnd = TagEndAt(text, i);
        if (tagEnd >= 0) {
            out += text.mid(i, tagEnd - i);
            i = tagEnd;
            continue;
        }
        const qsizetype next = NextCodePointIndex(text, i);
        out += text.mid(i, next - i);
        out += tag;
        i = next;
    }
    return out;
}

QString ExpandQdSpans(QStringView text)
{
    QString out;
    ScanStretches(
        text, kEmphasisForms, [&](QStringView plain) { out += plain; },
        [&](const TagStretch& stretch) { out += ApplyQdToChars(stretch.body, OpenTag(In::EmphasisOpen, stretch.param)); });
    return out;
}

QString CollapseQdSpans(QStringView text)
{
    if (!text.contains(In::EmphasisOpen))
        return text.toString();
    QString out;
    QStringView openName;
    bool open = false;
    auto close = [&] {
        if (open)
            out += In::EmphasisClose;
        open = false;
    };
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype tagEnd = TagEndAt(text, i);
        if (tagEnd >= 0) {
            out += text.mid(i, tagEnd - i);  // other tags stay inside the stretch
            i = tagEnd;
            continue;
        }
        const qsizetype next = NextCodePointIndex(text, i);
        const QStringView character = text.mid(i, next - i);
        // The emphasis tag that directly follows the character, if any.
        const qsizetype markEnd = text.mid(next).startsWith(In::EmphasisOpen) ? TagEndAt(text, next) : -1;
        if (markEnd < 0) {
            close();
            out += character;
            i = next;
            continue;
        }
        const qsizetype nameStart = next + In::EmphasisOpen.size();
        const QStringView name = text.mid(nameStart, markEnd - 1 - nameStart);
        if (!open || name != openName) {
            close();
            out += OpenTag(In::EmphasisOpen, name);
            openName = name;
            open = true;
        }
        out += character;
        i = markEnd;
    }
    close();
    return out;
}
