#include "app/dialogs/DialogServices.h"

#include <QDialog>

namespace {

class DesktopDialogs final : public DialogServices {
public:
    bool RunModal(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
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
