#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

bool HasScreenCursor()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::platformName() != QLatin1String("offscreen");
}

}  // namespace

WaitCursor::WaitCursor() : shown_(HasScreenCursor())
{
    if (shown_)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}
