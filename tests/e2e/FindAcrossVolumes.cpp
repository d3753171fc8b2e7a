// Finding and replacing across the volumes of a three-volume book in the
// main window: F3 walks the hits of the first and third volumes in single
// and two-page display, skipping the second, then says "沒有找到！" and
// stays where it was; 替換所有冊 replaces and writes every volume; the book
// opened again has none left; a title clicked in the directory pane shows
// its page.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/commands/CommandIds.h"
#include "app/find/FindDialog.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/panes/DirectoryPane.h"
#include "app/view/CollatorView.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "support/ScratchFiles.h"
#include "tests/app/FakeDialogs.h"
#include "tests/app/FindBookFixture.h"

using namespace Qt::StringLiterals;

namespace {

class FindAcrossVolumes : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        view = &window->View();
        find = &window->FindDialog();
    }

    // As opening the book's typeset file does, at the first page of its
    // first volume.
    void OpenBook()
    {
        OpenBookOnDisk(disk, view->Data, *window);
        window->FillBookTree();
    }
    void OpenFindWindow()
    {
        ASSERT_TRUE(window->Dispatch(Cmd::Find));
        ASSERT_TRUE(find->IsOpen());
        find->SetFindText(kFindKey);
        ChooseScope(*find, CDlgFind::AllVolumes);
    }
    void F3()
    {
        view->setFocus();
        QTest::keyClick(view, Qt::Key_F3);
    }
    // The shown volume and the hit's text page; the shown page is checked
    // against the hit's.
    std::string Hit() const
    {
        EXPECT_EQ(g_CurrentPage, TextPageToShownPage(g_PageTable.findPage));
        return std::to_string(g_CurrentVolume) + ":" + std::to_string(g_PageTable.findPage);
    }
    void WalkTheHits()
    {
        for (const char* expected : {"0:1", "0:3", "2:2"}) {
            F3();
            EXPECT_EQ(Hit(), expected);
        }
        const int32_t spread = g_CurrentPage;
        prompter.ExpectTell(u"沒有找到！"_s);
        F3();
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(g_CurrentVolume, 2);
        EXPECT_EQ(g_CurrentPage, spread);
    }

    // Presses 替換所有冊, answers its question and expects the message.
    void ReplaceInAllVolumes(const QString& key, const QString& replacement, const QString& message)
    {
        OpenFindWindow();
        find->SetFindText(key);
        find->ReplaceEdit().setText(replacement);
        prompter.ExpectAsk(u"是否替換所有查找到的文字？"_s, Prompter::Answer::Yes).ExpectTell(message);
        // The progress window is gone when the message shows.
        QWidget* upAtTheMessage = nullptr;
        prompter.OnTell([&upAtTheMessage] { upAtTheMessage = QApplication::activeModalWidget(); });
        QTest::mouseClick(find->ButtonOf(CDlgFind::ReplaceAllVolumes), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(upAtTheMessage, nullptr);
        prompter.OnTell({});
    }
    // The titles the directory pane shows under each volume, opened as a
    // click on its arrow does.
    QStringList VolumeTitles()
    {
        QStringList titles;
        QTreeWidgetItem* top = window->FileView().Tree().topLevelItem(0);
        for (int v = 0; top && v < top->childCount(); ++v) {
            QTreeWidgetItem* volume = top->child(v);
            volume->setExpanded(true);
            QStringList under;
            AddTitles(volume, under);
            titles << volume->text(0) + u':' + under.join(u',');
        }
        return titles;
    }
    static void AddTitles(const QTreeWidgetItem* item, QStringList& titles)
    {
        for (int i = 0; i < item->childCount(); ++i) {
            titles << item->child(i)->text(0);
            AddTitles(item->child(i), titles);
        }
    }

    FindBook disk;
    CollatorView* view = nullptr;
    CDlgFind* find = nullptr;
};

