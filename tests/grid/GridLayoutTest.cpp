#include "GridFixture.h"

#include <QScrollBar>

namespace {

class GridLayout : public GridFixture {};

struct RectCase {
    int scroll;  // vertical position
    int row, col;
    bool shown;
    WinRect rect;
};

TEST_F(GridLayout, CellRectanglesFromTheFixedEdgeAtEveryScrollPosition)
{
    Build(6, 5, 1, 1);  // page 150 x 80 of content 200 x 100
    const RectCase cases[] = {
        {0, 0, 0, true, {0, 0, 49, 19}},       // fixed corner
        {0, 0, 2, true, {100, 0, 149, 19}},    // fixed row
        {0, 3, 0, true, {0, 60, 49, 79}},      // fixed column
        {0, 1, 1, true, {50, 20, 99, 39}},
        {10, 1, 1, false, {}},                  // mid-row: row 1 is passed
        {10, 2, 1, true, {50, 20, 99, 39}},
        {20, 2, 1, true, {50, 20, 99, 39}},    // on the boundary
        {20, 3, 0, true, {0, 40, 49, 59}},
        {20, 0, 1, true, {50, 0, 99, 19}},
    };
    for (const RectCase& c : cases) {
        grid.verticalScrollBar()->setValue(c.scroll);
        WinRect rect;
        EXPECT_EQ(grid.GetCellRect(c.row, c.col, &rect), c.shown) << c.scroll << " " << c.row << "," << c.col;
        if (c.shown) {
            EXPECT_EQ(rect, c.rect) << c.scroll << " " << c.row << "," << c.col;
        }
    }
}

struct PointCase {
    int scroll;
    QPoint point;
    bool allowFixed;
    CCellID cell;
};

TEST_F(GridLayout, CellUnderAPoint)
{
    Build(6, 5, 1, 1);
    const PointCase cases[] = {
        {0, {55, 25}, true, {1, 1}},   {0, {49, 19}, true, {0, 0}},   {0, {49, 19}, false, {-1, -1}},
        {0, {50, 20}, true, {1, 1}},   {20, {55, 25}, true, {2, 1}},  {0, {199, 99}, true, {4, 3}},
        {0, {-1, 5}, true, {0, -1}},   {20, {10, 99}, true, {5, 0}},
    };
    for (const PointCase& c : cases) {
        grid.verticalScrollBar()->setValue(c.scroll);
        EXPECT_EQ(grid.GetCellFromPt(c.point, c.allowFixed), c.cell) << c.point.x() << "," << c.point.y();
    }
    grid.SetColumnWidth(4, 10);  // the columns end at x 210
    grid.horizontalScrollBar()->setValue(0);
    EXPECT_EQ(grid.GetCellFromPt({195, 25}).col, 3);
}

struct MaxCase {
    const char* what;
    std::vector<int> heights;
    int fixedRows;
    int max;
};

TEST_F(GridLayout, TheVerticalMaximumIsTheContentLessThePage)
{
    const MaxCase cases[] = {
        {"rows that fit", {20, 20, 20, 20, 20}, 1, 0},
        {"one pixel too tall", {20, 20, 20, 20, 21}, 1, 1},
        {"two fixed rows", {30, 30, 20, 20}, 2, 0},
        {"two fixed rows, one over", {30, 30, 20, 20, 1}, 2, 1},
        {"many rows", std::vector<int>(11, 20), 1, 120},
        {"only fixed rows", {20, 20}, 2, 0},
    };
    Build(1, 5, 0, 1);
    for (const MaxCase& c : cases) {
        grid.SetRowCount(0);
        grid.SetRowCount(int(c.heights.size()));
        for (size_t r = 0; r < c.heights.size(); ++r)
            grid.SetRowHeight(int(r), c.heights[r]);
        grid.SetFixedRowCount(c.fixedRows);
        grid.ResetScrollBars();
        EXPECT_EQ(grid.GetScrollMax(true), c.max) << c.what;
        grid.OnVScroll(kScrollToEnd);
        EXPECT_EQ(grid.GetScrollPos(true), c.max) << c.what << ": the end is reachable, no further";
        grid.OnVScroll(kScrollToStart);
    }
}

TEST_F(GridLayout, LineScrollingMovesByWholeRowsAndStopsAtTheMaximum)
{
    Build(6, 5, 1, 1);
    grid.SetRowHeight(5, 30);  // content 110 over a page of 80
    grid.ResetScrollBars();
    ASSERT_EQ(grid.GetScrollMax(true), 30);

    grid.OnVScroll(kScrollLineBack);
    EXPECT_EQ(grid.GetScrollPos(true), 0) << "nothing above the first row";
    grid.OnVScroll(kScrollLineOn);
    EXPECT_EQ(grid.GetScrollPos(true), 20);
    EXPECT_EQ(grid.GetTopleftNonFixedCell(), (CCellID{2, 1}));
    grid.OnVScroll(kScrollLineOn);
    EXPECT_EQ(grid.GetScrollPos(true), 30) << "clamped at the maximum";
    EXPECT_EQ(grid.GetTopleftNonFixedCell(), (CCellID{3, 1}));
    grid.OnVScroll(kScrollLineBack);
    EXPECT_EQ(grid.GetScrollPos(true), 10);
    EXPECT_EQ(grid.GetTopleftNonFixedCell(), (CCellID{2, 1})) << "a mid-row position shows the next whole row";
    grid.OnVScroll(kScrollPageOn);
    EXPECT_EQ(grid.GetScrollPos(true), 30);

    // The scroll bar's own arrow keeps to the same rules.
    grid.OnVScroll(kScrollToStart);
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid.GetScrollPos(true), 20);
}

TEST_F(GridLayout, VisibleAndUnobstructedRanges)
{
    Build(8, 5, 1, 1, 190, 90);  // the last visible row and column are cut
    WinRect vis;
    EXPECT_EQ(grid.GetVisibleNonFixedCellRange(&vis), (CCellRange{1, 1, 4, 3}));
    EXPECT_EQ(vis, (WinRect{0, 0, 190, 90}));
    EXPECT_EQ(grid.GetUnobstructedNonFixedCellRange(), (CCellRange{1, 1, 3, 2}));
    EXPECT_TRUE(grid.IsCellVisible(4, 3));
    EXPECT_FALSE(grid.IsCellVisible(5, 1));
}

struct ExpandCase {
    std::vector<int> widths;
    int client;
    std::vector<int> expected;
};

TEST_F(GridLayout, ExpandColumnsToFitSpreadsTheSpareWidth)
{
    const ExpandCase cases[] = {
        {{50, 50, 50}, 160, {54, 53, 53}},
        {{50, 50, 50}, 140, {46, 47, 47}},
        {{2, 50, 50}, 90, {0, 46, 46}},  // never below 0
    };
    for (const ExpandCase& c : cases) {
        CGridCtrl g;
        g.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g.SetRowCount(1);
        g.SetColumnCount(int(c.widths.size()));
        for (size_t i = 0; i < c.widths.size(); ++i)
            g.SetColumnWidth(int(i), c.widths[i]);
        g.resize(c.client + 2 * g.frameWidth(), 50);
        g.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
        g.ExpandColumnsToFit();
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(g.GetColumnWidth(int(i)), c.expected[i]) << c.client << " column " << i;
    }
}

}  // namespace
