#include "GridFixture.h"

#include <QLineEdit>

#include "grid/InPlaceEdit.h"

namespace {

class GridKeyboard : public GridFixture {
protected:
    void SetUp() override
    {
        Build(5, 3, 1, 0);  // rows 1..4, columns 0..2
        Fill();
    }
};

struct MoveCase {
    CCellID from;
    int key;
    Qt::KeyboardModifiers modifiers;
    CCellID to;
};

TEST_F(GridKeyboard, TabWrapsAndArrowsClampAtTheEnds)
{
    const MoveCase cases[] = {
        {{1, 2}, Qt::Key_Tab, Qt::NoModifier, {2, 0}},         // wraps to the next row
        {{4, 2}, Qt::Key_Tab, Qt::NoModifier, {4, 2}},         // the end: left to the default
        {{2, 0}, Qt::Key_Tab, Qt::ShiftModifier, {1, 2}},      // wraps back
        {{1, 0}, Qt::Key_Backtab, Qt::ShiftModifier, {1, 0}},  // the start
        {{1, 1}, Qt::Key_Up, Qt::NoModifier, {1, 1}},          // not into the fixed row
        {{4, 1}, Qt::Key_Down, Qt::NoModifier, {4, 1}},
        {{2, 2}, Qt::Key_Right, Qt::NoModifier, {2, 2}},
        {{2, 0}, Qt::Key_Left, Qt::NoModifier, {2, 0}},
        {{2, 1}, Qt::Key_PageDown, Qt::NoModifier, {4, 1}},    // nothing scrolls: the last row
        {{3, 1}, Qt::Key_PageUp, Qt::NoModifier, {1, 1}},
        {{3, 1}, Qt::Key_End, Qt::NoModifier, {4, 1}},
        {{3, 1}, Qt::Key_Home, Qt::NoModifier, {1, 1}},
    };
    for (const MoveCase& c : cases) {
        grid.SetFocusCell(c.from);
        QTest::keyClick(&grid, Qt::Key(c.key), c.modifiers);
        EXPECT_EQ(grid.GetFocusCell(), c.to) << "key " << std::hex << c.key << " from " << c.from.row << ","
                                             << c.from.col;
        EXPECT_FALSE(grid.InPlaceEditor());
    }
}

TEST_F(GridKeyboard, ShiftExtendsFromTheAnchorAndListModeSelectsRows)
{
    grid.SetFocusCell({1, 1});
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{2, 1, 2, 1}));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{2, 1, 3, 2}));
    EXPECT_EQ(grid.GetSelectedCount(), 4);

    grid.SetListMode(true);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{2, 0, 2, 2}));
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 2}));
}

struct StartCase {
    const char* what;
    int key;
    QString typed;
    QString text;      // the editor's text
    QString selected;  // its selected text
    int cursor;
};

TEST_F(GridKeyboard, TheStartingKeyPlacesTheCaret)
{
    const QString cell = QStringLiteral("abc");
    const StartCase cases[] = {
        {"a letter replaces", Qt::Key_X, QStringLiteral("x"), QStringLiteral("x"), QString(), 1},
        {"backspace drops the last", Qt::Key_Backspace, QString(), QStringLiteral("ab"), QString(), 2},
        {"enter keeps, caret at the end", Qt::Key_Return, QString(), cell, QString(), 3},
        {"space selects all", Qt::Key_Space, QStringLiteral(" "), cell, cell, 3},
        {"a supplementary character", 0, QString::fromUcs4(U"\U00020000"), QString::fromUcs4(U"\U00020000"),
         QString(), 2},
    };
    for (const StartCase& c : cases) {
        grid.SetItemText(2, 1, cell);
        grid.SetFocusCell({2, 1});
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.typed);
        QApplication::sendEvent(&grid, &press);
        CInPlaceEdit* editor = grid.InPlaceEditor();
        ASSERT_TRUE(editor) << c.what;
        EXPECT_EQ(editor->text(), c.text) << c.what;
        EXPECT_EQ(editor->selectedText(), c.selected) << c.what;
        EXPECT_EQ(editor->cursorPosition(), c.cursor) << c.what;
        editor->EndEdit();
        QApplication::processEvents();
    }
}

