#include "foundation/io/Paths.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "foundation/FoundationGlobals.h"

namespace {

qsizetype LastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

// The "." of an extension is looked for in the last path component only, so
// that a dotted folder ("my.books/vol1") does not cut the path.
qsizetype ExtensionDot(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > LastSeparator(path) ? dot : -1;
}

}  // namespace

QString GetAppFolder()
{
    if (g_ProgramFolder.isEmpty())
        InitAppFolder();
    return g_ProgramFolder;
}

void InitAppFolder()
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString home = qEnvironmentVariable("VELLUMOR_HOME");
    if (home.isEmpty()) {
        g_ProgramPath = program;
        g_ProgramFolder = GetFolderPart(program);
        return;
    }
    // The program's path moves with its folder, so that what is kept beside
    // the program is kept in the chosen folder.
    g_ProgramFolder = QDir(home).absolutePath();
    g_ProgramPath = g_ProgramFolder + u'/' + GetFileNamePart(program);
}

QString GetFolderPart(const QString& path)
{
    const qsizetype sep = LastSeparator(path);
    return sep < 0 ? QString() : path.left(sep);
}

QString GetFileNamePart(const QString& path)
{
    return path.mid(LastSeparator(path) + 1);
}

QString GetFileTitlePart(const QString& path)
{
    return StripExtension(GetFileNamePart(path));
}

QString StripExtension(const QString& path)
{
    const qsizetype dot = ExtensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

QString GetFileExtPart(const QString& path)
{
    const qsizetype dot = ExtensionDot(path);
    return dot < 0 ? QString() : path.mid(dot + 1);
}

bool PathExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}
