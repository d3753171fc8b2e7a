// Opening a long text shows the progress window from the start: reading the
// file is its first stage, counted in the file's bytes, then the lines are
// typeset. 取消 in either stage leaves everything as it was before the
// command, without a word: the project open before, its pages, text, text
// pane, parameters and title. Without 取消 the text opens as usual, the
// window staying over the loading of the text pane with a full bar and
// 取消 disabled. A text given to the program on its command line shows the
// same progress over its shown window.
#include <QLabel>
#include <QPlainTextEdit>

#include "app/FakeDialogs.h"
#include "app/RunProgram.h"
#include "app/commands/CommandIds.h"
#include "app/panes/TextView.h"
#include "foundation/FoundationGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kLongLines = 40000;  // about 1.3 MB, read in 5 steps

QString LabelOf(QDialog& progress)
{
    const QLabel* label = progress.findChild<QLabel*>();
    return label ? label->text() : QString();
}

bool Reading(QDialog& progress) { return LabelOf(progress).startsWith(u"讀取 long.txt（"_s); }

bool Loading(QDialog& progress) { return LabelOf(progress) == u"載入 long.txt"_s; }

QPushButton* CancelOf(QDialog& progress) { return progress.findChild<QPushButton*>(); }

// What the window shows of the open text.
struct OpenState {
    explicit OpenState(MainWindow& window)
        : project(g_ProjectName), dirty(g_ProjectDirty), lines(g_TextLines), pages(g_PageTable.pages.Size()),
          firstLine(g_PageTable.pages.First()->lines.front().text), pane(window.TextView().Editor().toPlainText()),
          title(window.windowTitle()), style(g_CurrentStyle->NAME), shown(g_CurrentPage)
    {
    }
    bool operator==(const OpenState&) const = default;

    QString project;
    bool dirty;
    std::vector<QString> lines;
    int32_t pages;
    QString firstLine;
    QString pane;
    QString title;
    QString style;
    int32_t shown;
};

class OpenLongTextProgress : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        chooser.ExpectOpen(WriteText(u"short.txt"_s, u"\uFEFF【JM卷一】\n子曰：學而時習之，不亦說乎？\n"_s));
        ASSERT_TRUE(window->Dispatch(Cmd::OpenText));
        // Saved, so that the next open asks nothing.
        g_ProjectDirty = false;
        QString text = u"\uFEFF"_s;
        for (int i = 0; i < kLongLines; ++i)
            text += u"甲乙丙丁戊己庚辛壬癸\r\n"_s;
        longText = WriteText(u"long.txt"_s, text);
    }

    // Opens the long text, pressing 取消 once cancelHere says so; the
    // step's bar value where it was pressed, else -1.
    int OpenCancelling(const std::function<bool(QDialog&)>& cancelHere)
    {
        FakeDialogs dialogs;
        int cancelledAt = -1;
        dialogs.OnProgress([&](QDialog& progress) {
            if (cancelledAt < 0 && cancelHere(progress)) {
                cancelledAt = ProgressStepOf(progress);
                PressCancel(progress);
            }
        });
        dialogs.ChooseFile(longText);
        window->Dispatch(Cmd::OpenText);
        return cancelledAt;
    }

    // The long text opens afterwards, in full.
    void OpensInFull()
    {
        FakeDialogs dialogs;
        dialogs.ChooseFile(longText);
        EXPECT_TRUE(window->Dispatch(Cmd::OpenText));
        EXPECT_EQ(g_ProjectName, dir.filePath(u"long"_s));
        EXPECT_EQ(g_TextLines.size(), size_t(kLongLines));
    }

    // After 取消: the window shows what it showed before, no progress is
    // left, and the long text then opens in full.
    void ExpectAsItWasThenOpensInFull(const OpenState& before)
    {
        EXPECT_TRUE(OpenState(*window) == before);
        EXPECT_EQ(g_CurrentPages, &g_PageTable);
        EXPECT_EQ(window->findChild<QDialog*>(u"ProgressReporter"_s), nullptr);
        OpensInFull();
    }

    QString longText;
};

TEST_F(OpenLongTextProgress, CancelLeavesTheOpenTextAsItWas)
{
    const OpenState before(*window);
    bool reading = false;
    // Typesetting: well into the lines.
    const int cancelledAt = OpenCancelling([&reading](QDialog& progress) {
        reading = Reading(progress);
        return !reading && ProgressStepOf(progress) > 10000;
    });
    EXPECT_GT(cancelledAt, 10000);
    EXPECT_FALSE(reading);
    ExpectAsItWasThenOpensInFull(before);
}

