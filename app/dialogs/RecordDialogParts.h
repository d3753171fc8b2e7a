#pragma once
// Controls the record editors share: a font button that runs EditFontStyle
// on a working font, and a colour row (swatch and 選擇) over a working colour.
#include <cstdint>
#include <functional>

#include <QString>

#include "platform/WinTypes.h"

#include <QPushButton>
class QWidget;
class ColorSwatch;
struct TFontStyle;

// Which fields of the font the dialog may change (EditFontStyle's flags).
struct FontEditFlags {
    bool wordHeight = true;
    bool doubleLine = false;
    bool wordWidth = false;
};

// A button that edits *font; after a confirmed edit, edited runs.
QPushButton* NewFontButton(QWidget* parent, const QString& caption, const QString& name, TFontStyle* font,
                           FontEditFlags flags, std::function<void()> edited = {});
// A 選擇 button that opens the colour dialog on *color and shows the result
// in swatch (either way); after a choice, chosen runs.
QPushButton* NewColorPick(QWidget* parent, const QString& name, ColorRef* color, ColorSwatch* swatch,
                          std::function<void()> chosen = {});
