#include "app/files/FileFrame.h"

#include <QDir>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "platform/Prompter.h"

FrameCheck ReadFileFrame(TBinFile& file, FileKind kind, int32_t& version)
{
    if (!file.ReadInt32(version))
        version = 0;
    if (version < kOldestFileVersion)
        return FrameCheck::TooOld;
    if (version < kFirstMagicVersion)
        return FrameCheck::Accepted;
    QString magic;
    file.ReadString(magic);
    return magic == g_Edition->Magic(kind) ? FrameCheck::Accepted : FrameCheck::ForeignMagic;
}

int32_t WriteFileFrame(TBinFile& file, FileKind kind, int32_t version)
{
    return file.WriteInt32(version) + file.WriteString(g_Edition->Magic(kind));
}

bool SaveBinFile(const QString& path, const std::function<void(TBinFile&)>& write)
{
    TBinFile file;
    bool saved = file.OpenWrite(path);
    if (saved) {
        write(file);
        saved = file.Close();
    }
    if (!saved)
        TellUser(QStringLiteral("保存文件出錯！\n") + QDir::toNativeSeparators(path));
    return saved;
}
