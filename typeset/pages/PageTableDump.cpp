#include "typeset/pages/PageTableDump.h"

#include <initializer_list>

#include "typeset/pages/PageRecord.h"

// Built by appending, not QString::arg, so that a "%1" in a page's text is
// shown as it is.
namespace {

QString Visible(const QString& text)
{
    QString out = text;
    return out.replace(QChar(0x3000), QStringLiteral("{3000}"));
}

QString Quoted(const QString& text) { return u'"' + Visible(text) + u'"'; }

QString N(int64_t value) { return QString::number(value); }

// One line of the dump: two spaces of indent for a page's parts, and the
// text after a space (nothing for an empty text).
void Line(QString& out, bool indented, std::initializer_list<QStringView> parts, const QString& text = {})
{
    if (indented)
        out += u"  ";
    for (QStringView part : parts)
        out += part;
    if (!text.isEmpty())
        out += u' ' + Visible(text);
    out += u'\n';
}

void DumpItems(QString& out, QStringView label, const OwningList<TPageItem>& items)
{
    for (const TPageItem& item : items)
        Line(out, true, {label, u" ", N(item.kind), u" ", Quoted(item.name), u" ", N(item.a), u" ", N(item.b), u" ",
                         N(item.c), u" ", N(item.d)});
}

void DumpLines(QString& out, QStringView label, const std::vector<TPageLine>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        Line(out, true, {label, u" ", N(int64_t(i)), u" (", N(lines[i].size), u"):"}, lines[i].text);
}

void DumpText(QString& out, QStringView label, const QString& text)
{
    if (!text.isEmpty())
        Line(out, true, {label, u":"}, text);
}

}  // namespace

QString DumpPage(const TPageRec& page, int32_t position)
{
    QString out;
    Line(out, false, {u"page ", N(position), u": style ", Quoted(page.styleName), u", lines per page ",
                      N(page.linesOverride)});
    DumpText(out, u"volume", page.volumeName);
    DumpText(out, u"centre", page.centreText);
    DumpItems(out, u"picture", page.pictures);
    DumpItems(out, u"seal", page.seals);
    DumpLines(out, u"line", page.lines);
    DumpLines(out, u"head", page.headLines);
    for (size_t i = 0; i < page.collectedLines.size(); ++i) {
        const TCollectedLine& line = page.collectedLines[i];
        Line(out, true, {u"collected ", N(int64_t(i)), u" ", Quoted(line.fontName), u":"}, line.text);
    }
    return out;
}

QString DumpPageTable(const TPageTable& table)
{
    QString out;
    int32_t position = 0;
    for (const TPageRec& page : table.pages)
        out += DumpPage(page, position++);
    return out;
}
