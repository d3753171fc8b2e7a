#include "app/dialogs/DialogServices.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>

namespace {

class DesktopDialogs final : public DialogServices {
public:
    bool RunModal(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }

    bool PickColor(ColorRef& color) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(color));
        if (!chosen.isValid())
            return false;
        color = FromQColor(chosen);
        return true;
    }

    QString ChooseSaveFile(const QString& folder, const QString& name, const QString& filter,
                           const QString& defaultSuffix) override
    {
        QFileDialog dialog(nullptr, QString(), folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(name);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString ChooseFolder(const QString& folder) override
    {
        return QFileDialog::getExistingDirectory(nullptr, QString(), folder);
    }
};

DesktopDialogs desktop;
DialogServices* installed = nullptr;

}  // namespace

DialogServices& Dialogs() { return installed ? *installed : desktop; }

DialogServices* InstallDialogServices(DialogServices* services)
{
    DialogServices* previous = installed;
    installed = services;
    return previous;
}
