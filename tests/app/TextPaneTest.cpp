// The text pane: whole and per-page showing, edits spliced back into the
// text and g_TextLines, page stepping, saving, and its tools.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppGlobals.h"
#include "app/panes/MarkTool.h"
#include "app/panes/TextView.h"
#include "render/RenderGlobals.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

// QTest's key clicks take ASCII only: key events that carry the text.
void TypeInto(QWidget& widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Press, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

TEST(TextPaneText, SplicingAPageMovesTheEndsOfThatPageAndTheLaterOnes)
{
    TextPaneText text;
    text.Load({u"天地玄黃"_s, u"宇宙洪荒"_s, u"日月盈昃"_s});
    text.PageEnds() = {3, 9, 15};  // each page ends on its line's last character
    const TextPaneText::Range second = text.PagesRange(1, -99);
    EXPECT_EQ(text.TextOf(second), u"\r\n宇宙洪荒"_s);
    EXPECT_TRUE(text.Replace(second, u"\r\n宇宙"_s));
    EXPECT_EQ(text.PageEnds(), (std::vector<int32_t>{3, 7, 13}));
    EXPECT_EQ(text.Lines(), (std::vector<QString>{u"天地玄黃"_s, u"宇宙"_s, u"日月盈昃"_s}));
    EXPECT_FALSE(text.Replace(text.PagesRange(1, -99), u"\r\n宇宙"_s)) << "the same text is no change";
    // Pages the table has no end for give nothing to show.
    EXPECT_EQ(text.TextOf(text.PagesRange(3, -99)), QString());
    EXPECT_EQ(text.TextOf(text.PagesRange(2, 5)), QString());
}

namespace {

class TextPane : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRenderGlobals();
        ResetTypesetGlobals();
        ResetAppGlobals();
        g_TwoPageMode = 0;
        g_CurrentPage = 0;
        g_CurrentPages = &table;
        // Two pages, one source line each: the page-to-source map finds them.
        for (const QString& line : {u"天地玄黃"_s, u"宇宙洪荒"_s}) {
            TPageRec& page = *AppendPageRecord(table);
            page.lines = {{line}};
        }
        g_TextLines = {u"天地玄黃"_s, u"宇宙洪荒"_s};
        pane.SetHost({.goToShownPage = [this](int32_t shown) { shownPages.push_back(shown); },
                      .retypeset = [this] { ++retypesets; },
                      .chooseSavePath = [this] { return savePath; },
                      .chooseFont = {}});
    }
    void TearDown() override
    {
        ResetRenderGlobals();
        ResetTypesetGlobals();
        ResetAppGlobals();
    }
    // Types at a position of the editor (its end when -1).
    void Type(const QString& text, int at = -1)
    {
        QTextCursor cursor = pane.Editor().textCursor();
        if (at < 0)
            cursor.movePosition(QTextCursor::End);
        else
            cursor.setPosition(at);
        pane.Editor().setTextCursor(cursor);
        TypeInto(pane.Editor(), text);
    }

    TPageTable table;
    TTextView pane;
    std::vector<int32_t> shownPages;
    int retypesets = 0;
    QString savePath;
};

}  // namespace

TEST_F(TextPane, ShowsThePageAndSplicesItsEditIntoTheRangeItShowed)
{
    pane.LoadText();
    ASSERT_EQ(pane.Text().PageEnds().size(), 2u);
    EXPECT_EQ(pane.Editor().toPlainText(), u"天地玄黃\n宇宙洪荒"_s);
    pane.RunCommand(TTextView::ShowAllToggle);
    EXPECT_FALSE(pane.ShowAll());
    // A page runs to the line break after its last character.
    EXPECT_EQ(pane.Editor().toPlainText(), u"天地玄黃\n"_s);

    Type(u"也"_s, 4);
    // The view moves on before the pane shows the next page: the edit still
    // belongs to page 0.
    g_CurrentPage = 1;
    pane.ShowText();
    EXPECT_EQ(g_TextLines, (std::vector<QString>{u"天地玄黃也"_s, u"宇宙洪荒"_s}));
    EXPECT_TRUE(pane.TextChanged());
    EXPECT_EQ(pane.Editor().toPlainText(), u"宇宙洪荒"_s);
    EXPECT_EQ(pane.Text().PageEnds(), (std::vector<int32_t>{6, 10}));
    EXPECT_FALSE(pane.Editor().document()->isUndoAvailable()) << "a new page starts a new undo history";
}

