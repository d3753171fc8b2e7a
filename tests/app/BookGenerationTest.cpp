// Generating a typeset book from a folder of texts and opening it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "BookFixture.h"
#include "app/books/BookGeneration.h"
#include "app/books/BookOpening.h"
#include "app/files/ProjectFile.h"
#include "app/view/CollatorView.h"
#include "support/Editions.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedChooser.h"
#include "support/ScriptedPrompter.h"

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;

namespace {

const QString kDone = u"生成排版文件结束！"_s;

class BookGeneration : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        ResetWorkingState();
        QDir(root.path()).mkdir(u"書"_s);
        folder = root.filePath(u"書"_s);
    }
    void TearDown() override
    {
        view.reset();
        ResetWorkingState();
        EditionTest::TearDown();
    }
    QString Ext(FileKind kind) const { return edition().Extension(kind); }
    // A volume text: its name, a title and a few lines, after extra lines.
    QString WriteText(const QString& name, const QString& head = {}) const
    {
        const QString path = folder + u'/' + name + u".txt"_s;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF");  // UTF-8: texts without the mark are read as GBK
        file.write((head + u"【JM"_s + name + u"】\n【BT1-"_s + name + u"上】\n"_s +
                    u"子曰：學而時習之，不亦說乎？\n"_s.repeated(6))
                       .toUtf8());
        return path;
    }
    // A project file beside the text, its style 甲 marked by flag.
    void WriteProject(const QString& name, bool flag) const
    {
        g_ProjectName = folder + u'/' + name;
        TParaSet set;
        AddNewStyle(set.styles, {true, false})->NAME = u"甲"_s;
        set.styles.First()->TEXT_BOX.DOUBLE_LINE_ZHU = flag;
        ReplaceProjectParaSet(std::move(set));
        ASSERT_TRUE(SaveProjectFile());
        ResetWorkingState();
    }
    std::unique_ptr<TBook> Generate()
    {
        chooser.ExpectFolder(folder);
        return GenerateTypesetBook(*view, [this] { return ++fileNews > 0; });
    }

    QTemporaryDir root;
    QString folder;
    ScriptedPrompter prompter;
    ScriptedChooser chooser;
    std::unique_ptr<CollatorView> view = std::make_unique<CollatorView>();
    int fileNews = 0;
};

}  // namespace

// Each text gets its volume-data file beside it; the typeset file lies
// beside the folder, the index inside it; every file starts as its form
// says. The book is open afterwards, its set in use.
TEST_P(BookGeneration, WritesEveryFileAndOpensTheBook)
{
    for (const QString& name : {u"卷1"_s, u"卷2"_s, u"卷3"_s})
        WriteText(name);
    prompter.ExpectTell(kDone);
    const std::unique_ptr<TBook> book = Generate();
    ASSERT_TRUE(book);
    EXPECT_EQ(g_CurrentBook, book.get());
    EXPECT_EQ(g_CurrentParaSet, &book->parameters);
    EXPECT_EQ(book->volumes.Size(), 3);
    EXPECT_EQ(view->GeneratedFolder, u"書"_s);
    EXPECT_TRUE(g_ProjectName.isEmpty());
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_EQ(fileNews, 0) << "nothing was shown, so nothing was asked";
    for (int v = 1; v <= 3; ++v) {
        const QByteArray head = LeBytes().I32(32).WStr(edition().Magic(FileKind::VolumeData)).Data();
        EXPECT_EQ(Hex(FileBytes(folder + u"/卷%1."_s.arg(v) + Ext(FileKind::VolumeData)).left(head.size())), Hex(head));
        EXPECT_GT(book->volumes.GetAtOrNull(v - 1)->pageCount, 0);
    }
    const QByteArray typesetHead = LeBytes().I32(32).WStr(edition().Magic(FileKind::Typeset)).I32(0).I32(0).Data();
    EXPECT_EQ(Hex(FileBytes(folder + u'.' + Ext(FileKind::Typeset)).left(typesetHead.size())), Hex(typesetHead));
    EXPECT_EQ(Hex(FileBytes(folder + u"/書."_s + Ext(FileKind::Index)).left(4)), Hex(LeBytes().I32(3).Data()));

    // Opening it shows its first volume.
    ASSERT_TRUE(OpenTypesetFile(*view, folder + u'.' + Ext(FileKind::Typeset)));
    LeaveBook(*book);
    ASSERT_NE(g_CurrentBook, nullptr);
    EXPECT_NE(g_CurrentBook, book.get());
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_TRUE(g_VolumeShown);
    EXPECT_EQ(g_ProjectFolder, folder);
}
VELLUMOR_ALL_EDITIONS(BookGeneration);

