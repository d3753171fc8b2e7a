#pragma once
// CTitleTip: the whole text of a cell whose text is cut, shown over the cell
// in a borderless tool window that never takes the activation and lets the
// mouse through to the grid. The grid hides it when the pointer leaves the
// hover rectangle, on keys, button presses, the wheel and scrolling.
#include <QFont>
#include <QWidget>

#include "platform/WinTypes.h"

class CTitleTip : public QWidget {
    Q_OBJECT

public:
    // grid: the scroll area whose viewport the cell rectangles are in.
    explicit CTitleTip(QWidget* grid);

    // Shows " text " over the cell when it passes the cell's right edge;
    // false when nothing is shown (already visible, the application has no
    // focus, or the text fits).
    bool Show(const QString& text, const WinRect& cellRect, const QFont& font);
    void Hide();
    // Whether a viewport point lies in the hover rectangle of the tip shown.
    bool Covers(QPoint viewportPoint) const;
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* viewport_;
    WinRect hover_;
    QString text_;
    QFont font_;
};
