#include "app/panes/TextFindDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/panes/TextView.h"

TextFindDialog::TextFindDialog(TShow& editor, bool replace, QWidget* parent) : QDialog(parent), editor_(editor)
{
    setWindowTitle(replace ? QStringLiteral("替換") : QStringLiteral("查找"));
    setModal(false);
    find_ = new QLineEdit(this);
    replace_ = new QLineEdit(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("查找內容："), find_);
    if (replace)
        fields->addRow(QStringLiteral("替換為："), replace_);
    else
        replace_->hide();
    down_ = new QRadioButton(QStringLiteral("向下"), this);
    up_ = new QRadioButton(QStringLiteral("向上"), this);
    down_->setChecked(true);
    auto* direction = new QHBoxLayout;
    direction->addWidget(up_);
    direction->addWidget(down_);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& caption, auto action) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    add(QStringLiteral("查找下一個"), [this] { editor_.FindNext(find_->text(), Down()); });
    if (replace) {
        add(QStringLiteral("替換"), [this] { editor_.ReplaceOne(find_->text(), replace_->text(), Down()); });
        add(QStringLiteral("全部替換"), [this] { editor_.ReplaceAll(find_->text(), replace_->text(), Down()); });
    }
    add(QStringLiteral("取消"), [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(direction);
    layout->addLayout(buttons);
}

void TextFindDialog::SetDown(bool down)
{
    (down ? down_ : up_)->setChecked(true);
}

bool TextFindDialog::Down() const
{
    return down_->isChecked();
}
