// Where rows and columns lie in the viewport: the fixed strips, the top-left
// non-fixed cell picked by the scroll positions, the visible ranges, cell
// rectangles and the cell under a point.
#include <algorithm>

#include <QScrollBar>

#include "grid/GridCtrl.h"

int CGridCtrl::ClientWidth() const { return viewport()->width(); }
int CGridCtrl::ClientHeight() const { return viewport()->height(); }

int CGridCtrl::SumOfRows(int from, int to) const
{
    int sum = 0;
    for (int r = from; r < to; ++r)
        sum += GetRowHeight(r);
    return sum;
}

int CGridCtrl::SumOfColumns(int from, int to) const
{
    int sum = 0;
    for (int c = from; c < to; ++c)
        sum += GetColumnWidth(c);
    return sum;
}

int CGridCtrl::GetFixedRowHeight() const { return SumOfRows(0, fixedRows_); }
int CGridCtrl::GetFixedColumnWidth() const { return SumOfColumns(0, fixedCols_); }
int CGridCtrl::GetVirtualHeight() const { return SumOfRows(0, rowCount_); }
int CGridCtrl::GetVirtualWidth() const { return SumOfColumns(0, colCount_); }

CCellID CGridCtrl::GetTopleftNonFixedCell() const
{
    const int vpos = verticalScrollBar()->value();
    const int hpos = horizontalScrollBar()->value();
    CCellID cell{fixedRows_, fixedCols_};
    for (int top = 0; top < vpos && cell.row < rowCount_ - 1;)
        top += GetRowHeight(cell.row++);
    for (int left = 0; left < hpos && cell.col < colCount_ - 1;)
        left += GetColumnWidth(cell.col++);
    return cell;
}

namespace {

// Spans from first onward, added to start until the running end reaches
// limit: the index that reached it (count when none did) and the end.
struct SpanWalk {
    int index;
    int end;
};

template <typename SizeOf>
SpanWalk WalkToEdge(int start, int first, int count, int limit, SizeOf sizeOf)
{
    int i = first;
    for (; i < count; ++i) {
        start += sizeOf(i);
        if (start >= limit)
            break;
    }
    return {i, start};
}

// The rows and columns from the top-left non-fixed cell to the client edges.
struct ViewWalk {
    CCellID topLeft;
    SpanWalk rows;
    SpanWalk cols;
};

ViewWalk WalkView(const CGridCtrl& grid, int width, int height)
{
    const CCellID topLeft = grid.GetTopleftNonFixedCell();
    return {topLeft,
            WalkToEdge(grid.GetFixedRowHeight(), topLeft.row, grid.GetRowCount(), height,
                       [&grid](int r) { return grid.GetRowHeight(r); }),
            WalkToEdge(grid.GetFixedColumnWidth(), topLeft.col, grid.GetColumnCount(), width,
                       [&grid](int c) { return grid.GetColumnWidth(c); })};
}

}  // namespace

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(WinRect* rect) const
{
    const int width = ClientWidth(), height = ClientHeight();
    const ViewWalk walk = WalkView(*this, width, height);
    if (rect)
        *rect = {0, 0, std::min(walk.cols.end, width), std::min(walk.rows.end, height)};
    return {walk.topLeft.row, walk.topLeft.col, std::min(walk.rows.index, rowCount_ - 1),
            std::min(walk.cols.index, colCount_ - 1)};
}

CCellRange CGridCtrl::GetUnobstructedNonFixedCellRange() const
{
    const int width = ClientWidth(), height = ClientHeight();
    const ViewWalk walk = WalkView(*this, width, height);
    // A last row or column cut by the edge is left out.
    int maxRow = std::min(walk.rows.index, rowCount_ - 1);
    if (maxRow > 0 && walk.rows.end > height)
        --maxRow;
    int maxCol = std::min(walk.cols.index, colCount_ - 1);
    if (maxCol > 0 && walk.cols.end > width)
        --maxCol;
    return {walk.topLeft.row, walk.topLeft.col, maxRow, maxCol};
}

bool CGridCtrl::GetCellOrigin(int row, int col, QPoint* origin) const
{
    if (!IsValid(CCellID{row, col}))
        return false;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((row >= fixedRows_ && row < topLeft.row) || (col >= fixedCols_ && col < topLeft.col))
        return false;
    const int x = col < fixedCols_ ? SumOfColumns(0, col) : GetFixedColumnWidth() + SumOfColumns(topLeft.col, col);
    const int y = row < fixedRows_ ? SumOfRows(0, row) : GetFixedRowHeight() + SumOfRows(topLeft.row, row);
    if (origin)
        *origin = QPoint(x, y);
    return true;
}

bool CGridCtrl::GetCellRect(int row, int col, WinRect* rect) const
{
    QPoint origin;
    if (!GetCellOrigin(row, col, &origin))
        return false;
    if (rect)
        *rect = {origin.x(), origin.y(), origin.x() + GetColumnWidth(col) - 1, origin.y() + GetRowHeight(row) - 1};
    return true;
}

namespace {

// The index whose span holds pos, walking spans from first onward starting
// at start; -1 past the last.
template <typename SizeOf>
int IndexAt(int pos, int start, int first, int count, SizeOf sizeOf)
{
    for (int i = first; i < count; ++i) {
        start += sizeOf(i);
        if (start > pos)
            return i;
    }
    return -1;
}

}  // namespace

CCellID CGridCtrl::GetCellFromPt(QPoint point, bool allowFixed) const
{
    const CCellID topLeft = GetTopleftNonFixedCell();
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    const auto width = [this](int c) { return GetColumnWidth(c); };
    const auto height = [this](int r) { return GetRowHeight(r); };

    CCellID cell;
    if (point.x() < 0 || (!allowFixed && point.x() < fixedWidth))
        cell.col = -1;
    else if (point.x() < fixedWidth)
        cell.col = IndexAt(point.x(), 0, 0, fixedCols_, width);
    else
        cell.col = IndexAt(point.x(), fixedWidth, topLeft.col, colCount_, width);

    if (point.y() < 0 || (!allowFixed && point.y() < fixedHeight))
        cell.row = -1;
    else if (point.y() < fixedHeight)
        cell.row = IndexAt(point.y(), 0, 0, fixedRows_, height);
    else
        cell.row = IndexAt(point.y(), fixedHeight, topLeft.row, rowCount_, height);
    return cell;
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    QPoint origin;
    if (!GetCellOrigin(row, col, &origin))
        return false;
    return origin.x() >= 0 && origin.x() < ClientWidth() && origin.y() >= 0 && origin.y() < ClientHeight();
}
