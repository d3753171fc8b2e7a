#pragma once
// 圈點參數: up to three marks of an emphasis-mark set, each with its
// character, font and displacement; marks are added from the symbol list
// ("->") and removed per row ("×").
#include <array>

#include <QDialog>

#include "foundation/params/QuanDian.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class FieldBinder;

class CDlgQuanDian : public QDialog {
public:
    static constexpr int kRows = 3;

    explicit CDlgQuanDian(const TQuanDian& values, QWidget* parent = nullptr);
    const TQuanDian& Values() const { return values_; }

    void AddSelectedSymbol();  // "->"
    void RemoveMark(int row);  // "×" of a row (0-based)
    void accept() override;

private:
    struct Row {
        QLineEdit* mark = nullptr;
        QPushButton* font = nullptr;
        QLineEdit* x = nullptr;
        QLineEdit* y = nullptr;
        QPushButton* remove = nullptr;
        std::array<QLabel*, 2> labels{};
        int32_t xMove = 0;
        int32_t yMove = 0;
        TFontStyle fontCopy;
    };
    void BuildRow(int i, class QGridLayout* grid);
    // The rows show the marks of the set.
    void ShowMarks();
    // The rows' values go back into the marks they show, so that nothing
    // typed is lost when the rows are shown again; an empty mark edit keeps
    // the mark it had.
    void TakeRows();

    TQuanDian values_;
    FieldBinder* binder_;
    QListWidget* symbols_;
    std::array<Row, kRows> rows_;
};
