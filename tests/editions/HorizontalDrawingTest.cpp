// The page bar, the lines and the glyph walk of horizontal pages at zoom 1,
// drawn on a recording Dc from hand-made pages under the default
// horizontal style (page 52000 × 78000, header band 4000).
#include <gtest/gtest.h>

#include <algorithm>

#include "editions/horizontal/HorizontalDrawing.h"
#include "foundation/FoundationGlobals.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderFixture.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "support/Editions.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

const HorizontalDrawing& Drawing() { return static_cast<const HorizontalDrawing&>(*g_Edition->Drawing()); }

class HorizontalDrawingTest : public RenderFixture {
protected:
    void SetUp() override
    {
        previous_ = InstallEdition(&EditionFor(EditionKind::Horizontal));
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        g_TwoPageMode = 0;
        for (int i = 0; i < 4; ++i)
            AppendPageRecord(table)->styleName = kDefaultStyleName;
        view.TextName = u"書名"_s;
    }
    void TearDown() override
    {
        RenderFixture::TearDown();
        InstallEdition(previous_);
    }
    // The page's rectangles at zoom 1.
    const WinRect& Frame(int32_t page, bool printing = false)
    {
        view.CalcPageExtent();
        view.ZoomFactor = 1.0;
        view.ApplyZoom();
        view.SelectPageStyle(page);
        view.ComputePageRects(page, QPoint(), printing);
        return view.FrameRect;
    }
    static std::vector<DcCall> Texts(const RecordingDc& on) { return on.CallsOf(DcCall::TextOut); }
    static std::vector<int32_t> RuleYs(const RecordingDc& on)
    {
        std::vector<int32_t> ys;
        for (const DcCall& call : on.CallsOf(DcCall::Line))
            if (call.args[1] == call.args[3])
                ys.push_back(call.args[1]);
        return ys;
    }

    TPageTable table;
    RecordingDc dc;
    const Edition* previous_ = nullptr;
};

TEST_F(HorizontalDrawingTest, TextTopIsBelowTheHeaderAndTheFrameSpansTheBands)
{
    style->PAGE_BAR.FOOT_HEIGHT = 3000;
    ComputeStylePageSize(*style, {});
    const WinRect& f = Frame(0);
    EXPECT_EQ(f.top, view.PageRect.top);
    EXPECT_EQ(f.bottom, view.PageRect.bottom);
    EXPECT_EQ(view.TextTop, view.PageRect.top + 4000);
    EXPECT_EQ(view.PageRect.bottom - view.PageRect.top, 81000);
}

