#include "app/files/TypesetFile.h"

#include <functional>
#include <utility>

#include <QDateTime>
#include <QFileInfo>

#include "app/AppGlobals.h"
#include "app/files/CompanionPaths.h"
#include "app/files/FileFrame.h"
#include "app/files/FileStamps.h"
#include "app/files/IndexFile.h"
#include "app/files/VolumeDataFile.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/Paths.h"
#include "foundation/params/LayoutRanges.h"
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

FileRead Refuse(const QString& message)
{
    TellUser(message);
    return FileRead::Refused;
}

// The version and magic read; a refused frame is told to the user.
FileRead AcceptFrame(TBinFile& file, int32_t& version)
{
    const FrameCheck check = ReadFileFrame(file, FileKind::Typeset, version);
    if (check == FrameCheck::TooOld)
        return Refuse(QStringLiteral("不支持此") + TypesetExtension() + QStringLiteral("文件！"));
    if (check == FrameCheck::ForeignMagic)
        return Refuse(QStringLiteral("不是排版文件！"));
    return check == FrameCheck::Ended ? FileRead::Damaged : FileRead::Whole;
}

// The counts and the set into book; nothing else is touched.
FileRead ReadTypeset(TBinFile& file, TBook& book, int32_t& version)
{
    const FileRead frame = AcceptFrame(file, version);
    if (frame != FileRead::Whole)
        return frame;

    file.ReadInt32(book.coverPages);
    file.ReadInt32(book.backPages);
    TParaSet read;
    if (version >= g_Edition->MinStyleListFileVersion())
        ReadParaSet(file, version, read, {g_TwoPageMode != 0, g_FourInOneMode != 0});
    // A value no page can be made of is damage as much as a cut.
    if (file.AtEnd() || FindLayoutFault(read))
        return FileRead::Damaged;
    if (read.styles.IsEmpty())
        return Refuse(QStringLiteral("打開") + TypesetExtension() + QStringLiteral("文件出錯！"));
    book.parameters = std::move(read);
    return FileRead::Whole;
}

// A volume written after the index (a generation or save that did not get
// to the index) has an entry that may no longer hold.
bool NewerThanIndex(const TFile& volume, const QDateTime& indexed)
{
    return QFileInfo(volume.name).lastModified() > indexed;
}

bool RefreshIndexEntries(TBook& book, const std::function<bool(const TFile&)>& stale)
{
    const WaitCursor wait;
    std::vector<QString> leafTexts;  // the shown volume's are not touched
    g_CurrentPages = &g_PageTable;
    bool refreshed = false;
    for (TFile& volume : book.volumes) {
        if (!stale(volume))
            continue;
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
        refreshed = true;
    }
    if (refreshed)
        WriteIndexFile(book);
    return true;
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

FileRead ReadTypesetParameters(const QString& path, TBook& book, int32_t& version)
{
    TBinFile file;
    FileRead read = OpenToRead(file, path);
    if (read == FileRead::Whole)
        read = ReadTypeset(file, book, version);
    if (read == FileRead::Whole)
        RememberFileStamp(path);
    WholeOrTell(read, path);
    return read;
}

int32_t UseTypesetBook(TBook& book, int32_t version)
{
    g_CurrentParaSet = &book.parameters;
    g_CurrentStyle = book.parameters.styles.First();
    if (version < kFirstIndexedVersion || !ReadIndexFile(book))
        return RebuildIndex(book) ? kTypesetRead : kTypesetFailed;
    const QDateTime indexed = QFileInfo(GetCompanionPath(&book, kIndexCompanion)).lastModified();
    const auto stale = [&indexed](const TFile& volume) { return NewerThanIndex(volume, indexed); };
    return RefreshIndexEntries(book, stale) ? kTypesetRead : kTypesetFailed;
}

int32_t ReadTypesetFile(const QString& path, TBook& book)
{
    int32_t version = 0;
    if (ReadTypesetParameters(path, book, version) != FileRead::Whole)
        return kTypesetFailed;
    return UseTypesetBook(book, version);
}

bool IsTypesetFileOfEdition(const QString& path)
{
    TBinFile file;
    int32_t version = 0;
    if (!file.OpenRead(path)) {
        TellUser(QStringLiteral("打開") + TypesetExtension() + QStringLiteral("文件出錯！"));
        return false;
    }
    return WholeOrTell(AcceptFrame(file, version), path);
}

int32_t ReadTypesetFile(const QByteArray& bytes, TBook& book)
{
    TBinFile file;
    int32_t version = 0;
    if (!file.OpenReadBuffer(bytes) || ReadTypeset(file, book, version) != FileRead::Whole)
        return kTypesetFailed;
    file.Close();
    return UseTypesetBook(book, version);
}

bool RebuildIndex(TBook& book)
{
    return RefreshIndexEntries(book, [](const TFile&) { return true; });
}
