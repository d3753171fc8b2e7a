// A typeset line reduced to the characters it shows, as a key for the
// page-to-source map.
#include "typeset/sourcemap/SourceMap.h"

#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"

QString SourceMap::StripTagsForDisplay(QStringView line, const TSourceMapForm& form)
{
    QString text = line.toString();
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    QString out;
    int32_t depth = 0;   // inside a layout tag's text
    bool glyph = false;  // a glyph tag was written: ">" closes in the form's bracket from now on
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'<') {
            const qsizetype close = text.indexOf(u'>', i + 1);
            if (close < 0) {
                ++i;  // a "<" that opens nothing is dropped
                continue;
            }
            const QStringView tag = QStringView(text).mid(i + 1, close - i - 1);
            const bool layout = IsLayoutTag(tag);
            if (depth > 0) {
                depth += layout ? 1 : 0;
            } else if (!layout) {
                out += c;
            } else if (tag.startsWith(u"TZ")) {
                out += QChar(form.tagOpen);
                out += tag;
                glyph = true;
                i = close;  // its ">" comes next
                continue;
            } else {
                ++depth;
            }
            ++i;
        } else if (c == u'>') {
            if (depth > 0)
                --depth;
            else
                out += glyph ? QChar(form.tagClose) : c;
            ++i;
        } else {
            const qsizetype next = NextCodePointIndex(text, i);
            if (depth == 0)
                out += QStringView(text).mid(i, next - i);
            i = next;
        }
    }
    return out;
}
