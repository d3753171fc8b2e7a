// The main window's command tables: the frame's own commands, the file
// commands built so far, the view's display commands and the settings
// range. Commands whose handlers come with their own parts (navigation,
// find, printing, centre texts, export, generating and opening books) are
// added by those parts; until then they stay disabled.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/files/BookLayoutCommands.h"
#include "app/files/ProjectFile.h"
#include "app/files/SavePrompts.h"
#include "app/frame/AppLook.h"
#include "app/frame/FocusEdit.h"
#include "app/frame/MainWindow.h"
#include "app/frame/MenuResource.h"
#include "app/navigation/PageNavigation.h"
#include "app/text/TextCommands.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "platform/Chooser.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

#include <QSettings>

namespace {

using namespace Qt::StringLiterals;

// The page view takes commands: a volume shown and no grid cell edited.
bool ViewLive(int = 0) { return g_VolumeShown && !g_CellEditing; }

// An edit command on the widget that has the focus, with its rule.
Command FocusEditCommand(int id, EditVerb verb)
{
    return {id, [verb](int) { EditFocus(verb, QApplication::focusWidget()); },
            [verb](int) { return CanEditFocus(verb, QApplication::focusWidget()); }};
}

void RunAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setWindowTitle(u"関於Vellumor"_s);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(g_Edition->Title() + u"\nVellumor 1.0"_s, &box));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

// The open dialogs' chooser.
QString ChooseToOpen(const QString& filter, const QString& start) { return CurrentChooser().OpenFile(filter, start); }

}  // namespace

void MainWindow::AddFrameCommands()
{
    commands_.Add({
        {Cmd::About, [this](int) { RunAboutBox(this); }},
        {Cmd::Exit, [this](int) { close(); }},
        FocusEditCommand(Cmd::Undo, EditVerb::Undo),
        FocusEditCommand(Cmd::Cut, EditVerb::Cut),
        FocusEditCommand(Cmd::Copy, EditVerb::Copy),
        FocusEditCommand(Cmd::Paste, EditVerb::Paste),
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
        {Cmd::OpenText, [this](int) { OnFileOpenText(view_->Data, ChooseToOpen); }},
        {Cmd::OpenProject, [this](int) { OnFileOpenProject(view_->Data, ChooseToOpen); }},
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
    // The print editions have no such command: they switch with 'D' alone.
    if (EditionHasCommand(Cmd::TwoPage))
        commands_.Add({Cmd::TwoPage,
                       [this](int) {
                           if (g_FourInOneMode)
                               view_->ToggleFourInOne();
                           view_->ToggleTwoPage();
                       },
                       [](int) { return IsDisplayToggleEnabled(); }, [](int) { return g_TwoPageMode != 0; }});
    commands_.Add({
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

