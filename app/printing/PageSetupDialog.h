#pragma once
// The page setup (57606): the program's four margins, in millimetres on
// screen and hundredths of a millimetre in store, and the orientation.
#include <cstdint>

#include <QDialog>

#include "platform/WinTypes.h"

class QComboBox;
class QDoubleSpinBox;

class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    // orientation: 1 portrait, 2 landscape.
    PageSetupDialog(const WinRect& margins, int16_t orientation, QWidget* parent = nullptr);

    WinRect Margins() const;
    int16_t Orientation() const;

private:
    QDoubleSpinBox* AddMargin(const char* name, int32_t hundredths);

    QDoubleSpinBox* margins_[4] = {};  // left, top, right, bottom
    QComboBox* orientation_ = nullptr;
};
