// The page bar, the lines and the glyph walk of horizontal pages at zoom 1,
// drawn on a recording Dc from hand-made pages under the default
// horizontal style (page 52000 × 78000, header band 4000).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "editions/horizontal/HorizontalDrawing.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/LayoutRanges.h"
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

// A damaged file's page of thousands of the tallest lines stops a page side
// below the page instead of running on until the positions wrap back over
// it; a piece offset of the int32 range is a page side along the line.
TEST_F(HorizontalDrawingTest, LinesOfADamagedFileStopPastThePage)
{
    table.pages[0].lines.assign(5000, {u"天"_s, INT32_MAX});
    table.pages[0].lines[0] = {u"<P=2147483647>地"_s, 2650};
    const WinRect& f = Frame(0);
    const int32_t left = f.left;
    DrawPageText(view, dc, 0, 1, QPoint());
    view.CurrentBatch = view.GlyphBatches.GetAtOrNull(0);
    view.DrawGlyphLists(dc);
    const std::vector<DcCall> glyphs = Texts(dc);
    EXPECT_LE(glyphs.size(), 3u);
    const auto offset = std::find_if(glyphs.begin(), glyphs.end(), [](const DcCall& g) { return g.text == u"地"_s; });
    ASSERT_NE(offset, glyphs.end());
    EXPECT_GE(offset->args[0], (left + kMaxLayoutLength) / 100);
    for (const DcCall& glyph : glyphs)
        EXPECT_GE(glyph.args[1], view.TextTop / 100);
}

// Along the line (advance 1720; the recording Dc's glyphs of width 1700
// are 1600 wide: +60): in ZHINENG "，" would take half a cell, but the
// recording Dc's comma is as wide as a character, so it keeps its whole
// cell rather than run into the next one (installed faces:
// MarkPlacementTest); ASCII takes half the pitch; a fitted run of one character takes its
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
        {u"甲，乙"_s, {60, 1720, 2 * 1720}, 3 * 1720 - 60},
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

// A damaged file's spacing gives a pitch near the int32 range: each glyph
// after the first stands one longest page further along, past the sheet,
// never wrapped back.
TEST_F(HorizontalDrawingTest, HugePitchesSetTheNextGlyphsPastTheSheet)
{
    Frame(0);
    view.UseBox(view.ScaledStyle.TEXT_BOX);
    view.LineKind = LineKinds::CentreTop;  // drawn at once
    view.DrawStyledString(dc, 2650 / 2, 2650, u"<ZJ1-2000000000>甲乙丙<-ZJ>"_s, 0, 0);
    std::vector<int32_t> xs;
    for (const DcCall& g : Texts(dc))
        xs.push_back(g.args[0]);
    ASSERT_EQ(xs.size(), 3u);
    EXPECT_EQ(xs.front(), 0);
    EXPECT_GE(xs[1], view.LongestPageLength() / 100);
    EXPECT_EQ(xs[2] - xs[1], xs[1] - xs[0]);
}

