#pragma once
// A grid at a known size under the offscreen platform: rows 20 pixels high
// and columns 50 wide (no font involved), scroll bars kept off so that the
// viewport is exactly the size asked for, and every notification recorded.
#include <gtest/gtest.h>

#include <vector>

#include <QApplication>
#include <QTest>

#include "grid/GridCtrl.h"

struct Note {
    int code;
    int row;
    int col;
    bool operator==(const Note&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Note& n)
{
    return os << "{" << n.code << ", " << n.row << ", " << n.col << "}";
}

// The code recorded for a click.
inline constexpr int kClicked = 1;

// The grid with its protected steps in reach and the grid-side text changes
// recorded.
class TestGrid : public CGridCtrl {
public:
    using CGridCtrl::OnEditCell;

    struct Change {
        int row;
        int col;
        QString text;
        bool operator==(const Change&) const = default;
    };
    std::vector<Change> changes;

protected:
    void OnCellTextChangedByGrid(int row, int col, const QString& text) override
    {
        changes.push_back({row, col, text});
    }
};

class GridFixture : public ::testing::Test {
protected:
    static constexpr int kRowHeight = 20;
    static constexpr int kColWidth = 50;

    TestGrid grid;
    std::vector<Note> notes;

    // rows and cols include the fixed ones; the viewport is width x height.
    void Build(int rows, int cols, int fixedRows, int fixedCols, int width = 200, int height = 100)
    {
        grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.SetRowCount(rows);
        grid.SetColumnCount(cols);
        grid.SetFixedRowCount(fixedRows);
        grid.SetFixedColumnCount(fixedCols);
        for (int r = 0; r < rows; ++r)
            grid.SetRowHeight(r, kRowHeight);
        for (int c = 0; c < cols; ++c)
            grid.SetColumnWidth(c, kColWidth);
        const int frame = 2 * grid.frameWidth();
        grid.resize(width + frame, height + frame);
        Show();
        grid.ResetScrollBars();
        QObject::connect(&grid, &CGridCtrl::notify, [this](int code, int row, int col) {
            notes.push_back({code, row, col});
        });
        QObject::connect(&grid, &CGridCtrl::clicked, [this] { notes.push_back({kClicked, -1, -1}); });
    }

    void Show()
    {
        if (grid.isVisible())
            return;
        grid.show();
        QApplication::setActiveWindow(&grid);
        grid.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    void Fill()
    {
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                grid.SetItemText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    }

    QWidget* vp() { return grid.viewport(); }
    // The centre of a cell in viewport coordinates.
    QPoint CentreOf(int row, int col)
    {
        WinRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, &rect));
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
};
