#include "app/text/TextOpening.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
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
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

bool ReadTextLines(const QString& path)
{
    TTextFile file;
    if (!file.OpenRead(path))
        return false;
    g_TextLines.clear();
    QString line;
    while (file.ReadLine(line))
        g_TextLines.push_back(line);
    file.Close();
    return true;
}

// The text the user chose when it belongs to the open project, whatever its
// extension (or none); else the project's own text, g_ProjectName + ".txt".
QString ProjectTextPath(const TTypesetter& typesetter)
{
    if (!typesetter.textPath.isEmpty() && StripExtension(typesetter.textPath) == g_ProjectName)
        return typesetter.textPath;
    return g_ProjectName + QStringLiteral(".txt");
}

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

}  // namespace

bool OpenTextFile(const QString& path, PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    const QString base = StripExtension(path);
    if (!g_ProjectName.isEmpty() && g_ProjectName == base)
        return true;  // already open
    if (!AskSaveBeforeReplacing())
        return false;
    // Only now: after a Cancel, a later re-typeset must not honour the
    // text's 【CS…】 lines and replace the edited parameters.
    g_LoadingText = true;
    Frame().ResetProjectState();
    g_ProjectName = base;
    g_ProjectFolder = GetFolderPart(base);
    g_ProjectDirty = true;
    typesetter.textPath = path;
    if (ReadProjectFile(ProjectFilePath()))
        g_LoadingText = false;
    return OpenProjectText(view, typesetter, scan);
}

bool OpenProjectText(PageView& view, TTypesetter& typesetter, TScanSettings* scan)
{
    if (g_ProjectName.isEmpty())
        return false;
    g_TextName = GetFileNamePart(g_ProjectName);
    g_TextSavePath = g_ProjectName;
    Frame().SetDocumentTitle(g_TextName);
    return LoadAndShowText(view, typesetter, scan);
}

bool LoadTextLines(TTypesetter& typesetter, bool generating)
{
    const QString path = ProjectTextPath(typesetter);
    if (!ReadTextLines(path)) {
        TellUser(QStringLiteral("打开预处理文本文件出错！"));
        return false;
    }
    if (!generating)
        Frame().ShowTextPaneHideEditPane();
    typesetter.textPath = path;
    // The lines just read replace whatever the pane held.
    return TypesetTextLines(typesetter, generating);
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
    return true;
}
