#include "app/files/ProjectFile.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/files/FileFrame.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/Paths.h"
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

void ReadParaSetInPlace(TBinFile& file, int32_t version)
{
    TParaSet read;
    // A file that ends early still gives the records it holds whole.
    ReadParaSet(file, version, read, CurrentDisplayMode());
    ReplaceProjectParaSet(std::move(read));
}

// The set in use is now g_ParaSet: the current style and cover must be its
// records, also when they were taken from a book's set before.
void UseProjectParaSet()
{
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentStyle = RepointStyle(g_ParaSet.styles, g_CurrentStyle ? g_CurrentStyle->NAME : QString());
    if (g_CurrentCover)
        g_CurrentCover = g_ParaSet.covers.FindByName(&TCoverPara::NAME, g_CurrentCover->NAME);
}

// True for an accepted frame; a refusal is told to the user.
bool AcceptOrTell(FrameCheck check)
{
    if (check == FrameCheck::TooOld)
        TellUser(QStringLiteral("不支持此項目文件！"));
    else if (check == FrameCheck::ForeignMagic)
        TellUser(QStringLiteral("不是項目文件！"));
    return check == FrameCheck::Accepted;
}

}  // namespace

QString ProjectFilePath() { return g_ProjectName + u'.' + g_Edition->Extension(FileKind::Project); }

bool ReadProjectFile(const QString& path)
{
    TBinFile file;
    return file.OpenRead(path) && ReadProjectFile(file, path);
}

bool ReadProjectFile(TBinFile& file, const QString& path)
{
    int32_t version = 0;
    if (!AcceptOrTell(ReadFileFrame(file, FileKind::Project, version)))
        return false;

    g_ProjectName = StripExtension(path);
    g_ProjectFolder = GetFolderPart(path);
    if (ReadsListsOf(version))
        ReadParaSetInPlace(file, version);
    UseProjectParaSet();
    g_ProjectDirty = false;
    return true;
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
