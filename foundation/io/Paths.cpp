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
    const qsizetype sep = LastSeparator(path);
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > sep)
        return path.mid(sep + 1, dot - sep - 1);
    return path.mid(sep + 1);
}

QString StripExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path : path.left(dot);
}

QString GetFileExtPart(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1);
}

bool PathExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}
