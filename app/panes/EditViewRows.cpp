#include "app/panes/EditViewRows.h"

#include <algorithm>
#include <array>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"
#include "foundation/text/TagUtils.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The tags whose values the contents and the index are built from.
constexpr std::array<QStringView, 4> kTreeTags = {u"JM", u"BT", u"V", u"@"};

bool IsCoverPage(const TPageRec& page) { return IsCoverName(page.styleName); }

TPageRec* PageAt(const TPageTable& table, int32_t index) { return table.pages.GetAtOrNull(index); }

bool AnyTreeTagDiffers(const QString& a, const QString& b)
{
    return std::any_of(kTreeTags.begin(), kTreeTags.end(),
                       [&](QStringView name) { return TagValueDiffers(a, b, name); });
}

// The page's style for counting its rows: its own, else the current one.
const TStyleBase* CountingStyle(const TPageRec& page)
{
    if (const TStyleBase* own = GetPageStyle(page))
        return own;
    if (IsCoverPage(page))
        return g_CurrentCover;
    return g_CurrentStyle;
}

std::optional<EditPageRows> PageRows(const TPageTable& table, int32_t index)
{
    const TPageRec* page = PageAt(table, index);
    if (!page)
        return std::nullopt;
    const std::optional<int32_t> lines = LineRowsOf(*page);
    if (!lines)
        return std::nullopt;
    return EditPageRows{index, !page->centreText.isEmpty(), *lines};
}

}  // namespace

int32_t EditPaneRows::RowCount() const
{
    int32_t n = 0;
    for (const EditPageRows& page : pages)
        n += (page.centreRow ? 1 : 0) + page.lineRows;
    return n;
}

std::optional<int32_t> LineRowsOf(const TPageRec& page)
{
    const int32_t stored = int32_t(page.lines.size());
    if (g_Edition && g_Edition->Kind() != EditionKind::Woodblock)
        return std::max(stored, 1);
    const TStyleBase* style = CountingStyle(page);
    if (!style)
        return std::nullopt;
    return IsCoverPage(page) ? stored : style->TEXT_BOX.size.LINES;
}

std::optional<EditPaneRows> ShownPageRows(const TPageTable& table, int32_t shownPage)
{
    const TextPages text = ShownPageToTextPages(shownPage);
    const std::optional<EditPageRows> first = PageRows(table, text.first);
    if (!first)
        return std::nullopt;
    EditPaneRows rows{{*first}};
    const TPageRec* second = PageAt(table, text.second);
    if (second && !IsCoverPage(table.pages[text.first]) && !IsCoverPage(*second))
        if (const std::optional<EditPageRows> more = PageRows(table, text.second))
            rows.pages.push_back(*more);
    return rows;
}

EditRowTarget RowToPageLine(const EditPaneRows& rows, int32_t row)
{
    int32_t b = row - 1;
    for (const EditPageRows& page : rows.pages) {
        if (b < 0)
            break;
        if (page.centreRow) {
            if (b == 0)
                return {page.page, -1};
            --b;
        }
        if (b < page.lineRows)
            return {page.page, b};
        b -= page.lineRows;
    }
    return {};
}

QString RowText(const TPageTable& table, const EditRowTarget& target)
{
    const TPageRec* page = PageAt(table, target.page);
    if (!page)
        return QString();
    if (target.line < 0)
        return page->centreText;
    if (size_t(target.line) < page->lines.size())
        return page->lines[size_t(target.line)].text;
    return QString(QChar(kEditFiller));
}

std::vector<int32_t> GridHitColumns(const TPageTable& table, const EditRowTarget& target)
{
    std::vector<int32_t> columns;
    const THitRecord* hit = table.gridHits.First();
    if (!hit || target.line < 0)
        return columns;
    for (const THitPosition& p : hit->positions)
        if (p.page == target.page && p.line == target.line)
            columns.push_back(p.column);
    return columns;
}

EditWriteBack WriteRowText(TPageTable& table, const EditRowTarget& target, const QString& text)
{
    TPageRec* page = PageAt(table, target.page);
    if (!page || text == RowText(table, target))
        return {};
    if (target.line < 0) {
        page->centreText = text;
        return {.changed = true, .indexDirty = false, .refreshTree = true};
    }
    const size_t b = size_t(target.line);
    if (b >= page->lines.size()) {
        if (text.isEmpty())
            return {};
        page->lines.resize(b + 1);
    }
    TPageLine& line = page->lines[b];
    const bool tags = AnyTreeTagDiffers(text, line.text);
    line.text = text;
    return {.changed = true, .indexDirty = tags, .refreshTree = tags};
}
