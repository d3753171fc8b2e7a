#include <gtest/gtest.h>

#include "grid/DrawTextFormat.h"
#include "grid/GridCtrl.h"

namespace {

// Records the cells handed to EmptyCell.
class CountingGrid : public CGridCtrl {
public:
    int emptied = 0;

protected:
    void EmptyCell(CGridCell* cell, int row, int col) override
    {
        ++emptied;
        CGridCtrl::EmptyCell(cell, row, col);
    }
};

TEST(GridModel, ShrinkingToNothingEmptiesEveryCellAndClearsTheFocus)
{
    CountingGrid grid;
    grid.SetRowCount(4);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetFocusCell({2, 1});
    grid.SetItemState(3, 2, kCellSelected);
    EXPECT_EQ(grid.GetSelectedCount(), 1);

    grid.SetRowCount(0);
    EXPECT_EQ(grid.emptied, 12);
    EXPECT_EQ(grid.GetFocusCell(), CCellID());
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.GetRowHeight(0), -1);
}

TEST(GridModel, NewRowsTakeTheFormatOfTheCellAboveExceptInColumnZero)
{
    CGridCtrl grid;
    grid.SetRowCount(1);
    grid.SetColumnCount(3);
    for (int c = 0; c < 3; ++c) {
        TGridItem top = InitGridItem();
        top.col = c;
        top.mask = kItemFormat;
        top.format = DT_RIGHT;
        grid.SetItem(top);
    }
    grid.SetRowCount(3);
    grid.SetColumnCount(4);
    EXPECT_EQ(grid.GetItemFormat(2, 0), 0u) << "column 0 never copies";
    EXPECT_EQ(grid.GetItemFormat(1, 1), DT_RIGHT);
    EXPECT_EQ(grid.GetItemFormat(2, 2), DT_RIGHT);
    EXPECT_EQ(grid.GetItemFormat(2, 3), 0u) << "a new column copies its own new cell above";
}

TEST(GridModel, TheSelectedBitAddsAndRemovesOnce)
{
    CGridCtrl grid;
    grid.SetRowCount(70000);  // past 16 bits: no two cells share a key
    grid.SetColumnCount(2);
    grid.SetItemState(1, 1, kCellSelected);
    grid.SetItemState(1, 1, kCellSelected | kCellReadOnly);
    grid.SetItemState(65537, 1, kCellSelected);
    EXPECT_EQ(grid.GetSelectedCount(), 2);
    grid.SetItemState(1, 1, kCellReadOnly);
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_TRUE(grid.IsCellSelected(65537, 1));
    EXPECT_FALSE(grid.IsCellSelected(1, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{65537, 1, 65537, 1}));
}

TEST(GridModel, FixedCountsDropWithTheCountsAndGrowThem)
{
    CGridCtrl grid;
    grid.SetRowCount(5);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(3);
    grid.SetFixedColumnCount(2);
    grid.SetRowCount(2);
    grid.SetColumnCount(1);
    EXPECT_EQ(grid.GetFixedRowCount(), 2);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    grid.SetFixedRowCount(6);
    EXPECT_EQ(grid.GetRowCount(), 6);
    EXPECT_EQ(grid.GetRowHeight(5), grid.GetDefaultRowHeight());
}

TEST(GridModel, AddressesOutOfRangeGiveNothing)
{
    CGridCtrl grid;
    grid.SetRowCount(2);
    grid.SetColumnCount(2);
    grid.SetItemText(1, 1, QStringLiteral("x"));
    const CCellID outside[] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}};
    for (const CCellID& c : outside) {
        EXPECT_FALSE(grid.SetItemText(c.row, c.col, QStringLiteral("y")));
        EXPECT_FALSE(grid.SetItemState(c.row, c.col, kCellSelected));
        EXPECT_TRUE(grid.GetItemText(c.row, c.col).isEmpty());
        EXPECT_EQ(grid.GetItemState(c.row, c.col), 0u);
        EXPECT_EQ(grid.GetItemFont(c.row, c.col), nullptr);
        TGridItem item = InitGridItem();
        item.row = c.row;
        item.col = c.col;
        EXPECT_FALSE(grid.SetItem(item));
        EXPECT_FALSE(grid.GetItem(item));
    }
    EXPECT_FALSE(grid.SetColumnWidth(2, 10));
    EXPECT_FALSE(grid.SetColumnWidth(0, -1));
    EXPECT_EQ(grid.GetColumnWidth(-1), -1);
    EXPECT_EQ(grid.GetItemText(1, 1), QStringLiteral("x"));
}

TEST(GridModel, SetItemCopiesTheMaskedFieldsAndEditableFollowsReadOnly)
{
    CGridCtrl grid;
    grid.SetRowCount(2);
    grid.SetColumnCount(2);
    TGridItem item = InitGridItem();
    item.row = 1;
    item.col = 1;
    item.mask = kItemText | kItemState | kItemBackground;
    item.text = QStringLiteral("甲");
    item.state = kCellReadOnly | kCellSelected;
    item.background = Rgb(1, 2, 3);
    item.format = DT_RIGHT;  // not in the mask
    ASSERT_TRUE(grid.SetItem(item));
    TGridItem read = InitGridItem();
    read.row = 1;
    read.col = 1;
    read.mask = kItemText | kItemState | kItemBackground | kItemFormat;
    ASSERT_TRUE(grid.GetItem(read));
    EXPECT_EQ(read.text, QStringLiteral("甲"));
    EXPECT_EQ(read.background, Rgb(1, 2, 3));
    EXPECT_EQ(read.format, 0u);
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_FALSE(grid.IsCellEditable(1, 1));
    EXPECT_TRUE(grid.IsCellEditable(0, 1));
    grid.SetEditable(false);
    EXPECT_FALSE(grid.IsCellEditable(0, 1));
}

TEST(GridModel, DeleteAllItemsLeavesAnEmptyGrid)
{
    CGridCtrl grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetSelectedRange({1, 0, 2, 2});
    grid.DeleteAllItems();
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
}

}  // namespace
