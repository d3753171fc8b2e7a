#include "app/dialogs/CDlgFont.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/EditEx.h"
#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/FontFaces.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kSizeItems[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr ColorRef kWhite = 0xFFFFFF;

bool SizeInRange(int size) { return size >= CDlgFont::kMinSize && size <= CDlgFont::kMaxSize; }

}  // namespace

CDlgFont::CDlgFont(const TFontAndColor& values, QWidget* parent) : QDialog(parent), values_(values)
{
    setWindowTitle(u"字體"_s);
    auto* grid = new QGridLayout;

    face_ = NewFaceCombo(this, u"face"_s, values_.face);
    face_->setEnabled(values_.faceSelectable != 0);
    style_ = NewStyleCombo(this, u"style"_s, values_.style);
    size_ = new QComboBox(this);
    size_->setObjectName(u"size"_s);
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : kSizeItems)
        size_->addItem(QString::number(size));
    size_->setEditText(QString::number(values_.size));
    grid->addWidget(new QLabel(u"字體"_s), 0, 0);
    grid->addWidget(new QLabel(u"字形"_s), 0, 1);
    grid->addWidget(new QLabel(u"大小"_s), 0, 2);
    grid->addWidget(face_, 1, 0);
    grid->addWidget(style_, 1, 1);
    grid->addWidget(size_, 1, 2);

    sample_ = new CEditEx(this);
    sample_->setText(u"字體舉例 Sample Text"_s);
    sample_->setObjectName(u"sample"_s);
    sample_->setReadOnly(true);
    sample_->setMinimumHeight(70);
    grid->addWidget(new QLabel(u"示例"_s), 2, 0);
    grid->addWidget(sample_, 3, 0, 1, 3);

    textSwatch_ = new ColorSwatch(this, u"textColor"_s);
    backSwatch_ = new ColorSwatch(this, u"backColor"_s);
    const auto sample = [this] { UpdateFontSample(); };
    QPushButton* textPick = NewColorPick(this, u"textColorPick"_s, &values_.textColor, textSwatch_, sample);
    backPick_ = NewColorPick(this, u"backColorPick"_s, &values_.backColor, backSwatch_, sample);
    auto* textLabel = new QLabel(u"文字色"_s);
    auto* backLabel = new QLabel(u"背景色"_s);
    grid->addWidget(textLabel, 4, 0);
    grid->addWidget(textSwatch_, 4, 1);
    grid->addWidget(textPick, 4, 2);
    grid->addWidget(backLabel, 5, 0);
    grid->addWidget(backSwatch_, 5, 1);
    grid->addWidget(backPick_, 5, 2);
    for (QWidget* w : {static_cast<QWidget*>(textLabel), static_cast<QWidget*>(backLabel),
                       static_cast<QWidget*>(textSwatch_), static_cast<QWidget*>(backSwatch_),
                       static_cast<QWidget*>(textPick), static_cast<QWidget*>(backPick_)})
        w->setVisible(showColors_);

    systemColor_ = new QCheckBox(u"系統色"_s, this);
    systemColor_->setObjectName(u"systemColor"_s);
    systemColor_->setChecked(values_.SYS_BKCOLOR != 0);
    connect(systemColor_, &QCheckBox::clicked, this, &CDlgFont::SystemColorToggled);
    grid->addWidget(systemColor_, 6, 0);

    script_ = new QComboBox(this);
    script_->setObjectName(u"script"_s);
    grid->addWidget(script_, 6, 1, 1, 2);
    connect(script_, &QComboBox::activated, this,
            [this](int index) { values_.charset = uint8_t(script_->itemData(index).toUInt()); });

    ShowBackColorPick();
    connect(face_, &QComboBox::activated, this, [this] { FaceChosen(false); });
    connect(style_, &QComboBox::activated, this, [this](int index) {
        values_.style = index;
        UpdateFontSample();
    });
    connect(size_, &QComboBox::activated, this, &CDlgFont::SizeChosen);
    connect(size_->lineEdit(), &QLineEdit::textEdited, this, &CDlgFont::SizeTyped);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewOkCancel(this, u"确定"_s));
    FaceChosen(true);
}

void CDlgFont::FaceChosen(bool opening)
{
    script_->clear();
    if (face_->currentIndex() >= 0 && face_->currentText() == face_->itemText(face_->currentIndex())) {
        values_.face = face_->currentText();
        for (const uint8_t charset : FaceCharsets(values_.face)) {
            const QString name = CharsetName(charset);
            if (!name.isEmpty() && script_->findText(name, Qt::MatchExactly) < 0)
                script_->addItem(name, uint(charset));
        }
        // At opening the stored script stays chosen when the face has it,
        // so that confirming the dialog unchanged is no change.
        const int stored = opening ? script_->findData(uint(values_.charset)) : -1;
        if (script_->count() > 0) {
            const int chosen = std::max(stored, 0);
            script_->setCurrentIndex(chosen);
            values_.charset = uint8_t(script_->itemData(chosen).toUInt());
        }
    }
    UpdateFontSample();
}

void CDlgFont::SizeChosen(int index)
{
    const int size = size_->itemText(index).toInt();
    if (!SizeInRange(size))
        return;
    values_.size = size;
    UpdateFontSample();
}

void CDlgFont::SizeTyped(const QString& text)
{
    bool ok = false;
    const int size = QLocale::c().toInt(text.trimmed(), &ok);
    if (ok && SizeInRange(size))
        values_.size = size;
}

void CDlgFont::SystemColorToggled(bool on)
{
    values_.SYS_BKCOLOR = on ? 1 : 0;
    ShowBackColorPick();
    UpdateFontSample();
}

void CDlgFont::ShowBackColorPick()
{
    if (values_.SYS_BKCOLOR != 0)
        values_.backColor = kWhite;
    backPick_->setHidden(values_.SYS_BKCOLOR != 0 || !showColors_);
    backSwatch_->SetColor(values_.backColor);
}

void CDlgFont::UpdateFontSample()
{
    TFont font = values_;
    QFont sampleFont = FontToQFont(font);
    sampleFont.setPointSize(values_.size);
    sample_->setFont(sampleFont);
    sample_->SetColors(showColors_ ? values_.textColor : 0, showColors_ ? values_.backColor : kWhite);
}

void CDlgFont::accept()
{
    if (face_->isEnabled())
        values_.face = FaceOfCombo(*face_, values_.face);
    values_.style = std::max(0, style_->currentIndex());
    QDialog::accept();
}
