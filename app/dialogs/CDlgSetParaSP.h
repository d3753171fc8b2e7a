#pragma once
// 豎排排印本版式參數: the vertical layout dialog over a VerticalLayoutModel,
// with the text box (top and bottom blanks) and the 標題框 group.
#include "app/dialogs/ModernLayoutDialog.h"
#include "app/dialogs/VerticalLayoutModel.h"

class CDlgSetParaSP : public ModernLayoutDialog {
public:
    CDlgSetParaSP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent = nullptr);

    VerticalLayoutModel& Model() override { return model_; }

private:
    QGroupBox* BuildBoxGroup() override;
    QGroupBox* BuildEditionGroup() override;
    bool BoxGridEnabled() override { return model_.BoxGridEnabled(); }
    QLineEdit* Edit(QWidget* parent, const QString& name, VerticalField field, bool count);

    VerticalLayoutModel model_;
};

// Runs the dialog on style through Dialogs(); refresh runs after each 應用.
// The settings command of the vertical program calls it where the woodblock
// program calls RunLayoutDialog.
TLayoutDialogResult RunVerticalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                            std::function<void()> refresh);