TEST_F(FindAcrossVolumes, FindReplaceReopenAndClickATitle)
{
    EXPECT_FALSE(window->Commands().IsEnabled(Cmd::Find)) << "searching needs a book";
    OpenBook();
    EXPECT_TRUE(window->Commands().IsEnabled(Cmd::Find));
    // The centre-column text of the shown page, added and removed; the seal
    // command has nothing to add and stays disabled.
    EXPECT_FALSE(window->Commands().IsEnabled(Cmd::AddSeal));
    EXPECT_FALSE(window->Dispatch(Cmd::DeleteCentreText));
    ASSERT_TRUE(window->Dispatch(Cmd::AddCentreText));
    EXPECT_FALSE(g_PageTable.pages[0].centreText.isEmpty());
    ASSERT_TRUE(window->Dispatch(Cmd::DeleteCentreText));
    EXPECT_TRUE(g_PageTable.pages[0].centreText.isEmpty());
    EXPECT_TRUE(g_VolumeDirty);
    OpenFindWindow();
    // A search across volumes first asks about the changed volume.
    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Prompter::Answer::No);
    WalkTheHits();
    EXPECT_FALSE(g_VolumeDirty);

    // Two-page display, from the first volume's first spread again.
    ASSERT_TRUE(window->Dispatch(Cmd::TwoPage));
    ASSERT_TRUE(GoToVolumePage(0, view->Data, g_CurrentBook, 0));
    WalkTheHits();

    // The window's 向下查找 runs as F3 does: from the end, nothing again.
    prompter.ExpectTell(u"沒有找到！"_s);
    QTest::mouseClick(find->ButtonOf(CDlgFind::kFindDownCommand), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(prompter.Done());

    const int32_t spread = g_CurrentPage;
    find->ReplaceEdit().setText(u"玄黃"_s);
    prompter.ExpectAsk(u"是否替換所有查找到的文字？"_s, Prompter::Answer::Yes).ExpectTell(u"共替換3處"_s);
    QTest::mouseClick(find->ButtonOf(CDlgFind::ReplaceAllVolumes), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(g_CurrentVolume, 2);
    EXPECT_EQ(g_CurrentPage, spread);
    EXPECT_FALSE(g_VolumeDirty);

    OpenBook();
    prompter.ExpectTell(u"沒有找到！"_s);
    F3();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(g_CurrentVolume, 0);
    ASSERT_TRUE(GoToVolumePage(2, view->Data, g_CurrentBook, 2));
    EXPECT_EQ(g_PageTable.pages[2].lines[0].text, u"壬玄黃癸"_s);

    // The third volume's title in the directory pane: its volume, its page.
    ASSERT_TRUE(GoToVolumePage(0, view->Data, g_CurrentBook, 0));
    CMViewTree& tree = window->FileView().Tree();
    tree.topLevelItem(0)->child(2)->setExpanded(true);
    QTreeWidgetItem* title = nullptr;
    for (QTreeWidgetItem* item : tree.findItems(u"題一"_s, Qt::MatchExactly | Qt::MatchRecursive))
        if (CMViewTree::DataOf(item) == ((2 + 1) << 16) + 1)
            title = item;
    ASSERT_NE(title, nullptr);
    tree.setCurrentItem(title);
    QApplication::processEvents();
    EXPECT_EQ(g_CurrentVolume, 2);
    EXPECT_EQ(g_CurrentPage, TextPageToShownPage(1));
}

// The directory pane follows the shown volume, however it was reached:
// opening the book, F3 into another volume, the volume commands, 替換所有冊.
// The shown volume's titles are there and its current title (the volume
// when it has none) is the current item; a volume left gives back the
// titles only the following added.
TEST_F(FindAcrossVolumes, TheDirectoryTreeFollowsTheShownVolume)
{
    OpenBook();
    CMViewTree& tree = window->FileView().Tree();
    QTreeWidgetItem* top = tree.topLevelItem(0);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->childCount(), 3);
    const auto current = [&tree] {
        const QTreeWidgetItem* item = tree.currentItem();
        return item ? item->text(0) + u'@' + QString::number(CMViewTree::DataOf(item)) : u"none"_s;
    };
    const QString volume[] = {top->child(0)->text(0), top->child(1)->text(0), top->child(2)->text(0)};
    const auto volumeItem = [&volume](int v) { return volume[v] + u'@' + QString::number((v + 1) << 16); };
    EXPECT_EQ(current(), volumeItem(0));
    EXPECT_GT(top->child(0)->childCount(), 0);

    // A title clicked, then F3 walks on into the third volume.
    QTreeWidgetItem* title = top->child(0)->child(0)->child(0);
    ASSERT_NE(title, nullptr);
    tree.setCurrentItem(title);
    QApplication::processEvents();
    EXPECT_EQ(current(), u"題一@"_s + QString::number((1 << 16) + 1));
    OpenFindWindow();
    for (const char* expected : {"0:1", "0:3", "2:2"}) {
        F3();
        EXPECT_EQ(Hit(), expected);
    }
    EXPECT_EQ(current(), volumeItem(2));
    EXPECT_GT(top->child(2)->childCount(), 0);
    EXPECT_EQ(top->child(1)->childCount(), 0);

    struct Step {
        int command;
        QString item;
    };
    const Step steps[] = {
        {Cmd::PreviousVolume, volumeItem(1)},
        // The last page of the first volume: its last title.
        {Cmd::PreviousPage, u"題一@"_s + QString::number((1 << 16) + 1)},
        {Cmd::LastPage, u"題一@"_s + QString::number((3 << 16) + 1)},
        {Cmd::FirstPage, volumeItem(0)},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(window->Dispatch(step.command)) << step.command;
        EXPECT_EQ(current(), step.item) << step.command;
    }
    EXPECT_EQ(top->child(1)->childCount(), 0) << "the second volume's titles given back";

    // 替換所有冊 that changes the titles rebuilds the tree, ends in the
    // third volume and comes back to the first: the first is the current
    // item again, with its new title under it.
    ReplaceInAllVolumes(u"題一"_s, u"題二"_s, u"共替換3處"_s);
    EXPECT_EQ(g_CurrentVolume, 0);
    top = tree.topLevelItem(0);
    EXPECT_EQ(current(), volumeItem(0));
    ASSERT_GT(top->child(0)->childCount(), 0);
    EXPECT_EQ(top->child(0)->child(0)->child(0)->text(0), u"題二"_s);
    EXPECT_EQ(top->child(2)->childCount(), 0);
}

