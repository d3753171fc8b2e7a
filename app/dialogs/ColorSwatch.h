#pragma once
// A small filled rectangle showing a chosen colour.
#include <QLabel>

#include "platform/WinTypes.h"

class ColorSwatch : public QLabel {
public:
    ColorSwatch(QWidget* parent, const QString& name);
    void SetColor(ColorRef color);
    ColorRef Color() const { return color_; }

private:
    ColorRef color_ = 0;
};
