#pragma once
// Choosing a folder: the folder browser the generating command runs (through
// the installed chooser, so tests script it) and the status text it shows
// for a path.
#include <QString>

class CFolderDialog {
public:
    CFolderDialog(const QString& title, const QString& initialFolder);

    // QDialog::Accepted with a folder chosen; QDialog::Rejected on Cancel,
    // the initial folder then kept.
    int DoModal();
    QString GetFolderPath() const { return folder_; }

private:
    QString title_;
    QString folder_;
};

// A path longer than 35 characters as its first 35 and "...".
QString ShortenStatusPath(const QString& path);
