#include <gtest/gtest.h>

#include "RenderFixture.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

using Geometry = RenderFixture;

TEST_F(Geometry, DefaultStyleAtZoomOne)
{
    Layout();
    EXPECT_EQ(view.PageExtent, (WinRect{0, 0, 107399, 68199}));
    EXPECT_EQ(style->xOffset, 499);
    EXPECT_EQ(style->yOffset, 499);
    const PageRects rects = view.ComputePageRects(0, QPoint(), false);
    EXPECT_EQ(view.PageRect, (WinRect{499, 499, 106899, 67699}));
    EXPECT_EQ(rects.R1, (WinRect{4, 4, 1068, 676}));
    EXPECT_EQ(rects.R3, (WinRect{5, 5, 1068, 676}));
    EXPECT_EQ(view.FrameRect, (WinRect{1499, 1499, 105899, 66699}));
    EXPECT_EQ(view.TextTop, 1699);
    EXPECT_EQ(view.TextRightOf(true), 105800);
    EXPECT_EQ(view.TextRightOf(false), 51599);
    EXPECT_EQ(view.OuterLinePx, 5);
    EXPECT_EQ(view.InnerLinePx, 1);
    EXPECT_EQ(view.CentreLinePx, 0);
}

TEST_F(Geometry, ZoomScalesEachSideAndMovesThePageToItsOrigin)
{
    Layout(2.0);
    EXPECT_EQ(view.ScaledExtent, (WinRect{0, 0, 214798, 136398}));
    EXPECT_EQ(view.ScaledBorder, 1000);
    const PageRects rects = view.ComputePageRects(1, QPoint(0, 136398), false);
    EXPECT_EQ(view.PageRect, (WinRect{998, 137396, 213798, 271796}));
    EXPECT_EQ(view.TextTop, 137396 + 1000 + 1000 + 200 + 200);
    EXPECT_EQ(rects.R1.top, 1373);
    EXPECT_EQ(view.OuterLinePx, 10);
    EXPECT_EQ(view.InnerLinePx, 2);
}

TEST_F(Geometry, ExtentEdgeCases)
{
    style->pageWidth = 50000;
    style->pageHeight = 65000;
    view.CalcPageExtent();
    EXPECT_EQ(view.PageExtent, (WinRect{0, 0, 50999, 65999}));

    // One character higher, but the page still sits at the bottom border.
    style->raisedHead = true;
    view.CalcPageExtent();
    EXPECT_EQ(view.PageExtent.bottom, 65999 + style->TEXT_BOX.size.textCharSize);
    EXPECT_EQ(style->yOffset, view.PageExtent.bottom - 65000 - 500);

    // A smaller style sits at the right and the bottom of the extent.
    TStyle* small = set.styles.AddNew();
    small->pageWidth = 30000;
    small->pageHeight = 40000;
    view.CalcPageExtent();
    EXPECT_EQ(small->xOffset, 50999 - 30000 - 500);

    view.ClientSize = QSize(100, 400);
    style->raisedHead = false;
    set.styles.RemoveAt(1);
    view.CalcPageExtent();
    view.CalcFitZooms();
    EXPECT_DOUBLE_EQ(view.ZoomAt(7), 100 * 100 / 50999.0);
    EXPECT_DOUBLE_EQ(view.ZoomAt(8), 400 * 100 / 65999.0);
    EXPECT_DOUBLE_EQ(view.ZoomAt(9), view.ZoomAt(7));
}

TEST_F(Geometry, SingleModeFramesStopAtTheCentreColumn)
{
    g_TwoPageMode = 0;
    g_CoverPages = 1;
    Layout();
    EXPECT_EQ(view.PageExtent.right, 999 + 53200);
    struct Case {
        int32_t page;
        int32_t left, right;
    };
    // Page 1 is the first body page: even, the right half of its leaf.
    const Case cases[] = {{1, 499, 53699 - 1000}, {2, 1499, 53699}, {-1, 499, 52699}, {0, 1499, 53699}};
    for (const Case& c : cases) {
        view.ComputePageRects(c.page, QPoint(), false);
        EXPECT_EQ(view.FrameRect.left, c.left) << c.page;
        EXPECT_EQ(view.FrameRect.right, c.right) << c.page;
    }
}

TEST_F(Geometry, PrintingUsesThePrinterPage)
{
    Layout();
    view.Printing = true;
    view.PrintableRect = {0, 0, 2148, 2000};
    view.PrinterWidthPx = 2400;
    view.PrinterHeightPx = 3400;
    view.ApplyZoom();
    EXPECT_DOUBLE_EQ(view.ZoomFactor, 2148 * 100 / 107399.0);
    const PageRects rects = view.ComputePageRects(0, QPoint(), true);
    EXPECT_EQ(view.PageRect.left, 0);
    EXPECT_EQ(view.PageRect.top, 0);
    EXPECT_EQ(rects.R3, (WinRect{0, 0, 2399, 3399}));
}

