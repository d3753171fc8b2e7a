#pragma once
// Where placement stands in a run-group list: the run, the part of it not
// placed yet, and which of its tags are open in the column being built.
#include <cstdint>
#include <vector>

#include <QString>

#include "typeset/runs/RunGroup.h"

// Why placement leaves a run: the column broke inside it, or its group was
// placed whole. Its value is the "ends the group" bit of the special-format
// wrapping.
enum class TRunEnd : int32_t { ColumnBroke = 0, GroupPlaced = 2 };

struct TRunCursor {
    int32_t groupIndex = 0;
    int32_t runIndex = 0;
    QString text;  // the part of the current run not placed yet
    int32_t kind = TRunGroup::Plain;
    int32_t part = 0;
    QString param;  // the group's special format or circle
    QString fontName;
    QString spacing;
    bool specialOpened = false;  // a piece of the current special-format group is written
    bool fontOpen = false;       // "<ZT…>" written and not closed
    bool spacingOpen = false;    // "<ZJ…>" written and not closed

    bool operator==(const TRunCursor&) const = default;
};

// Runs are left while the cursor stands on a group of the list.
inline bool RunsLeft(const TRunCursor& cursor, const std::vector<TRunGroup>& groups)
{
    return cursor.groupIndex >= 0 && size_t(cursor.groupIndex) < groups.size();
}

// The run the cursor stands on; null past the end of the list.
inline const TZtSpan* CurrentRun(const TRunCursor& cursor, const std::vector<TRunGroup>& groups)
{
    if (!RunsLeft(cursor, groups))
        return nullptr;
    const std::vector<TZtSpan>& runs = groups[size_t(cursor.groupIndex)].runs;
    if (cursor.runIndex < 0 || size_t(cursor.runIndex) >= runs.size())
        return nullptr;
    return &runs[size_t(cursor.runIndex)];
}
