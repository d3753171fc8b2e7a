// The program's window as it starts: maximised, menus, toolbars, combos,
// status panes, docks and the settings menu, and the state of a new project.
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QImage>

#include "app/commands/CommandIds.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "support/MainWindowFixture.h"
#include "tests/app/FakeDialogs.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

using StartState = MainWindowFixture;

QStringList MenuTitles(QMenuBar& bar)
{
    QStringList titles;
    for (QAction* action : bar.actions())
        titles << action->text();
    return titles;
}

QStringList Texts(QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

TEST_F(StartState, ShowsMaximisedWithBarsCombosAndDocks)
{
    window->showMaximized();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->windowTitle(), g_Edition->Title());
    EXPECT_EQ(MenuTitles(*window->menuBar()),
              QStringList({u"文件(&F)"_s, u"編輯(&E)"_s, u"視圖(&V)"_s, u"設置"_s, u"幫助(&H)"_s}));

    auto* standard = window->findChild<QToolBar*>(u"StandardToolbar"_s);
    auto* zoom = window->findChild<QToolBar*>(u"ZoomToolbar"_s);
    ASSERT_TRUE(standard && zoom);
    EXPECT_EQ(standard->windowTitle(), u"標準"_s);
    EXPECT_EQ(window->toolBarArea(standard), Qt::TopToolBarArea);
    EXPECT_EQ(window->toolBarArea(zoom), Qt::TopToolBarArea);
    EXPECT_FALSE(window->toolBarBreak(zoom));  // one row
    EXPECT_EQ(window->PageCombo().count(), 0);
    ASSERT_EQ(window->ZoomCombo().count(), 10);
    EXPECT_EQ(window->ZoomCombo().itemText(7), u"適合寬度"_s);
    EXPECT_EQ(window->ZoomCombo().currentIndex(), 3);
    EXPECT_EQ(g_ZoomIndex, 3);
    // The placeholder 700 stays disabled on the toolbar.
    for (QAction* action : window->ActionsOf(Cmd::ParaPlaceholder))
        EXPECT_FALSE(action->isEnabled());

    auto* directory = window->findChild<QDockWidget*>(u"DirectoryPane"_s);
    auto* edit = window->findChild<QDockWidget*>(u"EditPane"_s);
    auto* text = window->findChild<QDockWidget*>(u"TextPane"_s);
    ASSERT_TRUE(directory && edit && text);
    EXPECT_EQ(directory->windowTitle(), u"目錄"_s);
    EXPECT_EQ(window->dockWidgetArea(directory), Qt::LeftDockWidgetArea);
    EXPECT_EQ(window->dockWidgetArea(edit), Qt::RightDockWidgetArea);
    EXPECT_TRUE(text->isVisible());   // raised after new
    EXPECT_FALSE(edit->isVisible());  // the new-file step hides it
    window->Dispatch(Cmd::EditPane);  // shown again: a tab beside the text
    EXPECT_EQ(window->tabifiedDockWidgets(edit), QList<QDockWidget*>{text});
    EXPECT_EQ(window->statusBar()->findChildren<QLabel*>(u"StatusPane2"_s).size(), 1);
}

TEST_F(StartState, NewProjectStateAndSettingsMenu)
{
    ASSERT_EQ(g_ParaSet.styles.Size(), 1);
    EXPECT_EQ(g_ParaSet.styles.First()->NAME, u"para0"_s);
    EXPECT_EQ(g_CurrentParaSet, &g_ParaSet);
    EXPECT_EQ(g_CurrentStyle, g_ParaSet.styles.First());
    EXPECT_EQ(g_CurrentPage, -1);
    EXPECT_FALSE(g_VolumeShown);
    EXPECT_EQ(Texts(window->SettingsMenu()), QStringList({u"編輯窗口字體"_s, u"排版參數-para0"_s}));

    // A cover record and a second style: 701 and 703 + n.
    g_ParaSet.covers.AddNew()->NAME = kCoverName;
    g_ParaSet.styles.AddNew()->NAME = u"注"_s;
    window->RebuildParaMenu();
    EXPECT_EQ(Texts(window->SettingsMenu()),
              QStringList({u"編輯窗口字體"_s, u"排版參數-封面"_s, u"排版參數-para0"_s, u"排版參數-注"_s}));
    const QList<QAction*> actions = window->SettingsMenu().actions();
    EXPECT_EQ(actions[1]->data().toInt(), 701);
    EXPECT_EQ(actions[3]->data().toInt(), 704);
}