TEST_F(Geometry, CoverFillsAFourInOneSheetOnScreen)
{
    g_FourInOneMode = 1;
    g_TwoPageMode = 0;
    TCoverPara* cover = GetCoverPara(set);
    Layout();
    view.SelectStyleNamed(kCoverName, QPoint());
    EXPECT_EQ(g_CurrentCover, cover);
    EXPECT_EQ(g_CurrentStyle, nullptr);
    EXPECT_EQ(view.ScaledCover.pageWidth, 2 * cover->pageWidth);

    // While printing, the cover fills the printer page.
    view.Printing = true;
    view.PrinterWidthPx = 1000;
    view.PrinterHeightPx = 2000;
    view.ApplyZoom();
    EXPECT_DOUBLE_EQ(view.ZoomFactor, 1000 * 100 / double(view.PageExtent.Width()));
    EXPECT_EQ(view.ScaledCover.pageWidth, ScaleLength(cover->pageWidth, view.ZoomFactor));
}

TEST_F(Geometry, MissingCoverKeepsTheCurrentStyle)
{
    Layout();
    view.SelectStyleNamed(kBackCoverName, QPoint(0, 5000));
    EXPECT_EQ(g_CurrentStyle, style);
    EXPECT_EQ(g_CurrentCover, nullptr);
    EXPECT_EQ(view.ScaledExtent.top, 0);  // nothing re-applied

    TStyle* other = set.styles.AddNew();
    other->NAME = "other";
    view.SelectStyleNamed("other", QPoint(0, 5000));
    EXPECT_EQ(g_CurrentStyle, other);
    EXPECT_EQ(view.ScaledExtent.top, 5000);
    EXPECT_EQ(view.ScaledExtent.Height(), 68199);
    view.SelectStyleNamed("unknown", QPoint());
    EXPECT_EQ(g_CurrentStyle, other);
}

TEST_F(Geometry, SelectPageStyleByThePageRecord)
{
    TCoverPara* cover = GetCoverPara(set);
    TPageTable pages;
    for (const QString& name : {kCoverName, kDefaultStyleName, QStringLiteral("unknown")})
        AppendPageRecord(pages)->styleName = name;
    g_CurrentPages = &pages;
    Layout();
    EXPECT_TRUE(view.SelectPageStyle(0));
    EXPECT_EQ(g_CurrentCover, cover);
    EXPECT_TRUE(view.SelectPageStyle(1, QPoint(0, 100)));
    EXPECT_EQ(g_CurrentStyle, style);
    EXPECT_EQ(view.ScaledExtent.top, 100);
    EXPECT_TRUE(view.SelectPageStyle(2));  // an unknown name keeps the style
    EXPECT_EQ(g_CurrentStyle, style);
    EXPECT_FALSE(view.SelectPageStyle(3));
    EXPECT_EQ(view.CurrentPageRec, nullptr);

    // In 4-in-1 mode 100000 + 2g + 1 is the back cover of group g.
    g_FourInOneMode = 1;
    TPageTable* group = g_4in1Data.groupTables.AddNew();
    AppendPageRecord(*group)->styleName = kCoverName;
    AppendPageRecord(*group)->styleName = kBackCoverName;
    EXPECT_TRUE(view.SelectPageStyle(100001));
    EXPECT_EQ(view.CurrentPageRec, group->pages.GetAtOrNull(1));
    EXPECT_FALSE(view.SelectPageStyle(100002));
}

TEST_F(Geometry, CollapsedWindowsAndShortZoomTablesStayDrawable)
{
    Layout();
    view.ClientSize = QSize(0, 0);
    view.CalcFitZooms();
    for (int32_t i : {7, 8, 9})
        EXPECT_GT(view.ZoomAt(i), 0.0);
    view.ZoomFactor = view.ZoomAt(9);
    view.ApplyZoom();
    EXPECT_GE(view.PagePitch(), 100);

    EXPECT_EQ(view.ZoomAt(-1), 1.0);
    EXPECT_EQ(view.ZoomAt(10), 1.0);
    view.ZoomTable.clear();
    view.CalcFitZooms();
    g_ZoomIndex = 3;
    EXPECT_EQ(view.GetZoomFactor(), 1.0);
}

TEST_F(Geometry, ScrollSizes)
{
    view.ClientSize = QSize(800, 600);
    view.ShownPageCount = 3;
    Layout();
    EXPECT_EQ(view.Scroll.total, QSize(1073, 681 * 4));
    EXPECT_EQ(view.Scroll.page, QSize(100, 340));
    EXPECT_EQ(view.Scroll.line, QSize(30, 30));
    view.ClientSize = QSize(2000, 5000);
    view.UpdateScrollSizes();
    EXPECT_EQ(view.Scroll.total, QSize(2000, 5000));
}

}  // namespace
