#pragma once
// 橫排排印本版式參數: the horizontal layout dialog over a
// HorizontalLayoutModel, with the text box (side blanks, line counts) and
// the 頁眉頁腳 group.
#include "app/dialogs/HorizontalLayoutModel.h"
#include "app/dialogs/ModernLayoutDialog.h"

class CDlgSetParaHP : public ModernLayoutDialog {
public:
    CDlgSetParaHP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent = nullptr);

    HorizontalLayoutModel& Model() override { return model_; }

private:
    QGroupBox* BuildBoxGroup() override;
    QGroupBox* BuildEditionGroup() override;
    bool BoxGridEnabled() override { return model_.BoxGridEnabled(); }
    QLineEdit* Edit(QWidget* parent, const QString& name, HorizontalField field, int32_t* value, bool count);

    HorizontalLayoutModel model_;
};

// Runs the dialog on style through Dialogs(); refresh runs after each 應用.
// The settings command of the horizontal program calls it where the
// woodblock program calls RunLayoutDialog.
TLayoutDialogResult RunHorizontalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                              std::function<void()> refresh);