// With one cover, page 1 is page 一 (even): no title, its number at the
// right end; page 2 (odd) has part 0 of its leaf's text at the right end
// and its number at the left; page 3 (even) the other way round with part 1
// of the next leaf's.
TEST_F(HorizontalDrawingTest, TitleAndNumberSwapEndsByParity)
{
    g_CoverPages = 1;
    view.LeafTexts = {u"甲|乙|丙|一"_s, u"丁|戊|己|二"_s};
    style->PAGE_BAR.TITLE_POS_TYPE = TBarPosType::TYPE_HEAD_SIDE;
    style->PAGE_BAR.PAGE_POS_TYPE = TBarPosType::TYPE_HEAD_SIDE;
    // Title characters 2000 wide, digits half that; glyphs 1800 wide are
    // centred in their advance (+100), and 1800 high in the 4000 band (+1100).
    const struct {
        int32_t page;
        std::vector<std::pair<QString, int32_t>> texts;  // text, x from the frame's left (hundredths)
    } cases[] = {
        {1, {{u"1"_s, 52000 - 1000 + 100}}},
        {2, {{u"甲"_s, 52000 - 2000 + 100}, {u"2"_s, 100}}},
        {3, {{u"戊"_s, 100}, {u"3"_s, 52000 - 1000 + 100}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        dc.ClearCalls();
        const WinRect f = Frame(c.page);
        Drawing().DrawPageBar(view, dc, c.page, QPoint());
        const std::vector<DcCall> texts = Texts(dc);
        ASSERT_EQ(texts.size(), c.texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, c.texts[i].first);
            EXPECT_EQ(texts[i].args[0], (f.left + c.texts[i].second) / 100);
            EXPECT_EQ(texts[i].args[1], (f.top + 1100) / 100);
        }
    }
}

// Middle places centre the text; the footer band takes types 3 and 4;
// TYPE_NO draws nothing (not a text at the band's left).
TEST_F(HorizontalDrawingTest, PlacesInTheBands)
{
    style->PAGE_BAR.FOOT_HEIGHT = 3000;
    style->PAGE_BAR.TITLE_POS_TYPE = TBarPosType::TYPE_FOOT_MID;
    style->PAGE_BAR.PAGE_POS_TYPE = TBarPosType::TYPE_NO;
    ComputeStylePageSize(*style, {});
    const WinRect f = Frame(1);
    Drawing().DrawPageBar(view, dc, 1, QPoint());
    const std::vector<DcCall> texts = Texts(dc);
    ASSERT_EQ(texts.size(), 2u);  // 書名, no number
    EXPECT_EQ(texts[0].text + texts[1].text, u"書名"_s);
    EXPECT_EQ(texts[0].args[0], (f.left + (52000 - 4000) / 2 + 100) / 100);
    EXPECT_EQ(texts[0].args[1], (f.bottom - 3000 + (3000 - 1800) / 2) / 100);

    int32_t x = 0;
    EXPECT_FALSE(BarTextLeft(TBarPosType::TYPE_NO, true, false, 0, 100, 10, x));
    EXPECT_FALSE(BarTextLeft(7, true, false, 0, 100, 10, x));
}

// On screen the frame and both band rules (where the band has a height);
// on paper no frame and a rule only where its flag asks; always the
// bar's own thin black pen.
TEST_F(HorizontalDrawingTest, RulesOnScreenAndInPrint)
{
    style->PAGE_BAR.FOOT_HEIGHT = 3000;
    ComputeStylePageSize(*style, {});
    const struct {
        bool printing, headLine, footLine;
        size_t lines;
        std::vector<int32_t> rules;  // from the frame's top, hundredths
    } cases[] = {
        {false, false, false, 6, {0, 78000 + 3000, 4000, 78000}},
        {true, true, false, 1, {4000}},
        {true, false, true, 1, {78000}},
        {true, false, false, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        style->PAGE_BAR.SHOW_HEAD_LINE = c.headLine;
        style->PAGE_BAR.SHOW_FOOT_LINE = c.footLine;
        RecordingDc on(c.printing);
        on.SelectPen({7, Rgb(255, 0, 0)});  // left by an earlier layer
        const WinRect f = Frame(0, c.printing);
        Drawing().DrawPageBar(view, on, 0, QPoint());
        const std::vector<DcCall> lines = on.CallsOf(DcCall::Line);
        EXPECT_EQ(lines.size(), c.lines);
        std::vector<int32_t> expected;
        for (const int32_t y : c.rules)
            expected.push_back((f.top + y) / 100);
        EXPECT_EQ(RuleYs(on), expected);
        for (const DcCall& line : lines)
            EXPECT_EQ(line.state.pen, (DcPen{1, 0}));
        EXPECT_EQ(on.State().pen, (DcPen{7, Rgb(255, 0, 0)}));
    }
}

// Lines from the text top down at their stored heights (used height 0: no
// gap), each glyph inside its line; a page closed for want of height
// shares the free height out.
TEST_F(HorizontalDrawingTest, LinesRunDownAtTheirHeights)
{
    table.pages[0].lines = {{u"天"_s, 2650}, {u"地"_s, 4000}, {u"玄"_s, 2650}};
    for (const int32_t used : {0, 9300}) {
        SCOPED_TRACE(used);
        dc.ClearCalls();
        table.pages[0].usedSize = used;
        const int32_t gap = used ? (74000 - used) / 3 : 0;
        const WinRect f = Frame(0);
        DrawPageText(view, dc, 0, 1, QPoint());
        view.CurrentBatch = view.GlyphBatches.GetAtOrNull(0);
        view.DrawGlyphLists(dc);
        const std::vector<DcCall> glyphs = Texts(dc);
        ASSERT_EQ(glyphs.size(), 3u);
        int32_t top = view.TextTop;
        for (const auto& [text, height] : {std::pair{u"天"_s, 2650}, {u"地"_s, 4000}, {u"玄"_s, 2650}}) {
            const auto it = std::find_if(glyphs.begin(), glyphs.end(), [&](const DcCall& g) { return g.text == text; });
            ASSERT_NE(it, glyphs.end());
            EXPECT_GE(it->args[1], top / 100) << text.toStdString();
            EXPECT_LT(it->args[1], (top + height + gap) / 100) << text.toStdString();
            EXPECT_EQ(it->args[0], (f.left + 200 + 10) / 100) << text.toStdString();
            top += height + gap;
        }
    }
}

// Along the line (advance 1720; the recording Dc's glyphs of width 1700
// are 1600 wide: +60): in ZHINENG "，" is drawn 172 early and takes half a
// cell; ASCII takes half the pitch; a fitted run of one character takes its
// advance without dividing by 0, of two the fitted pitch; a fit shorter
// than the character narrows it (860: glyphs 800 wide, +30).
TEST_F(HorizontalDrawingTest, GlyphsAlongTheLine)
{
    Frame(0);
    view.UseBox(view.ScaledStyle.TEXT_BOX);
    view.LineKind = LineKinds::CentreTop;  // drawn at once
    const struct {
        QString text;
        std::vector<int32_t> xs;
        int32_t end;
    } cases[] = {
        {u"甲，乙"_s, {60, 1720 - 172 + 60, 2 * 1720 - 860 + 60}, 3 * 1720 - 860},
        {u"ab甲"_s, {60, 860 + 60, 1720 + 60}, 2 * 1720},
        {u"<ZJ1-3>甲<-ZJ>乙"_s, {60, 1720 + 60}, 2 * 1720},
        {u"<ZJ1-2>甲乙<-ZJ>"_s, {60, 2 * 3440 - 1720 + 1 + 60}, 2 * 3440 - 1720 + 1 + 1720},
        {u"<ZJ2-1>甲乙<-ZJ>"_s, {30, 860 + 30}, 2 * 860},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        dc.ClearCalls();
        const QPoint end = view.DrawStyledString(dc, 2650 / 2, 2650, c.text, 0, 0);
        std::vector<int32_t> xs;
        for (const DcCall& g : Texts(dc))
            xs.push_back(g.args[0]);
        std::vector<int32_t> expected;
        for (const int32_t x : c.xs)
            expected.push_back(x / 100);
        EXPECT_EQ(xs, expected);
        EXPECT_EQ(end.x(), c.end);
    }
}

// A note in two small lines: the halves one above the other, both from the
// note's start, the second from the line's middle; the note ends after the
// longer half.
TEST_F(HorizontalDrawingTest, DoubleLineNoteHalvesStack)
{
    Frame(0);
    view.UseBox(view.ScaledStyle.TEXT_BOX);
    view.LineKind = LineKinds::CentreTop;
    const QPoint end = view.DrawStyledString(dc, 1000, 2000, u"<ZW><R>甲乙<-R><L>丙<-L><-ZW>", 0, 0);
    const std::vector<DcCall> glyphs = Texts(dc);
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].args[0], glyphs[2].args[0]);  // 甲 above 丙
    EXPECT_LT(glyphs[0].args[1], glyphs[2].args[1]);
    EXPECT_NEAR(glyphs[2].args[1] - glyphs[0].args[1], 10, 1);  // the second half from the middle
    EXPECT_EQ(glyphs[1].args[1], glyphs[0].args[1]);  // 乙 beside 甲
    EXPECT_EQ(end.x(), 2 * 1612);
    EXPECT_EQ(end.y(), 0);
}

}  // namespace
