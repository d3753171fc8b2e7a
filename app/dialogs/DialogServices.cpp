#include "app/dialogs/DialogServices.h"

#include <QApplication>
#include <QDialog>

#include "app/AppGlobals.h"

namespace {

class DesktopDialogs final : public DialogServices {
public:
    bool RunModal(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
};

}  // namespace

DialogServices& Dialogs()
{
    static DesktopDialogs desktop;
    DialogServices* installed = g_InstalledDialogs.Get();
    return installed ? *installed : desktop;
}

DialogServices* InstallDialogServices(DialogServices* services) { return g_InstalledDialogs.Install(services); }

QWidget* DialogParent(QWidget* fallback)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : fallback;
}
