// The frame, column rules, centre column and fish tails of the default
// style at zoom 1, drawn on a recording Dc from hand-made pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "RenderFixture.h"
#include "platform/RecordingDc.h"
#include "render/frame/PageFrame.h"
#include "typeset/pages/PageRecord.h"

namespace {

class PageFrame : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        for (int i = 0; i < 2; ++i)
            AppendPageRecord(table)->styleName = kDefaultStyleName;
    }
    // The leaf of pages 0 and 1 (or page 0 alone in single mode).
    void Draw(int32_t first = 0, int32_t second = 1)
    {
        Layout();
        const PageRects rects = view.ComputePageRects(first, QPoint(), false);
        r1 = rects.R1;
        DrawPageFrame(view, dc, rects.R1, first, second, QPoint());
    }
    std::vector<DcCall> Vertical(int32_t x) const
    {
        std::vector<DcCall> out;
        for (const DcCall& call : dc.CallsOf(DcCall::Line))
            if (call.args[0] == x && call.args[2] == x)
                out.push_back(call);
        return out;
    }
    static std::vector<QPoint> Points(std::initializer_list<int> xy)
    {
        std::vector<QPoint> points;
        for (auto it = xy.begin(); it != xy.end(); it += 2)
            points.emplace_back(*it, *(it + 1));
        return points;
    }
    TPageTable table;
    RecordingDc dc;
    WinRect r1;
};

TEST_F(PageFrame, UpperFishTailOfTheDefaultStyle)
{
    Draw();
    const std::vector<DcCall> rects = dc.CallsOf(DcCall::Rectangle);
    ASSERT_GE(rects.size(), 1u);
    EXPECT_EQ(rects[0].args, (std::vector<int32_t>{515, 136, 557, 139}));
    const std::vector<DcCall> polygons = dc.CallsOf(DcCall::Polygon);
    ASSERT_GE(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points, Points({515, 146, 515, 162, 535, 149, 536, 149, 557, 162, 557, 146}));
    EXPECT_EQ(polygons[1].points,
              Points({515, 172, 515, 176, 535, 163, 536, 163, 557, 176, 557, 172, 535, 159, 536, 159}));
    EXPECT_EQ(DrawFishTail(dc, 0, 0, {515, 136, 557, 176}), 41);
}

TEST_F(PageFrame, FishTailKinds)
{
    // Mirrored about T + B, and the bar alone.
    dc.ClearCalls();
    EXPECT_EQ(DrawFishTail(dc, 0, 1, {515, 136, 557, 176}), 41);
    ASSERT_EQ(dc.CallsOf(DcCall::Polygon).size(), 2u);
    EXPECT_EQ(dc.CallsOf(DcCall::Rectangle)[0].args, (std::vector<int32_t>{515, 176, 557, 173}));
    EXPECT_EQ(dc.CallsOf(DcCall::Polygon)[0].points,
              Points({515, 166, 515, 150, 535, 163, 536, 163, 557, 150, 557, 166}));
    dc.ClearCalls();
    EXPECT_EQ(DrawFishTail(dc, 0, 2, {515, 136, 557, 176}), 3 + 1);
    EXPECT_TRUE(dc.CallsOf(DcCall::Polygon).empty());
    EXPECT_EQ(dc.CallsOf(DcCall::Rectangle)[0].args, (std::vector<int32_t>{515, 136, 557, 139}));
}

TEST_F(PageFrame, FirstHalfRulesStandAtTheirColumnEdges)
{
    Draw();
    const int lines = style->TEXT_BOX.size.LINES;
    for (int i = 0; i < lines; ++i) {
        const int32_t x = (105899 - 5010 * (i + 1)) / 100;
        EXPECT_FALSE(Vertical(x).empty()) << "rule " << i << " at " << x;
    }
    EXPECT_EQ((105899 - 5010 * lines) / 100, 557);
}

}  // namespace
