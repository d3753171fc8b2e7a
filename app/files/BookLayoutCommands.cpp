#include "app/files/BookLayoutCommands.h"

#include <vector>

#include "app/AppGlobals.h"
#include "app/files/CompanionPaths.h"
#include "app/files/FourInOneFile.h"
#include "app/files/TypesetFile.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"

void OnFileSaveLayout()
{
    if (g_CurrentBook && g_LayoutDirty && WriteTypesetFile(*g_CurrentBook))
        g_LayoutDirty = false;
}

bool CanSaveLayout() { return g_VolumeShown && !g_CellEditing && g_CurrentBook && g_LayoutDirty; }

void OnEditFourInOne(TPara4in1& para, const FourInOneEditor& edit)
{
    const std::vector<int32_t> groupEnds = g_4in1Data.groupEnds;
    if (!edit(para))
        return;
    if (g_4in1Data.groupEnds != groupEnds)
        Build4in1PageOrder(g_4in1Data);
    Write4in1File(GetCompanionPath(g_CurrentBook, kFourInOneCompanion), para);
}
