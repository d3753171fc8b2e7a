#include "app/books/BookGeneration.h"

#include <vector>

#include <QDialog>
#include <QDir>

#include "app/AppGlobals.h"
#include "app/books/BookOpening.h"
#include "app/controls/FolderDialog.h"
#include "app/dialogs/ProgressReporter.h"
#include "app/files/CompanionPaths.h"
#include "app/files/IndexFile.h"
#include "app/files/ProjectFile.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/PageNavigation.h"
#include "app/state/WorkingState.h"
#include "app/text/TextOpening.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

using namespace Qt::StringLiterals;

QString ExtensionOf(FileKind kind) { return g_Edition->Extension(kind); }

// The path with its extension replaced by that of kind.
QString CompanionOfText(const QString& textPath, FileKind kind)
{
    return StripExtension(textPath) + u'.' + ExtensionOf(kind);
}

// The folder to generate from; empty for Cancel.
QString ChooseTextFolder()
{
    CFolderDialog dialog(u"選擇目録："_s, g_ProjectFolder.isEmpty() ? GetAppFolder() : g_ProjectFolder);
    return dialog.DoModal() == QDialog::Accepted ? dialog.GetFolderPath() : QString();
}

// Gives the volume's styles and covers to the gathered set where it has
// none of that name yet.
void GatherParameters(TParaSet& gathered, const TParaSet& volume)
{
    for (const TStyle& style : volume.styles)
        if (!gathered.styles.FindByName(&TStyle::NAME, style.NAME))
            gathered.styles.Append(std::make_unique<TStyle>(style));
    const std::pair<const QString*, TCoverPara* (*)(TParaSet&)> covers[] = {{&kCoverName, GetCoverPara},
                                                                            {&kBackCoverName, GetBackCoverPara}};
    for (const auto& [name, recordOf] : covers) {
        const TCoverPara* cover = volume.covers.FindByName(&TCoverPara::NAME, *name);
        if (cover && !gathered.covers.FindByName(&TCoverPara::NAME, *name))
            *recordOf(gathered) = *cover;
    }
}

// The first volume sets the cover counts every other must have.
bool AgreeCoverCounts(CollatorView& view)
{
    if (view.AgreedCoverPages == -1)
        view.AgreedCoverPages = g_CoverPages;
    if (view.AgreedBackPages == -1)
        view.AgreedBackPages = g_BackPages;
    if (g_CoverPages == view.AgreedCoverPages && g_BackPages == view.AgreedBackPages)
        return true;
    TellUser(u"封面封底数据不一致！"_s);
    return false;
}

// What a volume leaves behind: no project open, an empty set, no page
// shown, so that the next volume starts clean.
void EndVolume(CollatorView& view)
{
    g_ProjectName.clear();
    g_ProjectDirty = false;
    ReplaceProjectParaSet(TParaSet());
    g_VolumeShown = false;
    g_CurrentPage = -1;
    g_ShownTextPage = -1;
    g_ShownTextPage2 = -1;
    view.GoToPage(-1);
}

bool TypesetVolumeText(CollatorView& view, const QString& textPath)
{
    view.Data.generating = true;
    g_LoadingText = true;
    g_ProjectName = StripExtension(textPath);
    g_ProjectDirty = true;
    // As when the text is opened alone: its file's name unless it names its
    // book; never the title of the volume before.
    g_TextName = GetFileNamePart(g_ProjectName);
    view.Data.typesetter.textPath = textPath;
    if (ReadProjectFile(ProjectFilePath()))
        g_LoadingText = false;
    if (LoadTextLines(view.Data.typesetter, true))
        return true;
    TellUser(u"打開TXT文件失敗！\n"_s + QDir::toNativeSeparators(textPath));
    return false;
}

void RecordVolume(TFile& volume)
{
    std::vector<QString> leafTexts;  // nothing is drawn while generating
    RebuildContents(leafTexts, false, false);
    CopyBookmarkTree(volume.contents, g_VolumeContents);
    volume.sections = g_SectionList;
    volume.pageCount = g_CurrentPages->pages.Size();
    volume.coverPages = g_CoverPages;
    volume.backPages = g_BackPages;
}

