// The open-text and open-project commands with their questions, and
// typesetting the open text again.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/files/ProjectFile.h"
#include "app/navigation/PageNavigation.h"
#include "app/text/TextCommands.h"
#include "foundation/params/ParaFile.h"
#include "support/ScriptedPrompter.h"
#include "tests/app/BookFixture.h"
#include "tests/app/RecordingFrame.h"

using namespace Qt::StringLiterals;

namespace {

class TextCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkingState();
        g_ZoomIndex = 3;
        g_TwoPageMode = 0;
    }
    void TearDown() override { ResetWorkingState(); }

    QString PutText(const QString& name, const QString& text)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8().prepend("\xEF\xBB\xBF"));
        return file.fileName();
    }
    // A parameter file a.pra of one style "甲式" of three columns a page.
    void PutParaFile()
    {
        TParaSet set;
        TStyle* style = AddNewStyle(set.styles, {false, false});
        style->NAME = u"甲式"_s;
        style->TEXT_BOX.size.LINES = 3;
        ASSERT_TRUE(ExportParaFile(folder.filePath(u"a.pra"_s), set));
    }
    static ChooseFileToOpen Choose(const QString& path)
    {
        return [path](const QString&, const QString&) { return path; };
    }
    void OpenText(const QString& path) { OnFileOpenText(view.data, Choose(path)); }

    QTemporaryDir folder;
    HeadlessView view;
    ScriptedPrompter prompter;
};

// Twelve source lines, one column each: four pages of three columns.
QString LongText()
{
    QString text = u"【CSa.pra】\n"_s;
    for (int i = 0; i < 12; ++i)
        text += u"天地玄黃\n"_s;
    return text;
}

TEST_F(TextCommandsTest, TheOpenTextAsksNothingAndIsNotReloaded)
{
    const QString path = PutText(u"t.txt"_s, u"天地玄黃\n"_s);
    std::vector<QString> starts;
    OnFileOpenText(view.data, [&](const QString& filter, const QString& start) {
        EXPECT_EQ(filter, u"預處理文本文件 (*.txt)"_s);
        starts.push_back(start);
        return path;
    });
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_EQ(g_TextSavePath, folder.filePath(u"t"_s));
    EXPECT_EQ(view.frame.titles.back(), u"t"_s);
    PutText(u"t.txt"_s, u"宇宙洪荒\n"_s);
    OpenText(path);  // the project is changed, yet nothing is asked
    EXPECT_EQ(g_TextLines, std::vector<QString>{u"天地玄黃"_s});
    EXPECT_EQ(view.frame.resets, 1);
    OnFileOpenText(view.data, [&](const QString&, const QString& start) {
        starts.push_back(start);
        return QString();
    });
    EXPECT_EQ(starts.back(), folder.path());
}

// Without a project file the text is a changed project; opening another
// text asks about it and starts that text from the default set, not from
// the styles the first one's parameter file brought.
TEST_F(TextCommandsTest, AnotherTextStartsFromAResetState)
{
    PutParaFile();
    OpenText(PutText(u"t.txt"_s, u"【CSa.pra】\n天地玄黃\n"_s));
    ASSERT_EQ(g_CurrentStyle->NAME, u"甲式"_s);
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Prompter::Answer::No);
    OpenText(PutText(u"u.txt"_s, u"宇宙洪荒\n"_s));
    EXPECT_EQ(g_ProjectName, folder.filePath(u"u"_s));
    ASSERT_EQ(g_ParaSet.styles.Size(), 1);
    EXPECT_EQ(g_ParaSet.styles[0].NAME, kDefaultStyleName);
    EXPECT_EQ(view.frame.resets, 2);
}

TEST_F(TextCommandsTest, AProjectFileBesideTheTextLeavesItClean)
{
    const QString path = PutText(u"t.txt"_s, u"天地玄黃\n"_s);
    g_ProjectName = folder.filePath(u"t"_s);
    g_ParaSet.styles.AddNew()->NAME = u"乙式"_s;
    ASSERT_TRUE(SaveProjectFile());
    ResetWorkingState();
    g_ZoomIndex = 3;
    OpenText(path);
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_FALSE(g_LoadingText);
    EXPECT_EQ(g_PageTable.pages.First()->styleName, u"乙式"_s);
}

