#pragma once
// The layout-font dialog (字體): face, style, character size and width,
// line metrics, colour, double line, alignment and outline of a TFontStyle.
// Every layout dialog opens it through EditFontStyle.
#include <array>

#include <QDialog>

#include "foundation/params/FontDialogs.h"
#include "foundation/params/FontStyle.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ColorSwatch;
class FieldBinder;

// The words an edition puts on four controls.
struct MDlgFontLabels {
    QString left = QStringLiteral("靠左");
    QString right = QStringLiteral("靠右");
    QString wordHeight = QStringLiteral("間距");
    QString wordWidth = QStringLiteral("行寬");
};

class MDlgFont : public QDialog {
public:
    MDlgFont(const TFontStyle& values, const FontStyleDialogFlags& flags, const MDlgFontLabels& labels = {},
             QWidget* parent = nullptr);

    // The fields as the dialog holds them; after 確定, what the user chose.
    const TFontStyle& Values() const { return values_; }

    void accept() override;

private:
    void BuildFaceRow(class QGridLayout* grid);
    void AlignChosen(int align);
    void DoubleLineToggled(bool on);

    TFontStyle values_;
    FieldBinder* binder_;
    QComboBox* face_;
    QComboBox* style_;
    ColorSwatch* swatch_;
    QCheckBox* doubleLine_;
    QButtonGroup* align_;
    std::array<QRadioButton*, 5> alignButtons_{};
    QLineEdit* move_;
};
