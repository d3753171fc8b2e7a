#include "app/files/FileFrame.h"

#include <QDir>
#include <QFileInfo>

#include "app/files/FileStamps.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "platform/Prompter.h"

FrameCheck ReadFileFrame(TBinFile& file, FileKind kind, int32_t& version)
{
    if (!file.ReadInt32(version))
        return FrameCheck::Ended;
    if (version < kOldestFileVersion)
        return FrameCheck::TooOld;
    if (version < kFirstMagicVersion)
        return FrameCheck::Accepted;
    QString magic;
    if (!file.ReadString(magic))
        return FrameCheck::Ended;
    return magic == g_Edition->Magic(kind) ? FrameCheck::Accepted : FrameCheck::ForeignMagic;
}

FileRead OpenToRead(TBinFile& file, const QString& path)
{
    if (file.OpenRead(path))
        return FileRead::Whole;
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0 ? FileRead::Damaged : FileRead::Refused;
}

FileRead WholeUnlessEnded(const TBinFile& file) { return file.AtEnd() ? FileRead::Damaged : FileRead::Whole; }

void TellDamagedFile(const QString& path)
{
    TellUser(QStringLiteral("文件已損壞，無法打開：%1").arg(QDir::toNativeSeparators(path)));
}

bool WholeOrTell(FileRead read, const QString& path)
{
    if (read == FileRead::Damaged)
        TellDamagedFile(path);
    return read == FileRead::Whole;
}

int32_t WriteFileFrame(TBinFile& file, FileKind kind, int32_t version)
{
    return file.WriteInt32(version) + file.WriteString(g_Edition->Magic(kind));
}

bool SaveBinFile(const QString& path, const std::function<void(TBinFile&)>& write, OverwriteCheck check)
{
    // Another program may have saved the file since it was read: its work
    // is not written over without a question.
    if (check == OverwriteCheck::AskWhenChanged && !FileUnchangedSinceSeen(path) &&
        AskUser(QStringLiteral("文件在讀入後已被其他程序修改：%1\n是否覆蓋？").arg(QDir::toNativeSeparators(path))) !=
            Prompter::Answer::Yes)
        return false;
    TBinFile file;
    bool saved = file.OpenWrite(path);
    if (saved) {
        write(file);
        saved = file.Close();
    }
    if (saved)
        RememberFileStamp(path);
    else
        TellUser(QStringLiteral("保存文件出錯！\n") + QDir::toNativeSeparators(path));
    return saved;
}
