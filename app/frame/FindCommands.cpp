// The find commands of the main window: the find window (編輯/查找和替換),
// find down and up (F3, F4 and the window's buttons), the window's replace
// buttons, and the centre-column texts of the 編輯 menu.
#include "app/commands/CommandIds.h"
#include "app/find/CentreTexts.h"
#include "app/find/FindDialog.h"
#include "app/find/FindReplace.h"
#include "app/frame/MainWindow.h"
#include "app/panes/EditView.h"
#include "app/view/CollatorView.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// Searching needs a volume of an open book shown and no cell edited.
bool CanEditFind(int = 0) { return g_VolumeShown && !g_CellEditing && g_CurrentBook; }

}  // namespace

void MainWindow::AddFindCommands()
{
    commands_.Add({
        {Cmd::Find, [this](int) { findDialog_->Open(); }, CanEditFind},
        {Cmd::FindDown,
         [this](int) {
             OnFindDown(view_->Data, *findDialog_);
             ShowHitsInEditPane();
         }},
        {Cmd::FindUp,
         [this](int) {
             OnFindUp(view_->Data, *findDialog_);
             ShowHitsInEditPane();
         }},
        {Cmd::AddCentreText, [this](int) { OnAddCentreText(view_->Data); }, [](int) { return CanAddCentreText(); }},
        {Cmd::DeleteCentreText, [this](int) { OnDeleteCentreText(view_->Data); },
         [](int) { return CanDeleteCentreText(); }},
        // What a seal would add to the page is not settled: shown, never enabled.
        {Cmd::AddSeal, [](int) {}, [](int) { return false; }},
    });
    // The window's buttons arrive queued, as posted messages would.
    connect(findDialog_, &CDlgFind::FindCommand, this,
            [this](int button) {
                OnFindDialogCommand(view_->Data, *findDialog_, button);
                ShowHitsInEditPane();
            });
    connect(findDialog_, &CDlgFind::CommandRequested, this, [this](int id) { Dispatch(id); }, Qt::QueuedConnection);
}

// A hit on the page already shown refills nothing: the edit pane's cells are
// drawn again with it.
void MainWindow::ShowHitsInEditPane() { editView_->List().viewport()->update(); }
