#include "GridFixture.h"

#include <QScrollBar>

namespace {

class GridMouse : public GridFixture {};

TEST_F(GridMouse, ADividerSetsTheCursorAndADragSizesTheColumn)
{
    Build(5, 3, 1, 0);
    const QPoint divider(49, 10);  // column 0's right edge, in the fixed row
    QTest::mouseMove(vp(), QPoint(25, 10));
    EXPECT_EQ(vp()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(vp(), divider);
    EXPECT_EQ(vp()->cursor().shape(), Qt::SizeHorCursor);
    EXPECT_EQ(grid.GetMouseMode(), kMouseOverColumnDivider);

    // Released where it was pressed: nothing changes.
    QTest::mousePress(vp(), Qt::LeftButton, Qt::NoModifier, divider);
    EXPECT_EQ(grid.GetMouseMode(), kMouseSizingColumn);
    QTest::mouseRelease(vp(), Qt::LeftButton, Qt::NoModifier, divider);
    EXPECT_EQ(grid.GetColumnWidth(0), 50);
    EXPECT_EQ(grid.GetMouseMode(), kMouseNothing);

    QTest::mouseMove(vp(), QPoint(25, 10));  // a move to the same point is no move
    QTest::mouseMove(vp(), divider);
    QTest::mousePress(vp(), Qt::LeftButton, Qt::NoModifier, divider);
    QTest::mouseMove(vp(), QPoint(70, 10));
    QTest::mouseRelease(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(70, 10));
    EXPECT_EQ(grid.GetColumnWidth(0), 70);
    EXPECT_EQ(grid.GetColumnWidth(1), 50);

    // Just inside a column's left edge sizes the column before it.
    QTest::mouseMove(vp(), QPoint(72, 10));
    QTest::mousePress(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(72, 10));
    QTest::mouseMove(vp(), QPoint(40, 10));
    QTest::mouseRelease(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    EXPECT_EQ(grid.GetColumnWidth(0), 40);
}

TEST_F(GridMouse, DragSelectingBelowTheGridScrollsRowByRow)
{
    Build(12, 2, 1, 0, 100, 100);  // 11 rows of 20 under a page of 80
    QTest::mousePress(vp(), Qt::LeftButton, Qt::NoModifier, CentreOf(1, 0));
    QTest::mouseMove(vp(), QPoint(20, 130));
    int last = grid.GetScrollPos(true);
    EXPECT_EQ(last, 0);
    for (int tick = 0; tick < 60 && last < grid.GetScrollMax(true); ++tick) {
        QTest::qWait(30);
        const int pos = grid.GetScrollPos(true);
        EXPECT_GE(pos, last);
        EXPECT_EQ(pos % 20, 0) << "whole rows";
        last = pos;
    }
    QTest::mouseRelease(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 130));
    EXPECT_EQ(last, grid.GetScrollMax(true));
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{1, 0, 11, 0}));
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{11, 0}));
}

TEST_F(GridMouse, TheWheelScrollsLinesOfRows)
{
    Build(12, 2, 1, 0, 100, 100);
    QWheelEvent down(QPointF(20, 40), vp()->mapToGlobal(QPointF(20, 40)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp(), &down);
    EXPECT_EQ(grid.GetScrollPos(true), std::min(20 * QApplication::wheelScrollLines(), grid.GetScrollMax(true)));
}

}  // namespace
