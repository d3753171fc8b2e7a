// Closing the main window asks 預處理文本 → 項目 → 排版文字 → 版式參數;
// Cancel, or a save that fails, keeps the window open, and what earlier
// answers saved stays saved.
#include <QDir>
#include <QFile>

#include "app/files/ProjectFile.h"
#include "app/settings/FrameSettings.h"
#include "app/view/CollatorView.h"
#include "foundation/io/Paths.h"
#include "support/MainWindowFixture.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;

namespace {

const QString kPane = u"預處理文本已修改，是否保存？"_s;
const QString kProject = u"是否保存當前項目？"_s;
const QString kText = u"排版文字已修改，是否保存？"_s;
const QString kLayout = u"版式參數已修改，是否保存？"_s;

struct CloseCase {
    const char* name;
    bool pane, project, volume, layout;
    std::vector<std::pair<QString, Answer>> answers;
    bool closes;
    // Which dirty flags remain set afterwards (pane, project, volume, layout).
    std::array<bool, 4> dirtyAfter;
};

const CloseCase kCases[] = {
    {"NothingOpen", false, false, false, false, {}, true, {false, false, false, false}},
    {"AllNo", true, true, true, true, {{kPane, Answer::No}, {kProject, Answer::No}, {kText, Answer::No}, {kLayout, Answer::No}},
     true, {true, true, false, false}},
    {"AllYes", true, true, true, true,
     {{kPane, Answer::Yes}, {kProject, Answer::Yes}, {kText, Answer::Yes}, {kLayout, Answer::Yes}}, true,
     {false, false, false, false}},
    {"CancelAtPane", true, true, true, true, {{kPane, Answer::Cancel}}, false, {true, true, true, true}},
    {"CancelAtProject", true, true, true, true, {{kPane, Answer::Yes}, {kProject, Answer::Cancel}}, false,
     {false, true, true, true}},
    {"CancelAtText", true, true, true, true, {{kPane, Answer::No}, {kProject, Answer::Yes}, {kText, Answer::Cancel}},
     false, {true, false, true, true}},
    {"CancelAtLayout", true, true, true, true,
     {{kPane, Answer::No}, {kProject, Answer::No}, {kText, Answer::Yes}, {kLayout, Answer::Cancel}}, false,
     {true, true, false, true}},
    {"OnlyTheVolume", false, false, true, false, {{kText, Answer::Yes}}, true, {false, false, false, false}},
};

class CloseQuestions : public MainWindowFixture, public ::testing::WithParamInterface<CloseCase> {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QFile::remove(FrameSettingsPath());
        book.bookFolder = dir.filePath(u"書"_s);
        book.volumes.AddNew()->name = dir.filePath(u"卷一.skk"_s);
        window->SetTextPaneSaving({{}, [this] { return paneDirty; }, [this] {
                                       paneDirty = false;
                                       return true;
                                   }});
    }
    void Open(bool pane, bool project, bool volume, bool layout)
    {
        paneDirty = pane;
        if (project) {
            g_ProjectName = dir.filePath(u"項目"_s);
            g_ProjectDirty = true;
        }
        if (volume || layout)
            g_CurrentBook = &book;
        g_CurrentVolume = 0;
        g_VolumeDirty = volume;
        g_LayoutDirty = layout;
    }

    bool paneDirty = false;
    TBook book;
};

TEST_P(CloseQuestions, AsksInOrderAndClosesOnlyWhenNothingIsCancelled)
{
    const CloseCase& c = GetParam();
    Open(c.pane, c.project, c.volume, c.layout);
    for (const auto& [text, answer] : c.answers)
        prompter.ExpectAsk(text, answer);

    EXPECT_EQ(window->close(), c.closes);
    EXPECT_EQ(window->isVisible(), !c.closes);
    EXPECT_EQ(PathExists(FrameSettingsPath()), c.closes);
    EXPECT_EQ(paneDirty, c.dirtyAfter[0]);
    EXPECT_EQ(g_ProjectDirty, c.dirtyAfter[1]);
    EXPECT_EQ(g_VolumeDirty, c.dirtyAfter[2]);
    EXPECT_EQ(g_LayoutDirty, c.dirtyAfter[3]);
    // What a Yes saved is on disk.
    const bool projectSaved = c.project && !c.dirtyAfter[1];
    EXPECT_EQ(PathExists(ProjectFilePath()), projectSaved);
    const bool volumeSaved = c.volume && !c.dirtyAfter[2] &&
                             std::find(c.answers.begin(), c.answers.end(), std::pair{kText, Answer::Yes}) != c.answers.end();
    EXPECT_EQ(PathExists(book.volumes.First()->name), volumeSaved);
}

INSTANTIATE_TEST_SUITE_P(Table, CloseQuestions, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

using FailingSaves = CloseQuestions;

TEST_F(FailingSaves, AFailedProjectSaveActsAsCancel)
{
    Open(false, true, true, false);
    g_ProjectName = dir.filePath(u"無此目錄/項目"_s);
    prompter.ExpectAsk(kProject, Answer::Yes)
        .ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(ProjectFilePath()));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_TRUE(g_VolumeDirty);  // never asked
    EXPECT_FALSE(PathExists(FrameSettingsPath()));
}

TEST_F(FailingSaves, AFailedLayoutSaveKeepsItsFlag)
{
    Open(false, false, false, true);
    book.bookFolder = dir.filePath(u"無此目錄/書"_s);
    prompter.ExpectAsk(kLayout, Answer::Yes)
        .ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(book.bookFolder + u".pak"_s));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(g_LayoutDirty);
}

TEST_F(FailingSaves, AFailedVolumeSaveKeepsItsFlags)
{
    Open(false, false, true, false);
    g_IndexDirty = true;
    book.volumes.First()->name = dir.filePath(u"無此目錄/卷一.skk"_s);
    prompter.ExpectAsk(kText, Answer::Yes)
        .ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(book.volumes.First()->name));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_TRUE(g_IndexDirty);
}

// New with an open project: project, then the pane, then volume and layout.
TEST_F(FailingSaves, NewAsksProjectBeforeThePane)
{
    Open(true, true, true, true);
    prompter.ExpectAsk(kProject, Answer::No)
        .ExpectAsk(kPane, Answer::No)
        .ExpectAsk(kText, Answer::No)
        .ExpectAsk(kLayout, Answer::Cancel);
    window->Dispatch(57600);
    EXPECT_EQ(g_ProjectName, dir.filePath(u"項目"_s));  // cancelled: nothing reset
    EXPECT_EQ(g_CurrentBook, &book);
    g_CurrentBook = nullptr;
}

}  // namespace
