#pragma once
// The widgets the layout dialogs of the vertical and horizontal programs
// share: background and new-volume rule, punctuation, the lists, 確定, 取消
// and 應用, and the helpers that bind controls to the model. An edition's
// dialog builds its text box group and its side box or page bar group and
// calls Build from its constructor. Controls carry stable object names
// ("textBox.width", "apply", …) for tests.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "app/dialogs/CDlgSetUp.h"
#include "app/dialogs/ModernLayoutModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ColorSwatch;
class GroundControls;
class FieldBinder;

class ModernLayoutDialog : public QDialog {
public:
    explicit ModernLayoutDialog(QWidget* parent);
    ~ModernLayoutDialog() override;

    virtual ModernLayoutModel& Model() = 0;
    void accept() override;

protected:
    // Lays out the dialog with the edition's groups; the punctuation combo
    // gets labels.
    void Build(const QString& title, const QStringList& punctuationLabels);
    virtual QGroupBox* BuildBoxGroup() = 0;
    virtual QGroupBox* BuildEditionGroup() = 0;
    // Whether the controls in BoxGrid() may be edited.
    virtual bool BoxGridEnabled() = 0;

    // A length (count: an integer of at least 1) edit over *value; edited
    // runs after the user typed a value.
    QLineEdit* Edit(QWidget* parent, const QString& name, int32_t* value, bool count, std::function<void()> edited);
    QCheckBox* Check(QWidget* parent, const QString& caption, const QString& name, std::function<void(bool)> set,
                     std::function<bool()> get);
    QComboBox* Choice(QWidget* parent, const QString& name, const QStringList& items, std::function<void(int)> set,
                      std::function<int()> get);
    QPushButton* Button(QWidget* parent, const QString& caption, const QString& name, std::function<void()> clicked);
    // A read-only value, shown again at every refresh.
    QLabel* Shown(QWidget* parent, const QString& name, std::function<double()> value);
    // 小字雙行 and the two box font buttons.
    void AddBoxFontRows(QGroupBox* group, int row);
    std::vector<QWidget*>& BoxGrid() { return boxGrid_; }

private:
    QGroupBox* BuildBackgroundGroup();
    QGroupBox* BuildPunctuationGroup(const QStringList& labels);
    QGroupBox* BuildListsGroup();
    QPushButton* ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch, LayoutField field,
                           const ColorRef* color);
    void FillListCombos();
    // Pushes the working state to every control and applies the control state.
    void Refresh();

    FieldBinder* binder_;
    std::map<QLineEdit*, std::function<void()>> edited_;
    std::vector<std::function<void()>> pushes_;  // each shows one control's value
    std::map<LayoutList, QComboBox*> listCombos_;
    std::vector<QWidget*> boxGrid_;
    QPushButton* apply_ = nullptr;
    std::unique_ptr<GroundControls> ground_;
};

// Runs an edition's dialog through Dialogs(); refresh runs after each 應用.
TLayoutDialogResult RunModernLayoutDialog(ModernLayoutDialog& dialog, std::function<void()> refresh);
