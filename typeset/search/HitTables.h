#pragma once
// What the drawing reads of a find: per page the display-character offsets
// of the hit's characters. Pages are counted from the first body page, the
// offsets over the page's lines (each line's display characters, then the
// hit's edit-grid cell in its line).
#include <cstdint>
#include <vector>

struct THitGroup {
    int32_t page = 0;
    std::vector<int32_t> offsets;
};

struct THitTable {
    std::vector<THitGroup> groups;
};

// Appends offset to the page's group, making the group when there is none.
void AddFindHit(THitTable& table, int32_t page, int32_t offset);
// The page's group; null when it has none.
const THitGroup* FindHitGroup(const THitTable& table, int32_t page);
void ClearFindHits(THitTable& table);

// Deletes every table of g_HitTables; g_CurrentHitTable, which pointed into
// them, becomes null.
void ClearHitTables();
