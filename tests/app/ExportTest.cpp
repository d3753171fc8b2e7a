#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/export/BookmarkExport.h"
#include "app/export/ParamExport.h"
#include "FakeDialogs.h"
#include "foundation/params/Style.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDone = u"生成書籤文件成功！"_s;
const QString kWriteFailed = u"打開文件寫出錯！"_s;

// 卷一 on text page 0 with 本紀 on text page 3 below it.
TBookmarkTree ShiJi()
{
    TBookmarkTree tree;
    TBookmarkNode* volume = AddBookmarkNode(tree);
    volume->title = u"卷一"_s;
    volume->page = 0;
    TBookmarkNode* chapter = AddBookmarkNode(volume->children);
    chapter->title = u"本紀"_s;
    chapter->page = 3;
    return tree;
}

QByteArray Fixture(const QString& name)
{
    return FileBytes(QStringLiteral(VELLUMOR_TEST_DATA "/export/") + name);
}

TEST(BookmarkExportTest, TextBookmarksAreWrittenByteExact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"史記TextMark.txt"_s);
    FakeDialogs fake;
    fake.ChooseFile(path);
    ScriptedPrompter prompter;
    prompter.ExpectTell(kDone);
    ExportTextBookmarks(u"史記"_s, ShiJi(), dir.path(), {});
    EXPECT_EQ(fake.lastName, u"史記TextMark"_s);
    EXPECT_EQ(fake.lastFolder, dir.path());
    EXPECT_EQ(Hex(FileBytes(path)), Hex(Fixture(u"shiji-bookmarks.txt"_s)));
}

TEST(BookmarkExportTest, ShownPageNumbersFollowTheDisplayMode)
{
    struct Case {
        int32_t textPage;
        TShownPageRule rule;
        int32_t number;
    };
    const Case cases[] = {
        {3, {1, true, false}, 3}, {0, {1, true, false}, 1}, {3, {0, false, false}, 4},
        {9, {1, false, true}, 4}, {4, {0, true, false}, 3}, {1, {1, true, false}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BookmarkPageNumber(c.textPage, c.rule), c.number) << c.textPage;
}

TEST(BookmarkExportTest, CancelIsTold)
{
    FakeDialogs fake;
    ScriptedPrompter prompter;
    prompter.ExpectTell(u"用戶取消生成書籤文件！"_s);
    ExportTextBookmarks(u"史記"_s, ShiJi(), QString(), {});
    prompter.ExpectTell(u"用戶取消生成書籤文件！"_s);
    ExportBookBookmarks(QString(), {}, {});
}

TEST(BookmarkExportTest, BookWritesOneFilePerVolumeAndStopsAtAFailure)
{
    QTemporaryDir dir;
    const TBookmarkTree tree = ShiJi();
    const std::vector<TVolumeBookmarks> volumes = {{u"卷一"_s, &tree}, {u"卷二"_s, &tree}, {u"卷三"_s, nullptr}};
    {
        FakeDialogs fake;
        fake.ChooseFile(dir.path());
        ScriptedPrompter prompter;
        prompter.ExpectTell(kDone);
        ExportBookBookmarks(u"/book"_s, volumes, {});
        EXPECT_EQ(fake.lastFolder, u"/book"_s);
    }
    for (const QString& title : {u"卷一"_s, u"卷二"_s, u"卷三"_s})
        EXPECT_TRUE(QFile::exists(dir.filePath(BookmarkFileName(title))));
    EXPECT_EQ(FileBytes(dir.filePath(u"卷三TextMark.txt"_s)).size(), 2 + 2 * 2);  // BOM and the title

    // The second file cannot be created: the third is never written.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir(BookmarkFileName(u"卷二"_s)));
    FakeDialogs fake;
    fake.ChooseFile(other.path());
    ScriptedPrompter prompter;
    prompter.ExpectTell(kWriteFailed);
    ExportBookBookmarks(QString(), volumes, {});
    EXPECT_TRUE(QFile::exists(other.filePath(u"卷一TextMark.txt"_s)));
    EXPECT_FALSE(QFile::exists(other.filePath(u"卷三TextMark.txt"_s)));
}

TEST(ParamExportTest, ProposesTheProjectNameOrAnEmptyNameInTheVolumeFolder)
{
    QTemporaryDir dir;
    TParaSet set;
    EnsureOneStyle(set.styles, {});
    {
        FakeDialogs fake;
        fake.ChooseFile(dir.filePath(u"out.pra"_s));
        ScriptedPrompter prompter;
        prompter.ExpectTell(u"参数保存结束！"_s);
        ExportParams(QString(), u"/books/史記/卷一.xvk"_s, set);
        EXPECT_EQ(fake.lastFolder, u"/books/史記"_s);
        EXPECT_EQ(fake.lastName, QString());
        EXPECT_TRUE(QFile::exists(dir.filePath(u"out.pra"_s)));
    }
    {
        FakeDialogs fake;
        fake.ChooseFile(dir.filePath(u"missing/out.pra"_s));
        ScriptedPrompter prompter;
        prompter.ExpectTell(kWriteFailed);
        ExportParams(u"/texts/史記"_s, QString(), set);
        EXPECT_EQ(fake.lastFolder, u"/texts"_s);
        EXPECT_EQ(fake.lastName, u"史記"_s);
    }
    FakeDialogs fake;
    ExportParams(QString(), QString(), set);  // no folder: nothing asked
    EXPECT_EQ(fake.lastFolder, QString());
}

}  // namespace
