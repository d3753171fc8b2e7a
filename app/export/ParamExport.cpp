#include "app/export/ParamExport.h"
#include "platform/Chooser.h"

#include "app/AppGlobals.h"
#include "app/dialogs/DialogServices.h"
#include "foundation/io/Paths.h"
#include "foundation/params/ParaFile.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

void ExportParams(const QString& projectName, const QString& volumeDataPath, const TParaSet& set)
{
    QString folder = GetFolderPart(projectName);
    if (folder.isEmpty())
        folder = GetFolderPart(volumeDataPath);
    if (folder.isEmpty())
        return;
    const QString name = projectName.isEmpty() ? QString() : GetFileNamePart(projectName);
    const QString path = CurrentChooser().SaveFile(u"參數文件 (*.pra)"_s, u"pra"_s, name, folder);
    if (path.isEmpty())
        return;
    TellUser(ExportParaFile(path, set) ? u"参数保存结束！"_s : u"打開文件寫出錯！"_s);
}

void OnExportParams(const QString& volumeDataPath)
{
    if (!g_VolumeShown || g_CellEditing || !g_CurrentParaSet)
        return;
    ExportParams(g_ProjectName, volumeDataPath, *g_CurrentParaSet);
}
