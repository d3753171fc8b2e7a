#include "grid/InPlaceEdit.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>

#include "grid/GridCtrl.h"
#include "grid/GridTypes.h"

namespace {

bool IsArrowOrPage(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool SelectsAll(uint32_t startChar)
{
    return startChar == Qt::Key_Space || startChar == Qt::Key_End || startChar == Qt::Key_Home ||
           IsArrowOrPage(int(startChar));
}

// Tab and Enter end the edit when they are let go.
bool EndsOnRelease(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The grid's right edge caps the widening, 5 pixels past the text.
constexpr int kWidenSlack = 5;

}  // namespace

CInPlaceEdit::CInPlaceEdit(CGridCtrl* grid, const WinRect& rect, Qt::Alignment alignment, int row, int col,
                           const QString& text, uint32_t startChar)
    : QLineEdit(grid->viewport()),
      grid_(grid),
      row_(row),
      col_(col),
      initialText_(text),
      exitOnArrows_(startChar != kEditStartedByMouse)
{
    setGeometry(rect.ToQRect());
    setFont(grid->GridQFont());
    setAlignment(alignment | Qt::AlignVCenter);
    setText(text);
    show();
    setFocus(Qt::OtherFocusReason);
    Start(startChar);
    connect(this, &QLineEdit::textEdited, this, &CInPlaceEdit::Widen);
}

void CInPlaceEdit::Start(uint32_t startChar)
{
    if (startChar == kEditStartedByMouse || startChar == Qt::Key_Return) {
        end(false);
    } else if (startChar == Qt::Key_Backspace) {
        end(false);
        backspace();
    } else if (SelectsAll(startChar)) {
        selectAll();
    } else {
        // Any other character replaces the text.
        selectAll();
        const char32_t c = char32_t(startChar);
        insert(QString::fromUcs4(&c, 1));
    }
    Widen();
}

void CInPlaceEdit::Widen()
{
    const int needed = fontMetrics().horizontalAdvance(text()) + kWidenSlack;
    if (needed <= width())
        return;
    const int room = grid_->viewport()->width() - x();
    resize(std::max(width(), std::min(needed, room)), height());
}

bool CInPlaceEdit::event(QEvent* event)
{
    // Tab ends the edit instead of moving the focus on.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (event->type() == QEvent::KeyPress)
                keyPressEvent(key);
            else
                keyReleaseEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (IsArrowOrPage(key) && (exitOnArrows_ || (event->modifiers() & Qt::ControlModifier))) {
        EndWithKey(key);
        return;
    }
    if (key == Qt::Key_Escape) {
        setText(initialText_);
        EndWithKey(key);
        return;
    }
    if (EndsOnRelease(key))
        return;
    QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::keyReleaseEvent(QKeyEvent* event)
{
    if (EndsOnRelease(event->key()) && !event->isAutoRepeat()) {
        EndWithKey(event->key());
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu of the editor itself does not end the edit.
    if (event->reason() != Qt::PopupFocusReason)
        EndEdit();
}

void CInPlaceEdit::EndWithKey(int key)
{
    lastKey_ = key;
    grid_->setFocus(Qt::OtherFocusReason);
    EndEdit();
}

void CInPlaceEdit::EndEdit()
{
    if (ended_)
        return;
    ended_ = true;
    hide();
    deleteLater();
    grid_->OnEndInPlaceEdit(row_, col_, text(), lastKey_);
}