// In 句讀 and 句點 a stop or pause takes no cell: it is drawn at half size in
// the foot of the character before it, below its ink (the recording Dc's
// cells: 1600 wide, 1700 high, all ink), never over the character after it.
TEST_F(HorizontalDrawingTest, StopsAndPausesSitInThePreviousCell)
{
    for (const TBiaoDianType mode : {TBiaoDianType::JUDOU, TBiaoDianType::JUDIAN}) {
        style->BIAO_DIAN.BIAODIAN_TYPE = mode;
        Frame(0);
        view.UseBox(view.ScaledStyle.TEXT_BOX);
        view.LineKind = LineKinds::CentreTop;  // drawn at once
        dc.ClearCalls();
        const QPoint end = view.DrawStyledString(dc, 2650 / 2, 2650, u"甲。乙、丙"_s, 0, 0);
        const std::vector<DcCall> glyphs = Texts(dc);
        ASSERT_EQ(glyphs.size(), 5u);
        for (const size_t mark : {1u, 3u}) {
            const DcCall& before = glyphs[mark - 1];
            const DcCall& it = glyphs[mark];
            EXPECT_GE(it.args[0], before.args[0]) << it.text.toStdString();
            EXPECT_GE(it.args[1], before.args[1] + 17) << it.text.toStdString();
            EXPECT_EQ(it.state.font.height, before.state.font.height / 2) << it.text.toStdString();
            EXPECT_LE(it.args[0] + 8, glyphs[mark + 1].args[0]) << it.text.toStdString();
        }
        EXPECT_EQ(end.x(), 3 * 1720);
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

// Shapes on a horizontal line: a main-text font 2000 wide and high (its
// recording cell as high, so 500 down in a line 3000 high), "甲乙" from
// (10000, 10000).
class HorizontalShapesTest : public HorizontalDrawingTest {
protected:
    static constexpr int32_t kX = 10000, kY = 10000, kLine = 3000;
    static constexpr ColorRef kColour = Rgb(0, 0, 200);

    void SetUp() override
    {
        HorizontalDrawingTest::SetUp();
        Frame(0);
        TFontStyle& font = view.ScaledStyle.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
        font.SIZE = font.WIDTH = font.WORD_WIDTH = font.WORD_HEIGHT = 2000;
        font.ALIGN = FontAlign::MID;
        view.UseBox(view.ScaledStyle.TEXT_BOX);
        view.LineKind = LineKinds::CentreTop;  // drawn at once
        view.CurFont = font;
        view.CornerRadius = font.WORD_HEIGHT / 3;
        view.HalfKind = HalfKinds::Main;
        for (const auto& [name, type, widthType] :
             {std::tuple{u"反"_s, TechniqueType::TYPE_FANBAI, TechniqueWidthType::WIDTH_TYPE_BY_SIZE},
              std::tuple{u"框"_s, TechniqueType::TYPE_KUANG, TechniqueWidthType::WIDTH_TYPE_BY_SIZE},
              std::tuple{u"帶"_s, TechniqueType::TYPE_FANBAI, TechniqueWidthType::WIDTH_TYPE_BY_WIDTH}}) {
            TTechnique* format = view.ScaledStyle.TECH_ARRAY.AddNew();
            format->MARK = name;
            format->TYPE = type;
            format->WIDTH_TYPE = widthType;
            format->COLOR = kColour;
        }
        TCirclePara* circle = view.ScaledStyle.CIRCLE_ARRAY.AddNew();
        circle->MARK = u"圈"_s;
        circle->USE_TEXT_FONT = 1;
        circle->COLOR = kColour;
    }
    std::vector<std::string> Shapes() const
    {
        std::vector<std::string> out;
        for (const DcCall& call : dc.Calls()) {
            if (call.kind == DcCall::TextOut)
                continue;
            std::string one = std::to_string(int(call.kind));
            for (const int32_t v : call.args)
                one.append(" ").append(std::to_string(v));
            for (const QPoint& p : call.points)
                one.append(" ").append(std::to_string(p.x())).append(",").append(std::to_string(p.y()));
            out.push_back(one);
        }
        return out;
    }
};

// The box spans x 10000 to 13999 (two cells) and y 10500 to 12500 (the
// characters' size), corners 666; a run going on in the next line is open
// at the right, one coming from the previous line open at the left.
TEST_F(HorizontalShapesTest, SpecialFormatBoxesRunAlongTheLine)
{
    const std::string line = std::to_string(int(DcCall::Line)) + " ";
    const std::string rect = std::to_string(int(DcCall::Rectangle)) + " ";
    const std::string round = std::to_string(int(DcCall::RoundRect)) + " ";
    const std::string poly = std::to_string(int(DcCall::Polyline)) + " ";
    const struct {
        int32_t kind;
        QString format;
        std::vector<std::string> shapes;
    } cases[] = {
        {0, u"反"_s, {rect + "100 105 139 125"}},
        {0, u"框"_s, {line + "100 105 139 105", line + "100 125 139 125"}},
        {1, u"反"_s, {round + "100 105 113 125 6 6", rect + "106 105 139 125"}},
        {1, u"框"_s, {poly + "139,105 103,105 100,108 100,121 103,125 139,125"}},
        {2, u"反"_s, {round + "126 105 139 125 6 6", rect + "100 105 133 125"}},
        {2, u"框"_s, {poly + "100,125 136,125 139,121 139,108 136,105 100,105"}},
        {3, u"反"_s, {round + "100 105 139 125 6 6"}},
        {3, u"框"_s, {poly + "100,108 100,121 103,125 136,125 139,121 139,108 136,105 103,105 100,108"}},
        // The full-width band: two cells along, the line's height across.
        {3, u"帶"_s, {rect + "100 100 140 130"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + c.format.toStdString());
        dc.ClearCalls();
        const QPoint end = view.DrawBoxedRun(dc, u"甲乙"_s, c.kind, c.format, kLine, kX, kY);
        EXPECT_EQ(Shapes(), c.shapes);
        EXPECT_EQ(end, QPoint(kX + 2 * 2000, kY));
        const std::vector<DcCall> texts = Texts(dc);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].args[1], texts[0].args[1]);  // side by side
        EXPECT_GT(texts[1].args[0], texts[0].args[0]);
    }
}

// A circle 1800 across (the cell's 2000 less 200), centred in its cell along
// the line and across the line's height; the text after it goes on along
// the same line. Of four characters three stand side by side, each at 0.8/3
// of the reduced width.
TEST_F(HorizontalShapesTest, CircledTextTakesOneCellAlongTheLine)
{
    const std::string arc = std::to_string(int(DcCall::Arc)) + " ";
    const std::vector<std::string> circle{arc + "101 106 118 123 101 106 118 123", arc + "101 106 118 123 118 123 101 106"};
    const QPoint end = view.DrawCircledText(dc, u"甲"_s, kLine, u"圈"_s, kX, kY);
    EXPECT_EQ(end, QPoint(kX + 2000, kY));
    EXPECT_EQ(Shapes(), circle);
    ASSERT_EQ(Texts(dc).size(), 1u);
    EXPECT_EQ(Texts(dc)[0].args[0], (kX + 100) / 100);
    EXPECT_EQ(Texts(dc)[0].args[1], (kY + 750) / 100);

    dc.ClearCalls();
    view.DrawCircledText(dc, u"甲乙丙丁"_s, kLine, u"圈"_s, kX, kY);
    std::vector<std::pair<int32_t, int32_t>> at;
    for (const DcCall& g : Texts(dc))
        at.emplace_back(g.args[0], g.args[1]);
    const std::vector<std::pair<int32_t, int32_t>> expected{{102, 107}, {106, 107}, {110, 107}};
    EXPECT_EQ(at, expected);

    dc.ClearCalls();
    view.DrawStyledString(dc, kY + kLine / 2, kLine, u"<YQ圈>甲<-YQ>乙"_s, kX, kY);
    const std::vector<DcCall> texts = Texts(dc);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, u"乙"_s);
    EXPECT_GE(texts[1].args[0], (kX + 2000) / 100);
    EXPECT_LT(texts[1].args[1], (kY + kLine) / 100);
}

}  // namespace
