#include "typeset/markup/BracketTags.h"

#include "foundation/text/StringUtils.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

struct FixedForm {
    QStringView bracket;
    QStringView angle;
};

// Replaced over the whole line, in this order, before any opener.
constexpr FixedForm kFixedForms[] = {
    {u"【ZW】", In::NoteOpen},
    {u"【-ZW】", In::NoteClose},
    {u"【|】", In::NoteSplit},
    {u"【-TS】", In::SpecialFormatClose},
    {u"【+TS】", In::SpecialFormatContinues},
    {u"【-YQ】", In::CircleClose},
    {u"【-QD】", In::EmphasisClose},
    {u"【-ZT】", In::FontClose},
    {u"【-ZJ】", In::SpacingClose},
};

struct OpenerForm {
    QStringView bracket;
    QStringView angle;
    QStringView whenEmpty;  // parameter given for an empty one; null keeps it empty
    QStringView whenPlus;   // parameter given for exactly "+"; null keeps it
};

// Converted in this order, each opener until none is left.
constexpr OpenerForm kOpeners[] = {
    {MarkupTags::SpecialFormatOpen, In::SpecialFormatOpen, u"0", u"+0"},
    {MarkupTags::CircleOpen, In::CircleOpen, u"0", {}},
    {MarkupTags::FontOpen, In::FontOpen, {}, {}},
    {MarkupTags::GlyphOpen, In::GlyphOpen, {}, {}},
    {MarkupTags::SpacingOpen, In::SpacingOpen, {}, {}},
    {MarkupTags::EmphasisOpen, In::EmphasisOpen, {}, {}},
};

QStringView WithDefaults(const OpenerForm& opener, QStringView parameter)
{
    if (parameter.isEmpty() && !opener.whenEmpty.isNull())
        return opener.whenEmpty;
    if (parameter == u"+" && !opener.whenPlus.isNull())
        return opener.whenPlus;
    return parameter;
}

void ConvertOpener(QString& line, const OpenerForm& opener)
{
    // Each pass turns the first opener into an angle tag; nothing before it
    // can match any more, so the next search starts there.
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = line.indexOf(opener.bracket, from);
        if (open < 0)
            return;
        const qsizetype paramStart = open + opener.bracket.size();
        const qsizetype close = line.indexOf(MarkupTags::Close, paramStart);
        if (close < 0)
            return;  // unterminated: it and the rest stay as text
        const QStringView parameter = WithDefaults(opener, QStringView(line).mid(paramStart, close - paramStart));
        QString tag = opener.angle.toString();
        tag += parameter;
        tag += In::TagEnd;
        line.replace(open, close + 1 - open, tag);
        from = open;
    }
}

// The units that follow a "【" in the line. Every form opens with "【" and
// converting one never makes another "【", so a form whose second unit is
// not among these is not in the line: its search is skipped.
QString UnitsAfterOpen(QStringView line)
{
    QString units;
    for (qsizetype i = line.indexOf(MarkupTags::Open); i >= 0 && i + 1 < line.size();
         i = line.indexOf(MarkupTags::Open, i + 1))
        units += line[i + MarkupTags::Open.size()];
    return units;
}

bool MayHold(const QString& unitsAfterOpen, QStringView form)
{
    return !form.startsWith(MarkupTags::Open) || form.size() <= MarkupTags::Open.size() ||
           unitsAfterOpen.contains(form[MarkupTags::Open.size()]);
}

// Every fixed form replaced in one pass. The same as replacing them over the
// line one form after the other: each runs from a "【" to the first "】"
// with neither inside, so no two can overlap, and no angle form holds
// either bracket, so a replacement never makes or breaks another.
QString ReplaceFixedForms(QStringView line)
{
    QString out;
    out.reserve(line.size());
    qsizetype from = 0;
    for (qsizetype open = line.indexOf(MarkupTags::Open); open >= 0;
         open = line.indexOf(MarkupTags::Open, open + 1)) {
        const QStringView rest = line.mid(open);
        for (const FixedForm& form : kFixedForms) {
            if (!rest.startsWith(form.bracket))
                continue;
            out += line.mid(from, open - from);
            out += form.angle;
            from = open + form.bracket.size();
            open = from - 1;
            break;
        }
    }
    out += line.mid(from);
    return out;
}

}  // namespace

QString NormalizeBracketTags(QStringView line)
{
    QString text = line.toString();
    const QString after = UnitsAfterOpen(line);
    if (after.isEmpty())
        return text;
    text = ReplaceFixedForms(text);
    for (const OpenerForm& opener : kOpeners)
        if (MayHold(after, opener.bracket))
            ConvertOpener(text, opener);
    return text;
}

QString ExtractBracketTag(QStringView line, qsizetype& pos)
{
    if (pos < 0 || pos >= line.size() || !line.mid(pos).startsWith(MarkupTags::Open))
        return QString();
    const qsizetype start = pos + MarkupTags::Open.size();
    const qsizetype close = line.indexOf(MarkupTags::Close, start);
    if (close < 0)
        return QString();
    pos = close + MarkupTags::Close.size();
    return line.mid(start, close - start).toString();
}

QString MakeTitleTag(QStringView argument)
{
    const qsizetype dash = argument.indexOf(u'-');
    const QStringView level = dash >= 0 ? argument.left(dash) : QStringView(u"0");
    const QStringView title = dash >= 0 ? argument.mid(dash + 1) : argument;
    if (title.isEmpty())
        return QString();
    QString tag = In::TitleOpen.toString();
    if (!level.isEmpty()) {
        tag += level;
        tag += u'-';
    }
    tag += title;
    tag += In::TagEnd;
    return tag;
}

void ConvertInlineTitles(QString& line)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = line.indexOf(MarkupTags::TitleOpen, from);
        if (open < 0)
            return;
        const qsizetype argStart = open + MarkupTags::TitleOpen.size();
        const qsizetype close = line.indexOf(MarkupTags::Close, argStart);
        if (close < 0)
            return;  // unterminated: it and the rest stay as text
        const QString tag = MakeTitleTag(QStringView(line).mid(argStart, close - argStart));
        line.replace(open, close + 1 - open, tag);
        from = open + tag.size();
    }
}
