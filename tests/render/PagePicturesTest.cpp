// Placed pictures, seals and cover pages on a recording Dc.
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <QTemporaryDir>

#include "RenderFixture.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/text/StringUtils.h"
#include "platform/RecordingDc.h"
#include "render/frame/PageFrame.h"
#include "render/pictures/PagePictures.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class PagePictures : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        g_ProjectFolder = folder.path();
        QImage seal(10, 10, QImage::Format_RGB32);
        seal.fill(Qt::red);
        ASSERT_TRUE(seal.save(folder.filePath("seal.png")));
    }
    TPageRec& Page(const QString& style = kDefaultStyleName)
    {
        TPageRec& page = *AppendPageRecord(table);
        page.styleName = style;
        return page;
    }
    static void AddItem(OwningList<TPageItem>& list, int32_t kind, const QString& name, int32_t a, int32_t b,
                        int32_t c, int32_t d)
    {
        *list.AddNew() = TPageItem{kind, name, a, b, c, d};
    }
    PageRects Rects(int32_t page = 0)
    {
        Layout();
        return view.ComputePageRects(page, QPoint(), false);
    }
    QTemporaryDir folder;
    TPageTable table;
    RecordingDc dc;
};

TEST_F(PagePictures, MissingPictureBreaksTheRulesInsideIt)
{
    TPageRec& first = Page();
    Page();
    AddItem(first.pictures, TPageItemKind::PlacedCopy, "nofile.png", 2, 4, 3, 10);
    const PageRects rects = Rects();
    DrawPagePictures(view, 0, dc, 1, QPoint());
    const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QString::fromUtf16(kMissingPictureText));
    const auto& spans = view.ColumnSpans[0];
    ASSERT_GE(spans.size(), 5u);
    ASSERT_EQ(spans[2].size(), 1u);
    const auto [top, bottom] = spans[2][0];
    // "缺图片" at the middle of the picture's rectangle.
    EXPECT_EQ(texts[0].args[1], (top + bottom) / 2);

    DrawPageFrame(view, dc, rects.R1, 0, 1, QPoint());
    for (int i = 1; i <= 4; ++i) {
        const int32_t x = (105899 - 5010 * (i + 1)) / 100;
        bool broken = false;
        for (const DcCall& c : dc.CallsOf(DcCall::Line))
            broken |= c.args[0] == x && c.args[2] == x && (c.args[3] == top || c.args[1] == bottom);
        EXPECT_EQ(broken, i == 2 || i == 3) << "column " << i;
    }
}

TEST_F(PagePictures, HugeColumnValuesStayInsideThePage)
{
    Page();
    Page();
    AddItem(table.pages.GetAtOrNull(0)->pictures, TPageItemKind::PlacedCopy, "x", 5, 100000, -7, 1 << 30);
    Rects();
    DrawPagePictures(view, 0, dc, 1, QPoint());
    EXPECT_EQ(view.ColumnSpans[0].size(), size_t(style->TEXT_BOX.size.LINES));
}

TEST_F(PagePictures, SealsAreClippedThenFitted)
{
    Page();
    Page();
    AddItem(table.pages.GetAtOrNull(0)->seals, TPageItemKind::Seal, "seal.png", -50, 5000, 0, 20);
    AddItem(table.pages.GetAtOrNull(1)->seals, TPageItemKind::Seal, "seal", 0, 20, 0, 20);
    Rects();
    DrawPageSeals(view, dc, 0, 1, QPoint());
    const std::vector<DcCall> blits = dc.CallsOf(DcCall::StretchBlt);
    ASSERT_EQ(blits.size(), 2u);  // the second page's seal shows too
    const TStyle& s = view.ScaledStyle;
    const int32_t x0 = (view.FrameRect.right - s.TEXT_BOX.size.BOX_WIDTH) / 100;
    const int32_t y0 = (view.FrameRect.top - s.SPACE) / 100;
    const WinRect fit = FitRectKeepAspect(10, 10, {x0, y0, (s.SPACE + view.FrameRect.right) / 100, y0 + 20});
    EXPECT_EQ(blits[0].args[0], fit.left);
    EXPECT_EQ(blits[0].args[2] - blits[0].args[0], 20);
    EXPECT_EQ(blits[0].args[1], y0);
    EXPECT_EQ(blits[0].op, RasterOp::And);
    const int32_t x1 = (s.OUT_BORDER + view.PageRect.left) / 100;
    EXPECT_EQ(blits[1].args[0], x1);
}

TEST_F(PagePictures, CoverTextsStandOnTheirGridPoints)
{
    TCoverPara* cover = set.covers.AddNew();
    SetCoverDefaults(*cover);
    cover->NAME = kCoverName;
    TPageRec& page = Page(kCoverName);
    page.lines = {{u"<WZ4*8-1+2D>封面"_s}, {u"<WZ4*8-1D>壞"_s}, {u"<WZ0>零"_s}, {u"<WZ"_s}, {u"<WZ>"_s}, {u"無"_s}};
    Layout();
    ASSERT_TRUE(view.SelectPageStyle(0));
    for (const int32_t twoPage : {0, 1}) {
        g_TwoPageMode = twoPage;
        dc.ClearCalls();
        DrawCoverPage(view, {0, 0, twoPage ? 800 : 400, 800}, dc);
        const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
        ASSERT_EQ(texts.size(), 3u) << twoPage;
        const int32_t step = view.ScaledCover.COVER_FONT.TEXT_FONT.WORD_HEIGHT / 100;
        EXPECT_EQ(texts[0].args, (std::vector<int32_t>{100, 200}));
        EXPECT_EQ(texts[1].args, (std::vector<int32_t>{100, 200 + step}));
        EXPECT_EQ(texts[2].text, u"零"_s);
        EXPECT_EQ(texts[2].args, (std::vector<int32_t>{0, 0}));
    }
}

}  // namespace
