#include "typeset/markup/CentreColumnText.h"

#include "foundation/text/StringUtils.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/pages/PageRecord.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr QChar kPartSeparator = u'|';
constexpr QStringView kDefaultBottom = u"墨衡系統排版";

void AppendDoubleLineNote(QString& out, QStringView note)
{
    QStringView right;
    QStringView left;
    QString rightByCount;
    QString leftByCount;
    const qsizetype split = note.indexOf(In::CentreNoteSplit);
    if (split >= 0) {
        right = note.left(split);
        left = note.mid(split + In::CentreNoteSplit.size());
    } else {
        const int32_t n = CountCodePoints(note);
        const int32_t rightCount = (n + 1) / 2;
        rightByCount = MidByCodePoints(note, 0, rightCount);
        leftByCount = MidByCodePoints(note, rightCount, n - rightCount);
        right = rightByCount;
        left = leftByCount;
    }
    out += In::ColumnNoteOpen;
    out += In::RightLineOpen;
    out += right;
    out += In::RightLineClose;
    out += In::LeftLineOpen;
    out += left;
    out += In::LeftLineClose;
    out += In::ColumnNoteClose;
}

}  // namespace

QString ConvertCentreNotes(QStringView part)
{
    QString out;
    for (;;) {
        const qsizetype open = part.indexOf(In::NoteOpen);
        if (open < 0) {
            out += part;
            return out;
        }
        out += part.left(open);
        const QStringView rest = part.mid(open + In::NoteOpen.size());
        const qsizetype close = rest.indexOf(In::NoteClose);
        AppendDoubleLineNote(out, close < 0 ? rest : rest.left(close));
        if (close < 0)
            return out;
        part = rest.mid(close + In::NoteClose.size());
    }
}

QString CentreColumnText(QStringView text)
{
    const QString marked = ReplaceAllText(text, In::NoteSplit, In::CentreNoteSplit);
    const QStringView whole(marked);
    const qsizetype first = whole.indexOf(kPartSeparator);
    if (first < 0)
        return marked;
    const QStringView top = whole.left(first);
    const QStringView rest = whole.mid(first + 1);
    const qsizetype second = rest.indexOf(kPartSeparator);

    QString stored = ConvertCentreNotes(top);
    stored += kPartSeparator;
    if (second < 0) {
        stored += ConvertCentreNotes(rest);
        return stored;
    }
    const QStringView bottom = rest.mid(second + 1);
    stored += ConvertCentreNotes(rest.left(second));
    stored += kPartSeparator;
    stored += ConvertCentreNotes(bottom.isEmpty() ? kDefaultBottom : bottom);
    return stored;
}

void SetCentreColumnText(QStringView text)
{
    if (g_TypesetPage)
        g_TypesetPage->centreText = CentreColumnText(text);
}
