// The drawing order of a leaf, the visible units of the view, status texts,
// and a rendered default page.
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <QPainter>

#include "RenderFixture.h"
#include "platform/PainterDc.h"
#include "platform/RecordingDc.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class PagePipeline : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        style->SHOW_STAMP = false;
    }
    void Pages(int n, const QString& text = u"文字"_s)
    {
        for (int i = 0; i < n; ++i) {
            TPageRec& page = *AppendPageRecord(table);
            page.styleName = kDefaultStyleName;
            page.lines = {{text}};
        }
    }
    // A 4-in-1 sheet whose upper half holds two pages, its lower half none.
    void FourInOneSheetOfTwoPages()
    {
        Pages(2);
        g_FourInOneMode = 1;
        g_TwoPageMode = 0;
        SetPara4in1Defaults(view.Para4in1);
        g_4in1Data.pageOrders = {{0, 1, int32_t(0x99990000u), int32_t(0x99990000u)}};
        g_Current4in1Group = 0;
        Layout();
    }
    // Index of the first or last call of a kind; -1 when none.
    int First(DcCall::Kind kind) const
    {
        const auto& calls = dc.Calls();
        const auto it = std::find_if(calls.begin(), calls.end(), [&](const DcCall& c) { return c.kind == kind; });
        return it == calls.end() ? -1 : int(it - calls.begin());
    }
    int Last(DcCall::Kind kind) const
    {
        const auto& calls = dc.Calls();
        for (int i = int(calls.size()) - 1; i >= 0; --i)
            if (calls[size_t(i)].kind == kind)
                return i;
        return -1;
    }
    // Background rectangles: one per leaf drawn.
    int Sheets() const
    {
        const std::vector<DcCall> rects = dc.CallsOf(DcCall::Rectangle);
        return int(std::count_if(rects.begin(), rects.end(), [](const DcCall& c) { return c.state.pen.width == 10; }));
    }
    TPageTable table;
    RecordingDc dc;
};

TEST_F(PagePipeline, LeafIsDrawnBackgroundFrameThenText)
{
    Pages(2);
    Layout();
    RenderPage(view, dc, 0, QPoint());
    const int background = First(DcCall::Rectangle);
    ASSERT_GE(background, 0);
    EXPECT_EQ(dc.Calls()[size_t(background)].state.pen.width, 10);
    EXPECT_LT(background, First(DcCall::Line));
    EXPECT_LT(Last(DcCall::Polygon), First(DcCall::TextOut));  // fish tails before the glyphs
    EXPECT_EQ(dc.CallsOf(DcCall::TextOut).size(), 4u);         // both pages' text
}

TEST_F(PagePipeline, SpreadWithoutSecondPageLeavesItsBatchEmpty)
{
    Pages(1);
    Layout();
    RenderPage(view, dc, 0, QPoint());
    ASSERT_EQ(view.GlyphBatches.Size(), 2);
    EXPECT_FALSE(view.GlyphBatches.GetAtOrNull(0)->body.empty());
    EXPECT_TRUE(view.GlyphBatches.GetAtOrNull(1)->body.empty());
}

TEST_F(PagePipeline, VisibleUnitsAreDrawnWholeAndStopAfterTheLast)
{
    Pages(6);
    Layout();
    const int32_t pitch = view.PagePitch() / 100;
    struct Case {
        int32_t scroll, height;
        int sheets;
    };
    for (const Case& c : {Case{pitch / 2, pitch, 2}, Case{0, pitch / 2, 1}, Case{2 * pitch + pitch / 2, 5 * pitch, 1}}) {
        view.ClientSize = QSize(800, c.height);
        dc.ClearCalls();
        DrawShownPages(view, dc, c.scroll);
        EXPECT_EQ(Sheets(), c.sheets) << c.scroll << " " << c.height;
    }
}

