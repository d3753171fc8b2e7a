#include "app/controls/EditEx.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

CEditEx::CEditEx(QWidget* parent) : QLineEdit(parent) {}

void CEditEx::SetColors(ColorRef text, ColorRef background)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Text, ToQColor(text));
    colors.setColor(QPalette::Base, ToQColor(background));
    setPalette(colors);
}

void CEditEx::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (filter_ && printable) {
        for (QChar c : typed) {
            if (!filter_(c)) {
                QApplication::beep();
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CEditEx::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = menu_ ? menu_(this) : nullptr;
    if (!menu) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
