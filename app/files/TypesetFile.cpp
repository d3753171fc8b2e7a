#include "app/files/TypesetFile.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/files/CompanionPaths.h"
#include "app/files/FileFrame.h"
#include "app/files/IndexFile.h"
#include "app/files/VolumeDataFile.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/Paths.h"
#include "foundation/params/StyleBinary.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

namespace {

// Older typeset files carry no index worth reading.
constexpr int32_t kFirstIndexedVersion = 25;

QString TypesetExtension() { return g_Edition->Extension(FileKind::Typeset); }

int32_t Refuse(const QString& message)
{
    TellUser(message);
    return kTypesetFailed;
}

// The version and magic read; a refused frame is told to the user.
bool AcceptFrame(TBinFile& file, int32_t& version)
{
    const FrameCheck check = ReadFileFrame(file, FileKind::Typeset, version);
    if (check == FrameCheck::TooOld)
        Refuse(QStringLiteral("不支持此") + TypesetExtension() + QStringLiteral("文件！"));
    else if (check == FrameCheck::ForeignMagic)
        Refuse(QStringLiteral("不是排版文件！"));
    return check == FrameCheck::Accepted;
}

int32_t ReadTypeset(TBinFile& file, TBook& book)
{
    int32_t version = 0;
    if (!AcceptFrame(file, version))
        return kTypesetFailed;

    file.ReadInt32(book.coverPages);
    file.ReadInt32(book.backPages);
    TParaSet read;
    if (version >= g_Edition->MinStyleListFileVersion())
        ReadParaSet(file, version, read, {g_TwoPageMode != 0, g_FourInOneMode != 0});
    if (read.styles.IsEmpty())
        return Refuse(QStringLiteral("打開") + TypesetExtension() + QStringLiteral("文件出錯！"));
    book.parameters = std::move(read);
    file.Close();

    g_CurrentParaSet = &book.parameters;
    g_CurrentStyle = book.parameters.styles.First();
    if (version < kFirstIndexedVersion || !ReadIndexFile(book))
        return RebuildIndex(book) ? kTypesetRead : kTypesetFailed;
    return kTypesetRead;
}

}  // namespace

bool WriteTypesetFile(const TBook& book)
{
    const QString path = GetCompanionPath(&book, kTypesetCompanion);
    if (path.isEmpty())
        return false;
    const WaitCursor wait;
    const bool saved = SaveBinFile(path, [&book](TBinFile& file) {
        WriteFileFrame(file, FileKind::Typeset, kParamFileVersion);
        file.WriteInt32(book.coverPages);
        file.WriteInt32(book.backPages);
        WriteParaSet(book.parameters, file);
    });
    if (saved) {
        g_ProjectFolder = StripExtension(path);
        g_LastTypesetFolder = GetFolderPart(g_ProjectFolder);
    }
    return saved;
}

int32_t ReadTypesetFile(const QString& path, TBook& book)
{
    TBinFile file;
    return file.OpenRead(path) ? ReadTypeset(file, book) : kTypesetFailed;
}

bool IsTypesetFileOfEdition(const QString& path)
{
    TBinFile file;
    int32_t version = 0;
    if (!file.OpenRead(path)) {
        TellUser(QStringLiteral("打開") + TypesetExtension() + QStringLiteral("文件出錯！"));
        return false;
    }
    return AcceptFrame(file, version);
}

int32_t ReadTypesetFile(const QByteArray& bytes, TBook& book)
{
    TBinFile file;
    return file.OpenReadBuffer(bytes) ? ReadTypeset(file, book) : kTypesetFailed;
}

bool RebuildIndex(TBook& book)
{
    const WaitCursor wait;
    std::vector<QString> leafTexts;  // the shown volume's are not touched
    g_CurrentPages = &g_PageTable;
    for (TFile& volume : book.volumes) {
        if (!ReadVolumeDataFile(volume.name)) {
            TellUser(QStringLiteral("打開文件出錯！"));
            return false;
        }
        RebuildContents(leafTexts, false, false);
        CopyBookmarkTree(volume.contents, g_VolumeContents);
        volume.sections = g_SectionList;
        volume.pageCount = g_PageTable.pages.Size();
        volume.coverPages = g_CoverPages;
        volume.backPages = g_BackPages;
    }
    WriteIndexFile(book);
    return true;
}
