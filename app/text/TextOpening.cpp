#include "app/text/TextOpening.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include <QDir>
#include <QFileInfo>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/dialogs/ProgressReporter.h"
#include "app/files/ProjectFile.h"
#include "app/files/SavePrompts.h"
#include "app/files/ScanSettingsFile.h"
#include "app/view/PageView.h"
#include "app/view/ViewContents.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "foundation/io/TextFile.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

// Reading's steps in the progress of a long open.
constexpr qint64 kReadStepBytes = 256 * 1024;

QString ReadingLabel(const QString& name, qint64 done, qint64 size)
{
    return QStringLiteral("讀取 %1（%2/%3 MB）")
        .arg(name)
        .arg(double(done) / 1e6, 0, 'f', 1)
        .arg(double(size) / 1e6, 0, 'f', 1);
}

// Every line of the open file; with progress, a step for each stretch of
// the file read, and false once 取消 was pressed.
bool ReadEveryLine(TTextFile& file, std::vector<QString>& lines, ProgressReporter* progress, const QString& name)
{
    const qint64 size = file.ByteSize();
    if (progress)
        progress->Restart(int32_t(std::min<qint64>(size / kReadStepBytes + 1, INT32_MAX)));
    qint64 next = 0;
    QString line;
    while (file.ReadLine(line)) {
        lines.push_back(std::move(line));
        const qint64 done = file.BytesRead();
        if (!progress || done < next)
            continue;
        if (!progress->StepLabelled(int32_t(done / kReadStepBytes), ReadingLabel(name, done, size)))
            return false;
        next = (done / kReadStepBytes + 1) * kReadStepBytes;
    }
    return true;
}

// The lines of a text file; false, after saying why, when it cannot be
// read or holds no line, and without a word for 取消 in progress.
bool ReadTextLines(const QString& path, std::vector<QString>& lines, ProgressReporter* progress = nullptr)
{
    TTextFile file;
    if (file.OpenRead(path)) {
        const bool whole = ReadEveryLine(file, lines, progress, GetFileNamePart(path));
        file.Close();
        if (!whole) {
            lines.clear();
            return false;
        }
        if (!lines.empty())
            return true;
    }
    if (progress)
        progress->Close();
    if (QFileInfo(path).isFile() && lines.empty())
        TellUser(QStringLiteral("預處理文本文件是空的，無法打開：%1").arg(QDir::toNativeSeparators(path)));
    else
        TellUser(QStringLiteral("打开预处理文本文件出错！"));
    return false;
}

// The text the user chose when it belongs to the project named base,
// whatever its extension (or none); else the project's own text,
// base + ".txt".
QString ProjectTextPath(const TTypesetter& typesetter, const QString& base)
{
    if (!typesetter.textPath.isEmpty() && StripExtension(typesetter.textPath) == base)
        return typesetter.textPath;
    return base + QStringLiteral(".txt");
}

QString ProjectFileOf(const QString& base) { return base + u'.' + g_Edition->Extension(FileKind::Project); }

bool TypesetTextLines(TTypesetter& typesetter, bool generating)
{
    // The run may replace or delete the styles the view points at: keep
    // their names and point again afterwards.
    const QString styleName = g_CurrentStyle ? g_CurrentStyle->NAME : QString();
    typesetter.display = {g_TwoPageMode != 0, g_FourInOneMode != 0};
    const bool typeset = TypesetPages(g_ParaSet, g_PageTable, typesetter);
    if (g_CurrentStyle)
        g_CurrentStyle = RepointStyle(g_ParaSet.styles, styleName);
    if (!typeset)
        return false;
    g_CurrentPages = &g_PageTable;
    g_CurrentParaSet = &g_ParaSet;
    if (!typesetter.title.isEmpty())
        g_TextName = typesetter.title;
    Frame().RebuildParaMenu();
    if (!generating)
        Frame().LoadTextPane();
    return true;
}

// Head notes are set in the head box; a style whose head box has no height
// has no room for them, and the reader is told rather than left to find
// them missing.
void ReportHeadNotesWithoutRoom()
{
    const bool headNotes = std::any_of(g_TextLines.begin(), g_TextLines.end(),
                                       [](const QString& line) { return line.contains(u"【MP"); });
    if (headNotes && g_CurrentStyle && g_CurrentStyle->HEAD_BOX.size.BOX_HEIGHT <= 0)
        TellUser(QStringLiteral("本文有眉批，但版式的頁眉框高度為0，眉批未排出。"));
}

