#pragma once
// 設置帶圈文字: TYPE, line width, colour, font and USE_TEXT_FONT of a circled
// text (TCirclePara). 字體 opens enabled whatever USE_TEXT_FONT says; only a
// click on 使用正文字體 sets its state.
#include <QDialog>

#include "foundation/params/CirclePara.h"

class QCheckBox;
class QComboBox;
class QPushButton;

class CDlgSetCircle : public QDialog {
public:
    explicit CDlgSetCircle(const TCirclePara& values, QWidget* parent = nullptr);
    const TCirclePara& Values() const { return values_; }
    void accept() override;

private:
    TCirclePara values_;
    QComboBox* type_;
    QCheckBox* useTextFont_;
    QPushButton* font_;
};
