#pragma once
// What the dialogs ask of the desktop: running a dialog modally and the
// common colour, save-file and folder dialogs. The application installs the
// real ones; tests install a fake that fills a dialog's controls and answers,
// so that no test ever blocks in a modal loop.
#include <QString>

#include "platform/WinTypes.h"

class QDialog;

class DialogServices {
public:
    virtual ~DialogServices() = default;
    // Runs the dialog modally; true when it was accepted (確定).
    virtual bool RunModal(QDialog& dialog) = 0;
    // The colour dialog started on color; true (color then the choice) on OK.
    virtual bool PickColor(ColorRef& color) = 0;
    // A save-file dialog in folder proposing name; the chosen path, or empty
    // on cancel. filter is in Qt's form ("書籤文件 (*.txt)").
    virtual QString ChooseSaveFile(const QString& folder, const QString& name, const QString& filter,
                                   const QString& defaultSuffix) = 0;
    // A folder dialog started in folder; the chosen folder, or empty.
    virtual QString ChooseFolder(const QString& folder) = 0;
};

// The services in force: the installed ones, else the desktop's.
DialogServices& Dialogs();
// Installs services (not owned; null restores the desktop's). Returns the
// ones installed before.
DialogServices* InstallDialogServices(DialogServices* services);
