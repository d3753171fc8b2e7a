#pragma once
// 4合1排版參數: the 4-in-1 sheet's lengths, fonts, continuous numbering and
// the volume split text.
#include <QDialog>

#include "foundation/params/Style.h"

class QCheckBox;
class QLineEdit;

class CDlgSetPara4in1 : public QDialog {
public:
    CDlgSetPara4in1(const TPara4in1& values, const QString& splitText, QWidget* parent = nullptr);
    const TPara4in1& Values() const { return values_; }
    const QString& SplitText() const { return splitText_; }
    void accept() override;

private:
    TPara4in1 values_;
    QString splitText_;
    QLineEdit* split_;
    QCheckBox* continuous_;
};