// 取消 stops between two volumes: the volumes before stay written, the rest
// untouched, and no typeset or index file is written.
bool GenerateVolumes(TBook& book, CollatorView& view)
{
    view.GenerateSet = TParaSet();
    view.AgreedCoverPages = -1;
    view.AgreedBackPages = -1;
    const int32_t count = book.volumes.Size();
    ProgressReporter progress(u"生成排版文件"_s, count);
    for (int32_t v = 0; v < count; ++v) {
        TFile& volume = book.volumes[v];
        if (!progress.Step(v, GetFileTitlePart(volume.name))) {
            TellUser(u"生成排版文件已取消：已生成%1冊，共%2冊，未寫排版文件。"_s.arg(v).arg(count));
            return false;
        }
        if (!GenerateVolumeFromText(volume, view, volume.name))
            return false;
    }
    book.coverPages = view.AgreedCoverPages;
    book.backPages = view.AgreedBackPages;
    book.parameters.styles = view.GenerateSet.styles;
    book.parameters.covers = view.GenerateSet.covers;
    g_CurrentParaSet = &book.parameters;
    g_CurrentStyle = book.parameters.styles.First();
    return FinishGeneratedBook(book);
}

}  // namespace

bool GenerateVolumeFromText(TFile& volume, CollatorView& view, const QString& textPath)
{
    if (!TypesetVolumeText(view, textPath))
        return false;
    RecordVolume(volume);
    GatherParameters(view.GenerateSet, *g_CurrentParaSet);
    if (!AgreeCoverCounts(view) || !WriteVolumeDataFile(CompanionOfText(textPath, FileKind::VolumeData)))
        return false;
    EndVolume(view);
    return true;
}

bool FinishGeneratedBook(TBook& book)
{
    if (!WriteTypesetFile(book) || !WriteIndexFile(book))
        return false;
    g_CurrentBook = &book;
    Parse4in1Splits(g_4in1Data, Get4in1SplitText());
    Build4in1PageOrder(g_4in1Data);
    return true;
}

void LeaveBook(const TBook& book)
{
    if (g_CurrentBook == &book)
        g_CurrentBook = nullptr;
    if (g_CurrentParaSet != &book.parameters)
        return;
    for (const TStyle& style : book.parameters.styles)
        ReleaseCurrentLists(style);
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentStyle = g_ParaSet.styles.First();
    g_CurrentCover = nullptr;
}

std::unique_ptr<TBook> GenerateTypesetBook(CollatorView& view, const FileNewStep& fileNew)
{
    const QString folder = ChooseTextFolder();
    if (folder.isEmpty())
        return nullptr;
    auto book = std::make_unique<TBook>();
    book->LoadFolder(folder, u"txt"_s);
    if (book->volumes.Size() == 0) {
        TellUser(u"文件夾中沒有TXT文件！"_s);
        return nullptr;
    }
    if (g_PageTable.pages.Size() > 0) {
        if (AskUser(u"生成前必須清除當前數據，是否繼續？"_s, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return nullptr;
        if (fileNew && !fileNew())
            return nullptr;
    }
    view.GeneratedFolder = GetFileNamePart(folder);
    bool generated = false;
    {
        const WaitCursor wait;
        generated = GenerateVolumes(*book, view);
    }
    view.Data.generating = false;
    if (generated) {
        TellUser(u"生成排版文件结束！"_s);
        return book;
    }
    // The failed volume's text is no open project: nothing half-made stays.
    LeaveBook(*book);
    ResetProjectState(view);
    return nullptr;
}

void OnFileMakeTypeset(CollatorView& view, const FileNewStep& fileNew, const std::function<void()>& showBookPanes)
{
    const std::unique_ptr<TBook> book = GenerateTypesetBook(view, fileNew);
    if (!book)
        return;
    OpenTypesetFile(view, GetCompanionPath(book.get(), kTypesetCompanion), showBookPanes);
    LeaveBook(*book);
}