TEST_F(OpenLongTextProgress, CancelWhileReadingLeavesTheOpenTextAsItWas)
{
    const OpenState before(*window);
    bool typeset = false;
    const int cancelledAt = OpenCancelling([&typeset](QDialog& progress) {
        typeset = typeset || !Reading(progress);
        return Reading(progress) && ProgressStepOf(progress) >= 3;
    });
    EXPECT_EQ(cancelledAt, 3);
    EXPECT_FALSE(typeset);
    ExpectAsItWasThenOpensInFull(before);
}

TEST_F(OpenLongTextProgress, ProgressFollowsTheFileThenTheLinesToTheEnd)
{
    FakeDialogs dialogs;
    QStringList labels;
    struct Stage {
        int steps = 0;
        int last = -1;
        int end = -1;
        bool rising = true;
        bool cancellable = true;
        QString label;
    } reading, typesetting, loading;
    dialogs.OnProgress([&](QDialog& progress) {
        labels << LabelOf(progress);
        Stage& stage = Reading(progress) ? reading : Loading(progress) ? loading : typesetting;
        ++stage.steps;
        stage.rising = stage.rising && ProgressStepOf(progress) >= stage.last;
        stage.last = ProgressStepOf(progress);
        stage.end = progress.findChild<QProgressBar*>()->maximum();
        stage.cancellable = stage.cancellable && CancelOf(progress)->isEnabled();
        stage.label = LabelOf(progress);
        if (Loading(progress))
            PressCancel(progress);  // too late: nothing happens
    });
    dialogs.ChooseFile(longText);
    EXPECT_TRUE(window->Dispatch(Cmd::OpenText));

    ASSERT_FALSE(labels.isEmpty());
    EXPECT_TRUE(labels.front().startsWith(u"讀取 long.txt（0.0/1.3 MB）"_s)) << labels.front().toStdString();
    EXPECT_EQ(reading.steps, 5);
    EXPECT_TRUE(reading.rising);
    EXPECT_EQ(reading.last, 4);
    EXPECT_EQ(reading.end, 5);
    // Then the lines, counted as lines.
    EXPECT_GT(typesetting.steps, 40);
    EXPECT_TRUE(typesetting.rising);
    EXPECT_GT(typesetting.last, 39000);
    EXPECT_EQ(typesetting.end, kLongLines);
    EXPECT_TRUE(typesetting.label.endsWith(u"/%1）"_s.arg(kLongLines))) << typesetting.label.toStdString();
    EXPECT_TRUE(reading.cancellable && typesetting.cancellable);
    // Then the text pane's loading, which 取消 can no longer stop.
    EXPECT_EQ(labels.back(), u"載入 long.txt"_s);
    EXPECT_EQ(loading.steps, 1);
    EXPECT_EQ(loading.last, kLongLines);
    EXPECT_FALSE(loading.cancellable);

    EXPECT_EQ(g_ProjectName, dir.filePath(u"long"_s));
    EXPECT_TRUE(g_ProjectDirty);  // no project file beside it
    EXPECT_EQ(g_TextLines.size(), size_t(kLongLines));
    EXPECT_EQ(g_TextLines.back(), u"甲乙丙丁戊己庚辛壬癸"_s);
    EXPECT_GT(GetShownPageCount(), 100);
    EXPECT_EQ(g_CurrentPage, 0);
    EXPECT_EQ(window->findChild<QDialog*>(u"ProgressReporter"_s), nullptr);
}

TEST_F(OpenLongTextProgress, ATextGivenToTheProgramShowsItsWindowAndProgress)
{
    ASSERT_TRUE(window->close());
    window.reset();
    ResetState();
    FakeDialogs dialogs;
    QStringList labels;
    bool windowShown = false;
    std::unique_ptr<MainWindow> program;
    dialogs.OnProgress([&](QDialog& progress) {
        if (labels.isEmpty())
            windowShown = program && program->isVisible();
        labels << LabelOf(progress);
    });
    program = MakeProgramWindow({u"VellumorBlock"_s, longText});
    QTest::qWait(50);
    window = std::move(program);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_TRUE(windowShown);
    EXPECT_TRUE(labels.front().startsWith(u"讀取 long.txt（"_s)) << labels.front().toStdString();
    EXPECT_EQ(g_ProjectName, dir.filePath(u"long"_s));
    EXPECT_EQ(g_TextLines.size(), size_t(kLongLines));
}

}  // namespace
