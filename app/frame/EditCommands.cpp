// The edit pane's command: 編輯窗口字體 sets the pane's font.
#include "app/commands/CommandIds.h"
#include "app/frame/MainWindow.h"
#include "app/panes/EditView.h"

void MainWindow::AddEditCommands()
{
    commands_.Add({{Cmd::EditFont, [this](int) { editView_->OnEditFont(); }}});
}
