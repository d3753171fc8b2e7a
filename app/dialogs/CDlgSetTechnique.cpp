#include "app/dialogs/CDlgSetTechnique.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/FieldBinder.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetTechnique::CDlgSetTechnique(const TTechnique& values, QWidget* parent) : QDialog(parent), values_(values)
{
    setWindowTitle(u"設置特殊格式參數"_s);
    auto* binder = new FieldBinder(this);
    type_ = NewChoiceCombo(this, u"type"_s, {u"反白"_s, u"線框"_s}, values_.TYPE);
    widthType_ = NewChoiceCombo(this, u"widthType"_s, {u"與字同寬"_s, u"與行同寬"_s}, values_.WIDTH_TYPE);
    auto* swatch = new ColorSwatch(this, u"color"_s);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"類型"_s), 0, 0);
    grid->addWidget(type_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(u"框寬類型"_s), 1, 0);
    grid->addWidget(widthType_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(u"框線粗"_s), 2, 0);
    grid->addWidget(binder->Hundredths(this, u"lineWidth"_s, &values_.LINES_WIDTH), 2, 1, 1, 2);
    grid->addWidget(new QLabel(u"框色或底色"_s), 3, 0);
    grid->addWidget(swatch, 3, 1);
    grid->addWidget(NewColorPick(this, u"colorPick"_s, &values_.COLOR, swatch), 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

void CDlgSetTechnique::accept()
{
    values_.TYPE = std::max(0, type_->currentIndex());
    values_.WIDTH_TYPE = std::max(0, widthType_->currentIndex());
    QDialog::accept();
}
