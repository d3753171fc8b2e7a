#include "typeset/sourcemap/SourceMap.h"

#include <algorithm>

#include "foundation/params/PunctuationMarks.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/sourcemap/TypesetTextIndex.h"

namespace {

// A key shorter than this takes the line before into it.
constexpr qsizetype kKeyUnits = 5;

// The page's last shown characters, without blanks: from the last line
// back until the key is long enough or the lines run out.
QString PageKey(const TPageRec& page, const TSourceMapForm& form)
{
    QString key;
    for (auto line = page.lines.rbegin(); line != page.lines.rend() && key.size() < kKeyUnits; ++line) {
        const QString piece = form.lastPieceOfLine ? SplitAtLineTags(line->text).back() : line->text;
        QString shown = SourceMap::StripTagsForDisplay(piece, form);
        shown.remove(u' ');
        shown.remove(QChar(0x3000));
        key.prepend(shown);
    }
    return key;
}

// Where the page ends in the source: after its key and after its pictures'
// tags, whichever is later; from when nothing is found.
int32_t PageEnd(const TPageRec& page, int32_t from, QStringView source, const TypesetTextIndex& matched,
                const TSourceMapForm& form)
{
    int32_t textEnd = from;
    int32_t pictureEnd = from;
    const QString key = PageKey(page, form);
    if (!key.isEmpty()) {
        const int32_t h = matched.Find(from, key);
        if (h >= 0)
            textEnd = SkipClosingTagsAndBreaks(h, source);
    }
    for (const TPageItem& picture : page.pictures) {
        const int32_t m = matched.Find(from, picture.name);
        if (m >= 0)
            pictureEnd = SkipClosingTagsAndBreaks(m + 1, source);
    }
    return std::max(textEnd, pictureEnd);
}

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

}  // namespace

void SourceMap::MapPagesToSource(QStringView source, std::vector<int32_t>& map, const TSourceMapForm& form)
{
    map.clear();
    QString matched;
    if (form.verticalSource)
        ToVerticalPunctOutsideTags(matched, source);
    else
        matched = source.toString();
    const QString coverEnd = QChar(form.tagOpen) + QStringLiteral("-FM") + QChar(form.tagClose);
    const qsizetype cover = matched.indexOf(coverEnd);
    if (cover >= 1)
        map.push_back(int32_t(cover + coverEnd.size() - 1));
    if (!g_CurrentPages)
        return;
    const TypesetTextIndex index(matched, form);
    int32_t end = 0;
    const int32_t lastBody = g_CurrentPages->pages.Size() - g_BackPages - 1;
    for (int32_t p = std::max(g_CoverPages, 0); p <= lastBody; ++p) {
        end = PageEnd(g_CurrentPages->pages[p], end, source, index, form);
        map.push_back(end);
    }
    if (g_BackPages > 0)
        map.push_back(int32_t(source.size()) - 1);
}

int32_t SkipClosingTagsAndBreaks(int32_t index, QStringView source)
{
    const qsizetype n = source.size();
    if (index >= n)
        return int32_t(std::max<qsizetype>(n - 1, 0));
    qsizetype last = index;
    for (qsizetype i = qsizetype(index) + 1; i < n;) {
        if (IsLineBreak(source[i])) {
            last = i++;
            continue;
        }
        if (source[i] != u'【' || i + 1 >= n || source[i + 1] != u'-')
            break;
        const qsizetype close = source.indexOf(u'】', i + 2);
        if (close < 0)
            break;  // an unclosed tag is text
        last = close;
        i = close + 1;
    }
    return int32_t(last);
}