TEST_F(StartState, LookRadioAndPaneTogglesFollowTheUpdatePass)
{
    EXPECT_EQ(g_AppLook, 214);
    ASSERT_TRUE(window->Dispatch(216));
    EXPECT_EQ(g_AppLook, 216);
    for (int id = 210; id <= 218; ++id)
        EXPECT_EQ(window->ActionsOf(id).front()->isChecked(), id == 216) << id;
    EXPECT_EQ(QSettings(u"raze"_s, g_Edition->ProgramName()).value(u"ApplicationLook"_s).toInt(), 216);

    EXPECT_TRUE(window->ActionsOf(Cmd::DirectoryPane).front()->isChecked());
    window->Dispatch(Cmd::DirectoryPane);
    EXPECT_FALSE(window->DirectoryDock().isVisible());
    EXPECT_FALSE(window->ActionsOf(Cmd::DirectoryPane).front()->isChecked());
    window->Dispatch(Cmd::EditPane);
    EXPECT_TRUE(window->EditDock().isVisible());
    EXPECT_TRUE(window->ActionsOf(Cmd::EditPane).front()->isChecked());
}

// How far a button's pixels stand from its background (its corner pixel),
// summed: what makes it readable.
double Contrast(QWidget& button)
{
    const QImage image = button.grab().toImage();
    const QColor back = image.pixelColor(1, 1);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum += std::abs(c.red() - back.red()) + std::abs(c.green() - back.green()) +
                   std::abs(c.blue() - back.blue());
        }
    return sum;
}

// In every look, the black one too, a disabled toolbar button is plainly
// fainter than the same button enabled.
TEST_F(StartState, DisabledToolbarButtonsLookDisabledInEveryLook)
{
    QToolButton* button = nullptr;
    for (QToolButton* b : window->findChildren<QToolButton*>())
        if (b->defaultAction() && b->isVisible() && !b->defaultAction()->icon().isNull() && b->isEnabled()) {
            button = b;
            break;
        }
    ASSERT_TRUE(button);
    QAction* action = button->defaultAction();
    for (int look = 210; look <= 218; ++look) {
        ASSERT_TRUE(window->Dispatch(look));
        QApplication::processEvents();
        // No events between the two grabs: the idle update pass would give
        // the action back its own enabled state.
        action->setEnabled(true);
        const double enabled = Contrast(*button);
        action->setEnabled(false);
        ASSERT_FALSE(button->isEnabled());
        const double disabled = Contrast(*button);
        EXPECT_LT(disabled, enabled * 0.6) << "look " << look << " " << action->text().toStdString();
    }
    action->setEnabled(true);
}

// With no book open a change applied in the layout dialog marks the project
// modified and typesets the text again, even when the dialog then ends
// with 確定 and nothing left to apply; closing then asks to save it.
TEST_F(StartState, AnAppliedStyleChangeIsNeverLost)
{
    ASSERT_TRUE(window->OpenText(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));
    const int32_t pagesBefore = g_PageTable.pages.Size();
    g_ProjectDirty = false;
    FakeDialogs dialogs;
    dialogs.OnRun([](QDialog& d) {
        QLineEdit* perLine = Child<QLineEdit>(d, u"textBox.perLine"_s);
        perLine->clear();
        QTest::keyClicks(perLine, u"6"_s);
        Child<QPushButton>(d, u"apply"_s)->click();
        return true;
    });
    ASSERT_TRUE(window->Dispatch(Cmd::SettingsStyles));
    EXPECT_GT(g_PageTable.pages.Size(), pagesBefore);
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_TRUE(g_LayoutDirty);
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Prompter::Answer::Cancel);
    EXPECT_FALSE(window->close());

    // Without a cover record 701 does nothing; entries past the styles neither.
    g_ProjectDirty = false;
    window->Dispatch(Cmd::SettingsCover);
    window->Dispatch(Cmd::SettingsStyles + 5);
    EXPECT_FALSE(g_ProjectDirty);
}

TEST_F(StartState, EveryMenuCommandCarriesItsIdKeysAndTip)
{
    QAction* open = window->ActionsOf(Cmd::OpenText).front();
    EXPECT_EQ(open->shortcut(), QKeySequence(u"Ctrl+O"_s));
    QAction* copy = window->ActionsOf(Cmd::Copy).front();
    EXPECT_EQ(copy->shortcuts(), (QList<QKeySequence>{QKeySequence(u"Ctrl+C"_s), QKeySequence(u"Ctrl+Ins"_s)}));
    QAction* zoomIn = window->ActionsOf(Cmd::ZoomIn).front();
    EXPECT_EQ(zoomIn->statusTip(), u"放大顯示"_s);
    EXPECT_EQ(zoomIn->toolTip(), u"放大"_s);
    EXPECT_TRUE(window->ActionsOf(Cmd::FileOpen).empty());  // Ctrl+O opens a text instead
}

}  // namespace
