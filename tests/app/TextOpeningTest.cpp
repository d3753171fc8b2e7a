// Opening a text: its project file when there is one, its parameter file
// named in the text when there is none, and a text that cannot be read.
#include <gtest/gtest.h>

#include <QLabel>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/ProjectFile.h"
#include "app/frame/MainWindow.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/ParaFile.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

namespace {

class TextOpeningTest : public ::testing::Test {
protected:
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // A set of one style named name, with three columns a page.
    static TParaSet SetNamed(const QString& name)
    {
        TParaSet set;
        TStyle* style = set.styles.AddNew();
        style->NAME = name;
        style->TEXT_BOX.size.LINES = 3;
        return set;
    }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
};

TEST_F(TextOpeningTest, ParameterFileNamedInTheTextWithoutAProject)
{
    ASSERT_TRUE(ExportParaFile(folder.filePath(u"a.pra"_s), SetNamed(u"甲式"_s)));
    const QString text = Put(u"t.txt"_s, u"【CSa.pra】\n天地玄黃\n"_s.toUtf8().prepend("\xEF\xBB\xBF"));
    MainWindow window;
    ASSERT_TRUE(window.OpenText(text));
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_EQ(g_PageTable.pages.First()->styleName, u"甲式"_s);
    ASSERT_NE(g_CurrentStyle, nullptr);
    EXPECT_EQ(g_CurrentStyle->NAME, u"甲式"_s);
}

TEST_F(TextOpeningTest, ProjectFileBesideTheTextIsReadAndLeftClean)
{
    ASSERT_TRUE(ExportParaFile(folder.filePath(u"a.pra"_s), SetNamed(u"甲式"_s)));
    const QString text = Put(u"t.txt"_s, u"【CSa.pra】\n天地玄黃\n"_s.toUtf8().prepend("\xEF\xBB\xBF"));
    g_ProjectName = folder.filePath(u"t"_s);
    ReplaceProjectParaSet(SetNamed(u"乙式"_s));
    ASSERT_TRUE(SaveProjectFile());
    ResetAppGlobals();
    MainWindow window;
    ASSERT_TRUE(window.OpenText(text));
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_EQ(g_PageTable.pages.First()->styleName, u"乙式"_s);  // the 【CS…】 line is not honoured
}

// The file chosen is the file read, whatever its extension; the project
// is named by the path without it.
TEST_F(TextOpeningTest, TextOfAnyExtensionIsOpenedByItsOwnPath)
{
    for (const QString& name : {u"X.TXT"_s, u"X.text"_s, u"X"_s}) {
        QTemporaryDir dir;
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(u"天地玄黃\n"_s.toUtf8().prepend("\xEF\xBB\xBF"));
        file.close();
        MainWindow window;
        ASSERT_TRUE(window.OpenText(file.fileName())) << name.toStdString();
        EXPECT_EQ(g_ProjectName, dir.filePath(u"X"_s));
        ASSERT_FALSE(g_TextLines.empty());
        EXPECT_EQ(g_TextLines.front(), u"天地玄黃"_s);
        // The status text starts with the text's name.
        EXPECT_EQ(window.StatusPane(2).text(), u"X 第1-2頁，正文共2頁"_s);
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }
}

TEST_F(TextOpeningTest, TextThatCannotBeRead)
{
    prompter.ExpectTell(u"打开预处理文本文件出错！"_s);
    MainWindow window;
    EXPECT_FALSE(window.OpenText(folder.filePath(u"missing.txt"_s)));
    EXPECT_TRUE(g_PageTable.pages.IsEmpty());
}

}  // namespace
