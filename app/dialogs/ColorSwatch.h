#pragma once
// A small filled rectangle showing a chosen colour: a CStaticEx swatch that
// acts as a link to its 選擇 button (a click on it chooses the colour).
#include "app/controls/StaticEx.h"
#include "platform/WinTypes.h"

class QAbstractButton;

class ColorSwatch : public CStaticEx {
public:
    ColorSwatch(QWidget* parent, const QString& name);
    void SetColor(ColorRef color) { SetBackColor(color); }
    ColorRef Color() const { return BackColor(); }
    // The button a click on the swatch presses.
    void SetPick(QAbstractButton* pick);
};
