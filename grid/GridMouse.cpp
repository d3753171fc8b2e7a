// The mouse: selecting, sizing rows and columns at their dividers, starting
// an edit or a drag, the auto-scroll timer while selecting past an edge, and
// the title tip offered while the mouse rests.
#include <algorithm>

#include <QMouseEvent>
#include <QTimerEvent>

#include "grid/GridCtrl.h"
#include "grid/TitleTip.h"

int CGridCtrl::DividerAt(QPoint point, bool column) const
{
    // The column (row) whose far edge is under the pointer in the fixed
    // rows (columns); near a cell's start, the one before it.
    if (column ? point.y() >= GetFixedRowHeight() : point.x() >= GetFixedColumnWidth())
        return -1;
    const CCellID cell = GetCellFromPt(point);
    QPoint start;
    if (!GetCellOrigin(cell.row, cell.col, &start))
        return -1;
    const int pos = column ? point.x() : point.y();
    const int begin = column ? start.x() : start.y();
    const int index = column ? cell.col : cell.row;
    const int size = column ? GetColumnWidth(index) : GetRowHeight(index);
    if (pos - begin <= resizeCaptureRange_ && index != 0)
        return index - 1;
    if (begin + size - pos <= resizeCaptureRange_)
        return index;
    return -1;
}

void CGridCtrl::HoverDividers(QPoint point)
{
    if (allowColResize_ && DividerAt(point, true) >= 0) {
        mouseMode_ = kMouseOverColumnDivider;
        viewport()->setCursor(Qt::SizeHorCursor);
    } else if (allowRowResize_ && DividerAt(point, false) >= 0) {
        mouseMode_ = kMouseOverRowDivider;
        viewport()->setCursor(Qt::SizeVerCursor);
    } else if (mouseMode_ != kMouseNothing) {
        mouseMode_ = kMouseNothing;
        viewport()->setCursor(Qt::ArrowCursor);
    }
}

void CGridCtrl::StartResize(QPoint point)
{
    const bool column = mouseMode_ == kMouseOverColumnDivider;
    sizingIndex_ = DividerAt(point, column);
    mouseMode_ = column ? kMouseSizingColumn : kMouseSizingRow;
    resizeBar_ = column ? point.x() : point.y();
    viewport()->update();
}

void CGridCtrl::EndResize(QPoint point)
{
    const bool column = mouseMode_ == kMouseSizingColumn;
    resizeBar_ = -1;
    QPoint start;
    const bool found = column ? GetCellOrigin(0, sizingIndex_, &start) : GetCellOrigin(sizingIndex_, 0, &start);
    if (found && point != leftClickDownPoint_) {
        const int size = column ? point.x() - start.x() : point.y() - start.y();
        if (size >= 0)
            column ? SetColumnWidth(sizingIndex_, size) : SetRowHeight(sizingIndex_, size);
        ResetScrollBars();
    }
    viewport()->update();
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    titleTip_->Hide();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    leftClickDownPoint_ = point;
    leftClickDownCell_ = GetCellFromPt(point);
    if (!IsValid(leftClickDownCell_))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    selectionStartCell_ = (modifiers & Qt::ShiftModifier) ? focusCell_ : leftClickDownCell_;
    const bool hadFocus = hasFocus();
    TakeFocus();

    if (leftClickDownCell_ == focusCell_) {
        mouseMode_ = kMousePrepareEdit;
        return;
    }
    SetFocusCell({});
    SetFocusCell({std::max(leftClickDownCell_.row, fixedRows_), std::max(leftClickDownCell_.col, fixedCols_)});

    if (dragAndDrop_ && hadFocus && IsCellSelected(leftClickDownCell_.row, leftClickDownCell_.col)) {
        mouseMode_ = kMousePrepareDrag;
        return;
    }
    capturing_ = true;
    if (mouseMode_ == kMouseOverColumnDivider || mouseMode_ == kMouseOverRowDivider) {
        StartResize(point);
    } else {
        previousSelectedCells_.clear();
        if (modifiers & Qt::ControlModifier)
            previousSelectedCells_ = selectedCells_;
        if (leftClickDownCell_.row < fixedRows_) {
            OnFixedRowClick(leftClickDownCell_);
        } else if (leftClickDownCell_.col < fixedCols_) {
            OnFixedColumnClick(leftClickDownCell_);
        } else {
            mouseMode_ = listMode_ ? kMouseSelectRows : kMouseSelectCells;
            OnSelecting(leftClickDownCell_);
        }
        autoScrollTimer_.start(timerInterval_, this);
    }
    lastMousePoint_ = point;
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (titleTip_->isVisible() && !titleTip_->Covers(point))
        titleTip_->Hide();
    // The auto-scroll timer reads where the pointer went, inside or out.
    lastMousePoint_ = point;
    if (mouseMode_ != kMouseDragging && !viewport()->rect().contains(point))
        return;

    if (event->buttons() & Qt::LeftButton) {
        if (!IsValid(leftClickDownCell_))
            return;
        switch (mouseMode_) {
        case kMouseSelectColumns:
        case kMouseSelectRows:
        case kMouseSelectCells: {
            const CCellID cell = GetCellFromPt(point);
            if (!IsValid(cell))
                return;
            OnSelecting(cell);
            if (cell.row >= fixedRows_ && cell.col >= fixedCols_)
                SetFocusCell(cell);
            break;
        }
        case kMouseSizingColumn:
        case kMouseSizingRow: {
            // The bar stays right of (below) the sized column's (row's) start.
            QPoint start;
            const bool column = mouseMode_ == kMouseSizingColumn;
            if (column ? GetCellOrigin(0, sizingIndex_, &start) : GetCellOrigin(sizingIndex_, 0, &start))
                resizeBar_ = column ? std::max(point.x(), start.x()) : std::max(point.y(), start.y());
            viewport()->update();
            break;
        }
        case kMousePrepareDrag:
            StartDrag();
            break;
        default:
            break;
        }
        return;
    }
    HoverDividers(point);
    if (mouseMode_ == kMouseNothing && titleTips_)
        OfferTitleTip(point);
}

