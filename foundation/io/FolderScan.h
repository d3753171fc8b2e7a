#pragma once
// Folder scans. Each appends full paths (folder + "/" + name) to a list, in
// the order the file system gives the entries; nothing is sorted here. An
// empty or missing folder lists nothing. A file or folder whose name starts
// with "." is hidden.
#include <QString>
#include <QStringList>

// Files whose extension equals ext, ignoring the case of A to Z; hidden files
// are included. Sub-folders are scanned only when recursive is set.
void ListFilesByExt(const QString& folder, const QString& ext, QStringList& list, bool recursive);
// Every file below the folder except hidden ones; every sub-folder is scanned.
void ListAllFiles(const QString& folder, QStringList& list);
// The sub-folders that are not hidden; when recursive is set, the scan goes on
// inside each folder it lists.
void ListSubFolders(const QString& folder, QStringList& list, bool recursive);
