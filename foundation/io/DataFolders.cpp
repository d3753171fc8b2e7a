#include "foundation/io/DataFolders.h"

#include <QStringList>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/FolderScan.h"
#include "foundation/io/Paths.h"
#include "foundation/io/PictureFiles.h"

QString GetDataFolder(int32_t kind)
{
    switch (kind) {
    case kCoverFolder:
        return GetAppFolder() + QStringLiteral("/data/covers");
    case 1:
    case 2:
    case 5:
        return g_ProjectFolder;
    case kCharFolder:
        // Without a project this would name a folder at the file system's root.
        return g_ProjectFolder.isEmpty() ? QString() : g_ProjectFolder + QStringLiteral("/gwords");
    case kGroundFolder:
        return GetAppFolder() + QStringLiteral("/data/grounds");
    default:
        return QString();
    }
}

QString ResolveImagePath(const QString& name, int32_t kind)
{
    const QString folder = GetDataFolder(kind);
    if (name.isEmpty() || folder.isEmpty())
        return QString();
    const QString path = folder + u'/' + name;
    if (PictureTypeFromExt(path) != kPictureOther)
        return path;
    return FindPictureFile(path);
}

QString ResolveImageRef(const TImageRef& ref)
{
    return ResolveImagePath(ref.name, ref.folderKind);
}

void ListGrounds(TImageRefList& list)
{
    list.Clear();
    QStringList files;
    ListAllFiles(GetDataFolder(kGroundFolder), files);
    for (const QString& file : files) {
        TImageRef* ref = list.AddNew();
        ref->folderKind = kGroundFolder;
        ref->name = GetFileNamePart(file);
    }
}

int32_t FindGround(const TImageRefList& list, const QString& name)
{
    return list.IndexOfName(&TImageRef::name, name);
}
