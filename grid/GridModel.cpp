// Rows, columns and cells: the counts, the size arrays and the items, kept
// consistent with the focus cell and the selection under every change.
#include "grid/GridCtrl.h"

uint64_t CGridCtrl::CellKey(int row, int col)
{
    // Both halves whole: no two cells share a key however large the grid.
    return (uint64_t(uint32_t(col)) << 32) | uint32_t(row);
}

bool CGridCtrl::IsValid(CCellID cell) const
{
    return cell.row >= 0 && cell.row < rowCount_ && cell.col >= 0 && cell.col < colCount_;
}

bool CGridCtrl::IsValid(const CCellRange& r) const
{
    return r.minRow >= 0 && r.minCol >= 0 && r.maxRow >= 0 && r.maxCol >= 0 && r.maxRow < rowCount_ &&
           r.maxCol < colCount_ && r.minRow <= r.maxRow && r.minCol <= r.maxCol;
}

CGridCell* CGridCtrl::GetCell(int row, int col) const
{
    if (!IsValid(CCellID{row, col}))
        return nullptr;
    return rows_[size_t(row)][size_t(col)].get();
}

std::unique_ptr<CGridCell> CGridCtrl::CreateCell(int row, int col)
{
    auto cell = std::make_unique<CGridCell>();
    cell->font = gridFont_;
    // Column 0 never copies: its cells keep their own format.
    if (row > 0 && col >= 1)
        if (const CGridCell* above = GetCell(row - 1, col))
            cell->format = above->format;
    return cell;
}

void CGridCtrl::EmptyCell(CGridCell* cell, int row, int col)
{
    SetItemState(row, col, 0);
    cell->text.clear();
}

void CGridCtrl::ResizeRows(int n)
{
    for (int r = rowCount_ - 1; r >= n; --r) {
        for (int c = 0; c < colCount_; ++c)
            if (CGridCell* cell = GetCell(r, c))
                EmptyCell(cell, r, c);
        rows_.pop_back();
        rowHeights_.pop_back();
        rowCount_ = r;
    }
    while (rowCount_ < n) {
        const int r = rowCount_;
        rows_.emplace_back(size_t(colCount_));
        rowHeights_.push_back(defaultRowHeight_);
        rowCount_ = r + 1;
        for (int c = 0; c < colCount_; ++c)
            rows_[size_t(r)][size_t(c)] = CreateCell(r, c);
    }
}

void CGridCtrl::ResizeColumns(int n)
{
    for (int r = 0; r < rowCount_; ++r)
        for (int c = n; c < colCount_; ++c)
            if (CGridCell* cell = GetCell(r, c))
                EmptyCell(cell, r, c);
    const int old = colCount_;
    colCount_ = n;
    colWidths_.resize(size_t(n), defaultColWidth_);
    for (int r = 0; r < rowCount_; ++r) {
        rows_[size_t(r)].resize(size_t(n));
        for (int c = old; c < n; ++c)
            rows_[size_t(r)][size_t(c)] = CreateCell(r, c);
    }
}

void CGridCtrl::RefreshAfterCountChange()
{
    if (!allowDraw_)
        return;
    ResetScrollBars();
    viewport()->update();
}

bool CGridCtrl::SetRowCount(int n)
{
    if (n < 0)
        return false;
    if (n == rowCount_)
        return true;
    if (fixedRows_ > n)
        fixedRows_ = n;
    if (focusCell_.row >= n)
        SetFocusCell({});
    ResizeRows(n);
    RefreshAfterCountChange();
    return true;
}

bool CGridCtrl::SetColumnCount(int n)
{
    if (n < 0)
        return false;
    if (n == colCount_)
        return true;
    if (fixedCols_ > n)
        fixedCols_ = n;
    if (focusCell_.col >= n)
        SetFocusCell({});
    ResizeColumns(n);
    RefreshAfterCountChange();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int n)
{
    if (n < 0 || (rowCount_ < n && !SetRowCount(n)))
        return false;
    if (focusCell_.row >= 0 && focusCell_.row < n)
        SetFocusCell({});
    fixedRows_ = n;
    RefreshAfterCountChange();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int n)
{
    if (n < 0 || (colCount_ < n && !SetColumnCount(n)))
        return false;
    if (focusCell_.col >= 0 && focusCell_.col < n)
        SetFocusCell({});
    fixedCols_ = n;
    RefreshAfterCountChange();
    return true;
}

void CGridCtrl::DeleteAllItems()
{
    selectedCells_.clear();
    previousSelectedCells_.clear();
    focusCell_ = {};
    rowHeights_.clear();
    colWidths_.clear();
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < colCount_; ++c)
            if (CGridCell* cell = GetCell(r, c))
                EmptyCell(cell, r, c);
    rows_.clear();
    rowCount_ = colCount_ = fixedRows_ = fixedCols_ = 0;
    ResetScrollBars();
}

bool CGridCtrl::SetItem(const TGridItem& item)
{
    CGridCell* cell = GetCell(item.row, item.col);
    if (!cell)
        return false;
    if (item.mask & kItemText)
        cell->text = item.text;
    if (item.mask & kItemData)
        cell->data = item.data;
    if (item.mask & kItemImage)
        cell->image = item.image;
    if (item.mask & kItemState)
        SetItemState(item.row, item.col, item.state);  // keeps the selection map in step
    if (item.mask & kItemFormat)
        cell->format = item.format;
    if (item.mask & kItemBackground)
        cell->background = item.background;
    if (item.mask & kItemTextColour)
        cell->textColour = item.textColour;
    if (item.mask & kItemFont)
        cell->font = item.font;
    return true;
}

bool CGridCtrl::GetItem(TGridItem& item) const
{
    const CGridCell* cell = GetCell(item.row, item.col);
    if (!cell)
        return false;
    if (item.mask & kItemText)
        item.text = GetItemText(item.row, item.col);
    if (item.mask & kItemData)
        item.data = cell->data;
    if (item.mask & kItemImage)
        item.image = cell->image;
    if (item.mask & kItemState)
        item.state = cell->state;
    if (item.mask & kItemFormat)
        item.format = cell->format;
    if (item.mask & kItemBackground)
        item.background = cell->background;
    if (item.mask & kItemTextColour)
        item.textColour = cell->textColour;
    if (item.mask & kItemFont)
        item.font = cell->font;
    return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->text : QString();
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    CGridCell* cell = GetCell(row, col);
    if (!cell)
        return false;
    cell->text = text;
    return true;
}

bool CGridCtrl::SetItemState(int row, int col, uint32_t state)
{
    CGridCell* cell = GetCell(row, col);
    if (!cell)
        return false;
    const bool was = cell->state & kCellSelected;
    const bool is = state & kCellSelected;
    if (was && !is)
        selectedCells_.erase(CellKey(row, col));
    else if (!was && is)
        selectedCells_[CellKey(row, col)] = CCellID{row, col};
    cell->state = state;
    return true;
}

uint32_t CGridCtrl::GetItemState(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->state : 0;
}

uint32_t CGridCtrl::GetItemFormat(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->format : 0;
}

const DcFont* CGridCtrl::GetItemFont(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell ? &cell->font : nullptr;
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    // Callers test the address themselves: a missing cell reads as state 0.
    return editable_ && !(GetItemState(row, col) & kCellReadOnly);
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= colCount_ || width < 0)
        return false;
    colWidths_[size_t(col)] = width;
    return true;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount_ || height < 0)
        return false;
    rowHeights_[size_t(row)] = height;
    return true;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[size_t(col)] : -1;
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < rowCount_ ? rowHeights_[size_t(row)] : -1;
}
