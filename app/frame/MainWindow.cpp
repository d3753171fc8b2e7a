#include "app/frame/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/files/SavePrompts.h"
#include "app/frame/AppLook.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "app/state/WorkingState.h"
#include "app/text/TextOpening.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Chooser.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kIdleUpdateMs = 200;

QSettings Profile() { return QSettings(u"raze"_s, g_Edition->ProgramName()); }

}  // namespace

// The view first, then bars, panes and the frame's settings, then the view's
// initial update, as the framework builds a frame.
MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), view_(new CollatorView(this))
{
    g_AppLook = Profile().value(u"ApplicationLook"_s, kDefaultAppLook).toInt();
    ApplyAppLook(g_AppLook);
    setCentralWidget(view_);
    setWindowTitle(g_Edition->Title());
    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    BuildDocks();
    AddFrameCommands();
    AddFileCommands();
    AddViewCommands();
    AddSettingsCommands();
    AddFindCommands();
    AddEditCommands();
    AddBookCommands();
    commands_.AfterCommand = [this] { UpdateCommandUI(); };
    connect(view_, &PageView::currentPageChanged, this, [this](int page) { ShownPageChanged(page); });
    connect(view_, &PageView::commandRequested, this, [this](int id) { Dispatch(id); });
    previousFrame_ = InstallFrameServices(this);

    g_ZoomIndex = 3;  // the view's first zoom, unless the settings say otherwise
    g_ProjectFolder.clear();
    LoadSettings();
    RestoreLayout();
    zoomCombo_->setCurrentIndex(g_ZoomIndex);
    InitialUpdate();

    idleUpdate_ = new QTimer(this);
    connect(idleUpdate_, &QTimer::timeout, this, &MainWindow::UpdateCommandUI);
    idleUpdate_->start(kIdleUpdateMs);
    UpdateCommandUI();
    view_->setFocus();
}

MainWindow::~MainWindow() { InstallFrameServices(previousFrame_); }

void MainWindow::InitialUpdate()
{
    ::ResetProjectState(*view_);
    FileNew();
}

bool MainWindow::FileNew()
{
    if (!AskSaveBeforeReplacing())
        return false;
    view_->GoToPage(g_CurrentPage);
    ::ResetProjectState(*view_);
    SetDocumentTitle(QString());
    ShowTextPaneHideEditPane();
    view_->viewport()->update();
    return true;
}

bool MainWindow::OpenText(const QString& path)
{
    return OpenTextFile(path, *view_, view_->Data.typesetter, &view_->Data.scan);
}

void MainWindow::SetDocumentTitle(const QString& title)
{
    setWindowTitle(title.isEmpty() ? g_Edition->Title() : title + u" - "_s + g_Edition->Title());
}

void MainWindow::FillPageCombo(int count)
{
    const int a = g_CoverPages;
    const int b = g_BackPages;
    pageCombo_->clear();
    if (a == 1)
        pageCombo_->addItem(u"封面頁"_s);
    if (g_FourInOneMode) {
        for (int f = 1; f <= GetShownPageCount() - b - a; ++f)
            pageCombo_->addItem(QString::number(ContinuousPageNumber(1) + f - 1));
    } else if (g_TwoPageMode) {
        const int m = count - b - a;
        for (int i = 1; i < m; i += 2)
            pageCombo_->addItem(u"%1-%2"_s.arg(i).arg(i + 1));
    } else {
        for (int i = 1; i <= count - b - a; ++i)
            pageCombo_->addItem(QString::number(i));
    }
    if (b == 1)
        pageCombo_->addItem(u"封底頁"_s);
    ShownPageChanged(g_CurrentPage);
}

void MainWindow::ShownPageChanged(int shownPage)
{
    pageCombo_->setCurrentIndex(shownPage < pageCombo_->count() ? shownPage : -1);
    StatusPane(2).setText(g_VolumeShown ? ShownPageStatusText(g_TextName) : QString());
    // Without a book the text pane follows the page.
    if (!g_CurrentBook && textView_ && !textView_->ShowAll())
        textView_->ShowText();
    editView_->List().LoadPage();
}

void MainWindow::RebuildParaMenu()
{
    // Deleting the old entries unmakes their actions: nothing keeps them.
    for (QAction* action : settingsMenu_->actions()) {
        settingsMenu_->removeAction(action);
        delete action;
    }
    auto add = [this](int id, const QString& text) {
        QAction* action = settingsMenu_->addAction(text);
        action->setData(id);
    };
    add(Cmd::EditFont, u"編輯窗口字體"_s);
    if (!g_CurrentParaSet)
        return;
    if (g_CurrentParaSet->covers.FindByName(&TCoverPara::NAME, kCoverName))
        add(Cmd::SettingsCover, u"排版參數-封面"_s);
    int n = 0;
    for (const TStyle& style : g_CurrentParaSet->styles)
        add(Cmd::SettingsStyles + n++, u"排版參數-"_s + style.NAME);
    UpdateCommandUI();
}

void MainWindow::ShowTextPaneHideEditPane()
{
    editDock_->hide();
    textDock_->show();
    textDock_->raise();
}

void MainWindow::HideEditPane() { editDock_->hide(); }

void MainWindow::ResetFramePanes()
{
    pageCombo_->clear();
    StatusPane(2).clear();
    EmptyDirectoryTree();
    textView_->ClearText();
    RebuildParaMenu();
}

void MainWindow::SaveLayout()
{
    QSettings profile = Profile();
    profile.setValue(u"MainWindow/State"_s, saveState());
    profile.setValue(u"MainWindow/Geometry"_s, saveGeometry());
}

void MainWindow::RestoreLayout()
{
    QSettings profile = Profile();
    restoreGeometry(profile.value(u"MainWindow/Geometry"_s).toByteArray());
    restoreState(profile.value(u"MainWindow/State"_s).toByteArray());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!AskSaveBeforeClosing()) {
        event->ignore();
        return;
    }
    SaveSettings();
    SaveLayout();
    pageCombo_->clear();
    event->accept();
}

void MainWindow::ResetProjectState() { ::ResetProjectState(*view_); }

bool MainWindow::AskSavePreText() { return ::AskSavePreText(textPane_); }