TEST_F(PagePipeline, StatusTexts)
{
    struct Case {
        int pages, covers, backs, twoPage, shown;
        const char16_t* status;
    };
    const Case cases[] = {
        {6, 1, 0, 1, 0, u"封面頁，正文共5頁"},     {6, 1, 0, 1, 1, u"第1-2頁，正文共5頁"},
        {5, 0, 1, 0, 4, u"封底頁，正文共4頁"},     {5, 0, 1, 0, 2, u"第3頁，正文共4頁"},
        {6, 1, 1, 1, 3, u"封底頁，正文共4頁"},
    };
    for (const Case& c : cases) {
        table.pages.Clear();
        Pages(c.pages);
        if (c.covers)
            table.pages.GetAtOrNull(0)->styleName = kCoverName;
        if (c.backs)
            table.pages.GetAtOrNull(c.pages - 1)->styleName = kBackCoverName;
        g_CoverPages = c.covers;
        g_BackPages = c.backs;
        g_TwoPageMode = c.twoPage;
        g_CurrentPage = -1;
        Layout();
        EXPECT_TRUE(SyncShownPage(view, c.shown * (view.PagePitch() / 100)));
        EXPECT_EQ(ShownPageStatus(), QString::fromUtf16(c.status)) << c.pages << " " << c.shown;
    }
    EXPECT_EQ(ShownPageStatusText(u"墨衡"), u"墨衡 封底頁，正文共4頁");
}

TEST_F(PagePipeline, FourInOneSheetWithBlankLowerHalf)
{
    FourInOneSheetOfTwoPages();
    RenderPage(view, dc, 0, QPoint());
    // One leaf's fish tails (upper and lower of the centre column), and the
    // side column's line.
    EXPECT_EQ(dc.CallsOf(DcCall::Rectangle).size(), 2u);
    EXPECT_FALSE(dc.CallsOf(DcCall::TextOut).empty());
}

// A running title longer than the sheet's side column shows only within
// it, above the page number, whatever the column's half of the leaf text.
TEST_F(PagePipeline, FourInOneSideColumnTitleStaysInTheColumn)
{
    FourInOneSheetOfTwoPages();
    view.LeafTexts = {QString(300, u'龍') + u'|' + QString(300, u'龍')};
    RenderPage(view, dc, 0, QPoint());
    const TPara4in1& sheet = view.ScaledPara4in1;
    int32_t shown = 0;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
        if (!call.text.contains(u'龍'))
            continue;
        ASSERT_TRUE(call.clip.has_value());
        // The column beside the page, and on the sheet.
        EXPECT_LE(call.clip->right - call.clip->left, sheet.titleWidth / 100 + 2);
        EXPECT_LE(call.clip->bottom, view.PageRect.bottom / 100 + 1);
        if (call.args[1] < call.clip->bottom)
            ++shown;
    }
    EXPECT_GT(shown, 0);
}

TEST_F(PagePipeline, DefaultPageRendersFrameAndText)
{
    Pages(2, u"國國國"_s);
    Layout();
    const WinRect extent = view.ScaledExtent;
    QImage image(extent.Width() / 100 + 1, extent.Height() / 100 + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterDc pdc(painter, {false, false});
        RenderPage(view, pdc, 0, QPoint());
    }
    const auto Dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const int32_t yMid = (view.FrameRect.top + view.FrameRect.bottom) / 200;
    // Rules of the first half at their computed x.
    for (int i : {0, 5})
        EXPECT_TRUE(Dark((105899 - 5010 * (i + 1)) / 100, yMid)) << i;
    EXPECT_TRUE(Dark(view.FrameRect.right / 100, yMid));  // inner frame line
    // Ink in the first column's first cell, none in its last.
    const TBoxSize& box = view.ScaledStyle.TEXT_BOX.size;
    const int32_t left = (105899 - 5010) / 100 + 2, right = left + box.pitch / 100 - 4;
    const int32_t top = view.TextTop / 100, cell = box.textCharSize / 100;
    bool ink = false, late = false;
    for (int y = top; y < top + cell; ++y)
        for (int x = left; x < right; ++x)
            ink |= Dark(x, y);
    for (int y = top + 5 * cell; y < top + 6 * cell; ++y)
        for (int x = left; x < right; ++x)
            late |= Dark(x, y);
    EXPECT_TRUE(ink);
    EXPECT_FALSE(late);
}

}  // namespace
