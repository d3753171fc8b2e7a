#include "foundation/io/FolderScan.h"

#include <functional>

#include <QDirIterator>
#include <QFileInfo>

#include "foundation/io/Paths.h"

namespace {

// Calls visit(full path, entry) for each entry of one folder except "." and "..".
void ForEachEntry(const QString& folder, const std::function<void(const QString&, const QFileInfo&)>& visit)
{
    if (folder.isEmpty())
        return;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        visit(folder + u'/' + entry.fileName(), entry);
    }
}

// Folders reached through a link are listed but not entered: a link back up
// the tree would otherwise never end the scan.
bool MayDescend(const QFileInfo& entry)
{
    return entry.isDir() && !entry.isSymLink();
}

bool EqualsIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = char16_t(x + (u'a' - u'A'));
        if (y >= u'A' && y <= u'Z')
            y = char16_t(y + (u'a' - u'A'));
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

void ListFilesByExt(const QString& folder, const QString& ext, QStringList& list, bool recursive)
{
    ForEachEntry(folder, [&](const QString& path, const QFileInfo& entry) {
        if (entry.isDir()) {
            if (recursive && MayDescend(entry))
                ListFilesByExt(path, ext, list, recursive);
        } else if (EqualsIgnoringAsciiCase(GetFileExtPart(entry.fileName()), ext)) {
            list.append(path);
        }
    });
}

void ListAllFiles(const QString& folder, QStringList& list)
{
    ForEachEntry(folder, [&](const QString& path, const QFileInfo& entry) {
        if (entry.isDir()) {
            if (MayDescend(entry))
                ListAllFiles(path, list);
        } else if (!entry.isHidden()) {
            list.append(path);
        }
    });
}

void ListSubFolders(const QString& folder, QStringList& list, bool recursive)
{
    ForEachEntry(folder, [&](const QString& path, const QFileInfo& entry) {
        if (!entry.isDir() || entry.isHidden())
            return;
        list.append(path);
        if (recursive && MayDescend(entry))
            ListSubFolders(path, list, recursive);
    });
}
