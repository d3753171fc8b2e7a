// The main window's command tables: the frame's own commands, the file
// commands built so far, the view's display commands and the settings
// range. Commands whose handlers come with their own parts (navigation,
// find, printing, centre texts, export, generating and opening books) are
// added by those parts; until then they stay disabled.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/files/BookLayoutCommands.h"
#include "app/files/ProjectFile.h"
#include "app/files/SavePrompts.h"
#include "app/frame/AppLook.h"
#include "app/frame/MainWindow.h"
#include "app/navigation/PageNavigation.h"
#include "app/text/TextCommands.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

#include <QSettings>

namespace {

using namespace Qt::StringLiterals;

// The page view takes commands: a volume shown and no grid cell edited.
bool ViewLive(int = 0) { return g_VolumeShown && !g_CellEditing; }

// The focused widget's own clipboard or undo slot, when it has one (the
// grid, the text pane, an edit).
void ToFocusWidget(const char* slot)
{
    if (QWidget* focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

void RunAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setWindowTitle(u"関於Vellumor"_s);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(g_Edition->Title() + u"\nVellumor 1.0"_s, &box));
    box.exec();
}

}  // namespace

void MainWindow::AddFrameCommands()
{
    commands_.Add({
        {Cmd::About, [this](int) { RunAboutBox(this); }},
        {Cmd::Exit, [this](int) { close(); }},
        {Cmd::Undo, [](int) { ToFocusWidget("undo"); }},
        {Cmd::Cut, [](int) { ToFocusWidget("cut"); }},
        {Cmd::Copy, [](int) { ToFocusWidget("copy"); }},
        {Cmd::Paste, [](int) { ToFocusWidget("paste"); }},
        {Cmd::NextPane, [this](int) { CycleFocus(1); }},
        {Cmd::PreviousPane, [this](int) { CycleFocus(-1); }},
        {Cmd::DirectoryPane, [this](int) { ToggleDock(*directoryDock_); }, {},
         [this](int) { return directoryDock_->isVisible(); }},
        {Cmd::EditPane, [this](int) { ToggleDock(*editDock_); }, {}, [this](int) { return editDock_->isVisible(); }},
        {Cmd::LookFirst, Cmd::LookLast, [this](int id) { SetLook(id); }, {}, [](int id) { return id == g_AppLook; }},
    });
}

void MainWindow::AddFileCommands()
{
    commands_.Add({
        {Cmd::FileNew, [this](int) { FileNew(); }},
        {Cmd::OpenText, [this](int) { OpenTextCommand(); }},
        {Cmd::SaveProject, [](int) { SaveProjectFile(); }},
        {Cmd::FileSave,
         [this](int) {
             if (!ViewLive())
                 return;
             if (g_CurrentBook)
                 SaveShownVolume();
             else
                 SaveProjectFile();
         },
         [](int) { return !g_CurrentBook || (ViewLive() && g_VolumeDirty); }},
        {Cmd::SaveVolume, [](int) { SaveShownVolume(); },
         [](int) { return ViewLive() && g_CurrentBook && g_VolumeDirty; }},
        {Cmd::SaveLayout, [](int) { OnFileSaveLayout(); }, [](int) { return CanSaveLayout(); }},
    });
}

void MainWindow::AddViewCommands()
{
    commands_.Add({
        {Cmd::TwoPage,
         [this](int) {
             if (g_FourInOneMode)
                 view_->ToggleFourInOne();
             view_->ToggleTwoPage();
         },
         // The print editions switch with 'D' alone.
         [](int) { return IsDisplayToggleEnabled() && g_Edition->HasTwoPageCommand(); },
         [](int) { return g_TwoPageMode != 0; }},
        {Cmd::FourInOne, [this](int) { view_->ToggleFourInOne(); }, [](int) { return IsDisplayToggleEnabled(); },
         [](int) { return g_FourInOneMode != 0; }},
        {Cmd::PageCombo, [this](int) { GoToPageFromCombo(view_->Data, pageCombo_->currentIndex()); }, ViewLive},
        {Cmd::FirstPage, Cmd::LastPage, [this](int id) { OnNavigate(id, view_->Data); },
         [](int id) { return IsNavigationEnabled(id); }},
        {Cmd::ZoomIn, [this](int) { ZoomIn(); }},
        {Cmd::ZoomOut, [this](int) { ZoomOut(); }},
    });
}

void MainWindow::ZoomIn()
{
    const int next = view_->NextZoomIn();
    if (next != g_ZoomIndex)
        SelectZoom(next);
}

void MainWindow::ZoomOut()
{
    const int next = view_->NextZoomOut();
    if (next != g_ZoomIndex)
        SelectZoom(next);
}

void MainWindow::SelectZoom(int index)
{
    zoomCombo_->setCurrentIndex(index);
    view_->setFocus();
    view_->ApplyZoomIndex(index);
}

void MainWindow::ToggleDock(QDockWidget& dock)
{
    dock.setVisible(!dock.isVisible());
    if (dock.isVisible())
        dock.raise();
}

void MainWindow::CycleFocus(int step)
{
    const std::vector<QWidget*> panes = {view_, directoryDock_, editDock_, textDock_};
    int at = 0;
    for (int i = 0; i < int(panes.size()); ++i)
        if (panes[size_t(i)]->isAncestorOf(QApplication::focusWidget()) || panes[size_t(i)] == QApplication::focusWidget())
            at = i;
    for (int k = 1; k <= int(panes.size()); ++k) {
        QWidget* pane = panes[size_t((at + step * k + 4 * int(panes.size())) % int(panes.size()))];
        if (pane->isVisible()) {
            pane->setFocus();
            return;
        }
    }
}

void MainWindow::SetLook(int id)
{
    g_AppLook = id;
    ApplyAppLook(id);
    QSettings(u"raze"_s, g_Edition->ProgramName()).setValue(u"ApplicationLook"_s, id);
}