class BookGenerationCases : public BookGeneration {};

// The first text has a cover, the second none: the second stops the run
// after the first volume's file, and no typeset file is written.
TEST_P(BookGenerationCases, DifferingCoversStopAtTheSecondText)
{
    WriteText(u"卷1"_s, u"【FM】\n【-FM】\n"_s);
    WriteText(u"卷2"_s);
    prompter.ExpectTell(u"封面封底数据不一致！"_s);
    EXPECT_FALSE(Generate());
    EXPECT_TRUE(QFile::exists(folder + u"/卷1."_s + Ext(FileKind::VolumeData)));
    EXPECT_FALSE(QFile::exists(folder + u"/卷2."_s + Ext(FileKind::VolumeData)));
    EXPECT_FALSE(QFile::exists(folder + u'.' + Ext(FileKind::Typeset)));
    EXPECT_EQ(g_CurrentBook, nullptr);
    EXPECT_EQ(g_CurrentParaSet, &g_ParaSet);
    EXPECT_TRUE(g_ProjectName.isEmpty()) << "the failed text is left no open project";
}

TEST_P(BookGenerationCases, TheFirstStyleOfANameWins)
{
    WriteText(u"卷1"_s);
    WriteText(u"卷2"_s);
    WriteProject(u"卷1"_s, true);
    WriteProject(u"卷2"_s, false);
    prompter.ExpectTell(kDone);
    const std::unique_ptr<TBook> book = Generate();
    ASSERT_TRUE(book);
    const TStyle* style = book->parameters.styles.FindByName(&TStyle::NAME, u"甲"_s);
    ASSERT_NE(style, nullptr);
    EXPECT_TRUE(style->TEXT_BOX.DOUBLE_LINE_ZHU);
    LeaveBook(*book);
}

// Generating again over the written files asks nothing about them; with
// pages shown the clearing question comes first, and the new-file step runs.
TEST_P(BookGenerationCases, AgainOverItsOwnFilesAsksOnlyTheClearingQuestion)
{
    WriteText(u"卷1"_s);
    prompter.ExpectTell(kDone);
    std::unique_ptr<TBook> book = Generate();
    ASSERT_TRUE(book);
    prompter.ExpectAsk(u"生成前必須清除當前數據，是否繼續？"_s, Answer::Yes).ExpectTell(kDone);
    std::unique_ptr<TBook> again = Generate();
    ASSERT_TRUE(again);
    EXPECT_EQ(fileNews, 1);
    LeaveBook(*again);
}

TEST_P(BookGenerationCases, AFolderWithoutTextsIsRefused)
{
    prompter.ExpectTell(u"文件夾中沒有TXT文件！"_s);
    EXPECT_FALSE(Generate());
    EXPECT_FALSE(QFile::exists(folder + u'.' + Ext(FileKind::Typeset)));
}

// A volume-data file that cannot be written is named and ends the run; the
// volume before it keeps its file.
TEST_P(BookGenerationCases, AVolumeThatCannotBeWrittenIsNamedAndStopsTheRun)
{
    WriteText(u"卷1"_s);
    WriteText(u"卷2"_s);
    const QString blocked = folder + u"/卷2."_s + Ext(FileKind::VolumeData);
    ASSERT_TRUE(QDir().mkdir(blocked));
    prompter.ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(blocked));
    EXPECT_FALSE(Generate());
    EXPECT_TRUE(QFile::exists(folder + u"/卷1."_s + Ext(FileKind::VolumeData)));
    EXPECT_FALSE(QFile::exists(folder + u'.' + Ext(FileKind::Typeset)));
    EXPECT_EQ(g_CurrentBook, nullptr);
}

// A typeset file whose folder holds no volume-data file opens nothing and
// changes nothing.
TEST_P(BookGenerationCases, OpeningABookWithoutVolumesShowsNothing)
{
    PutFile(folder + u'.' + Ext(FileKind::Typeset), LeBytes().I32(32).Data());
    prompter.ExpectTell(u"没有找到豎排文件！"_s);
    const TParaSet* inUse = g_CurrentParaSet;
    EXPECT_FALSE(OpenTypesetFile(*view, folder + u'.' + Ext(FileKind::Typeset)));
    EXPECT_EQ(view->Data.books.Size(), 0);
    EXPECT_EQ(g_CurrentBook, nullptr);
    EXPECT_EQ(g_CurrentParaSet, inUse);
    EXPECT_FALSE(g_VolumeShown);
}
INSTANTIATE_TEST_SUITE_P(Woodblock, BookGenerationCases, ::testing::Values(EditionKind::Woodblock), EditionName);
