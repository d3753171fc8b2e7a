// The side box, the columns and the placed pictures of vertical pages at
// zoom 1, drawn on a recording Dc from hand-made pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "editions/vertical/VerticalDrawing.h"
#include "foundation/params/LayoutRanges.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "render/pipeline/PagePipeline.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderFixture.h"
#include "support/Editions.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

const VerticalDrawing& Drawing() { return static_cast<const VerticalDrawing&>(*g_Edition->Drawing()); }

// The render fixture's set, its style made under the vertical edition.
class VerticalDrawingTest : public RenderFixture {
protected:
    void SetUp() override
    {
        previous_ = InstallEdition(&EditionFor(EditionKind::Vertical));
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        g_TwoPageMode = 0;
        for (int i = 0; i < 3; ++i)
            AppendPageRecord(table)->styleName = kDefaultStyleName;
        view.TextName = u"書名"_s;
    }
    void TearDown() override
    {
        RenderFixture::TearDown();
        InstallEdition(previous_);
    }
    // The page's rectangles at zoom 1; FrameRect in device pixels.
    WinRect Frame(int32_t page)
    {
        view.CalcPageExtent();
        view.ZoomFactor = 1.0;
        view.ApplyZoom();
        view.SelectPageStyle(page);
        view.ComputePageRects(page, QPoint(), dc.IsPrinting());
        const WinRect& f = view.FrameRect;
        return {f.left / 100, f.top / 100, f.right / 100, f.bottom / 100};
    }
    // The texts drawn, in order.
    QString Texts(const RecordingDc& on) const
    {
        QString out;
        for (const DcCall& call : on.CallsOf(DcCall::TextOut))
            out += call.text;
        return out;
    }
    std::vector<int32_t> VerticalLineXs() const
    {
        std::vector<int32_t> xs;
        for (const DcCall& call : dc.CallsOf(DcCall::Line))
            if (call.args[0] == call.args[2])
                xs.push_back(call.args[0]);
        return xs;
    }

    TPageTable table;
    RecordingDc dc;
    const Edition* previous_ = nullptr;
};

TEST_F(VerticalDrawingTest, PageNumbersInChineseDigits)
{
    const struct {
        int32_t n;
        const char16_t* text;
    } cases[] = {{0, u"○"},     {7, u"七"},        {9, u"九"},         {10, u"一○"},  {20, u"二○"},
                 {99, u"九九"}, {100, u"一○○"}, {101, u"一○一"}, {105, u"一○五"}, {110, u"一一○"},
                 {999, u"九九九"}, {1000, u""},  {12345, u""}};
    for (const auto& c : cases)
        EXPECT_EQ(SmallNumberToChinese(c.n), QString::fromUtf16(c.text)) << c.n;
}

