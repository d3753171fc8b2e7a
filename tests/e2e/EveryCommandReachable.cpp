// Every command of the menus and toolbars of each program, reached through
// the main window: each has a handler and the enabled state its rules give
// with nothing open, a text open, a book open and a find hit shown. The
// seal command (shown, never enabled) and the settings placeholder 700
// (replaced by the parameter set's entries, its toolbar button grey) are
// the ids without a working handler.
#include <set>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolBar>

#include "app/commands/CommandIds.h"
#include "app/find/FindDialog.h"
#include "app/frame/MenuResource.h"
#include "app/panes/TextView.h"
#include "app/view/CollatorView.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "tests/app/BookFixture.h"

using namespace Qt::StringLiterals;

namespace {

enum State { Nothing, Text, Book, FindHit, kStates };

// The ids that do nothing: the seal command and the placeholder.
const std::set<int> kWithoutHandler = {Cmd::AddSeal, Cmd::ParaPlaceholder};

// Enabled in each state, in the order Nothing, Text, Book, FindHit ('1' on,
// '0' off). The page view has the focus, so the clipboard commands are off.
struct Rule {
    int id;
    const char* states;
};

const Rule kRules[] = {
    {Cmd::FileNew, "1111"},          {Cmd::OpenText, "1111"},        {Cmd::OpenProject, "1111"},
    {Cmd::SaveProject, "1111"},      {Cmd::FileSave, "1100"},        {Cmd::MakeTypeset, "1111"},
    {Cmd::OpenTypeset, "1111"},      {Cmd::SaveVolume, "0000"},      {Cmd::SaveLayout, "0000"},
    {Cmd::ExportBookmarks, "0111"},  {Cmd::ExportParams, "0111"},    {Cmd::Print, "0111"},
    {Cmd::PrintPreview, "1111"},     {Cmd::PrintSetup, "1111"},      {Cmd::Exit, "1111"},
    {Cmd::Undo, "0000"},             {Cmd::Cut, "0000"},             {Cmd::Copy, "0000"},
    {Cmd::Paste, "0000"},            {Cmd::Find, "0011"},            {Cmd::AddSeal, "0000"},
    {Cmd::DirectoryPane, "1111"},    {Cmd::EditPane, "1111"},        {Cmd::TwoPage, "0111"},
    {Cmd::FirstPage, "0000"},        {Cmd::PreviousVolume, "0000"},  {Cmd::PreviousPage, "0000"},
    {Cmd::NextPage, "0111"},         {Cmd::NextVolume, "0000"},      {Cmd::LastPage, "0111"},
    {Cmd::ZoomOut, "1111"},          {Cmd::ZoomIn, "1111"},          {Cmd::ParaPlaceholder, "0000"},
    {Cmd::About, "1111"},            {Cmd::NextPane, "1111"},        {Cmd::PreviousPane, "1111"},
    {Cmd::FourInOne, "0111"},        {Cmd::EditFont, "0011"},        {Cmd::SettingsStyles, "1111"},
    {Cmd::LookFirst, "1111"},        {Cmd::LookLast, "1111"},
    // The text pane's toolbar.
    {TTextView::ShowAllToggle, "1111"}, {TTextView::Save, "1111"},       {TTextView::Undo, "0000"},
    {TTextView::Redo, "0000"},          {TTextView::Typeset, "1111"},    {TTextView::PreviousPage, "0000"},
    {TTextView::NextPage, "0111"},      {TTextView::WordWrap, "1111"},   {TTextView::Font, "1111"},
    {TTextView::MarkTool, "1111"},
};

QString SampleOf(EditionKind kind)
{
    switch (kind) {
    case EditionKind::Vertical:
        return QStringLiteral(VELLUMOR_SAMPLES "/vertical.txt");
    case EditionKind::Horizontal:
        return QStringLiteral(VELLUMOR_SAMPLES "/horizontal.txt");
    case EditionKind::Woodblock:
        break;
    }
    return QStringLiteral(VELLUMOR_SAMPLES "/sample.txt");
}

class EveryCommandReachable : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
    }

    void Enter(State state)
    {
        if (state == Text) {
            ASSERT_TRUE(window->OpenText(SampleOf(GetParam())));
        }
        if (state >= Book) {
            disk = std::make_unique<BookOnDisk>(std::vector<int32_t>{4});
            {
                TBookList scratch;
                disk->WriteTypeset(disk->Scan(scratch));
            }
            ASSERT_TRUE(window->OpenFile(disk->TypesetPath()));
        }
        if (state == FindHit) {
            window->FindDialog().SetFindText(u"頁"_s);
            ASSERT_TRUE(window->Dispatch(Cmd::FindDown));
            ASSERT_FALSE(g_FindText.isEmpty());
        }
        window->View().setFocus();
        QApplication::processEvents();
        window->UpdateCommandUI();
    }

    // Every action of id, the frame's or the text pane's.
    std::vector<QAction*> ActionsOf(int id) const
    {
        std::vector<QAction*> actions = window->ActionsOf(id);
        if (QAction* pane = window->TextView().Action(id))
            actions.push_back(pane);
        return actions;
    }

    std::unique_ptr<BookOnDisk> disk;
};