TEST_F(TextPane, TogglingToAllAppliesEditsFirstAndEditsOfAllMapThePagesAgain)
{
    pane.LoadText();
    pane.RunCommand(TTextView::ShowAllToggle);
    Type(u"矣"_s, 4);
    pane.RunCommand(TTextView::ShowAllToggle);
    EXPECT_EQ(pane.Editor().toPlainText(), u"天地玄黃矣\n宇宙洪荒"_s);
    QTextCursor cursor = pane.Editor().textCursor();
    cursor.setPosition(0);
    pane.Editor().setTextCursor(cursor);
    TypeInto(pane.Editor(), u"曰"_s);
    pane.ApplyEdits();
    EXPECT_EQ(g_TextLines.front(), u"曰天地玄黃矣"_s);
    EXPECT_EQ(pane.Text().PageEnds(), (std::vector<int32_t>{4, 11}));
}

TEST_F(TextPane, WrappedLinesAreStillReadAsSourceLines)
{
    g_TextLines = {QString(300, u'天'), u"地"_s};
    pane.resize(200, 300);
    ASSERT_TRUE(pane.WordWrapping());  // the pane starts wrapping
    pane.LoadText();
    Type(u"玄"_s);
    pane.ApplyEdits();
    EXPECT_EQ(g_TextLines, (std::vector<QString>{QString(300, u'天'), u"地玄"_s}));
}

TEST_F(TextPane, PageStepsStayInsideTheShownPages)
{
    pane.LoadText();
    EXPECT_FALSE(pane.IsCommandEnabled(TTextView::PreviousPage));
    pane.RunCommand(TTextView::NextPage);
    pane.RunCommand(TTextView::NextPage);
    EXPECT_EQ(g_CurrentPage, 1);
    EXPECT_EQ(shownPages, (std::vector<int32_t>{1}));
    // Eleven pages, one cover, two-page display: shown pages 0 to 5.
    for (int i = 0; i < 9; ++i)
        AppendPageRecord(table);
    g_CoverPages = 1;
    g_TwoPageMode = 1;
    g_CurrentPage = 4;
    pane.RunCommand(TTextView::NextPage);
    EXPECT_EQ(g_CurrentPage, 5);
    EXPECT_FALSE(pane.IsCommandEnabled(TTextView::NextPage));
}

TEST_F(TextPane, TypesetAppliesEditsAndAsksForTheTextToBeTypesetAgain)
{
    pane.LoadText();
    Type(u"也"_s);
    g_CurrentPage = 3;
    pane.RunCommand(TTextView::Typeset);
    EXPECT_EQ(g_TextLines.back(), u"宇宙洪荒也"_s);
    EXPECT_EQ(retypesets, 1);
    EXPECT_TRUE(g_VolumeShown);
}

TEST_F(TextPane, SavesUtf16WithCrLfAndNamesTheProject)
{
    QTemporaryDir dir;
    savePath = dir.filePath(u"書.txt"_s);
    pane.LoadText();
    Type(u"也"_s);
    ASSERT_TRUE(pane.SaveText());
    EXPECT_FALSE(pane.TextChanged());
    EXPECT_EQ(g_ProjectName, dir.filePath(u"書"_s));
    EXPECT_TRUE(g_ProjectDirty);
    const QByteArray bytes = FileBytes(savePath);
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0D\x00\x0A\x00", 4)));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2),
              u"天地玄黃\r\n宇宙洪荒也"_s);
}