// Makes lines, read from path, the text and typesets them.
bool TakeTextLines(std::vector<QString>&& lines, const QString& path, TTypesetter& typesetter, bool generating)
{
    g_TextLines = std::move(lines);
    if (!generating)
        Frame().ShowTextPaneHideEditPane();
    typesetter.textPath = path;
    return TypesetTextLines(typesetter, generating);
}

// A text typeset aside, under the parameter set it will open with, before
// anything of what is open is replaced: a long text shows its progress, and
// 取消 or a failure leaves the open project, its pages and panes untouched.
struct StagedText {
    TParaSet set;
    TPageTable table;
    std::vector<QString> lines;
    QString title;
    int32_t coverPages = 0;
    int32_t backPages = 0;
};

// The typesetting globals a run changes, put back when the run is aside.
class TypesetGlobalsAside {
public:
    TypesetGlobalsAside()
        : table_(g_TypesetTable), covers_(g_CoverPages), backs_(g_BackPages), loading_(g_LoadingText),
          styleName_(g_TypesetStyleName)
    {
    }
    ~TypesetGlobalsAside()
    {
        g_TypesetTable = table_;
        g_CoverPages = covers_;
        g_BackPages = backs_;
        g_LoadingText = loading_;
        g_TypesetStyleName = styleName_;
    }
    TypesetGlobalsAside(const TypesetGlobalsAside&) = delete;
    TypesetGlobalsAside& operator=(const TypesetGlobalsAside&) = delete;

private:
    TPageTable* table_;
    int32_t covers_;
    int32_t backs_;
    bool loading_;
    QString styleName_;
};

// Typesets staged.lines under staged.set into staged.table, the text's
// 【CS…】 lines honoured when loadingText, as the next stage of progress.
// False for 取消 and a failed run.
bool TypesetAside(StagedText& staged, const QString& path, TTypesetter& typesetter, bool loadingText,
                  ProgressReporter& progress)
{
    const TypesetGlobalsAside globals;
    const QString textPath = typesetter.textPath;
    const TDisplayMode display = typesetter.display;
    std::swap(g_TextLines, staged.lines);
    g_LoadingText = loadingText;
    typesetter.textPath = path;
    // As the reset state will have them: 4-in-1 display needs a book.
    typesetter.display = {g_TwoPageMode != 0 && g_Edition->HasTwoPageCommand(), false};
    progress.Restart(int32_t(std::min<size_t>(g_TextLines.size(), INT32_MAX)));
    const QString name = GetFileNamePart(path);
    typesetter.progress = [&progress, &name](size_t done, size_t) { return progress.Step(int32_t(done), name); };
    const bool typeset = TypesetPages(staged.set, staged.table, typesetter);
    typesetter.progress = nullptr;
    std::swap(g_TextLines, staged.lines);
    staged.title = typesetter.title;
    staged.coverPages = g_CoverPages;
    staged.backPages = g_BackPages;
    if (!typeset) {
        typesetter.textPath = textPath;
        typesetter.display = display;
    }
    return typeset;
}

// Makes the staged text the open project's text, set and pages (after the
// reset and the project's names).
void TakeStagedText(StagedText&& staged)
{
    ReplaceProjectParaSet(std::move(staged.set));
    g_TextLines = std::move(staged.lines);
    g_PageTable = std::move(staged.table);
    g_CoverPages = staged.coverPages;
    g_BackPages = staged.backPages;
    g_LoadingText = false;
    g_CurrentPages = &g_PageTable;
    g_CurrentParaSet = &g_ParaSet;
    if (!staged.title.isEmpty())
        g_TextName = staged.title;
    Frame().ShowTextPaneHideEditPane();
    Frame().RebuildParaMenu();
    Frame().LoadTextPane();
}

// The open project's text names the document.
void NameProjectText()
{
    g_TextName = GetFileNamePart(g_ProjectName);
    g_TextSavePath = g_ProjectName;
    Frame().SetDocumentTitle(g_TextName);
}

