#include "app/text/TextCommands.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/files/ProjectFile.h"
#include "app/files/SavePrompts.h"
#include "app/navigation/PageNavigation.h"
#include "app/navigation/ViewData.h"
#include "app/text/TextOpening.h"
#include "app/view/PageView.h"
#include "app/view/ViewContents.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// "參數文件 (*.xmk)"
QString ProjectFilter()
{
    return QStringLiteral("參數文件 (*.") + g_Edition->Extension(FileKind::Project) + u')';
}

bool IsOpenProjectFile(const QString& path)
{
    return !g_ProjectName.isEmpty() && ProjectFilePath() == path;
}

}  // namespace

QString OpenDialogFolder() { return g_ProjectFolder.isEmpty() ? GetAppFolder() : g_ProjectFolder; }

void OnFileOpenText(ViewData& view, const ChooseFileToOpen& choose)
{
    const QString path = choose(QStringLiteral("預處理文本文件 (*.txt)"), OpenDialogFolder());
    if (!path.isEmpty())
        OpenTextFile(path, *view.pages, view.typesetter, &view.scan);
}

void OnFileOpenProject(ViewData& view, const ChooseFileToOpen& choose)
{
    const QString path = choose(ProjectFilter(), OpenDialogFolder());
    if (!path.isEmpty())
        OpenProjectPath(view, path);
}

bool OpenProjectPath(ViewData& view, const QString& path)
{
    if (IsOpenProjectFile(path))
        return true;
    if (!AskSaveBeforeReplacing())
        return false;
    return OpenProjectFile(path, *view.pages, view.typesetter, &view.scan);
}

bool RetypesetText(ViewData& view)
{
    const int32_t page = g_CurrentPage;
    if (!BuildPagesFromText(view.typesetter, view.generating))
        return false;
    if (!g_CurrentStyle && !g_CurrentCover)
        g_CurrentStyle = g_CurrentParaSet->styles.First();
    RebuildViewContents(*view.pages);
    view.pages->Refresh();
    Frame().FillPageCombo(g_CurrentPages->pages.Size());
    ShowPage(view, page);
    return true;
}

void RefreshAfterSettings(ViewData& view)
{
    const WaitCursor wait;
    if (g_CurrentBook) {
        view.pages->Refresh();
        return;
    }
    g_ProjectDirty = true;
    RetypesetText(view);
}
