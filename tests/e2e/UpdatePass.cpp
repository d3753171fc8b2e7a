// The update pass sets every action's enabled and checked state from the
// working state, as each command's predicate gives it.
#include <QAction>
#include <QMenu>

#include "app/commands/CommandIds.h"
#include "support/MainWindowFixture.h"
#include "typeset/book/Book.h"

namespace {

struct State {
    bool shown = false;
    bool editing = false;
    bool book = false;
    bool volumeDirty = false;
    bool layoutDirty = false;
    int twoPage = 1;
};

struct UpdateCase {
    const char* name;
    State state;
    std::vector<std::pair<int, bool>> enabled;
    std::vector<std::pair<int, bool>> checked;
};

const UpdateCase kCases[] = {
    {"NothingShown", {},
     {{Cmd::TwoPage, false}, {Cmd::FourInOne, false}, {Cmd::FileSave, true}, {Cmd::SaveVolume, false},
      {Cmd::SaveLayout, false}, {Cmd::OpenText, true}, {Cmd::SaveProject, true}, {Cmd::ZoomIn, true},
      {Cmd::ZoomOut, true}, {Cmd::ParaPlaceholder, false}, {Cmd::SettingsStyles, true}, {Cmd::About, true}},
     {{Cmd::TwoPage, true}, {Cmd::FourInOne, false}}},
    {"TextShown", {true, false, false, false, false, 0},
     {{Cmd::TwoPage, true}, {Cmd::FourInOne, true}, {Cmd::FileSave, true}, {Cmd::SaveVolume, false}},
     {{Cmd::TwoPage, false}}},
    {"CellBeingEdited", {true, true, false, false, false, 1},
     {{Cmd::TwoPage, false}, {Cmd::FourInOne, false}, {Cmd::FileSave, true}},
     {{Cmd::TwoPage, true}}},
    {"BookClean", {true, false, true, false, false, 1},
     {{Cmd::FileSave, false}, {Cmd::SaveVolume, false}, {Cmd::SaveLayout, false}, {Cmd::SettingsStyles, true}},
     {}},
    {"BookVolumeEdited", {true, false, true, true, false, 1},
     {{Cmd::FileSave, true}, {Cmd::SaveVolume, true}, {Cmd::SaveLayout, false}},
     {}},
    {"BookLayoutChanged", {true, false, true, false, true, 1},
     {{Cmd::FileSave, false}, {Cmd::SaveVolume, false}, {Cmd::SaveLayout, true}},
     {}},
    {"BookEditedWhileACellIsEdited", {true, true, true, true, true, 1},
     {{Cmd::FileSave, false}, {Cmd::SaveVolume, false}, {Cmd::SaveLayout, false}},
     {}},
};

class UpdatePass : public MainWindowFixture, public ::testing::WithParamInterface<UpdateCase> {
protected:
    TBook book;
};

TEST_P(UpdatePass, SetsEnabledAndCheckedStates)
{
    const UpdateCase& c = GetParam();
    g_VolumeShown = c.state.shown;
    g_CellEditing = c.state.editing;
    g_CurrentBook = c.state.book ? &book : nullptr;
    g_VolumeDirty = c.state.volumeDirty;
    g_LayoutDirty = c.state.layoutDirty;
    g_TwoPageMode = c.state.twoPage;
    window->UpdateCommandUI();
    for (const auto& [id, enabled] : c.enabled) {
        const std::vector<QAction*> actions = window->ActionsOf(id);
        ASSERT_FALSE(actions.empty()) << id;
        for (QAction* action : actions)
            EXPECT_EQ(action->isEnabled(), enabled) << id;
    }
    for (const auto& [id, checked] : c.checked)
        for (QAction* action : window->ActionsOf(id))
            EXPECT_EQ(action->isChecked(), checked) << id;
    g_CellEditing = false;
}

INSTANTIATE_TEST_SUITE_P(Table, UpdatePass, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

// A menu runs the pass as it opens.
TEST_F(MainWindowFixture, AMenuAboutToShowRunsTheUpdatePass)
{
    g_VolumeShown = true;
    QMenu* view = nullptr;
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("視圖(&V)"))
            view = menu;
    ASSERT_TRUE(view);
    emit view->aboutToShow();
    EXPECT_TRUE(window->ActionsOf(Cmd::TwoPage).front()->isEnabled());
}

// The dispatcher: ranges, later entries overriding earlier ones, no handler
// meaning disabled, and the update pass after each command.
TEST(CommandDispatcher, RangesOverridesAndDisabledIds)
{
    CommandDispatcher d;
    int last = 0;
    int updates = 0;
    d.AfterCommand = [&] { ++updates; };
    d.Add({{701, 900, [&](int id) { last = id; }},
           {700, nullptr},
           {5, [&](int) { last = 5; }, [](int) { return false; }, [](int) { return true; }}});
    EXPECT_TRUE(d.Dispatch(777));
    EXPECT_EQ(last, 777);
    EXPECT_FALSE(d.Dispatch(700));
    EXPECT_FALSE(d.Dispatch(5));
    EXPECT_FALSE(d.Dispatch(901));
    EXPECT_EQ(d.IsChecked(5), true);
    EXPECT_EQ(d.IsChecked(777), std::nullopt);
    d.Add({800, [&](int) { last = -1; }});
    d.Dispatch(800);
    EXPECT_EQ(last, -1);
    EXPECT_EQ(updates, 2);
}

}  // namespace
