#include "app/MessageBoxPrompter.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/dialogs/DialogServices.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

Prompter::Answer MessageBoxPrompter::Ask(const QString& text, Buttons buttons)
{
    QMessageBox box(QMessageBox::Question, g_Edition->Title(), text, QMessageBox::NoButton, DialogParent(parent_));
    QAbstractButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QAbstractButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    QAbstractButton* cancel = nullptr;
    if (buttons == Buttons::YesNoCancel) {
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(no);
    }
    box.setDefaultButton(static_cast<QPushButton*>(yes));
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no || !cancel)
        return Answer::No;
    return Answer::Cancel;
}

void MessageBoxPrompter::Tell(const QString& text)
{
    QMessageBox box(QMessageBox::Information, g_Edition->Title(), text, QMessageBox::NoButton, DialogParent(parent_));
    box.addButton(QStringLiteral("確定"), QMessageBox::AcceptRole);
    box.exec();
}
