// The edit pane's command: 編輯窗口字體 sets the pane's font, while a book's
// volume is shown.
#include "app/commands/CommandIds.h"
#include "app/frame/MainWindow.h"
#include "app/panes/EditView.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

void MainWindow::AddEditCommands()
{
    commands_.Add({{Cmd::EditFont, [this](int) { editView_->OnEditFont(); },
                    [](int) { return g_VolumeShown && !g_CellEditing && g_CurrentBook; }}});
}
