// The page view shows the pages of g_CurrentPages and follows its scrolling.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>

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

}  // namespace