// The typeset text shown from its first page.
void ShowTypesetText(PageView& view, TScanSettings* scan)
{
    Frame().HideEditPane();
    if (scan)
        ReadScanSettingsFile(g_ProjectName + u'.' + g_Edition->Extension(FileKind::ScanSettings), *scan);
    g_CurrentStyle = g_CurrentParaSet->styles.First();
    g_CurrentCover = nullptr;
    g_VolumeShown = true;
    g_CurrentPage = 0;
    for (TStyle& style : g_CurrentParaSet->styles)
        SyncStyleFonts(style);
    RebuildViewContents(view);
    view.Refresh();
    view.GoToPage(0);
    Frame().FillPageCombo(g_CurrentPages->pages.Size());
    ReportHeadNotesWithoutRoom();
}

}  // namespace

bool OpenTextFile(const QString& path, PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    const QString base = StripExtension(path);
    if (!g_ProjectName.isEmpty() && g_ProjectName == base)
        return true;  // already open
    if (!AskSaveBeforeReplacing())
        return false;
    // What the open needs is read and typeset before anything is replaced:
    // a text or project file that cannot be used, and 取消 in the progress
    // of reading or typesetting, leave what was open as it was.
    ProgressReporter progress(QStringLiteral("打開文本"), 0);
    std::vector<QString> lines;
    if (!ReadTextLines(path, lines, &progress))
        return false;
    TProjectData project;
    const QString projectPath = ProjectFileOf(base);
    const FileRead projectRead = ReadProjectFile(projectPath, project);
    if (projectRead == FileRead::Damaged) {
        progress.Close();
        return WholeOrTell(projectRead, projectPath);
    }
    StagedText staged;
    staged.lines = std::move(lines);
    const bool withProject = projectRead == FileRead::Whole && project.holdsLists;
    if (withProject)
        staged.set = std::move(project.set);
    else
        AddNewStyle(staged.set.styles, {g_TwoPageMode != 0, g_FourInOneMode != 0})->NAME = kDefaultStyleName;
    if (!TypesetAside(staged, path, typesetter, projectRead != FileRead::Whole, progress))
        return false;
    // Loading the text pane and showing the first page take a moment more,
    // past the point where 取消 could leave the open text as it was.
    progress.Finish(QStringLiteral("載入 %1").arg(GetFileNamePart(path)));
    const WaitCursor wait;
    Frame().ResetProjectState();
    g_ProjectName = base;
    g_ProjectFolder = GetFolderPart(base);
    // A text without its project file is a modified project.
    g_ProjectDirty = projectRead != FileRead::Whole;
    NameProjectText();
    TakeStagedText(std::move(staged));
    progress.Close();
    ShowTypesetText(view, scan);
    return true;
}

bool OpenProjectFile(const QString& path, PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    // A project's own parameters are never replaced by its text's 【CS…】
    // lines, also not on a later re-typeset after a failed open.
    g_LoadingText = false;
    TProjectData project;
    std::vector<QString> lines;
    const QString base = StripExtension(path);
    const QString textPath = ProjectTextPath(typesetter, base);
    if (!WholeOrTell(ReadProjectFile(path, project), path) || !ReadTextLines(textPath, lines)) {
        TellUser(QStringLiteral("打开项目文件出错！"));
        return false;
    }
    Frame().ResetProjectState();
    UseProjectData(std::move(project), path);
    NameProjectText();
    if (!TakeTextLines(std::move(lines), textPath, typesetter, false))
        return false;
    ShowTypesetText(view, scan);
    return true;
}

bool OpenProjectText(PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    if (g_ProjectName.isEmpty())
        return false;
    NameProjectText();
    return LoadAndShowText(view, typesetter, scan);
}

bool LoadTextLines(TTypesetter& typesetter, bool generating)
{
    const QString path = ProjectTextPath(typesetter, g_ProjectName);
    std::vector<QString> lines;
    // The lines just read replace whatever the pane held.
    return ReadTextLines(path, lines) && TakeTextLines(std::move(lines), path, typesetter, generating);
}

bool BuildPagesFromText(TTypesetter& typesetter, bool generating)
{
    // The pane is loaded again afterwards: what was typed in it is typeset,
    // not lost.
    if (!generating)
        Frame().ApplyTextPaneEdits();
    return TypesetTextLines(typesetter, generating);
}

bool LoadAndShowText(PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    if (!LoadTextLines(typesetter, false))
        return false;
    ShowTypesetText(view, scan);
    return true;
}
