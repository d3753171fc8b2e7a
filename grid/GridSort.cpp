// Sorting the non-fixed rows by one column's texts: a quick sort that
// compares UTF-16 code units and exchanges two rows only when their texts
// differ, so rows of equal texts keep their order.
#include <utility>

#include "grid/GridCtrl.h"

bool CGridCtrl::SortTextItems(int col, bool ascending)
{
    previousSelectedCells_.clear();
    SetSelectedRange({});
    SetFocusCell({});
    return SortTextItems(col, ascending, fixedRows_, -1);
}

void CGridCtrl::SwapRows(int a, int b)
{
    std::swap(rows_[size_t(a)], rows_[size_t(b)]);
    std::swap(rowHeights_[size_t(a)], rowHeights_[size_t(b)]);
}

bool CGridCtrl::SortTextItems(int col, bool ascending, int low, int high)
{
    if (col < 0 || col >= colCount_)
        return false;
    if (high == -1)
        high = rowCount_ - 1;
    if (low >= high)
        return false;
    const auto before = [ascending](const QString& a, const QString& b) { return ascending ? a < b : a > b; };
    const QString pivot = GetItemText((low + high) / 2, col);
    int lo = low;
    int hi = high;
    while (lo <= hi) {
        while (lo < high && before(GetItemText(lo, col), pivot))
            ++lo;
        while (hi > low && before(pivot, GetItemText(hi, col)))
            --hi;
        if (lo <= hi) {
            if (GetItemText(lo, col) != GetItemText(hi, col))
                SwapRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        SortTextItems(col, ascending, low, hi);
    if (lo < high)
        SortTextItems(col, ascending, lo, high);
    return true;
}
