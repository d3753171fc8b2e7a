#include "app/controls/FolderDialog.h"

#include <QDialog>

#include "platform/Chooser.h"

CFolderDialog::CFolderDialog(const QString& title, const QString& initialFolder) : title_(title), folder_(initialFolder)
{
}

int CFolderDialog::DoModal()
{
    const QString chosen = CurrentChooser().Folder(folder_, title_);
    if (chosen.isEmpty())
        return QDialog::Rejected;
    folder_ = chosen;
    return QDialog::Accepted;
}

QString ShortenStatusPath(const QString& path)
{
    constexpr int kShown = 35;
    return path.size() > kShown ? path.left(kShown) + QStringLiteral("...") : path;
}
