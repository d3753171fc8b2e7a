#pragma once
// 橫排排印本版式參數: the horizontal layout dialog over a
// HorizontalLayoutModel. Controls carry stable object names
// ("textBox.left", "bar.headHeight", "apply", …) for tests.
#include <functional>
#include <map>
#include <vector>

#include <QDialog>

#include "app/dialogs/CDlgSetUp.h"
#include "editions/horizontal/HorizontalLayoutModel.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ColorSwatch;
class FieldBinder;

class CDlgSetParaHP : public QDialog {
public:
    CDlgSetParaHP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent = nullptr);

    HorizontalLayoutModel& Model() { return model_; }
    void SetRefresh(std::function<void()> refresh) { model_.SetRefresh(std::move(refresh)); }

    void accept() override;

private:
    QGroupBox* BuildTextBoxGroup();
    QGroupBox* BuildBarGroup();
    QGroupBox* BuildBackgroundGroup();
    QGroupBox* BuildPunctuationGroup();
    QGroupBox* BuildListsGroup();
    QLineEdit* Edit(QWidget* parent, const QString& name, HorizontalField field, int32_t* value, bool count);
    QCheckBox* Check(QWidget* parent, const QString& caption, const QString& name, std::function<void(bool)> set,
                     std::function<bool()> get);
    QComboBox* Choice(QWidget* parent, const QString& name, const QStringList& items, std::function<void(int)> set,
                      std::function<int()> get);
    QPushButton* ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch, LayoutField field,
                           const ColorRef* color);
    QPushButton* Button(QWidget* parent, const QString& caption, const QString& name, std::function<void()> clicked);
    void FillListCombos();
    // Pushes the working state to every control and applies the control state.
    void Refresh();

    HorizontalLayoutModel model_;
    FieldBinder* binder_;
    std::map<QLineEdit*, HorizontalField> editFields_;
    std::vector<std::function<void()>> pushes_;  // each shows one control's value
    std::map<LayoutList, QComboBox*> listCombos_;
    std::vector<QWidget*> boxGrid_;
    QPushButton* apply_ = nullptr;
};

// Runs the dialog on style through Dialogs(); refresh runs after each 應用.
// The settings command of the horizontal program calls it where the
// woodblock program calls RunLayoutDialog.
TLayoutDialogResult RunHorizontalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                              std::function<void()> refresh);
