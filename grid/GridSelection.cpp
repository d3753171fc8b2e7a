// The focus cell and the selection: the two selection maps, the selecting
// rules of the mouse modes and the header clicks.
#include <algorithm>

#include "grid/GridCtrl.h"
#include "platform/WaitCursor.h"

CCellID CGridCtrl::SetFocusCell(CCellID cell)
{
    const CCellID previous = focusCell_;
    if (cell == previous)
        return previous;
    focusCell_ = cell;
    if (IsValid(previous)) {
        emit notify(kNotifyFocusLost, previous.row, previous.col);
        SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~kCellFocused);
        RedrawCell(previous.row, previous.col);
        RedrawFixedOf(previous, previous.col != cell.col, previous.row != cell.row);
    }
    if (IsValid(cell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellFocused);
        RedrawCell(cell.row, cell.col);
        RedrawFixedOf(cell, previous.col != cell.col, previous.row != cell.row);
        emit notify(kNotifyFocusGained, cell.row, cell.col);
    }
    return previous;
}

void CGridCtrl::SetSelectedRange(const CCellRange& range)
{
    if (!enableSelection_)
        return;
    const CellMap selected = selectedCells_;
    for (const auto& [key, cell] : selected) {
        if (!IsValid(cell))
            continue;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~kCellSelected);
        if (!range.Contains(cell))
            RedrawCell(cell.row, cell.col);
    }
    for (const auto& [key, cell] : previousSelectedCells_) {
        if (!IsValid(cell))
            continue;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellSelected);
        RedrawCell(cell.row, cell.col);
    }
    if (!IsValid(range))
        return;
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            const uint32_t state = GetItemState(row, col);
            if (state & kCellSelected)
                continue;
            SetItemState(row, col, state | kCellSelected);
            RedrawCell(row, col);
        }
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    if (selectedCells_.empty())
        return {};
    CCellRange range{rowCount_, colCount_, -1, -1};
    for (const auto& [key, cell] : selectedCells_) {
        range.minRow = std::min(range.minRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}

bool CGridCtrl::IsCellSelected(int row, int col) const { return GetItemState(row, col) & kCellSelected; }

void CGridCtrl::EnableSelection(bool on)
{
    previousSelectedCells_.clear();
    SetSelectedRange({});
    enableSelection_ = on;
}

void CGridCtrl::SelectAllNonFixed() { SetSelectedRange({fixedRows_, fixedCols_, rowCount_ - 1, colCount_ - 1}); }

void CGridCtrl::OnEditSelectAll()
{
    if (enableSelection_)
        SelectAllNonFixed();
}

void CGridCtrl::OnSelecting(CCellID cell)
{
    if (!enableSelection_)
        return;
    const CCellID anchor = selectionStartCell_;
    switch (mouseMode_) {
    case kMouseSelectAll:
        SelectAllNonFixed();
        break;
    case kMouseSelectColumns:
        if (cell.col >= fixedCols_)
            SetSelectedRange({fixedRows_, std::min(anchor.col, cell.col), rowCount_ - 1, std::max(anchor.col, cell.col)});
        break;
    case kMouseSelectRows:
        if (cell.row >= fixedRows_)
            SetSelectedRange({std::min(anchor.row, cell.row), fixedCols_, std::max(anchor.row, cell.row), colCount_ - 1});
        break;
    case kMouseSelectCells:
        if (cell.row >= fixedRows_ && cell.col >= fixedCols_)
            SetSelectedRange({std::min(anchor.row, cell.row), std::min(anchor.col, cell.col),
                              std::max(anchor.row, cell.row), std::max(anchor.col, cell.col)});
        break;
    default:
        break;
    }
}

void CGridCtrl::OnFixedRowClick(CCellID cell)
{
    if (!listMode_) {
        mouseMode_ = cell.col < fixedCols_ ? kMouseSelectAll : kMouseSelectColumns;
        OnSelecting(cell);
        return;
    }
    if (!sortOnHeaderClick_)
        return;
    WaitCursor wait;
    if (cell.col == sortColumn_) {
        sortAscending_ = !sortAscending_;
    } else {
        sortColumn_ = cell.col;
        sortAscending_ = true;
    }
    SortTextItems(sortColumn_, sortAscending_);
    viewport()->update();
}

void CGridCtrl::OnFixedColumnClick(CCellID cell)
{
    mouseMode_ = cell.row < fixedRows_ ? kMouseSelectAll : kMouseSelectRows;
    OnSelecting(cell);
}