void CGridCtrl::OfferTitleTip(QPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    WinRect rect;
    if (!IsValid(cell) || !GetCellRect(cell.row, cell.col, &rect))
        return;
    titleTip_->Show(GetItemText(cell.row, cell.col), rect, GridQFont());
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (capturing_) {
        capturing_ = false;
        autoScrollTimer_.stop();
    }
    switch (mouseMode_) {
    case kMousePrepareEdit:
        OnEditCell(focusCell_.row, focusCell_.col, kEditStartedByMouse);
        break;
    case kMousePrepareDrag:
        previousSelectedCells_.clear();
        SetSelectedRange({});
        SetFocusCell({});
        break;
    case kMouseSizingColumn:
    case kMouseSizingRow:
        EndResize(point);
        break;
    default:
        break;
    }
    mouseMode_ = kMouseNothing;
    viewport()->setCursor(Qt::ArrowCursor);
    if (IsValid(leftClickDownCell_))
        PostClick();
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (mouseMode_ == kMouseOverColumnDivider) {
        AutoSizeColumn(DividerAt(point, true));
        viewport()->update();
    } else if (mouseMode_ == kMouseOverRowDivider) {
        AutoSizeRow(DividerAt(point, false));
        viewport()->update();
    } else if (mouseMode_ == kMouseNothing) {
        const CCellID click = leftClickDownCell_;
        if (IsValid(click) && click.row >= fixedRows_ && click.col >= fixedCols_) {
            OnEditCell(focusCell_.row, focusCell_.col, kEditStartedByMouse);
        } else if (listMode_) {
            const CCellID cell = GetCellFromPt(point);
            if (IsValid(cell) && cell.row >= fixedRows_ && cell.col < fixedCols_)
                OnEditCell(cell.row, cell.col, kEditStartedByMouse);
        }
    }
}

void CGridCtrl::PostClick()
{
    QMetaObject::invokeMethod(this, [this] { emit clicked(); }, Qt::QueuedConnection);
}

void CGridCtrl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == autoScrollTimer_.timerId())
        AutoScrollTick();
    else
        QAbstractScrollArea::timerEvent(event);
}

void CGridCtrl::AutoScrollTick()
{
    const QPoint point = lastMousePoint_;
    const int width = ClientWidth(), height = ClientHeight();
    const int x = std::clamp(point.x(), 0, width);
    const int y = std::clamp(point.y(), 0, height);
    if (point.y() >= height) {
        OnKeyDown(Qt::Key_Down, Qt::NoModifier);
        OnSelecting(GetCellFromPt({x, height}));
    } else if (point.y() < GetFixedRowHeight()) {
        OnKeyDown(Qt::Key_Up, Qt::NoModifier);
        OnSelecting(GetCellFromPt({x, GetFixedRowHeight() + 1}));
    }
    if (point.x() >= width) {
        OnKeyDown(Qt::Key_Right, Qt::NoModifier);
        OnSelecting(GetCellFromPt({width, y}));
    } else if (point.x() < GetFixedColumnWidth()) {
        OnKeyDown(Qt::Key_Left, Qt::NoModifier);
        OnSelecting(GetCellFromPt({GetFixedColumnWidth() + 1, y}));
    }
}
