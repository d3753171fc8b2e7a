#pragma once
// The modeless find-and-replace window of the page view. It holds the find
// text, the replacement and the scope; each button only reports itself and
// the view does the finding and replacing. The window is hidden, not
// destroyed, when closed, so that it shows its texts again when reopened.
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

class CDlgFind : public QDialog {
    Q_OBJECT
public:
    // What a button reports (FindCommand); find down goes as a command.
    enum Button : int {
        Cancel = 2, ReplaceChar = 1011, ReplaceVolume = 1012, FindUp = 1014, ReplaceAllVolumes = 1042,
    };
    static constexpr int kFindDownCommand = 32858;
    enum Scope : int { ThisVolume = 0, AllVolumes = 1 };

    explicit CDlgFind(QWidget* parent = nullptr);

    // Opens the window (clearing the match flag) when it is not open.
    void Open();
    bool IsOpen() const { return isVisible(); }

    QString FindText() const;
    QString ReplaceText() const;
    void SetFindText(const QString& text);
    Scope CurrentScope() const { return scope_; }
    bool Matched() const { return matched_; }
    // The view sets it after a search found something.
    void SetMatched(bool matched);
    void UpdateFindButtons();
    // The keyboard focus to the replacement edit (after the first find).
    void FocusReplaceEdit();

    QPushButton* ButtonOf(int id) const;
    QLineEdit& FindEdit() const { return *find_; }
    QLineEdit& ReplaceEdit() const { return *replace_; }

signals:
    // A button pressed; delivered queued, as a posted message would be.
    void FindCommand(int button);
    // 向下查找: an ordinary command of the view.
    void CommandRequested(int id);

protected:
    void reject() override;

private:
    QPushButton* AddButton(const QString& caption, int id);

    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QRadioButton* thisVolume_ = nullptr;
    QRadioButton* allVolumes_ = nullptr;
    Scope scope_ = ThisVolume;
    bool matched_ = false;
};