// 取消 in the progress window stops between two volumes: the first is
// replaced and written, the others are untouched, and the message says how
// far it came; the view is back where it began.
TEST_F(FindAcrossVolumes, CancelStopsReplacingBetweenVolumes)
{
    OpenBook();
    const QByteArray third = FileBytes(disk.VolumePath(2));
    FakeDialogs dialogs;
    dialogs.OnProgress([](QDialog& progress) {
        if (ProgressStepOf(progress) == 1)
            PressCancel(progress);
    });
    ReplaceInAllVolumes(kFindKey, u"玄黃"_s, u"替換已取消：已替換1冊，共3冊；共替換2處"_s);
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].text, u"<BT1-題一>甲玄黃乙"_s);
    EXPECT_FALSE(g_VolumeDirty);
    EXPECT_EQ(FileBytes(disk.VolumePath(2)), third);
    ASSERT_TRUE(GoToVolumePage(2, view->Data, g_CurrentBook, 2));
    EXPECT_EQ(g_PageTable.pages[2].lines[0].text, u"壬天地癸"_s);
}

// A title replaced in every volume: the directory pane and the index, built
// once after the last volume, hold the new title of each.
TEST_F(FindAcrossVolumes, ReplacedTitlesReachTheTreeAndTheIndex)
{
    OpenBook();
    EXPECT_EQ(VolumeTitles(), (QStringList{u"卷1:卷1,題一"_s, u"卷2:卷2,題一"_s, u"卷3:卷3,題一"_s}));
    FakeDialogs dialogs;  // the progress window at once
    ReplaceInAllVolumes(u"題一"_s, u"題二"_s, u"共替換3處"_s);
    EXPECT_FALSE(g_IndexDirty);
    const QStringList replaced{u"卷1:卷1,題二"_s, u"卷2:卷2,題二"_s, u"卷3:卷3,題二"_s};
    EXPECT_EQ(VolumeTitles(), replaced);
    OpenBook();  // the index read again
    EXPECT_EQ(VolumeTitles(), replaced);
}

}  // namespace
