#include "app/dialogs/CDlgSetCircle.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/FieldBinder.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetCircle::CDlgSetCircle(const TCirclePara& values, QWidget* parent) : QDialog(parent), values_(values)
{
    setWindowTitle(u"設置帶圈文字"_s);
    auto* binder = new FieldBinder(this);
    type_ = NewChoiceCombo(this, u"type"_s, {u"帶圈"_s, u"反白"_s}, values_.TYPE);
    auto* swatch = new ColorSwatch(this, u"color"_s);
    useTextFont_ = new QCheckBox(u"使用正文字體"_s, this);
    useTextFont_->setObjectName(u"useTextFont"_s);
    useTextFont_->setChecked(values_.USE_TEXT_FONT);
    font_ = NewFontButton(this, u"字體"_s, u"font"_s, &values_.font, {true, true, true});
    connect(useTextFont_, &QCheckBox::clicked, this, [this](bool on) { font_->setEnabled(!on); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"類型"_s), 0, 0);
    grid->addWidget(type_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(u"框色或底色"_s), 1, 0);
    grid->addWidget(swatch, 1, 1);
    grid->addWidget(NewColorPick(this, u"colorPick"_s, &values_.COLOR, swatch), 1, 2);
    grid->addWidget(new QLabel(u"框線粗"_s), 2, 0);
    grid->addWidget(binder->Hundredths(this, u"lineWidth"_s, &values_.LINES_WIDTH), 2, 1, 1, 2);
    grid->addWidget(useTextFont_, 3, 0, 1, 2);
    grid->addWidget(font_, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

void CDlgSetCircle::accept()
{
    values_.TYPE = std::max(0, type_->currentIndex());
    values_.USE_TEXT_FONT = useTextFont_->isChecked();
    QDialog::accept();
}
