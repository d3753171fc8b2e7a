#include "typeset/search/HitTables.h"

#include <algorithm>

#include "foundation/OwningList.h"
#include "typeset/TypesetGlobals.h"

namespace {

template <class Groups>
auto GroupOf(Groups& groups, int32_t page)
{
    return std::find_if(groups.begin(), groups.end(), [page](const THitGroup& g) { return g.page == page; });
}

}  // namespace

void AddFindHit(THitTable& table, int32_t page, int32_t offset)
{
    auto group = GroupOf(table.groups, page);
    if (group == table.groups.end()) {
        table.groups.push_back({page, {}});
        group = table.groups.end() - 1;
    }
    group->offsets.push_back(offset);
}

const THitGroup* FindHitGroup(const THitTable& table, int32_t page)
{
    const auto group = GroupOf(table.groups, page);
    return group == table.groups.end() ? nullptr : &*group;
}

void ClearFindHits(THitTable& table) { table.groups.clear(); }

void ClearHitTables()
{
    g_HitTables.Clear();
    g_CurrentHitTable = nullptr;
}