TEST_F(TextPane, AFailedSaveIsToldAndKeepsTheChangedFlag)
{
    QTemporaryDir dir;
    savePath = dir.filePath(u"no/such/folder/書.txt"_s);
    pane.LoadText();
    Type(u"也"_s);
    pane.ApplyEdits();
    ScriptedPrompter prompter;
    prompter.ExpectTell(u"寫預處理文件失敗！"_s);
    EXPECT_FALSE(pane.SaveText());
    EXPECT_TRUE(pane.TextChanged());
    EXPECT_TRUE(g_ProjectName.isEmpty());
}

TEST_F(TextPane, TheMarkToolOpensOnceAndWritesIntoTheEditor)
{
    pane.LoadText();
    pane.RunCommand(TTextView::MarkTool);
    CDlgMarkTool* palette = pane.MarkToolWindow();
    ASSERT_NE(palette, nullptr);
    pane.RunCommand(TTextView::MarkTool);
    EXPECT_EQ(pane.MarkToolWindow(), palette);
    emit palette->MarkToolCommand(1163);
    EXPECT_TRUE(pane.Editor().toPlainText().endsWith(u"宇宙洪荒【BK】"_s));
}

TEST_F(TextPane, FindAndReplaceInTheEditor)
{
    g_TextLines = {u"天地天地"_s, u"天"_s};
    pane.LoadText();
    TShow& edit = pane.Editor();
    edit.moveCursor(QTextCursor::Start);
    ASSERT_TRUE(edit.FindNext(u"天地"_s, true));
    EXPECT_EQ(edit.textCursor().selectionStart(), 0);
    EXPECT_TRUE(edit.ReplaceOne(u"天地"_s, u"玄"_s, true));
    EXPECT_EQ(edit.toPlainText(), u"玄天地\n天"_s);
    EXPECT_EQ(edit.textCursor().selectionStart(), 1);
    EXPECT_EQ(edit.ReplaceAll(u"天"_s, u"黃"_s, true), 2);
    EXPECT_EQ(edit.toPlainText(), u"玄黃地\n黃"_s);
    EXPECT_EQ(edit.ReplaceAll(u"黃"_s, u"宇"_s, false), 2);
    EXPECT_EQ(edit.toPlainText(), u"玄宇地\n宇"_s);
    EXPECT_FALSE(edit.FindNext(u"洪"_s, true));
}

// The find ignores case, so a found match that differs in case from the
// typed text is the one replaced.
TEST_F(TextPane, ReplaceTakesTheMatchFoundWhateverItsCase)
{
    g_TextLines = {u"ZW one ZW two ZW"_s};
    pane.LoadText();
    TShow& edit = pane.Editor();
    edit.moveCursor(QTextCursor::Start);
    ASSERT_TRUE(edit.FindNext(u"zw"_s, true));
    edit.ReplaceOne(u"zw"_s, u"Q"_s, true);
    EXPECT_EQ(edit.toPlainText(), u"Q one ZW two ZW"_s);
}

// The vertical presentation forms a text may hold (﹁﹂﹃﹄︵︶︽︾) are drawn
// in the pane whatever face it was given, not left blank.
TEST_F(TextPane, VerticalPresentationFormsAreDrawn)
{
    const QString forms = u"﹁﹂﹃﹄︵︶︽︾"_s;
    pane.Editor().setCursorWidth(0);  // the caret is no ink of the text
    const auto inkOf = [this](const QString& text) {
        g_TextLines = {text};
        pane.LoadText();
        const QImage shot = pane.Editor().viewport()->grab().toImage();
        int ink = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                ink += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
        return ink;
    };
    ASSERT_EQ(inkOf(u"\u3000"_s), 0);
    for (const QString& face : {QString(), u"AR PL UMing TW"_s, u"HanaMinA"_s, u"System"_s}) {
        QFont font = pane.Editor().font();
        if (!face.isEmpty())
            font.setFamily(face);
        font.setPointSize(20);
        pane.Editor().setFont(font);
        pane.resize(600, 200);
        for (const QChar c : forms)
            EXPECT_GT(inkOf(QString(c)), 4) << "U+" << QString::number(c.unicode(), 16).toStdString() << " in " << face.toStdString();
    }
}
