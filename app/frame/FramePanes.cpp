// The panes of the main window: the text pane and its part in the save
// questions, the edit pane, the directory pane and its navigation, and the
// find window.
#include <QDockWidget>

#include "app/AppGlobals.h"
#include "app/find/FindDialog.h"
#include "app/frame/MainWindow.h"
#include "app/navigation/PageNavigation.h"
#include "app/panes/DirectoryPane.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "app/state/WorkingState.h"
#include "app/text/TextCommands.h"
#include "app/view/CollatorView.h"
#include "app/view/ViewContents.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Chooser.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

namespace {

QString ChooseTextSavePath()
{
    const QString proposed = g_ProjectName.isEmpty() ? QString() : g_ProjectName + u".txt"_s;
    const QString folder = g_ProjectFolder.isEmpty() ? GetAppFolder() : g_ProjectFolder;
    return CurrentChooser().SaveFile(u"預處理文本文件 (*.txt)"_s, u"txt"_s, proposed, folder);
}

}  // namespace

void MainWindow::BuildPanes()
{
    textView_ = new TTextView(textDock_);
    textDock_->setWidget(textView_);
    textView_->SetHost({
        .goToShownPage = [this](int32_t shown) { view_->GoToPage(shown); },
        .retypeset = [this] { RefreshAfterSettings(view_->Data); },
        .chooseSavePath = ChooseTextSavePath,
        .chooseFont = [](QFont& font) { return CurrentChooser().Font(font); },
    });
    SetTextPaneSaving({
        .applyEdits = [this] { textView_->ApplyEdits(); },
        .isModified = [this] { return textView_->TextChanged(); },
        .save = [this] { return textView_->SaveText(); },
    });

    editView_ = new TEditView(editDock_);
    editDock_->setWidget(editView_);
    editView_->List().SetGoToCurrentPage([this] { GoToPageFromCombo(view_->Data, g_CurrentPage); });

    fileView_ = new CMFileView(directoryDock_);
    directoryDock_->setWidget(fileView_);
    fileView_->Tree().SetBookList(&view_->Data.books);
    fileView_->Tree().SetNavigation({
        .goToVolumePage = [this](int32_t volume, int32_t, int32_t page,
                                 const QString&) { return view_->ShowVolumePage(volume, page); },
        .goToShownPage = [this](int32_t shown) { view_->GoToPage(shown); },
    });

    findDialog_ = new CDlgFind(this);
}

void MainWindow::LoadTextPane() { textView_->LoadText(); }

void MainWindow::ApplyTextPaneEdits() { textView_->ApplyEdits(); }

void MainWindow::EmptyDirectoryTree() { fileView_->Tree().clear(); }

void MainWindow::FillBookTree() { fileView_->Tree().FillBookTree(); }

void MainWindow::MarkShownVolume() { fileView_->Tree().MarkShownVolume(); }

void MainWindow::SetContentsTree(int shownPages) { fileView_->SetContentsTree(GetTextName(), shownPages); }

void MainWindow::RefreshPageTree()
{
    RebuildViewContents(*view_);
    if (TFile* volume = GetVolume(g_CurrentBook, g_CurrentVolume))
        CopyBookmarkTree(volume->contents, g_VolumeContents);
    FillBookTree();
    view_->Refresh();
}
