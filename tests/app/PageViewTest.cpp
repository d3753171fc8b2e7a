// The page view shows the pages of g_CurrentPages and follows its scrolling.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "app/view/PageView.h"
#include "foundation/params/Style.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

namespace {

class PageViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TStyle* style = set.styles.AddNew();
        style->NAME = kDefaultStyleName;
        ComputeStylePageSize(*style, TDisplayMode{});
        g_CurrentParaSet = &set;
        g_CurrentStyle = style;
        g_CurrentPages = &table;
        g_VolumeShown = true;
        for (int i = 0; i < 4; ++i)
            AppendPageRecord(table)->styleName = kDefaultStyleName;
    }
    TParaSet set;
    TPageTable table;
};

TEST_F(PageViewTest, ShowsTheFrameAndFollowsScrolling)
{
    PageView view;
    view.resize(1200, 200);  // shorter than the units at the first zoom
    view.Refresh();
    const QImage image = view.viewport()->grab().toImage();
    const PageRenderer& r = view.Renderer();
    const int y = (r.FrameRect.top + r.FrameRect.bottom) / 200;
    EXPECT_LT(qGray(image.pixel(r.FrameRect.right / 100, y)), 128);  // inner frame line
    EXPECT_EQ(g_ShownTextPage, 0);

    int changed = 0;
    QObject::connect(&view, &PageView::currentPageChanged, [&](int) { ++changed; });
    view.verticalScrollBar()->setValue(r.PagePitch() / 100);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(g_CurrentPage, 1);
    EXPECT_EQ(g_ShownTextPage, 2);
}

// A drag moves the page under the mouse, but never across while the page is
// narrower than the window.
TEST_F(PageViewTest, DragHoldsXWhileThePageIsNarrower)
{
    PageView view;
    view.resize(3000, 300);
    view.show();
    view.Refresh();
    QWidget* port = view.viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, QPoint(500, 200));
    QTest::mouseMove(port, QPoint(400, 100));
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 100);
    QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(400, 100));
    EXPECT_EQ(port->cursor().shape(), Qt::OpenHandCursor);
}

}  // namespace
