#include "render/interpreter/CentreNoteTags.h"

#include "foundation/text/StringUtils.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

struct Rewrite {
    QStringView from;
    QStringView to;
};

constexpr QStringView kOpen = u"<Z>";
constexpr Rewrite kRewrites[] = {
    {kOpen, In::ColumnNoteOpen},
    {u"</Z>", In::ColumnNoteClose},
    {u"</R>", In::RightLineClose},
    {u"</L>", In::LeftLineClose},
};

}  // namespace

QString CentreNotesAsColumnNotes(QStringView text)
{
    if (!text.contains(kOpen))
        return text.toString();
    QString out = text.toString();
    for (const Rewrite& r : kRewrites)
        out = ReplaceAllText(out, r.from, r.to);
    return out;
}
