// The frame, column rules, centre column and fish tails of the default
// style at zoom 1, drawn on a recording Dc from hand-made pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "RenderFixture.h"
#include "foundation/params/LayoutRanges.h"
#include "platform/RecordingDc.h"
#include "render/frame/PageFrame.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

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

// Rules drawn upward from the inner bottom line to the inner top line.
int CountFullRules(const RecordingDc& dc, const WinRect& f)
{
    int n = 0;
    for (const DcCall& call : dc.CallsOf(DcCall::Line))
        n += call.args[1] == f.bottom && call.args[3] == f.top - 1 && call.args[0] == call.args[2];
    return n;
}

TEST_F(PageFrame, InnerBorderZeroLeavesOnlyTheLastRuleOfEachHalf)
{
    for (const int32_t border : {100, 0}) {
        style->IN_BORDER = border;
        dc.ClearCalls();
        Draw();
        const WinRect f{view.FrameRect.left / 100, view.FrameRect.top / 100, view.FrameRect.right / 100,
                        view.FrameRect.bottom / 100};
        EXPECT_EQ(CountFullRules(dc, f), border ? 2 * style->TEXT_BOX.size.LINES : 2) << border;
    }
}

// Frame and centre-line widths are drawn as lines of a pixel side by side:
// the widths of a damaged file (beyond any range) draw no more lines than
// the widest line a layout may have (100 pixels at zoom 1), instead of
// millions.
TEST_F(PageFrame, LineWidthsFromADamagedFileStopAtTheWidestLine)
{
    style->OUT_BORDER = style->IN_BORDER = style->MID_LINE = 500'000'000;
    style->SPACE = 0;
    Draw();
    EXPECT_EQ(view.OuterLinePx, kMaxLayoutLineWidth / 100);
    EXPECT_EQ(view.InnerLinePx, kMaxLayoutLineWidth / 100);
    EXPECT_EQ(view.CentreLinePx, kMaxLayoutLineWidth / 100);
    // A few widths a rule of each column and of the frame: thousands, not millions.
    EXPECT_LT(dc.CallsOf(DcCall::Line).size(), size_t(4 * 100 * (2 * style->TEXT_BOX.size.LINES + 10)));
}

// The centre line stands midway between the centre column's edges however
// wide a damaged file's frame lines are: the edges are summed in 64 bits and
// held to int32, in spreads and in single pages.
TEST_F(PageFrame, CentreLineOfDamagedWidthsStandsMidwayInTheCentreColumn)
{
    for (const int32_t width : {500'000'000, INT32_MAX}) {
        style->OUT_BORDER = style->IN_BORDER = style->MID_LINE = style->MID_UP_HEIGHT = width;
        style->SPACE = 0;
        dc.ClearCalls();
        Draw();
        const auto held = [](int64_t v) { return std::clamp<int64_t>(v, INT32_MIN, INT32_MAX); };
        const int64_t box = style->TEXT_BOX.size.BOX_WIDTH;
        const int64_t left = held(view.FrameRect.left + 2 * int64_t(width) - 100 + box);
        const int64_t right = held(style->MID_WIDTH + 2 * int64_t(width) + view.FrameRect.left + box);
        const int32_t x0 = int32_t((left + right) / 200) - view.CentreLinePx / 2;
        // The upper piece of the centre line: from the text's top to the upper fish tail.
        const int32_t top = view.TextTop / 100;
        const int32_t yU = int32_t(held(int64_t(view.TextTop) + width) / 100);
        std::vector<int32_t> xs;
        for (const DcCall& call : dc.CallsOf(DcCall::Line))
            if (call.args[1] == top && call.args[3] == yU && call.args[0] == call.args[2])
                xs.push_back(call.args[0]);
        ASSERT_EQ(xs.size(), size_t(view.CentreLinePx)) << width;
        EXPECT_EQ(xs.front(), x0) << width;
        const int32_t spread = g_TwoPageMode;
        g_TwoPageMode = 0;
        Draw(0, -1);
        Draw(1, -1);
        g_TwoPageMode = spread;
    }
}

// A huge column-count override stops where a column would be narrower than
// one device unit at zoom 1: (50000 + 100) / 100 columns, each rule apart.
TEST_F(PageFrame, HugeLinesOverrideStopsAtOneUnitColumns)
{
    for (TPageRec& page : table.pages)
        page.linesOverride = 99999;
    Draw();
    const WinRect f{view.FrameRect.left / 100, view.FrameRect.top / 100, view.FrameRect.right / 100,
                    view.FrameRect.bottom / 100};
    EXPECT_EQ(MaxColumnsOf(style->TEXT_BOX.size), 501);
    EXPECT_EQ(CountFullRules(dc, f), 2 * 501);
    std::vector<int32_t> xs;
    for (const DcCall& call : dc.CallsOf(DcCall::Line))
        if (call.args[1] == f.bottom && call.args[3] == f.top - 1 && call.args[0] == call.args[2])
            xs.push_back(call.args[0]);
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(std::adjacent_find(xs.begin(), xs.end()), xs.end());
}

