#pragma once
// The page setup (57606): the program's four margins, in millimetres on
// screen and hundredths of a millimetre in store, and the orientation.
// 確定 refuses margins that leave the paper no room to print in, naming the
// margin and its range, and keeps the dialog open.
#include <cstdint>

#include <QDialog>
#include <QSizeF>

#include "platform/WinTypes.h"

class QComboBox;
class QDoubleSpinBox;

class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    // orientation: 1 portrait, 2 landscape; paper: the sheet upright, in
    // millimetres.
    PageSetupDialog(const WinRect& margins, int16_t orientation, QSizeF paper, QWidget* parent = nullptr);

    WinRect Margins() const;
    int16_t Orientation() const;

    void accept() override;

private:
    QDoubleSpinBox* AddMargin(const char* name, int32_t hundredths);
    // The message for the first margin that leaves too little of the sheet
    // in the chosen orientation; empty when they all fit.
    QString MarginFault() const;

    QSizeF paper_;

    QDoubleSpinBox* margins_[4] = {};  // left, top, right, bottom
    QComboBox* orientation_ = nullptr;
};
