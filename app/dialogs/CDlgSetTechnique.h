#pragma once
// 設置特殊格式參數: TYPE, WIDTH_TYPE, line width and colour of a special
// format (TTechnique).
#include <QDialog>

#include "foundation/params/Technique.h"

class QComboBox;

class CDlgSetTechnique : public QDialog {
public:
    explicit CDlgSetTechnique(const TTechnique& values, QWidget* parent = nullptr);
    const TTechnique& Values() const { return values_; }
    void accept() override;

private:
    TTechnique values_;
    QComboBox* type_;
    QComboBox* widthType_;
};
