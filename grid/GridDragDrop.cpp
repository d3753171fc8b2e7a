// Drag and drop of cell texts: the drag from a selection, and the grid as a
// drop target with its highlighted drop cell. Ctrl copies, else a move.
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

#include "grid/GridCtrl.h"

Qt::DropAction CGridCtrl::DropActionFor(Qt::KeyboardModifiers modifiers) const
{
    return (modifiers & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

QPixmap CGridCtrl::CreateDragImage() const
{
    WinRect rect;
    if (!GetCellRect(focusCell_.row, focusCell_.col, &rect))
        return {};
    QPixmap image(rect.Width(), rect.Height());
    image.fill(ToQColor(colours_.background));
    QPainter painter(&image);
    GridDc dc(painter, false);
    const_cast<CGridCtrl*>(this)->DrawCell(dc, focusCell_.row, focusCell_.col,
                                           {0, 0, rect.Width(), rect.Height()}, true);
    return image;
}

void CGridCtrl::StartDrag()
{
    if (!dragAndDrop_)
        return;
    QMimeData* data = CopyTextFromGrid();
    if (!data)
        return;
    const CCellRange range = GetSelectedCellRange();
    emit notify(kNotifyBeginDrag, range.minRow, range.minCol);
    mouseMode_ = kMouseDragging;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(CreateDragImage());
    FinishDrag(drag->exec(Qt::CopyAction | Qt::MoveAction));
}

void CGridCtrl::FinishDrag(Qt::DropAction result)
{
    // Cells a drop wrote on this grid have left the selection and stay.
    if (result == Qt::MoveAction)
        CutSelectedText();
    mouseMode_ = kMouseNothing;
}

void CGridCtrl::SetDropCell(CCellID cell)
{
    if (IsValid(dropCell_)) {
        SetItemState(dropCell_.row, dropCell_.col, GetItemState(dropCell_.row, dropCell_.col) & ~kCellDropHighlighted);
        RedrawCell(dropCell_.row, dropCell_.col);
    }
    dropCell_ = cell;
    if (IsValid(cell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellDropHighlighted);
        RedrawCell(cell.row, cell.col);
    }
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    if (!dragAndDrop_ || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // Taken, so that the moves keep coming; the cell decides the effect.
    event->accept();
    const CCellID cell = GetCellFromPt(event->position().toPoint(), false);
    if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col)) {
        event->setDropAction(Qt::IgnoreAction);
        return;
    }
    SetDropCell(cell);
    event->setDropAction(DropActionFor(event->modifiers()));
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* event)
{
    if (!dragAndDrop_ || !editable_ || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    const CCellID cell = GetCellFromPt(event->position().toPoint(), false);
    if (!IsValid(cell)) {
        SetDropCell({});
        event->ignore();
        return;
    }
    if (!IsCellEditable(cell.row, cell.col)) {
        event->ignore();
        return;
    }
    if (!(cell == dropCell_))
        SetDropCell(cell);
    event->setDropAction(DropActionFor(event->modifiers()));
    event->accept();
}

void CGridCtrl::dragLeaveEvent(QDragLeaveEvent*) { SetDropCell({}); }

void CGridCtrl::dropEvent(QDropEvent* event)
{
    const CCellID cell = dropCell_;
    if (!dragAndDrop_ || !IsValid(cell) || !IsCellEditable(cell.row, cell.col)) {
        event->ignore();
        return;
    }
    mouseMode_ = kMouseNothing;
    SetDropCell({});
    if (!PasteTextToGrid(cell, event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(DropActionFor(event->modifiers()));
    event->accept();
}
