#pragma once
// Finding the edit pane's grid row of a page line, as a user would look
// for it in the grid.
#include <cstdint>

#include "app/panes/EditView.h"
#include "app/panes/EditViewRows.h"

// The grid row (1 = the first below the header) that shows line of text
// page page; 0 when the grid shows no such line.
inline int GridRowOf(const TEditList& list, int32_t page, int32_t line)
{
    for (int row = 1; row < list.GetRowCount(); ++row) {
        const EditRowTarget t = RowToPageLine(list.Rows(), row);
        if (t.page == page && t.line == line)
            return row;
    }
    return 0;
}
