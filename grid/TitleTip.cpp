#include "grid/TitleTip.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

CTitleTip::CTitleTip(QWidget* grid)
    : QWidget(grid, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      viewport_(qobject_cast<QAbstractScrollArea*>(grid) ? static_cast<QAbstractScrollArea*>(grid)->viewport() : grid)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

bool CTitleTip::Show(const QString& text, const WinRect& cell, const QFont& font)
{
    if (isVisible() || !QApplication::focusWidget())
        return false;
    const QString padded = QLatin1Char(' ') + text + QLatin1Char(' ');
    const int width = QFontMetrics(font).horizontalAdvance(padded);
    if (cell.left + width <= cell.right)
        return false;
    hover_ = {cell.left - 1, cell.top - 1, cell.left + cell.Width(), cell.top + cell.Height() + 1};
    text_ = padded;
    font_ = font;
    setGeometry(QRect(viewport_->mapToGlobal(QPoint(cell.left, cell.top)), QSize(width, cell.Height())));
    show();
    raise();
    update();
    return true;
}

void CTitleTip::Hide()
{
    if (isVisible())
        hide();
}

bool CTitleTip::Covers(QPoint p) const
{
    return p.x() >= hover_.left && p.x() < hover_.right && p.y() >= hover_.top && p.y() < hover_.bottom;
}

void CTitleTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setFont(font_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
