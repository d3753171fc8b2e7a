#include "app/files/FileStamps.h"

#include <QFileInfo>

#include "app/AppGlobals.h"

namespace {

TFileStamp StampOf(const QFileInfo& info) { return {info.size(), info.lastModified().toMSecsSinceEpoch()}; }

}  // namespace

void RememberFileStamp(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        g_FileStamps[info.absoluteFilePath()] = StampOf(info);
}

bool FileUnchangedSinceSeen(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return true;
    const auto seen = g_FileStamps.find(info.absoluteFilePath());
    return seen == g_FileStamps.end() || seen->second == StampOf(info);
}
