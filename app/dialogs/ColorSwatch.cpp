#include "app/dialogs/ColorSwatch.h"

ColorSwatch::ColorSwatch(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setFixedSize(40, 20);
    setFrameShape(QFrame::Box);
    SetColor(0);
}

void ColorSwatch::SetColor(ColorRef color)
{
    color_ = color;
    setStyleSheet(QStringLiteral("background-color: %1;").arg(ToQColor(color).name()));
}
