// The mark tool's insertions at the caret and around a selection, and its palette.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/panes/MarkTool.h"
#include "support/Editions.h"

using namespace Qt::StringLiterals;

namespace {

struct Insertion {
    int id;
    int selStart;
    int selEnd;
    QString text;
    int caret;
};

}  // namespace

TEST(MarkTool, InsertsTagsAtTheCaretOrAroundTheSelection)
{
    // In "天地玄黃": the selection, then the text and the caret afterwards.
    const Insertion cases[] = {
        {1144, 1, 4, u"天【ZT】地玄黃【-ZT】"_s, 4},  // 字體: caret before the opening tag's 】
        {1165, 1, 3, u"天【|】地玄黃"_s, 4},          // 分割: the tag before the kept selection
        {1166, 2, 2, u"天地【TP+】玄黃"_s, 6},        // 圖片: the pair, caret between
        {1175, 0, 2, u"【ZW】天地【-ZW】玄黃"_s, 4},  // 注文: caret after the opening tag
        {1163, 4, 4, u"天地玄黃【BK】"_s, 8},         // 空格 at the end
        {1144, 0, 0, u"【ZT】【-ZT】天地玄黃"_s, 4},  // with no selection a param pair acts as a pair
        {9999, 1, 2, u"天地玄黃"_s, 2},               // an unknown id inserts nothing
    };
    for (const Insertion& c : cases) {
        QPlainTextEdit edit(u"天地玄黃"_s);
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(c.selStart);
        cursor.setPosition(c.selEnd, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        InsertMarkTag(edit, c.id);
        EXPECT_EQ(edit.toPlainText(), c.text) << c.id;
        EXPECT_EQ(edit.textCursor().position(), c.caret) << c.id;
        EXPECT_EQ(edit.textCursor().hasSelection(), FindMarkButton(c.id) == nullptr) << c.id;
    }
}

TEST(MarkTool, OneUndoTakesAWrappingBack)
{
    QPlainTextEdit edit(u"天地"_s);
    edit.selectAll();
    InsertMarkTag(edit, 1195);
    EXPECT_EQ(edit.toPlainText(), u"【QD】天地【-QD】"_s);
    edit.undo();
    EXPECT_EQ(edit.toPlainText(), u"天地"_s);
}

class MarkToolPalette : public EditionTest {};

TEST_P(MarkToolPalette, ButtonsReportTheirIdsAndWoodblockOnlyTagsAreDisabledElsewhere)
{
    CDlgMarkTool palette;
    QSignalSpy pressed(&palette, &CDlgMarkTool::MarkToolCommand);
    QTest::mouseClick(palette.Button(1160), Qt::LeftButton);
    ASSERT_TRUE(pressed.wait(1000));
    EXPECT_EQ(pressed.at(0).at(0).toInt(), 1160);
    const bool woodblock = GetParam() == EditionKind::Woodblock;
    for (int id : {1205, 1201, 1195})
        EXPECT_EQ(palette.Button(id)->isEnabled(), woodblock) << id;
    EXPECT_TRUE(palette.Button(1175)->isEnabled());
}
VELLUMOR_ALL_EDITIONS(MarkToolPalette);
