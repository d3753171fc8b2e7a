#include "typeset/search/GridPositions.h"

#include "foundation/text/StringUtils.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The blanks that the reduced line loses at its start (as KeepTitleTags
// trims them): before the first shown character they take no display column.
bool IsBlank(QChar c) { return c == u'\u3000' || c == u' ' || c == u'\t'; }

bool IsTitleTag(QStringView tag) { return tag.startsWith(u"<JM") || tag.startsWith(u"<BT"); }
bool IsGlyphTag(QStringView tag) { return tag.startsWith(u"<TZ"); }

}  // namespace

TLineColumn DisplayToTextColumn(QStringView line, int32_t a)
{
    TLineColumn at{a, -1};
    int32_t shown = 0;  // display columns walked
    bool anyShown = false;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype close = line[i] == u'<' ? line.indexOf(u'>', i + 1) : -1;
        if (close >= 0) {
            const QStringView tag = line.mid(i, close + 1 - i);
            const int32_t length = CountCodePoints(tag);
            // A glyph tag stands alone (no closing tag): it ends at its own
            // ">" and is one cell.
            if (IsTitleTag(tag) || IsGlyphTag(tag)) {
                shown += length;
                at.cell += IsGlyphTag(tag) ? 1 : 0;
                anyShown = true;
            } else {
                at.text += length;
            }
            i = close + 1;
        } else {
            if (IsBlank(line[i]) && !anyShown) {
                ++at.text;
            } else {
                ++shown;
                anyShown = true;
            }
            ++at.cell;
            i = NextCodePointIndex(line, i);
        }
        if (anyShown && shown > a)
            break;
    }
    return at;
}

void ClearCurrentHitList(TPageTable& table)
{
    table.gridHits.Clear();
    table.cellHits.Clear();
}

void ToGridPositions(const THitRecord& hit, TPageTable& table)
{
    THitRecord* grid = table.gridHits.AddNew();
    THitRecord* cells = table.cellHits.AddNew();
    grid->section = cells->section = hit.section;
    grid->offset = cells->offset = hit.offset;
    for (const THitPosition& p : hit.positions) {
        const TPageRec* page = table.pages.GetAtOrNull(p.page);
        if (!page || p.line < 0 || size_t(p.line) >= page->lines.size())
            continue;
        const TLineColumn at = DisplayToTextColumn(page->lines[size_t(p.line)].text, p.column);
        grid->positions.push_back({p.page, p.line, at.text});
        cells->positions.push_back({p.page, p.line, at.cell});
    }
}
