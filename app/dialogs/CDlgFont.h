#pragma once
// The editor-font dialog (字體) with a live sample: face, script, style,
// point size 8 to 72, text and background colour and the system-background
// flag of a TFontAndColor. EditFontColor opens it for the edit pane's font.
#include <QDialog>

#include "foundation/params/Font.h"

class QCheckBox;
class QComboBox;
class QLabel;
class CEditEx;
class QPushButton;
class ColorSwatch;

class CDlgFont : public QDialog {
public:
    explicit CDlgFont(const TFontAndColor& values, QWidget* parent = nullptr);

    // The fields as the dialog holds them; after 确定, what the user chose.
    const TFontAndColor& Values() const { return values_; }

    void accept() override;

    static constexpr int kMinSize = 8;
    static constexpr int kMaxSize = 72;

private:
    // Refills the scripts of the face in the combo; a face not listed keeps
    // the stored face and character set.
    void FaceChosen(bool opening);
    void SizeChosen(int index);
    void SizeTyped(const QString& text);
    void SystemColorToggled(bool on);
    void ShowBackColorPick();
    void UpdateFontSample();

    TFontAndColor values_;
    bool showColors_ = true;
    QComboBox* face_;
    QComboBox* style_;
    QComboBox* size_;
    QComboBox* script_;
    CEditEx* sample_;  // the sample box, in the chosen colours
    ColorSwatch* textSwatch_;
    ColorSwatch* backSwatch_;
    QPushButton* backPick_;
    QCheckBox* systemColor_;
};
