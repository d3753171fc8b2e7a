#include "render/pipeline/ShownPages.h"

#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

// Entries of a 4-in-1 group's page order; -1 when there is no such group.
int32_t GroupEntries(int32_t group)
{
    return group >= 0 && group < int32_t(g_4in1Data.pageOrders.size()) ? int32_t(g_4in1Data.pageOrders[size_t(group)].size())
                                                                      : -1;
}

int32_t TextPageCount() { return g_CurrentPages ? g_CurrentPages->pages.Size() : 0; }

}  // namespace

int32_t TextPageToShownPage(int32_t p)
{
    const int32_t a = g_CoverPages;
    if (p == 0)
        return 0;
    if (g_FourInOneMode)
        return a + (p - a) / 4;
    return g_TwoPageMode ? a + (p - a) / 2 : p;
}

TextPages ShownPageToTextPages(int32_t s)
{
    const int32_t a = g_CoverPages;
    if (g_FourInOneMode) {
        if (s == 0)
            return {0, -1};
        TextPages pages{4 * s - 3 * a, 4 * s - 3 * a + 1};
        if (pages.first > GroupEntries(g_Current4in1Group))
            pages = {-1, -1};
        return pages;
    }
    if (g_TwoPageMode) {
        const int32_t first = s > 0 ? 2 * s - a : 0;
        return {first, first + 1};
    }
    return {s, -99};
}

int32_t GetShownPageCount()
{
    const int32_t a = g_CoverPages, b = g_BackPages;
    if (g_FourInOneMode)
        return a + (GroupEntries(g_Current4in1Group) - a - b) / 4 + b;
    const int32_t n = TextPageCount();
    return g_TwoPageMode ? a + (n - a - b) / 2 + b : n;
}

int32_t ContinuousPageNumber(int32_t n)
{
    int32_t number = n + 1 - g_CoverPages;
    for (int32_t g = 0; g < g_Current4in1Group; ++g)
        number += (GroupEntries(g) - g_BackPages - g_CoverPages) / 4;
    return number;
}

QString ShownPageStatus()
{
    const int32_t a = g_CoverPages;
    const int32_t body = TextPageCount() - g_BackPages - a;
    if (g_CurrentPage == 0 && a == 1)
        return QString::fromUtf16(u"封面頁，正文共%1頁").arg(body);
    // The back cover is the page after the body, counted from the first body page.
    if (g_ShownTextPage - a >= body && g_BackPages == 1)
        return QString::fromUtf16(u"封底頁，正文共%1頁").arg(body);
    const int32_t first = g_ShownTextPage - a + 1;
    if (g_ShownTextPage2 > 0)
        return QString::fromUtf16(u"第%1-%2頁，正文共%3頁").arg(first).arg(g_ShownTextPage2 - a + 1).arg(body);
    return QString::fromUtf16(u"第%1頁，正文共%2頁").arg(first).arg(body);
}

QString ShownPageStatusText(QStringView textName)
{
    return textName.toString() + u' ' + ShownPageStatus();
}