// Each menu item and toolbar button is there (the print editions have no
// 單/雙頁切換 at all) and each has a handler, but the listed ones.
TEST_P(EveryCommandReachable, EveryItemAndButtonHasAHandler)
{
    std::set<int> ids;
    for (const MenuDef& menu : MainMenus())
        for (const MenuItem& item : menu.items)
            ids.insert(item.id);
    for (const std::vector<MenuItem>* items : {&LookItems(), &HiddenItems()})
        for (const MenuItem& item : *items)
            ids.insert(item.id);
    for (const std::vector<int>* bar : {&StandardToolbar(), &ZoomToolbar()})
        ids.insert(bar->begin(), bar->end());
    ids.erase(0);
    ids.erase(Cmd::ZoomCombo);  // a combo box, not a command
    for (const int id : ids) {
        if (!EditionHasCommand(id)) {
            EXPECT_TRUE(window->ActionsOf(id).empty()) << id;
            EXPECT_FALSE(window->Commands().Has(id)) << id;
            continue;
        }
        if (id != Cmd::PageCombo) {
            EXPECT_FALSE(window->ActionsOf(id).empty()) << id;
        }
        if (!kWithoutHandler.contains(id)) {
            EXPECT_TRUE(window->Commands().Has(id)) << id;
        }
    }
    EXPECT_EQ(EditionHasCommand(Cmd::TwoPage), GetParam() == EditionKind::Woodblock);
    for (QAction* action : window->findChildren<QAction*>()) {
        const int id = action->data().toInt();
        if (id != 0 && window->TextView().Action(id) != action) {
            EXPECT_TRUE(window->Commands().Has(id) || kWithoutHandler.contains(id)) << id;
        }
    }
}

TEST_P(EveryCommandReachable, EachCommandIsEnabledAsItsRulesGive)
{
    for (int state = Nothing; state < kStates; ++state) {
        if (state != Nothing) {
            TearDown();
            MainWindowFixture::SetUp();
        }
        ASSERT_NO_FATAL_FAILURE(Enter(State(state)));
        for (const Rule& rule : kRules) {
            if (!EditionHasCommand(rule.id))
                continue;
            const bool enabled = rule.states[state] == '1';
            const bool paneCommand = window->TextView().Action(rule.id) != nullptr;
            EXPECT_EQ(paneCommand ? window->TextView().IsCommandEnabled(rule.id) : window->Commands().IsEnabled(rule.id),
                      enabled)
                << "command " << rule.id << " in state " << state;
            for (QAction* action : ActionsOf(rule.id))
                EXPECT_EQ(action->isEnabled(), enabled) << "action " << rule.id << " in state " << state;
        }
        // The idle pass leaves the pane's toolbar as the pane has it.
        QTest::qWait(250);
        for (const int id : {int(TTextView::Save), int(TTextView::Typeset), int(TTextView::MarkTool)})
            EXPECT_TRUE(window->TextView().Action(id)->isEnabled()) << id;
    }
}

VELLUMOR_ALL_EDITIONS(EveryCommandReachable);

}  // namespace
