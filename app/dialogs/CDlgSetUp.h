#pragma once
// 仿刻本版式參數: the woodblock layout-parameter dialog over a
// LayoutDialogModel. Every control has a stable object name ("textBox.width",
// "centre.upFish", "apply", …) for tests.
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>

#include <QDialog>

#include "app/dialogs/LayoutDialogModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class GroundControls;
class ColorSwatch;
class FieldBinder;

class CDlgSetUp : public QDialog {
public:
    CDlgSetUp(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent = nullptr);
    ~CDlgSetUp() override;

    LayoutDialogModel& Model() { return model_; }
    void SetRefresh(std::function<void()> refresh) { model_.SetRefresh(std::move(refresh)); }

    void accept() override;

private:
    QGroupBox* BuildFrameGroup();
    QGroupBox* BuildBackgroundGroup();
    QGroupBox* BuildBoxGroup(bool head);
    QGroupBox* BuildCentreGroup();
    QGroupBox* BuildListsGroup();
    QGroupBox* BuildPunctuationGroup();
    QLineEdit* Edit(QWidget* parent, const QString& name, LayoutField field, int32_t* value, bool count = false);
    struct EditRow {
        const char16_t* caption;
        const char16_t* name;
        LayoutField field;
        int32_t* value;
    };
    // Captioned length edits in rows from row on; returns the next row.
    int AddEditRows(QGridLayout* grid, int row, std::initializer_list<EditRow> rows);
    QCheckBox* Check(QWidget* parent, const QString& caption, const QString& name, LayoutField field);
    QPushButton* ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch, LayoutField field,
                           ColorRef* color);
    void AddListRow(QGridLayout* grid, int row, const QString& caption, const QString& name, LayoutList list);
    void AddCode(bool zhu);
    void FillListCombos();
    // Pushes the working state to every control and applies the control state.
    void Refresh();

    LayoutDialogModel model_;
    FieldBinder* binder_;
    std::map<QLineEdit*, LayoutField> editFields_;
    std::map<QCheckBox*, LayoutField> checkFields_;
    std::map<LayoutList, QComboBox*> listCombos_;
    std::map<QComboBox*, LayoutField> comboFields_;
    std::map<ColorSwatch*, const ColorRef*> swatches_;
    std::unique_ptr<GroundControls> ground_;
    std::vector<QWidget*> textBoxGrid_;
    std::vector<QWidget*> punctuationExtras_;
    QPushButton* punctuationPick_ = nullptr;
    QPushButton* apply_ = nullptr;
};

// What a run of the dialog did.
struct TLayoutDialogResult {
    bool accepted = false;  // 確定
    bool changed = false;   // the changed flag at the end
    bool applied = false;   // 應用 wrote into the style at least once
};

// The settings command's rule: the layout (and, for a style of a text
// project, the project) must be offered for saving when 確定 ended with a
// change, or when anything was applied, whatever the dialog's result.
inline bool LayoutNeedsSaving(const TLayoutDialogResult& result)
{
    return (result.accepted && result.changed) || result.applied;
}

// Runs the dialog on style through Dialogs(); refresh runs after each 應用
// (RefreshAfterSettings on the active view).
TLayoutDialogResult RunLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                    std::function<void()> refresh);
