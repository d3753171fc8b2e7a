#include "app/files/ProjectFile.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/files/FileFrame.h"
#include "app/files/FileStamps.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/Paths.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/StyleBinary.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The woodblock edition converts the style-only files of versions 21 to 27;
// the others read their lists only from the version that stores covers.
bool ReadsListsOf(int32_t version)
{
    return version >= g_Edition->MinStyleListFileVersion();
}

TDisplayMode CurrentDisplayMode() { return {g_TwoPageMode != 0, g_FourInOneMode != 0}; }

// The set in use is now g_ParaSet: the current style and cover must be its
// records, also when they were taken from a book's set before.
void UseProjectParaSet()
{
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentStyle = RepointStyle(g_ParaSet.styles, g_CurrentStyle ? g_CurrentStyle->NAME : QString());
    if (g_CurrentCover)
        g_CurrentCover = g_ParaSet.covers.FindByName(&TCoverPara::NAME, g_CurrentCover->NAME);
}

// Whole for an accepted frame; a refusal is told to the user.
FileRead AcceptOrTell(FrameCheck check)
{
    if (check == FrameCheck::TooOld)
        TellUser(QStringLiteral("不支持此項目文件！"));
    else if (check == FrameCheck::ForeignMagic)
        TellUser(QStringLiteral("不是項目文件！"));
    if (check == FrameCheck::Ended)
        return FileRead::Damaged;
    return check == FrameCheck::Accepted ? FileRead::Whole : FileRead::Refused;
}

}  // namespace

QString ProjectFilePath() { return g_ProjectName + u'.' + g_Edition->Extension(FileKind::Project); }

FileRead ReadProjectData(TBinFile& file, TProjectData& data)
{
    int32_t version = 0;
    const FileRead frame = AcceptOrTell(ReadFileFrame(file, FileKind::Project, version));
    if (frame != FileRead::Whole)
        return frame;
    data.holdsLists = ReadsListsOf(version);
    if (data.holdsLists)
        ReadParaSet(file, version, data.set, CurrentDisplayMode());
    // A value no page can be made of is damage as much as a cut.
    if (FindLayoutFault(data.set))
        return FileRead::Damaged;
    return WholeUnlessEnded(file);
}

FileRead ReadProjectFile(const QString& path, TProjectData& data)
{
    TBinFile file;
    FileRead read = OpenToRead(file, path);
    if (read == FileRead::Whole)
        read = ReadProjectData(file, data);
    if (read == FileRead::Whole)
        RememberFileStamp(path);
    return read;
}

void UseProjectData(TProjectData&& data, const QString& path)
{
    g_ProjectName = StripExtension(path);
    g_ProjectFolder = GetFolderPart(path);
    if (data.holdsLists)
        ReplaceProjectParaSet(std::move(data.set));
    UseProjectParaSet();
    g_ProjectDirty = false;
}

bool ReadProjectFile(const QString& path)
{
    TProjectData data;
    if (!WholeOrTell(ReadProjectFile(path, data), path))
        return false;
    UseProjectData(std::move(data), path);
    return true;
}

FileRead ReadProjectFile(TBinFile& file, const QString& path)
{
    TProjectData data;
    const FileRead read = ReadProjectData(file, data);
    if (read == FileRead::Whole)
        UseProjectData(std::move(data), path);
    return read;
}

bool SaveProjectFile()
{
    if (g_ProjectName.isEmpty())
        return false;
    const QString path = ProjectFilePath();
    if (PathExists(path) && AskUser(QStringLiteral("文件已存在，是否覆蓋？")) != Prompter::Answer::Yes)
        return false;
    const bool saved = SaveBinFile(path, [](TBinFile& file) {
        WriteFileFrame(file, FileKind::Project, kParamFileVersion);
        WriteParaSet(g_ParaSet, file);
    });
    if (saved)
        g_ProjectDirty = false;
    return saved;
}
