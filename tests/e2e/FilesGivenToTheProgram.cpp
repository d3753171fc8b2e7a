// What the program is given on its command line: a typeset book opens on
// its first volume with the edit pane, another edition's book is refused
// with its reader's message, and a relative name is the file in the folder
// the program was started in, not in the remembered project folder.
#include <QDir>
#include <QDockWidget>
#include <QFile>

#include "app/RunProgram.h"
#include "app/panes/EditView.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "tests/app/BookFixture.h"

using namespace Qt::StringLiterals;

namespace {

using FilesGivenToTheProgram = MainWindowFixture;

void WriteBook(const BookOnDisk& disk)
{
    TBookList scratch;
    disk.WriteTypeset(disk.Scan(scratch));
}

TEST_F(FilesGivenToTheProgram, ABookOpensOnItsFirstVolume)
{
    const BookOnDisk disk({4, 2});
    WriteBook(disk);
    ASSERT_TRUE(window->OpenFile(disk.TypesetPath()));
    ASSERT_TRUE(g_CurrentBook);
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_EQ(g_PageTable.pages.Size(), 4);
    EXPECT_TRUE(window->EditDock().isVisible());
    EXPECT_FALSE(window->TextDock().isVisible());
    EXPECT_GT(window->EditView().List().GetRowCount(), 1);
    EXPECT_TRUE(g_TextLines.empty()) << "nothing was typeset as a text";
}

// The vertical program given the woodblock program's book.
TEST_F(FilesGivenToTheProgram, AnotherEditionsBookIsRefused)
{
    const BookOnDisk disk({2});
    WriteBook(disk);
    const QString book = disk.TypesetPath();  // 書.pak
    InstallEdition(&EditionFor(EditionKind::Vertical));
    prompter.ExpectTell(u"不是排版文件！"_s);
    EXPECT_FALSE(window->OpenFile(book));
    EXPECT_FALSE(g_CurrentBook);
    EXPECT_FALSE(g_VolumeShown);
    EXPECT_TRUE(g_PageTable.pages.IsEmpty());
}

// Folder A holds the file given; the remembered project folder B holds a
// file of the same name.
TEST_F(FilesGivenToTheProgram, ARelativeNameIsTheFileWhereTheProgramStarted)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"A"_s) && QDir(dir.path()).mkpath(u"B"_s));
    WriteText(u"A/same.txt"_s, u"\uFEFF天地玄黃\n"_s);
    WriteText(u"B/same.txt"_s, u"\uFEFF宇宙洪荒\n"_s);
    g_ProjectFolder = dir.filePath(u"B"_s);
    ASSERT_TRUE(window->close());
    window.reset();

    const QString started = QDir::currentPath();
    QDir::setCurrent(dir.filePath(u"A"_s));
    ResetState();
    window = MakeProgramWindow({u"VellumorBlock"_s, u"same.txt"_s});
    QTest::qWait(50);
    QDir::setCurrent(started);
    EXPECT_EQ(g_ProjectName, dir.filePath(u"A/same"_s));
    EXPECT_EQ(g_TextLines, std::vector<QString>{u"天地玄黃"_s});
}

}  // namespace
