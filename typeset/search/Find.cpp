#include "typeset/search/Find.h"

#include <algorithm>

#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/GridPositions.h"
#include "typeset/search/HitTables.h"
#include "typeset/search/SearchSections.h"

namespace {

// The unit offset of a match of key in a section text from unit from; -1 when
// none. Backward looks at matches starting at or before from.
qsizetype MatchIn(const QString& text, QStringView key, bool forward, qsizetype from)
{
    if (forward)
        return text.indexOf(key, from);
    // lastIndexOf counts a negative start from the end: keep it in range.
    if (from < 0 || text.isEmpty())
        return -1;
    return text.lastIndexOf(key, std::min(from, text.size() - 1));
}

void MakeHit(const TSearchSection& section, int32_t index, qsizetype unit, QStringView key, THitRecord& hit)
{
    hit = THitRecord();
    hit.section = index;
    hit.offset = int32_t(unit);
    AddHitPositions(CountCodePoints(QStringView(section.text).left(unit)), section, key, hit);
}

// The display characters of a page's lines before line.
int32_t DisplayCharsBefore(const TPageRec& page, int32_t line)
{
    int32_t count = 0;
    for (int32_t j = 0; j < line && size_t(j) < page.lines.size(); ++j)
        count += CountDisplayChars(page.lines[size_t(j)].text);
    return count;
}

// The cell record's positions as offsets of the new current hit table.
void FillCurrentHitTable(const TPageTable& table, const THitRecord& cells)
{
    ClearHitTables();
    g_CurrentHitTable = g_HitTables.AddNew();
    g_SearchMode = 2;
    g_FindText = QString(QChar(0x3000));  // one display character per offset
    auto p = cells.positions.begin();
    while (p != cells.positions.end() && p->column < 0)
        ++p;
    for (; p != cells.positions.end(); ++p) {
        const TPageRec* page = table.pages.GetAtOrNull(p->page);
        const int32_t before = page ? DisplayCharsBefore(*page, p->line) : 0;
        AddFindHit(*g_CurrentHitTable, p->page - g_CoverPages, before + p->column);
    }
}

}  // namespace

bool FindInSections(TPageTable& table, QStringView key, bool forward, THitRecord& hit)
{
    const int32_t s = SectionOfPosition(table, table.findPage, table.findLine, table.findColumn);
    if (key.isEmpty() || s < 0)
        return false;
    const TSearchSection& own = table.sections[s];
    const int32_t k = SectionOffsetOf(own, table.findPage, table.findLine, table.findColumn);
    // Before the section: forward from its start, backward not in it.
    const qsizetype from = k < 0 ? (forward ? 0 : -1) : CodePointOffset(own.text, k);
    const int32_t step = forward ? 1 : -1;
    for (int32_t t = s; t >= 0 && t < table.sections.Size(); t += step) {
        const QString& text = table.sections[t].text;
        const qsizetype unit = MatchIn(text, key, forward, t == s ? from : (forward ? 0 : text.size()));
        if (unit < 0)
            continue;
        MakeHit(table.sections[t], t, unit, key, hit);
        if (!hit.positions.empty()) {
            table.findPage = hit.positions.front().page;
            table.findLine = hit.positions.front().line;
            table.findColumn = hit.positions.front().column;
        }
        return true;
    }
    return false;
}

std::vector<THitRecord> FindAllInSections(const TPageTable& table, QStringView key)
{
    std::vector<THitRecord> hits;
    if (key.isEmpty())
        return hits;
    const int32_t keyLength = CountCodePoints(key);
    for (int32_t t = 0; t < table.sections.Size(); ++t) {
        const TSearchSection& section = table.sections[t];
        const QStringView text = section.text;
        SectionWalker walker(section);
        qsizetype unitsCounted = 0;  // the code points before a match are counted once
        int32_t codePoints = 0;
        for (qsizetype unit = text.indexOf(key); unit >= 0; unit = text.indexOf(key, unit + 1)) {
            codePoints += CountCodePoints(text.mid(unitsCounted, unit - unitsCounted));
            unitsCounted = unit;
            THitRecord& hit = hits.emplace_back();
            hit.section = t;
            hit.offset = int32_t(unit);
            walker.AddPositions(codePoints, keyLength, hit.positions);
        }
    }
    return hits;
}

bool FindNextHit(TPageTable& table, QStringView key, bool forward)
{
    THitRecord hit;
    if (!FindInSections(table, key, forward, hit))
        return false;
    ClearCurrentHitList(table);
    ToGridPositions(hit, table);
    FillCurrentHitTable(table, *table.cellHits.First());
    return true;
}
