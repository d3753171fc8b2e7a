#pragma once
// 輸入字體代碼: asks for the code of a new attached font.
#include <QDialog>

class QLineEdit;

class CDlgMark : public QDialog {
public:
    explicit CDlgMark(QWidget* parent = nullptr);
    QString Code() const;

private:
    QLineEdit* code_;
};
