#pragma once
// CInPlaceEdit: the one-line editor over a cell. The key or character that
// started the edit places the caret; arrows and paging keys leave it when it
// was not started by the mouse (or with Ctrl); Escape restores the text.
// When it ends, by a key or by losing the focus, it sends the grid its end
// record (row, column, text, ending key) once and deletes itself.
#include <cstdint>

#include <QLineEdit>

#include "platform/WinTypes.h"

class CGridCtrl;

class CInPlaceEdit : public QLineEdit {
    Q_OBJECT

public:
    CInPlaceEdit(CGridCtrl* grid, const WinRect& rect, Qt::Alignment alignment, int row, int col,
                 const QString& text, uint32_t startChar);

    // Sends the end record; later calls do nothing.
    void EndEdit();
    int Row() const { return row_; }
    int Col() const { return col_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Start(uint32_t startChar);
    void EndWithKey(int key);
    void Widen();

    CGridCtrl* grid_;
    int row_;
    int col_;
    QString initialText_;
    int lastKey_ = 0;
    bool exitOnArrows_;
    bool ended_ = false;
};
