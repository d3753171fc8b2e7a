// The keyboard: the clipboard shortcuts, Tab with wrapping, the arrows and
// paging keys moving the focus cell and the selection, Delete, and typed
// characters that start an edit.
#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include "grid/GridCtrl.h"
#include "grid/TitleTip.h"

namespace {

bool IsTab(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }

// What a key press gives as the start of an edit: Enter, Backspace, or the
// typed character's code point; 0 for none.
uint32_t EditStartOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Backspace:
        return Qt::Key_Backspace;
    default:
        break;
    }
    const QList<uint> text = event.text().toUcs4();
    if (text.isEmpty() || !QChar::isPrint(char32_t(text.front())))
        return 0;
    return text.front();
}

}  // namespace

bool CGridCtrl::focusNextPrevChild(bool next)
{
    // Tab moves between cells; the grid lets it go only at its ends.
    if (handleTabKey_ && !(QApplication::keyboardModifiers() & Qt::ControlModifier))
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    titleTip_->Hide();
    if (OnKeyDown(event->key(), event->modifiers()))
        return;
    if (IsValid(focusCell_) && !(event->modifiers() & Qt::ControlModifier) && mouseMode_ == kMouseNothing &&
        !IsTab(event->key()))
        if (const uint32_t start = EditStartOf(*event)) {
            OnEditCell(focusCell_.row, focusCell_.col, start);
            return;
        }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CGridCtrl::OnKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!IsValid(focusCell_))
        return false;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = (modifiers & Qt::ShiftModifier) || key == Qt::Key_Backtab;
    if (ctrl) {
        switch (key) {
        case Qt::Key_A:
            OnEditSelectAll();
            return true;
        case Qt::Key_C:
            OnEditCopy();
            return true;
        case Qt::Key_V:
            OnEditPaste();
            return true;
        case Qt::Key_X:
            OnEditCut();
            return true;
        default:
            break;
        }
    }

    CCellID next = focusCell_;
    bool wrapped = false;
    const bool tab = IsTab(key) && handleTabKey_ && !ctrl;
    if (tab && !shift) {
        if (next.col < colCount_ - 1) {
            ++next.col;
        } else if (next.row < rowCount_ - 1) {
            next = {next.row + 1, fixedCols_};
            wrapped = true;
        } else {
            return false;
        }
    } else if (tab) {
        if (next.col > fixedCols_) {
            --next.col;
        } else if (next.row > fixedRows_) {
            next = {next.row - 1, colCount_ - 1};
            wrapped = true;
        } else {
            return false;
        }
    } else {
        switch (key) {
        case Qt::Key_Down:
            next.row = std::min(next.row + 1, rowCount_ - 1);
            break;
        case Qt::Key_Up:
            next.row = std::max(next.row - 1, fixedRows_);
            break;
        case Qt::Key_Right:
            next.col = std::min(next.col + 1, colCount_ - 1);
            break;
        case Qt::Key_Left:
            next.col = std::max(next.col - 1, fixedCols_);
            break;
        case Qt::Key_PageDown:
        case Qt::Key_PageUp: {
            const bool down = key == Qt::Key_PageDown;
            const int before = GetTopleftNonFixedCell().row;
            OnVScroll(down ? kScrollPageOn : kScrollPageBack);
            const int moved = GetTopleftNonFixedCell().row - before;
            if (moved != 0)
                next.row = std::clamp(next.row + moved, fixedRows_, rowCount_ - 1);
            else
                next.row = down ? rowCount_ - 1 : fixedRows_;
            break;
        }
        case Qt::Key_Home:
            OnVScroll(kScrollToStart);
            next.row = fixedRows_;
            break;
        case Qt::Key_End:
            OnVScroll(kScrollToEnd);
            next.row = rowCount_ - 1;
            break;
        case Qt::Key_Delete:
            if (IsCellEditable(focusCell_.row, focusCell_.col)) {
                WriteCellText(focusCell_.row, focusCell_.col, QString());
                RedrawCell(focusCell_.row, focusCell_.col);
            }
            return true;
        default:
            return false;
        }
    }

    if (next == focusCell_)
        return true;
    if (mouseMode_ == kMouseNothing) {
        previousSelectedCells_.clear();
        mouseMode_ = listMode_ ? kMouseSelectRows : kMouseSelectCells;
        if (!shift || tab)
            selectionStartCell_ = next;
        OnSelecting(next);
        mouseMode_ = kMouseNothing;
    }
    SetFocusCell(next);
    if (IsCellVisible(next.row, next.col))
        return true;
    EnsureVisible(next.row, next.col);
    switch (key) {
    case Qt::Key_Right:
        OnHScroll(kScrollLineOn);
        break;
    case Qt::Key_Left:
        OnHScroll(kScrollLineBack);
        break;
    case Qt::Key_Down:
        OnVScroll(kScrollLineOn);
        break;
    case Qt::Key_Up:
        OnVScroll(kScrollLineBack);
        break;
    default:
        if (tab && wrapped) {
            OnVScroll(shift ? kScrollLineBack : kScrollLineOn);
            horizontalScrollBar()->setValue(shift ? horizontalScrollBar()->maximum() : 0);
        } else if (tab) {
            OnHScroll(shift ? kScrollLineBack : kScrollLineOn);
        }
        break;
    }
    viewport()->update();
    return true;
}
