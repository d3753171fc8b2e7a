// The sample text is opened and edited page by page in the text pane: in
// single-page display page 2 is shown, typed into, left and shown again;
// the edit lands in g_TextLines at page 2's place, the later page ends move
// by its length, and the saved file is UTF-16LE with a BOM and CR LF between the lines.
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "app/commands/CommandIds.h"
#include "app/panes/TextView.h"
#include "app/view/CollatorView.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "tests/app/FakeDialogs.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

QString JoinLines(const std::vector<QString>& lines)
{
    QString text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? u"\r\n"_s : QString()) + lines[i];
    return text;
}

class TextPaneEditing : public MainWindowFixture {};

TEST_F(TextPaneEditing, APageEditedInThePaneIsKeptAndSaved)
{
    ASSERT_TRUE(window->OpenText(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));
    if (g_TwoPageMode) {
        ASSERT_TRUE(window->Dispatch(Cmd::TwoPage));
    }
    ASSERT_EQ(g_TwoPageMode, 0);
    TTextView& pane = window->TextView();
    pane.RunCommand(TTextView::ShowAllToggle);
    ASSERT_FALSE(pane.ShowAll());
    ASSERT_GE(GetShownPageCount(), 4);

    window->View().GoToPage(2);
    ASSERT_EQ(g_CurrentPage, 2);
    const TextPaneText::Range page2 = pane.Text().PagesRange(2, -99);
    ASSERT_LE(page2.start, page2.end);
    EXPECT_EQ(pane.Editor().toPlainText(), pane.Text().TextOf(page2).replace(u"\r\n"_s, u"\n"_s));
    const QString fullBefore = pane.Text().FullText();
    const std::vector<int32_t> endsBefore = pane.Text().PageEnds();

    pane.Editor().moveCursor(QTextCursor::Start);
    QTest::keyClicks(&pane.Editor(), u"ab"_s);
    window->View().GoToPage(3);
    window->View().GoToPage(2);

    QString expected = fullBefore;
    expected.insert(page2.start, u"ab"_s);
    EXPECT_EQ(JoinLines(g_TextLines), expected);
    EXPECT_EQ(pane.Text().FullText(), expected);
    std::vector<int32_t> ends = endsBefore;
    for (size_t p = 2; p < ends.size(); ++p)
        ends[p] += 2;
    EXPECT_EQ(pane.Text().PageEnds(), ends) << "the ends of page 2 and later move by the two characters";
    EXPECT_TRUE(pane.Editor().toPlainText().startsWith(u"ab"_s));
    EXPECT_TRUE(pane.TextChanged());

    const QString path = dir.filePath(u"saved.txt"_s);
    chooser.ExpectSave(path);
    pane.RunCommand(TTextView::Save);
    EXPECT_FALSE(pane.TextChanged());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 6);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0D\x00\x0A\x00", 4))) << "CR LF between the lines";
    const QString written = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                               (bytes.size() - 2) / 2);
    EXPECT_EQ(written, expected);
}

// What was typed in the pane is typeset by the next layout change, whether
// the dialog applies it with 應用 or ends with 確定, and stays in the pane.
void TypeThenChangeLayout(MainWindow& window, bool apply)
{
    ASSERT_TRUE(window.OpenText(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));
    TTextView& pane = window.TextView();
    if (pane.ShowAll())
        pane.RunCommand(TTextView::ShowAllToggle);
    window.View().GoToPage(1);
    pane.Editor().moveCursor(QTextCursor::Start);
    QTest::keyClicks(&pane.Editor(), u"xy"_s);
    window.View().GoToPage(0);
    window.View().GoToPage(1);
    pane.Editor().moveCursor(QTextCursor::Start);
    QTest::keyClicks(&pane.Editor(), u"zw"_s);

    FakeDialogs dialogs;
    dialogs.OnRun([apply](QDialog& d) {
        QLineEdit* perLine = Child<QLineEdit>(d, u"textBox.perLine"_s);
        perLine->clear();
        QTest::keyClicks(perLine, u"7"_s);
        if (apply)
            Child<QPushButton>(d, u"apply"_s)->click();
        return true;
    });
    ASSERT_TRUE(window.Dispatch(Cmd::SettingsStyles));

    EXPECT_TRUE(JoinLines(g_TextLines).contains(u"zwxy"_s));
    EXPECT_TRUE(pane.Text().FullText().contains(u"zwxy"_s));
    EXPECT_TRUE(pane.TextChanged());
    QString typeset;
    for (const TPageRec& page : g_PageTable.pages)
        for (const TPageLine& line : page.lines)
            typeset += line.text;
    EXPECT_TRUE(typeset.contains(u"zwxy"_s)) << "the typed characters are typeset";
}

TEST_F(TextPaneEditing, TypedTextSurvivesAnAppliedLayoutChange) { TypeThenChangeLayout(*window, true); }

TEST_F(TextPaneEditing, TypedTextSurvivesALayoutChangeEndedWithOk) { TypeThenChangeLayout(*window, false); }

}  // namespace
