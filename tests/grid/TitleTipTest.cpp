#include "GridFixture.h"

#include <QFontMetrics>

#include "grid/TitleTip.h"

namespace {

class TitleTip : public GridFixture {
protected:
    QString text = QStringLiteral("a rather long cell text");
    int padded = 0;

    void SetUp() override
    {
        Build(4, 2, 1, 0);
        padded = QFontMetrics(grid.GridQFont()).horizontalAdvance(QLatin1Char(' ') + text + QLatin1Char(' '));
        grid.SetItemText(2, 1, text);
        grid.SetFocusCell({1, 0});
    }
};

TEST_F(TitleTip, ShowsOverACellOnePixelTooNarrowOnly)
{
    grid.SetColumnWidth(1, padded + 1);  // the text fits
    QTest::mouseMove(vp(), CentreOf(2, 1));
    EXPECT_FALSE(grid.TitleTip()->isVisible());

    grid.SetColumnWidth(1, padded);  // one pixel short
    QTest::mouseMove(vp(), CentreOf(2, 1) + QPoint(1, 0));
    ASSERT_TRUE(grid.TitleTip()->isVisible());
    WinRect cell;
    ASSERT_TRUE(grid.GetCellRect(2, 1, &cell));
    EXPECT_EQ(grid.TitleTip()->geometry(),
              QRect(vp()->mapToGlobal(QPoint(cell.left, cell.top)), QSize(padded, cell.Height())));
    EXPECT_EQ(grid.TitleTip()->Text(), QLatin1Char(' ') + text + QLatin1Char(' '));

    // Off the cell, the tip goes.
    QTest::mouseMove(vp(), CentreOf(3, 1));
    EXPECT_FALSE(grid.TitleTip()->isVisible());
}

TEST_F(TitleTip, AKeyHidesTheTipAndReachesTheGrid)
{
    grid.SetColumnWidth(1, padded);
    QTest::mouseMove(vp(), CentreOf(2, 1));
    ASSERT_TRUE(grid.TitleTip()->isVisible());
    EXPECT_FALSE(grid.TitleTip()->isActiveWindow());
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_FALSE(grid.TitleTip()->isVisible());
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 0}));
}

}  // namespace
