#pragma once
// The text pane's own find and replace box: a find text, a replacement, the
// direction, and buttons that act on the pane's editor. Modeless.
#include <QDialog>

class QLineEdit;
class QRadioButton;
class TShow;

class TextFindDialog : public QDialog {
    Q_OBJECT
public:
    TextFindDialog(TShow& editor, bool replace, QWidget* parent = nullptr);

    QLineEdit& FindEdit() const { return *find_; }
    QLineEdit& ReplaceEdit() const { return *replace_; }
    void SetDown(bool down);

private:
    bool Down() const;

    TShow& editor_;
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QRadioButton* down_ = nullptr;
    QRadioButton* up_ = nullptr;
};
