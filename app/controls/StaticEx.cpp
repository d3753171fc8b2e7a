#include "app/controls/StaticEx.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "platform/Prompter.h"

CStaticEx::CStaticEx(QWidget* parent)
    : QFrame(parent),
      backColor_(FromQColor(palette().color(QPalette::Button))),
      textColor_(FromQColor(palette().color(QPalette::WindowText)))
{
}

void CStaticEx::SetBackColor(ColorRef color)
{
    backColor_ = color;
    update();
}

ColorRef CStaticEx::CurrentTextColor() const
{
    return !link_.isEmpty() && visited_ ? visitedColor_ : textColor_;
}

void CStaticEx::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(backColor_));
    if (!text_.isEmpty()) {
        painter.setPen(ToQColor(CurrentTextColor()));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text_);
    }
    QFrame::paintEvent(event);
}

void CStaticEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

void CStaticEx::Click()
{
    if (toggled_)
        toggled_->setVisible(!toggled_->isVisible());
    if (dialog_)
        dialog_->exec();
    if (!link_.isEmpty())
        OpenLink();
    if (message_ != 0)
        emit MessageSent(message_, wParam_);
}

void CStaticEx::OpenLink()
{
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(link_))) {
        QApplication::beep();
        TellUser(QStringLiteral("Unable to open ") + link_ + QStringLiteral("."));
        return;
    }
    visited_ = true;
    update();
}
