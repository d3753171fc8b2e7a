#include "app/find/FindDialog.h"

#include <array>

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CDlgFind::CDlgFind(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("查找"));
    setModal(false);
    find_ = new QLineEdit(this);
    replace_ = new QLineEdit(this);
    thisVolume_ = new QRadioButton(QStringLiteral("本冊"), this);
    allVolumes_ = new QRadioButton(QStringLiteral("所有冊"), this);
    thisVolume_->setChecked(true);
    connect(thisVolume_, &QRadioButton::clicked, this, [this] { scope_ = ThisVolume; });
    connect(allVolumes_, &QRadioButton::clicked, this, [this] { scope_ = AllVolumes; });
    connect(find_, &QLineEdit::textChanged, this, &CDlgFind::UpdateFindButtons);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("查找"), find_);
    fields->addRow(QStringLiteral("替换为"), replace_);
    auto* scope = new QHBoxLayout;
    scope->addWidget(thisVolume_);
    scope->addWidget(allVolumes_);
    scope->addStretch();

    auto* buttons = new QGridLayout;
    buttons->addWidget(AddButton(QStringLiteral("向上查找"), FindUp), 0, 0);
    buttons->addWidget(AddButton(QStringLiteral("向下查找"), kFindDownCommand), 0, 1);
    buttons->addWidget(AddButton(QStringLiteral("替换本字"), ReplaceChar), 1, 0);
    buttons->addWidget(AddButton(QStringLiteral("替换本冊"), ReplaceVolume), 1, 1);
    buttons->addWidget(AddButton(QStringLiteral("替換所有冊"), ReplaceAllVolumes), 2, 0);
    buttons->addWidget(AddButton(QStringLiteral("取消"), Cancel), 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(scope);
    layout->addLayout(buttons);
    UpdateFindButtons();
}

QPushButton* CDlgFind::AddButton(const QString& caption, int id)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    if (id == kFindDownCommand)
        connect(button, &QPushButton::clicked, this, [this] { emit CommandRequested(kFindDownCommand); });
    else if (id == Cancel)
        connect(button, &QPushButton::clicked, this, &CDlgFind::reject);
    else
        connect(button, &QPushButton::clicked, this, [this, id] { emit FindCommand(id); }, Qt::QueuedConnection);
    return button;
}

QPushButton* CDlgFind::ButtonOf(int id) const
{
    return findChild<QPushButton*>(QString::number(id));
}

void CDlgFind::Open()
{
    if (isVisible())
        return;
    matched_ = false;
    UpdateFindButtons();
    show();
}

QString CDlgFind::FindText() const { return find_->text(); }
QString CDlgFind::ReplaceText() const { return replace_->text(); }
void CDlgFind::SetFindText(const QString& text) { find_->setText(text); }

void CDlgFind::SetMatched(bool matched)
{
    matched_ = matched;
    UpdateFindButtons();
}

void CDlgFind::UpdateFindButtons()
{
    const bool hasText = !find_->text().isEmpty();
    for (int id : {int(FindUp), kFindDownCommand, int(ReplaceChar), int(ReplaceVolume)})
        ButtonOf(id)->setEnabled(hasText);
    replace_->setEnabled(hasText && matched_);
    ButtonOf(ReplaceAllVolumes)->setEnabled(true);
}

void CDlgFind::FocusReplaceEdit()
{
    activateWindow();
    replace_->setFocus();
}

// 取消, Escape and the window's close all end here.
void CDlgFind::reject()
{
    emit FindCommand(Cancel);
    QDialog::reject();
}