// One cover: page 1 is even, numbered 一, its side box at the left and its
// title the middle part of the leaf's text; page 2 is odd, numbered 二, its
// side box at the right and its title the top part.
TEST_F(VerticalDrawingTest, SideBoxAlternatesWithTheParity)
{
    g_CoverPages = 1;
    view.LeafTexts = {u"甲|乙|丙|一"_s};
    const struct {
        int32_t page;
        bool leftSide;
        const char16_t* texts;
    } cases[] = {{1, true, u"乙一"}, {2, false, u"甲二"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        dc.ClearCalls();
        const WinRect f = Frame(c.page);
        Drawing().DrawSideBox(view, dc, c.page, QPoint());
        const int32_t w = style->SIDE_BOX.BOX_WIDTH / 100;
        const int32_t separator = c.leftSide ? f.left + w : f.right - w;
        EXPECT_EQ(VerticalLineXs(), (std::vector<int32_t>{f.right, f.left, separator}));
        EXPECT_EQ(Texts(dc), QString::fromUtf16(c.texts));
        // Both strings stand inside the side box, title above number.
        const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
        ASSERT_EQ(texts.size(), 2u);
        const int32_t sideLeft = c.leftSide ? f.left : f.right - w;
        for (const DcCall& t : texts) {
            EXPECT_GE(t.args[0], sideLeft);
            EXPECT_LT(t.args[0], sideLeft + w);
        }
        EXPECT_GE(texts[0].args[1], f.top + style->SIDE_BOX.BOX_TITLE_POS / 100);
        EXPECT_GE(texts[1].args[1], f.top + style->SIDE_BOX.BOX_PAGE_POS / 100);
    }
}

// The head box stands above the text and side boxes: the frame starts below
// it, and so does the first text row (after the box's top blank).
TEST_F(VerticalDrawingTest, HeadBoxAboveTheFrame)
{
    style->HEAD_BOX.size.BOX_HEIGHT = 3000;
    ComputeStylePageSize(*style, {});
    const WinRect f = Frame(0);
    EXPECT_EQ(f.top, (view.PageRect.top + 3000) / 100);
    EXPECT_EQ(view.TextTop, view.PageRect.top + 3000 + style->TEXT_BOX.size.TOP_SPACE);
    EXPECT_EQ(view.PageRect.bottom - view.PageRect.top, 67000);
    EXPECT_EQ(view.FrameRect.left, view.PageRect.left);
    EXPECT_EQ(view.FrameRect.right, view.PageRect.right);
}

// No vertical drawing rule reads the raised-head flag the typesetter sets.
TEST_F(VerticalDrawingTest, RaisedHeadsAddNoHeightAndNoColumnRises)
{
    style->raisedHead = true;
    view.CalcPageExtent();
    EXPECT_EQ(view.PageExtent.Height(), 2 * view.Border - 1 + style->pageHeight);
    view.CurFontPair = &view.ScaledStyle.TEXT_BOX.MFONT_GROUP;
    EXPECT_EQ(view.ParseLineTags(u"<TT>天"), u"天"_s);
    EXPECT_FALSE(view.RaisedColumn);
}

// The title comes from the centre text's own parts, never from the leaf
// number its entry ends with.
TEST_F(VerticalDrawingTest, TitleFromTheCentreTextElseTheTextName)
{
    const struct {
        const char16_t* centre;  // of every page
        const char16_t* titles;  // of pages 0 to 3, one character each
    } cases[] = {
        {u"", u"書書書書"},          // no centre text: the text name throughout
        {u"甲", u"書甲書甲"},         // no "|": itself on odd pages, the name on even ones
        {u"甲|乙|丙", u"乙甲乙甲"},  // top part on odd pages, middle part on even ones
    };
    AppendPageRecord(table)->styleName = kDefaultStyleName;
    for (const auto& c : cases) {
        for (TPageRec& page : table.pages)
            page.centreText = QString::fromUtf16(c.centre);
        RebuildContents(view.LeafTexts, true, false);
        ASSERT_EQ(view.LeafTexts.size(), 2u);
        QString titles;
        for (int32_t page = 0; page < 4; ++page)
            titles += SideBoxTitle(view.LeafTexts, page, view.TextName).left(1);
        EXPECT_EQ(titles, QString::fromUtf16(c.titles)) << QString::fromUtf16(c.centre).toStdString();
    }
}

TEST_F(VerticalDrawingTest, PrintingDrawsNoLines)
{
    RecordingDc printer(true);
    view.Printing = true;
    Frame(0);
    Drawing().DrawSideBox(view, printer, 0, QPoint());
    EXPECT_TRUE(printer.CallsOf(DcCall::Line).empty());
    EXPECT_EQ(Texts(printer), u"書名一"_s);
}

TEST_F(VerticalDrawingTest, GapAndColumnWidths)
{
    const auto Page = [](std::vector<TPageLine> lines, int32_t used) {
        TPageRec page;
        page.lines = std::move(lines);
        page.usedSize = used;
        return page;
    };
    const TPageLine plain{u"天"_s, 2800};
    EXPECT_EQ(ColumnGap(Page({plain, plain, plain}, 8400), 42000), 11200);
    EXPECT_EQ(ColumnGap(Page({plain, plain, plain}, 0), 42000), 0);
    EXPECT_EQ(ColumnGap(Page({plain, {u"地<V=900>"_s, 2800}}, 0), 42000), 450);
    EXPECT_EQ(ColumnGap(Page({plain, {u"<V=900>"_s, 2800}}, 0), 42000), 0);  // not at the first character
    EXPECT_EQ(ColumnGap(Page({plain, {u"地<V=-900>"_s, 2800}}, 0), 42000), 0);
    EXPECT_EQ(ColumnGap(Page({plain}, 50000), 42000), 0);  // one column wider than the box
    EXPECT_EQ(ColumnGap(Page({}, 100), 42000), 0);

    EXPECT_EQ(ColumnWidth({u"<W=1500>"_s, 0}, 2800), 1500);
    EXPECT_EQ(ColumnWidth({u"天<W=1500>"_s, 3000}, 2800), 3000);
    EXPECT_EQ(ColumnWidth({u"天"_s, 0}, 2800), 2800);  // a file without widths
    // A damaged file's widths: none below 0 nor beyond the longest page side.
    EXPECT_EQ(ColumnWidth({u"天"_s, INT32_MIN}, 2800), 0);
    EXPECT_EQ(ColumnWidth({u"天"_s, -1}, 2800), 0);
    EXPECT_EQ(ColumnWidth({u"天"_s, INT32_MAX}, 2800), kMaxLayoutLength);
    EXPECT_EQ(ColumnWidth({u"<W=99999999999>"_s, 0}, 2800), kMaxLayoutLength);
    EXPECT_EQ(ColumnWidth({u"<W=-5>"_s, 0}, 2800), 0);
    EXPECT_EQ(ColumnGap(Page({plain, {u"地<V=2147483647>"_s, 2800}}, 0), 42000), kMaxLayoutLength);
}

// A damaged file's page of thousands of the widest columns: the columns
// stop a page side past the page instead of running on until their
// positions overflow and wrap back over it.
TEST_F(VerticalDrawingTest, ColumnsOfADamagedFileStopPastThePage)
{
    table.pages[0].lines.assign(5000, {u"天"_s, INT32_MAX});
    Frame(0);
    DrawPageText(view, dc, 0, 1, QPoint());
    view.CurrentBatch = view.GlyphBatches.GetAtOrNull(0);
    view.DrawGlyphLists(dc);
    const std::vector<DcCall> glyphs = dc.CallsOf(DcCall::TextOut);
    EXPECT_LE(glyphs.size(), 2u);
    for (const DcCall& glyph : glyphs)
        EXPECT_LT(glyph.args[0], view.PageRect.right / 100);
}

// A spread page: the pictures over all its columns reach the text box's
// left edge within n - 1 units; columns the page does not have count as
// plain ones.
TEST_F(VerticalDrawingTest, PicturesLieOverTheColumnsAsDrawn)
{
    TPageRec& page = table.pages[0];
    page.lines = {{u"天"_s, 2800}, {u"地"_s, 4000}, {u"玄"_s, 2800}};
    page.usedSize = 9600;  // gap (42000 - 9600) / 3 = 10800
    Frame(0);
    const WinRect base{0, 0, 42000, 64000};
    TPageItem all{TPageItemKind::PlacedCopy, u"圖"_s, 0, 2, 0, 37};
    const WinRect r = Drawing().PlacePictureInTextBox(view, all, base);
    EXPECT_EQ(r.right, 42000);
    EXPECT_EQ(r.left, 0);
    TPageItem second{TPageItemKind::PlacedCopy, u"圖"_s, 1, 1, 2, 3};
    const WinRect s = Drawing().PlacePictureInTextBox(view, second, base);
    EXPECT_EQ(s.right, 42000 - 13600);
    EXPECT_EQ(s.left, 42000 - 13600 - 14800);
    EXPECT_EQ(s.top, 2 * style->TEXT_BOX.size.textCharSize);
    EXPECT_EQ(s.bottom, 64000 - 34 * style->TEXT_BOX.size.textCharSize);

    page.usedSize = 0;
    TPageItem beyond{TPageItemKind::PlacedCopy, u"圖"_s, 3, 4, 0, 0};
    const WinRect b = Drawing().PlacePictureInTextBox(view, beyond, base);
    EXPECT_EQ(b.right, 42000 - 9600);
    EXPECT_EQ(b.left, 42000 - 9600 - 2 * 2800);
}

// The columns drawn from the page's right edge on an even page and from
// the side box on an odd one: each glyph inside its column, a "<W=" column
// left empty.
TEST_F(VerticalDrawingTest, ColumnsRunRightToLeftAtTheirWidths)
{
    for (const int32_t p : {0, 1}) {
        SCOPED_TRACE(p);
        dc.ClearCalls();
        table.pages[p].lines = {{u"天"_s, 2800}, {u"地"_s, 5600}, {u"<W=1500>"_s, 0}, {u"玄"_s, 2800}};
        const WinRect f = Frame(p);
        DrawPageText(view, dc, p, p + 1, QPoint());
        view.CurrentBatch = view.GlyphBatches.GetAtOrNull(0);
        view.DrawGlyphLists(dc);
        const std::vector<DcCall> glyphs = dc.CallsOf(DcCall::TextOut);
        ASSERT_EQ(glyphs.size(), 3u);
        const int32_t right = p == 0 ? f.right : f.right - style->SIDE_BOX.BOX_WIDTH / 100;
        // Each glyph's x lies between its column's left and right edges.
        const struct {
            QString text;
            int32_t left, right;
        } columns[] = {{u"天"_s, right - 28, right},
                       {u"地"_s, right - 84, right - 28},
                       {u"玄"_s, right - 127, right - 99}};
        for (const auto& c : columns) {
            const auto it = std::find_if(glyphs.begin(), glyphs.end(), [&](const DcCall& g) { return g.text == c.text; });
            ASSERT_NE(it, glyphs.end());
            EXPECT_GT(it->args[0], c.left) << c.text.toStdString();
            EXPECT_LT(it->args[0], c.right) << c.text.toStdString();
        }
    }
}

}  // namespace
