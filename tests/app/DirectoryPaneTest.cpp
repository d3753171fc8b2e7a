// The directory pane: the contents of a text, the book tree with folders or
// 4-in-1 groups, and where a selected item goes.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/panes/DirectoryPane.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "support/ScratchFiles.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"

using namespace Qt::StringLiterals;

namespace {

TBookmarkNode* AddNode(TBookmarkTree& tree, const QString& title, int32_t page)
{
    TBookmarkNode* node = tree.AddNew();
    node->title = title;
    node->page = page;
    return node;
}

class DirectoryPane : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRenderGlobals();
        ResetTypesetGlobals();
        pane.Tree().SetNavigation(
            {.goToVolumePage =
                 [this](int32_t volume, int32_t book, int32_t page, const QString&) {
                     volumeVisits.push_back({volume, book, page});
                     return volumeShown;
                 },
             .goToShownPage = [this](int32_t shown) { shownVisits.push_back(shown); }});
    }
    void TearDown() override
    {
        ResetRenderGlobals();
        ResetTypesetGlobals();
    }
    // Selects the item and lets the queued navigation run.
    void Select(QTreeWidgetItem* item)
    {
        pane.Tree().setCurrentItem(item);
        QTest::qWait(1);
    }
    // A book folder with volumes a/1.txt, a/2.txt and 3.txt.
    TBook& MakeBook()
    {
        for (const QString& name : {u"a/1.txt"_s, u"a/2.txt"_s, u"3.txt"_s}) {
            QDir().mkpath(QFileInfo(dir.filePath(u"書/"_s + name)).path());
            PutFile(dir.filePath(u"書/"_s + name), "x");
        }
        TBook& book = *AddNewBook(books);
        book.LoadFolder(dir.filePath(u"書"_s), u"txt"_s);
        AddNode(book.volumes[1].contents, u"學而"_s, 3);
        pane.Tree().SetBookList(&books);
        return book;
    }

    CMFileView pane;
    QTemporaryDir dir;
    TBookList books;
    std::vector<std::array<int32_t, 3>> volumeVisits;
    std::vector<int32_t> shownVisits;
    bool volumeShown = true;
};

}  // namespace

TEST_F(DirectoryPane, ContentsNodesGoToTheirShownPageAndTheRootGoesNowhere)
{
    g_TwoPageMode = 1;
    g_CoverPages = 1;
    TBookmarkNode* volume = AddNode(g_VolumeContents, u"論語卷第一"_s, 1);
    AddNode(volume->children, u"學而第一"_s, 4);
    pane.SetContentsTree(u"論語"_s, 3);
    QTreeWidget& tree = pane.Tree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    EXPECT_EQ(root->text(0), u"論語"_s);
    EXPECT_TRUE(root->font(0).bold());
    QTreeWidgetItem* chapter = root->child(0)->child(0);
    EXPECT_EQ(chapter->text(0), u"學而第一"_s);
    EXPECT_EQ(CMViewTree::DataOf(chapter), 4);

    Select(root);
    EXPECT_TRUE(shownVisits.empty());
    Select(chapter);
    EXPECT_EQ(shownVisits, (std::vector<int32_t>{TextPageToShownPage(4)}));
}

TEST_F(DirectoryPane, TheBookTreeListsFoldersVolumesAndTheirTitles)
{
    AddNode(MakeBook().volumes[1].contents.First()->children, u"有子"_s, 4);
    pane.Tree().FillBookTree();
    QTreeWidget& tree = pane.Tree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree.topLevelItem(0);
    EXPECT_EQ(top->text(0), u"書"_s);
    ASSERT_EQ(top->childCount(), 2);
    QTreeWidgetItem* folder = top->child(0);
    EXPECT_EQ(folder->text(0), u"a"_s);
    QTreeWidgetItem* second = folder->child(1);
    EXPECT_EQ(second->text(0), u"2"_s);
    EXPECT_EQ(CMViewTree::DataOf(second), 2 << 16);
    // Its titles come when it is opened; until then it shows it has some.
    EXPECT_EQ(second->childCount(), 0);
    EXPECT_EQ(second->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    second->setExpanded(true);
    ASSERT_EQ(second->childCount(), 1);
    QTreeWidgetItem* title = second->child(0);
    EXPECT_EQ(CMViewTree::DataOf(title), (2 << 16) + 3);
    ASSERT_EQ(title->childCount(), 1);
    EXPECT_EQ(title->child(0)->text(0), u"有子"_s);
    EXPECT_EQ(CMViewTree::DataOf(title->child(0)), (2 << 16) + 4);
    EXPECT_TRUE(title->isExpanded());
    EXPECT_EQ(top->child(1)->text(0), u"3"_s);

    Select(title);
    ASSERT_EQ(volumeVisits.size(), 1u);
    EXPECT_EQ(volumeVisits[0], (std::array<int32_t, 3>{1, 0, 3}));
}

TEST_F(DirectoryPane, AVolumeThatCouldNotBeShownKeepsTheCurrentTitle)
{
    MakeBook();
    pane.Tree().FillBookTree();
    g_BookmarkList = {{u"學而"_s, 3}};
    g_CurrentBookmark = -2;
    volumeShown = false;
    pane.Tree().topLevelItem(0)->child(0)->child(1)->setExpanded(true);
    Select(pane.Tree().topLevelItem(0)->child(0)->child(1)->child(0));
    EXPECT_EQ(g_CurrentBookmark, -2);
    volumeShown = true;
    Select(pane.Tree().topLevelItem(0)->child(0)->child(1));
    Select(pane.Tree().topLevelItem(0)->child(0)->child(1)->child(0));
    EXPECT_EQ(g_CurrentBookmark, 0);
}

TEST_F(DirectoryPane, FourInOneGroupsHoldEachVolumeOnce)
{
    MakeBook();
    g_FourInOneMode = 1;
    g_4in1Data.groupEnds = {1, 2};
    pane.Tree().FillBookTree();
    QTreeWidgetItem* top = pane.Tree().topLevelItem(0);
    ASSERT_EQ(top->childCount(), 2);
    EXPECT_EQ(top->child(0)->text(0), u"第1册"_s);
    EXPECT_EQ(top->child(1)->text(0), u"第2册"_s);
    EXPECT_EQ(top->child(0)->childCount(), 2);
    EXPECT_EQ(top->child(1)->childCount(), 1);
    EXPECT_EQ(CMViewTree::DataOf(top->child(1)->child(0)), 3 << 16);
}

TEST_F(DirectoryPane, FillingTheTreeNeverNavigates)
{
    MakeBook();
    pane.Tree().FillBookTree();
    Select(pane.Tree().topLevelItem(0)->child(1));
    volumeVisits.clear();
    pane.Tree().FillBookTree();
    QTest::qWait(1);
    EXPECT_TRUE(volumeVisits.empty());
}