TEST_F(PageFrame, RaisedColumnZeroStepsTheTopLinesUp)
{
    style->raisedHead = true;
    table.pages.GetAtOrNull(0)->lines = {{u"<BT1-題><TT>文"_s}, {u"文"_s}};
    Draw();
    const int32_t ch = view.ScaledStyle.TEXT_BOX.size.textCharSize / 100;
    const int32_t fTop = view.FrameRect.top / 100, fRight = view.FrameRect.right / 100;
    const int32_t fBottom = view.FrameRect.bottom / 100;
    const int32_t outer = view.OuterLinePx;
    const int32_t gap = r1.bottom - outer - fBottom;
    const int32_t x0 = (105899 - 5010) / 100;
    const auto Has = [&](int32_t x, int32_t y0, int32_t y1) {
        const std::vector<DcCall> lines = Vertical(x);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const DcCall& c) { return c.args[1] == y0 && c.args[3] == y1; });
    };
    EXPECT_TRUE(Has(fRight, fTop, fTop - ch));                       // inner line extended up
    EXPECT_TRUE(Has(r1.right, r1.top - ch, r1.top + outer));         // outer line extended up
    EXPECT_TRUE(Has(x0 - 1 - gap, r1.top - ch, r1.top + outer));     // the step down after column 0
    EXPECT_TRUE(Has(x0, fBottom, fTop - ch - 1));                    // its rule reaches the raised top
    // No straight top outer line across the page.
    for (const DcCall& c : dc.CallsOf(DcCall::Line))
        EXPECT_FALSE(c.args[1] == r1.top && c.args[3] == r1.top && c.args[0] == r1.left && c.args[2] == r1.right);
}

TEST_F(PageFrame, SingleModeClipsToHalfTheCentreColumn)
{
    g_TwoPageMode = 0;
    for (const int32_t page : {0, 1}) {
        dc.ClearCalls();
        Draw(page, -1);
        const TStyle& s = view.ScaledStyle;
        const int32_t box = s.TEXT_BOX.size.BOX_WIDTH;
        const std::vector<DcCall> clips = dc.CallsOf(DcCall::ClipRect);
        ASSERT_EQ(clips.size(), 1u);
        const std::vector<int32_t> expected =
            page == 0 ? std::vector<int32_t>{(view.FrameRect.right - 200 - s.MID_WIDTH / 2 - box) / 100, r1.top - 100,
                                             r1.right + 1, r1.bottom}
                      : std::vector<int32_t>{r1.left, r1.top - 100,
                                             (s.MID_WIDTH / 2 + 200 + view.FrameRect.left + box) / 100 + 1, r1.bottom};
        EXPECT_EQ(clips[0].args, expected) << page;
        EXPECT_EQ(dc.CallsOf(DcCall::ClearClip).size(), 1u);
        EXPECT_EQ(dc.CallsOf(DcCall::Rectangle).size(), 2u);  // both fish tails
    }
}

TEST_F(PageFrame, CentreColumnHeightsDecideTheFishTails)
{
    const int32_t height = style->TEXT_BOX.size.BOX_HEIGHT;
    struct Case {
        int32_t up, mid;
        size_t bars;
    };
    for (const Case& c : {Case{0, 35000, 1}, Case{12000, height - 12000 - 100, 1}, Case{12000, height - 12000 - 101, 2}}) {
        style->MID_UP_HEIGHT = c.up;
        style->MID_MID_HEIGHT = c.mid;
        dc.ClearCalls();
        Draw();
        EXPECT_EQ(dc.CallsOf(DcCall::Rectangle).size(), c.bars) << c.up << " " << c.mid;
    }
}

TEST_F(PageFrame, LeafTextsAreReadOnlyWithinTheList)
{
    for (int i = 0; i < 2; ++i)
        AppendPageRecord(table)->styleName = kDefaultStyleName;
    view.LeafTexts = {u"書名|卷一||一"_s};
    Draw(2, 3);
    EXPECT_TRUE(dc.CallsOf(DcCall::TextOut).empty());
    dc.ClearCalls();
    Draw(0, 1);
    EXPECT_FALSE(dc.CallsOf(DcCall::TextOut).empty());
}

}  // namespace
