// In-place editing: opening an editor on a cell, and the grid's side of its
// end (store, redraw, notify, and go on editing after a moving key).
#include "grid/DrawTextFormat.h"
#include "grid/GridCtrl.h"
#include "grid/InPlaceEdit.h"

namespace {

// Keys that end an edit and carry it on to the next cell.
bool MovesOn(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

Qt::Alignment EditorAlignment(uint32_t format)
{
    if (format & DT_RIGHT)
        return Qt::AlignRight;
    if (format & DT_CENTER)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

}  // namespace

bool CGridCtrl::OnEditCell(int row, int col, uint32_t startChar)
{
    if (CInPlaceEdit* open = editor_.data())
        open->EndEdit();
    EnsureVisible(row, col);
    WinRect rect;
    if (!IsValid(CCellID{row, col}) || !IsCellEditable(row, col) || !IsCellVisible(row, col) ||
        !GetCellRect(row, col, &rect))
        return false;
    emit notify(kNotifyBeginLabelEdit, row, col);
    editor_ = CreateInPlaceEditControl(rect, EditorAlignment(GetItemFormat(row, col)), row, col,
                                       GetItemText(row, col), startChar);
    return editor_ != nullptr;
}

CInPlaceEdit* CGridCtrl::CreateInPlaceEditControl(const WinRect& rect, Qt::Alignment alignment, int row, int col,
                                                  const QString& text, uint32_t startChar)
{
    return new CInPlaceEdit(this, rect, alignment, row, col, text, startChar);
}

void CGridCtrl::OnEndEditCell(int row, int col, const QString& text) { SetItemText(row, col, text); }

void CGridCtrl::OnCellTextChangedByGrid(int, int, const QString&) {}

void CGridCtrl::OnEndInPlaceEdit(int row, int col, const QString& text, int key)
{
    if (key != Qt::Key_Escape && text != GetItemText(row, col))
        modified_ = true;
    OnEndEditCell(row, col, text);
    RedrawCell(row, col);
    emit notify(kNotifyEndLabelEdit, row, col);
    if (!MovesOn(key))
        return;
    OnKeyDown(key, Qt::NoModifier);
    OnEditCell(focusCell_.row, focusCell_.col, uint32_t(key));
}
