// The main window's bars: menus, toolbars with their combos, the status bar
// and the docks; and the update pass over every action.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/frame/MainWindow.h"
#include "app/frame/MenuResource.h"
#include "app/panes/TextView.h"
#include "render/RenderGlobals.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kComboWidth = 80;

// Standard images for the toolbar commands that have a fitting one; the
// others show their short text.
QIcon IconOf(int id, const QStyle& style)
{
    switch (id) {
    case Cmd::FileNew:
        return style.standardIcon(QStyle::SP_FileIcon);
    case Cmd::OpenProject:
        return style.standardIcon(QStyle::SP_DirOpenIcon);
    case Cmd::SaveProject:
        return style.standardIcon(QStyle::SP_DialogSaveButton);
    case Cmd::About:
        return style.standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

int CommandIdOf(const QAction* action)
{
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setFixedWidth(kComboWidth);
    combo->setFocusPolicy(Qt::ClickFocus);
    return combo;
}

QDockWidget* MakeDock(QMainWindow& window, const QString& title, const QString& name)
{
    auto* dock = new QDockWidget(title, &window);
    dock->setObjectName(name);
    dock->setWidget(new QWidget(dock));
    return dock;
}

}  // namespace

QAction* MainWindow::MakeAction(int id, const QString& text, const QStringList& keys, const QString& prompt)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    QList<QKeySequence> shortcuts;
    for (const QString& key : keys)
        shortcuts.append(QKeySequence(key));
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    const qsizetype cut = prompt.indexOf(u'\n');
    action->setStatusTip(prompt.left(cut));
    if (cut >= 0)
        action->setToolTip(prompt.mid(cut + 1));
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    return action;
}

std::vector<QAction*> MainWindow::ActionsOf(int id) const
{
    std::vector<QAction*> found;
    for (QAction* action : FrameActions())
        if (CommandIdOf(action) == id)
            found.push_back(action);
    return found;
}

// The frame's own actions: its menus, toolbars and keys, and the settings
// entries. The panes' toolbars carry ids of their own and keep their own
// enabled rules.
std::vector<QAction*> MainWindow::FrameActions() const
{
    std::vector<QAction*> actions;
    for (QAction* action : findChildren<QAction*>())
        if (action->parent() == this || action->parent() == settingsMenu_)
            actions.push_back(action);
    return actions;
}

void MainWindow::UpdateCommandUI()
{
    if (textView_)
        textView_->UpdateActions();
    for (QAction* action : FrameActions()) {
        const int id = CommandIdOf(action);
        if (id == 0)
            continue;
        action->setEnabled(commands_.IsEnabled(id));
        if (const std::optional<bool> checked = commands_.IsChecked(id)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
    }
}

QMenu* MainWindow::LookMenu()
{
    auto* menu = new QMenu(u"應用程序外觀(&A)"_s, this);
    auto* group = new QActionGroup(menu);
    for (const MenuItem& item : LookItems()) {
        QAction* action = MakeAction(item.id, item.text, item.keys, item.prompt);
        action->setCheckable(true);
        group->addAction(action);
        menu->addAction(action);
    }
    return menu;
}

void MainWindow::BuildMenus()
{
    for (const MenuDef& def : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(def.title);
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateCommandUI);
        for (const MenuItem& item : def.items) {
            if (!EditionHasCommand(item.id))
                continue;
            if (item.id == 0)
                menu->addSeparator();
            else
                menu->addAction(MakeAction(item.id, item.text, item.keys, item.prompt));
        }
        if (def.items.front().id == Cmd::DirectoryPane) {
            menu->addSeparator();
            menu->addMenu(LookMenu());
        }
        if (def.items.front().id == Cmd::ParaPlaceholder)
            settingsMenu_ = menu;
    }
    // The settings entries are made and unmade with the parameter set; the
    // menu dispatches whichever was chosen.
    connect(settingsMenu_, &QMenu::triggered, this, [this](QAction* action) {
        if (CommandIdOf(action) >= Cmd::SettingsFirst)
            Dispatch(CommandIdOf(action));
    });
    for (const MenuItem& item : HiddenItems())
        addAction(MakeAction(item.id, item.text, item.keys, item.prompt));
}

void MainWindow::BuildToolbars()
{
    auto* standard = addToolBar(u"標準"_s);
    standard->setObjectName(u"StandardToolbar"_s);
    for (int id : StandardToolbar()) {
        if (!EditionHasCommand(id))
            continue;
        if (id == 0) {
            standard->addSeparator();
        } else if (id == Cmd::PageCombo) {
            pageCombo_ = MakeCombo(standard, u"PageCombo"_s);
            standard->addWidget(pageCombo_);
        } else if (const MenuItem* item = FindMenuItem(id)) {
            QAction* action = MakeAction(id, item->prompt.section(u'\n', 1), {}, item->prompt);
            action->setIcon(IconOf(id, *style()));
            standard->addAction(action);
        }
    }
    auto* zoom = addToolBar(u"縮放"_s);
    zoom->setObjectName(u"ZoomToolbar"_s);
    for (int id : ZoomToolbar()) {
        if (id == Cmd::ZoomCombo) {
            zoomCombo_ = MakeCombo(zoom, u"ZoomCombo"_s);
            zoomCombo_->addItems(ZoomEntries());
            zoomCombo_->setCurrentIndex(g_ZoomIndex);
            zoom->addWidget(zoomCombo_);
        } else if (const MenuItem* item = FindMenuItem(id)) {
            zoom->addAction(MakeAction(id, item->prompt.section(u'\n', 1), {}, item->prompt));
        }
    }
    connect(pageCombo_, &QComboBox::activated, this, [this] { Dispatch(Cmd::PageCombo); });
    connect(zoomCombo_, &QComboBox::activated, this, [this](int index) { SelectZoom(index); });
}

void MainWindow::BuildStatusBar()
{
    // Pane 0 is the status bar's own message area (status tips); panes 1 to
    // 3 stay put, pane 2 showing the shown page.
    for (int i = 1; i <= 3; ++i) {
        auto* pane = new QLabel(statusBar());
        pane->setObjectName(u"StatusPane%1"_s.arg(i));
        pane->setMinimumWidth(i == 2 ? 200 : 60);
        statusBar()->addPermanentWidget(pane);
        statusPanes_.push_back(pane);
    }
}

void MainWindow::BuildDocks()
{
    setDockOptions(AnimatedDocks | AllowTabbedDocks | AllowNestedDocks);
    directoryDock_ = MakeDock(*this, u"目錄"_s, u"DirectoryPane"_s);
    editDock_ = MakeDock(*this, u"編輯"_s, u"EditPane"_s);
    textDock_ = MakeDock(*this, u"預處理文本"_s, u"TextPane"_s);
    addDockWidget(Qt::LeftDockWidgetArea, directoryDock_);
    addDockWidget(Qt::RightDockWidgetArea, editDock_);
    addDockWidget(Qt::RightDockWidgetArea, textDock_);
    tabifyDockWidget(editDock_, textDock_);
    resizeDocks({directoryDock_, editDock_}, {230, 230}, Qt::Horizontal);
    textDock_->raise();
    BuildPanes();
}
