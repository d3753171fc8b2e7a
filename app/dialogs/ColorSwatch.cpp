#include "app/dialogs/ColorSwatch.h"

#include <QAbstractButton>

ColorSwatch::ColorSwatch(QWidget* parent, const QString& name) : CStaticEx(parent)
{
    setObjectName(name);
    setFixedSize(40, 20);
    setFrameShape(QFrame::Box);
    SetColor(0);
}

void ColorSwatch::SetPick(QAbstractButton* pick)
{
    SetMessage(1, 0);
    connect(this, &CStaticEx::MessageSent, pick, [pick] {
        if (pick->isEnabled())
            pick->click();
    });
}