TEST_F(GridKeyboard, EscapeRestoresAndLeavesTheModifiedFlag)
{
    grid.SetFocusCell({2, 1});
    notes.clear();
    QTest::keyClick(&grid, Qt::Key_Q);
    ASSERT_TRUE(grid.InPlaceEditor());
    QTest::keyClicks(grid.InPlaceEditor(), QStringLiteral("rs"));
    QTest::keyClick(grid.InPlaceEditor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(grid.InPlaceEditor());
    EXPECT_EQ(grid.GetItemText(2, 1), QStringLiteral("r2c1"));
    EXPECT_FALSE(grid.GetModified());
    EXPECT_EQ(notes, (std::vector<Note>{{kNotifyBeginLabelEdit, 2, 1}, {kNotifyEndLabelEdit, 2, 1}}));
    EXPECT_TRUE(grid.hasFocus());
}

TEST_F(GridKeyboard, EndingWithDownStoresMovesAndEditsTheNextCell)
{
    grid.SetFocusCell({2, 1});
    notes.clear();
    QTest::keyClick(&grid, Qt::Key_Z);
    QTest::keyClick(grid.InPlaceEditor(), Qt::Key_Down);
    EXPECT_EQ(grid.GetItemText(2, 1), QStringLiteral("z"));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{3, 1}));
    const std::vector<Note> expected{{kNotifyBeginLabelEdit, 2, 1}, {kNotifyEndLabelEdit, 2, 1},
                                     {kNotifyFocusLost, 2, 1},      {kNotifyFocusGained, 3, 1},
                                     {kNotifyBeginLabelEdit, 3, 1}};
    EXPECT_EQ(notes, expected);
    CInPlaceEdit* next = grid.InPlaceEditor();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Row(), 3);
    EXPECT_EQ(next->selectedText(), QStringLiteral("r3c1"));
    EXPECT_TRUE(grid.changes.empty()) << "an in-place edit reports through OnEndEditCell";
}

TEST_F(GridKeyboard, ACellThatCannotBeEditedOpensNoEditor)
{
    grid.SetItemState(2, 1, kCellReadOnly);
    grid.SetFocusCell({2, 1});
    notes.clear();
    EXPECT_FALSE(grid.OnEditCell(2, 1, 'x'));
    QTest::keyClick(&grid, Qt::Key_X);
    EXPECT_FALSE(grid.InPlaceEditor());
    EXPECT_TRUE(notes.empty());
    EXPECT_TRUE(grid.OnEditCell(3, 1, 'x'));
}

TEST_F(GridKeyboard, DeleteEmptiesTheCellAndTellsTheOwner)
{
    grid.SetFocusCell({3, 2});
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.GetItemText(3, 2), QString());
    EXPECT_TRUE(grid.GetModified());
    EXPECT_EQ(grid.changes, (std::vector<TestGrid::Change>{{3, 2, QString()}}));
}

TEST_F(GridKeyboard, AClickTellsTheFocusLossThenTheGainThenTheClick)
{
    grid.SetFocusCell({1, 1});
    notes.clear();
    QTest::mouseClick(vp(), Qt::LeftButton, Qt::NoModifier, CentreOf(3, 2));
    QApplication::processEvents();
    const std::vector<Note> expected{{kNotifyFocusLost, 1, 1}, {kNotifyFocusGained, 3, 2}, {kClicked, -1, -1}};
    EXPECT_EQ(notes, expected);
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{3, 2, 3, 2}));

    // A second click on the focus cell edits it, caret at the end.
    QTest::mouseClick(vp(), Qt::LeftButton, Qt::NoModifier, CentreOf(3, 2));
    ASSERT_TRUE(grid.InPlaceEditor());
    EXPECT_EQ(grid.InPlaceEditor()->cursorPosition(), 4);
    QTest::keyClick(grid.InPlaceEditor(), Qt::Key_Left);
    EXPECT_TRUE(grid.InPlaceEditor()) << "started by the mouse, arrows move the caret";
    EXPECT_EQ(grid.InPlaceEditor()->cursorPosition(), 3);
}

}  // namespace
