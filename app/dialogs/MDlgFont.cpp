#include "app/dialogs/MDlgFont.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/FieldBinder.h"
#include "app/dialogs/RecordDialogParts.h"
#include "app/dialogs/DialogParts.h"

using namespace Qt::StringLiterals;

MDlgFont::MDlgFont(const TFontStyle& values, const FontStyleDialogFlags& flags, const MDlgFontLabels& labels,
                   QWidget* parent)
    : QDialog(parent), values_(values), binder_(new FieldBinder(this))
{
    setWindowTitle(u"字體"_s);
    auto* grid = new QGridLayout;
    BuildFaceRow(grid);

    style_ = NewStyleCombo(this, u"style"_s, values_.TYPE);
    grid->addWidget(new QLabel(u"字形"_s), 1, 0);
    grid->addWidget(style_, 1, 1, 1, 3);

    const struct {
        const char16_t* caption;
        const char16_t* name;
        int32_t* field;
        int row, column;
        bool enabled;
    } edits[] = {
        {u"字高", u"size", &values_.SIZE, 2, 0, flags.sizeEditable},
        {nullptr, u"wordHeight", &values_.WORD_HEIGHT, 2, 2, flags.wordHeightEditable},
        {u"字寬", u"width", &values_.WIDTH, 3, 0, flags.sizeEditable},
        {nullptr, u"wordWidth", &values_.WORD_WIDTH, 3, 2, flags.wordWidthEditable},
    };
    for (const auto& e : edits) {
        const QString caption = e.caption ? QString::fromUtf16(e.caption)
                                          : (e.field == &values_.WORD_HEIGHT ? labels.wordHeight : labels.wordWidth);
        auto* label = new QLabel(caption);
        label->setObjectName(QString::fromUtf16(e.name) + u"Label"_s);
        QLineEdit* edit = binder_->Hundredths(this, QString::fromUtf16(e.name), e.field);
        edit->setEnabled(e.enabled);
        grid->addWidget(label, e.row, e.column);
        grid->addWidget(edit, e.row, e.column + 1);
    }

    swatch_ = new ColorSwatch(this, u"color"_s);
    QPushButton* pick = NewColorPick(this, u"colorPick"_s, &values_.COLOR, swatch_);
    grid->addWidget(new QLabel(u"顏色"_s), 4, 0);
    grid->addWidget(swatch_, 4, 1);
    grid->addWidget(pick, 4, 2);

    doubleLine_ = new QCheckBox(u"双行"_s, this);
    doubleLine_->setObjectName(u"doubleLine"_s);
    doubleLine_->setChecked(values_.DOUBLE_LINE);
    doubleLine_->setEnabled(flags.doubleLineEditable);
    connect(doubleLine_, &QCheckBox::clicked, this, &MDlgFont::DoubleLineToggled);
    grid->addWidget(doubleLine_, 5, 0, 1, 2);

    align_ = new QButtonGroup(this);
    auto* alignRow = new QHBoxLayout;
    const QString alignCaptions[] = {labels.left, u"居中"_s, labels.right, u"靠攏"_s, u"移動"_s};
    for (int i = 0; i < 5; ++i) {
        alignButtons_[i] = new QRadioButton(alignCaptions[i], this);
        alignButtons_[i]->setObjectName(u"align%1"_s.arg(i));
        align_->addButton(alignButtons_[i], i);
        alignRow->addWidget(alignButtons_[i]);
    }
    move_ = binder_->Hundredths(this, u"move"_s, &values_.move);
    alignRow->addWidget(move_);
    const int align = std::clamp(values_.ALIGN, int32_t(FontAlign::LEFT), int32_t(FontAlign::MOVE));
    alignButtons_[align]->setChecked(true);
    move_->setEnabled(align == FontAlign::MOVE);
    connect(align_, &QButtonGroup::idClicked, this, &MDlgFont::AlignChosen);
    grid->addLayout(alignRow, 6, 0, 1, 4);

    grid->addWidget(new QLabel(u"框寬"_s), 7, 0);
    grid->addWidget(binder_->Hundredths(this, u"outline"_s, &values_.OUTLINE_WIDTH), 7, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

void MDlgFont::BuildFaceRow(QGridLayout* grid)
{
    face_ = NewFaceCombo(this, u"face"_s, values_.NAME);
    grid->addWidget(new QLabel(u"字體"_s), 0, 0);
    grid->addWidget(face_, 0, 1, 1, 3);
}

void MDlgFont::AlignChosen(int align)
{
    values_.ALIGN = align;
    move_->setEnabled(align == FontAlign::MOVE);
}

void MDlgFont::DoubleLineToggled(bool on)
{
    values_.DOUBLE_LINE = on;
    alignButtons_[FontAlign::CLOSE]->setEnabled(on);
    if (!on && values_.ALIGN == FontAlign::CLOSE) {
        values_.ALIGN = FontAlign::MID;
        alignButtons_[FontAlign::MID]->setChecked(true);
    }
}

void MDlgFont::accept()
{
    values_.NAME = FaceOfCombo(*face_, values_.NAME);
    values_.TYPE = std::max(0, style_->currentIndex());
    values_.DOUBLE_LINE = doubleLine_->isChecked();
    values_.ALIGN = std::max(0, align_->checkedId());
    QDialog::accept();
}