TEST_F(TextCommandsTest, AProjectWithoutItsTextGivesBothMessages)
{
    g_ProjectName = folder.filePath(u"p"_s);
    ASSERT_TRUE(SaveProjectFile());
    const QString project = ProjectFilePath();
    ResetWorkingState();
    prompter.ExpectTell(u"打开预处理文本文件出错！"_s).ExpectTell(u"打开项目文件出错！"_s);
    OnFileOpenProject(view.data, [&](const QString& filter, const QString&) {
        EXPECT_EQ(filter, u"參數文件 (*."_s + g_Edition->Extension(FileKind::Project) + u')');
        return project;
    });
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(g_LoadingText);
}

// A text, then the project of another: the changed project is asked about
// first.
TEST_F(TextCommandsTest, ATextThenAProject)
{
    PutText(u"p.txt"_s, u"宇宙洪荒\n"_s);
    g_ProjectName = folder.filePath(u"p"_s);
    g_ParaSet.styles.AddNew()->NAME = u"乙式"_s;
    ASSERT_TRUE(SaveProjectFile());
    const QString project = ProjectFilePath();
    ResetWorkingState();
    g_ZoomIndex = 3;
    OpenText(PutText(u"t.txt"_s, u"天地玄黃\n"_s));
    ASSERT_TRUE(g_ProjectDirty);
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Prompter::Answer::No);
    OnFileOpenProject(view.data, Choose(project));
    EXPECT_EQ(g_ProjectName, folder.filePath(u"p"_s));
    EXPECT_EQ(g_TextLines, std::vector<QString>{u"宇宙洪荒"_s});
    EXPECT_EQ(g_CurrentStyle->NAME, u"乙式"_s);
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_EQ(view.frame.titles.back(), u"p"_s);
}

TEST_F(TextCommandsTest, TheOpenProjectAsksNothing)
{
    PutText(u"p.txt"_s, u"天地玄黃\n"_s);
    g_ProjectName = folder.filePath(u"p"_s);
    ASSERT_TRUE(SaveProjectFile());
    const QString project = ProjectFilePath();
    ResetWorkingState();
    g_ZoomIndex = 3;
    OnFileOpenProject(view.data, Choose(project));
    EXPECT_EQ(g_TextName, u"p"_s);
    EXPECT_EQ(view.frame.resets, 1);
    g_ProjectDirty = true;
    OnFileOpenProject(view.data, Choose(project));
    EXPECT_EQ(view.frame.resets, 1);
}

TEST_F(TextCommandsTest, AChangedStyleTypesetsAgainOnTheSamePage)
{
    PutParaFile();
    OpenText(PutText(u"t.txt"_s, LongText()));
    ASSERT_EQ(g_PageTable.pages.Size(), 4);
    ShowPage(view.data, 2);
    g_ProjectDirty = false;
    g_CurrentStyle->TEXT_BOX.size.LINES = 2;
    RefreshAfterSettings(view.data);
    EXPECT_EQ(g_PageTable.pages.Size(), 6);
    EXPECT_EQ(g_CurrentPage, 2);
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_EQ(view.frame.comboCounts.back(), 6);
}

// A Cancel leaves the loading flag clear, so the text's 【CS…】 line does
// not bring back the parameter file over the edited style.
TEST_F(TextCommandsTest, ACancelledOpenKeepsTheEditedStyle)
{
    PutParaFile();
    OpenText(PutText(u"t.txt"_s, LongText()));
    ASSERT_EQ(g_CurrentStyle->TEXT_BOX.size.LINES, 3);
    g_CurrentStyle->TEXT_BOX.size.LINES = 2;
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Prompter::Answer::Cancel);
    OpenText(PutText(u"u.txt"_s, u"宇宙洪荒\n"_s));
    EXPECT_FALSE(g_LoadingText);
    EXPECT_EQ(g_ProjectName, folder.filePath(u"t"_s));
    RefreshAfterSettings(view.data);
    EXPECT_EQ(g_CurrentStyle->TEXT_BOX.size.LINES, 2);
    EXPECT_EQ(g_PageTable.pages.Size(), 6);
}

}  // namespace
