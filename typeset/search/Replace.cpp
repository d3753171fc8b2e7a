#include "typeset/search/Replace.h"

#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/Find.h"
#include "typeset/search/GridPositions.h"
#include "typeset/search/HitTables.h"
#include "typeset/search/SearchSections.h"

namespace {

// The tags whose values make the contents: volume names and titles, and the
// names the other editions' column strings use for them.
constexpr QStringView kContentsTags[] = {u"JM", u"BT", u"V", u"@"};

bool ContentsDiffer(QStringView a, QStringView b)
{
    for (QStringView tag : kContentsTags)
        if (TagValueDiffers(a, b, tag))
            return true;
    return false;
}

// The end of the run of positions from first: the same line, each column
// one after the last.
size_t RunEnd(const std::vector<THitPosition>& positions, size_t first)
{
    size_t end = first + 1;
    while (end < positions.size() && positions[end].page == positions[first].page
           && positions[end].line == positions[first].line
           && positions[end].column == positions[end - 1].column + 1)
        ++end;
    return end;
}

void ReplaceInSection(TPageTable& table, const THitRecord& record, QStringView key, QStringView replacement)
{
    TSearchSection* section = table.sections.GetAtOrNull(record.section);
    if (!section || record.offset < 0 || record.offset > section->text.size())
        return;
    section->text.replace(record.offset, std::min<qsizetype>(key.size(), section->text.size() - record.offset),
                          replacement.toString());
}

}  // namespace

bool ReplaceInLine(TPageTable& table, QStringView key, QStringView replacement, const THitRecord& record,
                   bool* titlesChanged)
{
    ReplaceInSection(table, record, key, replacement);
    bool replaced = false;
    int32_t used = 0;  // replacement code points given to the runs before
    const std::vector<THitPosition>& positions = record.positions;
    for (size_t first = 0; first < positions.size();) {
        const size_t end = RunEnd(positions, first);
        const int32_t count = int32_t(end - first);
        const THitPosition& at = positions[first];
        first = end;
        TPageRec* page = table.pages.GetAtOrNull(at.page);
        if (!page || at.line < 0 || size_t(at.line) >= page->lines.size() || at.column < 0) {
            used += count;
            continue;
        }
        QString& text = page->lines[size_t(at.line)].text;
        // The old line is kept only while a title change is still in
        // question; once one is known the rest need not be compared.
        const bool compare = titlesChanged && !*titlesChanged;
        const QString old = compare ? text : QString();
        const qsizetype from = CodePointOffset(text, at.column);
        text.replace(from, CodePointOffset(text, at.column + count) - from,
                     MidByCodePoints(replacement, used, count));
        used += count;
        replaced = true;
        if (compare && ContentsDiffer(text, old))
            *titlesChanged = true;
    }
    return replaced;
}

int32_t ReplaceHits(TPageTable& table, QStringView key, QStringView replacement, bool* titlesChanged)
{
    const std::vector<THitRecord> hits = FindAllInSections(table, key);
    if (hits.empty())
        return 0;
    ClearCurrentHitList(table);
    ClearHitTables();
    g_FindText.clear();
    for (const THitRecord& hit : hits)
        ToGridPositions(hit, table);
    // Last to first: a replacement of another length shifts only what
    // follows it on its line, which is then already done.
    for (int32_t i = table.gridHits.Size() - 1; i >= 0; --i)
        ReplaceInLine(table, key, replacement, table.gridHits[i], titlesChanged);
    BuildSectionIndex(table);
    return int32_t(hits.size());
}
