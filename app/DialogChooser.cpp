#include "app/DialogChooser.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>

#include "app/controls/FolderDialog.h"
#include "app/dialogs/DialogServices.h"

namespace {

QString RunFileDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QString DialogChooser::OpenFile(const QString& filter, const QString& startFolder)
{
    QFileDialog dialog(DialogParent(parent_), QString(), startFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return RunFileDialog(dialog);
}

QString DialogChooser::SaveFile(const QString& filter, const QString& defaultExt, const QString& proposedName,
                                const QString& startFolder)
{
    QFileDialog dialog(DialogParent(parent_), QString(), startFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExt);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    return RunFileDialog(dialog);
}

QString DialogChooser::Folder(const QString& startFolder, const QString& title)
{
    QFileDialog dialog(DialogParent(parent_), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The browser's status line: the folder in view, shortened.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* status = new QLabel(ShortenStatusPath(startFolder), &dialog);
        status->setObjectName(QStringLiteral("status"));
        grid->addWidget(status, grid->rowCount(), 0, 1, -1);
        const auto show = [status](const QString& path) { status->setText(ShortenStatusPath(path)); };
        QObject::connect(&dialog, &QFileDialog::directoryEntered, status, show);
        QObject::connect(&dialog, &QFileDialog::currentChanged, status, show);
    }
    return RunFileDialog(dialog);
}

bool DialogChooser::Colour(ColorRef& colour)
{
    const QColor initial(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    const QColor chosen =
        QColorDialog::getColor(initial, DialogParent(parent_), QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return false;
    colour = Rgb(uint8_t(chosen.red()), uint8_t(chosen.green()), uint8_t(chosen.blue()));
    return true;
}

bool DialogChooser::Font(QFont& font)
{
    bool chosen = false;
    const QFont picked =
        QFontDialog::getFont(&chosen, font, DialogParent(parent_), QString(), QFontDialog::DontUseNativeDialog);
    if (chosen)
        font = picked;
    return chosen;
}
