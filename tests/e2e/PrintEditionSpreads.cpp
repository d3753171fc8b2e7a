// The windows of VellumorVert and VellumorHorz on a text with notes (one
// split by 【|】), a quotation, a book title, indented paragraphs and a
// picture: 'D' shows two pages side by side, each with its own side box or
// page bar, the status names both pages, and on the recorded drawing every
// glyph lies inside its page's frame and the two pages' boxes stay apart,
// whatever style each page has; a printed spread holds both pages.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSet>
#include <QTest>

#include "app/FakeDialogs.h"
#include "app/commands/CommandIds.h"
#include "app/printing/PrintPreviewWindow.h"
#include "app/view/CollatorView.h"
#include "foundation/params/Style.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/pipeline/PagePipeline.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "support/ShownPreview.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

QString SampleText()
{
    QString text = u"【SM詩話】\n【JM卷一】\n"_s;
    for (int i = 0; i < 6; ++i) {
        text += u"　　子曰：「學而時習之，不亦說乎？」【ZW】包曰：時習【|】誦習以時也。【-ZW】《論語》〈學而〉首章。\n"_s;
        text += u"【TP3*10-0+無此圖】\n"_s;
        text += u"　　有朋自遠方來，不亦樂乎？人不知而不慍，不亦君子乎？【ZW】慍，怒也。【-ZW】\n"_s;
    }
    return text;
}

class PrintEditionSpreads : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
    }
};

}  // namespace

TEST_P(PrintEditionSpreads, TwoPagesSideBySideEachInItsFrame)
{
    ASSERT_TRUE(window->OpenText(WriteText(u"text.txt"_s, SampleText())));
    ASSERT_GE(g_PageTable.pages.Size(), 2);
    CollatorView& view = window->View();
    QTest::keyClick(view.viewport(), Qt::Key_D);
    ASSERT_EQ(g_TwoPageMode, 1);
    EXPECT_TRUE(window->StatusPane(2).text().contains(u"第1-2頁"_s)) << window->StatusPane(2).text().toStdString();

    PageRenderer& r = view.Renderer();
    // With the faces' own ink, as the window draws: marks are placed by it.
    RecordingDc dc;
    dc.UseInstalledFaces();
    RenderPage(r, dc, 0, QPoint());
    // Each page's frame, in its half of the spread: the first at the right
    // in the vertical edition, at the left in the horizontal one.
    const int32_t half = r.ScaledExtent.Width() / 2;
    const bool firstLeft = GetParam() == EditionKind::Horizontal;
    WinRect frames[2];
    WinRect bands[2];  // side box (vertical) or header band (horizontal)
    for (int32_t page : {0, 1}) {
        const bool left = (page == 0) == firstLeft;
        ASSERT_TRUE(r.SelectPageStyle(page, QPoint(left ? 0 : half, 0)));
        r.ComputePageRects(page, QPoint(left ? 0 : half, 0), false);
        const WinRect& f = r.FrameRect;
        frames[page] = {f.left / 100, f.top / 100, f.right / 100, f.bottom / 100};
        if (GetParam() == EditionKind::Vertical) {
            const int32_t side = r.ScaledStyle.SIDE_BOX.BOX_WIDTH;
            const int32_t sideLeft = PageRenderer::IsEvenPage(page) ? f.left : f.right - side;
            bands[page] = {sideLeft / 100, f.top / 100, (sideLeft + side) / 100, f.bottom / 100};
        } else {
            bands[page] = {f.left / 100, f.top / 100, f.right / 100, (f.top + r.ScaledStyle.PAGE_BAR.HEAD_HEIGHT) / 100};
        }
    }
    const WinRect& l = firstLeft ? bands[0] : bands[1];
    const WinRect& rt = firstLeft ? bands[1] : bands[0];
    EXPECT_LT(l.right, rt.left) << "the spread's two boxes overlap";

    int glyphs = 0;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
        const int32_t x = call.args[0], y = call.args[1];
        bool inside = false;
        for (const WinRect& f : frames)
            inside = inside || (x >= f.left && x < f.right && y >= f.top && y < f.bottom);
        EXPECT_TRUE(inside) << call.text.toStdString() << " at " << x << "," << y;
        ++glyphs;
    }
    EXPECT_GT(glyphs, 50);
}

// A text whose second part has a style of its own: each page is drawn in its
// half of the spread, clipped there, whichever style the page before it had.
TEST_P(PrintEditionSpreads, PagesOfTwoStylesKeepToTheirHalves)
{
    ASSERT_TRUE(window->OpenText(WriteText(u"text.txt"_s, SampleText() + u"【BS乙】\n"_s + SampleText())));
    CollatorView& view = window->View();
    QTest::keyClick(view.viewport(), Qt::Key_D);
    ASSERT_EQ(g_TwoPageMode, 1);
    PageRenderer& r = view.Renderer();
    const int32_t width = r.ScaledExtent.Width() / 100 + 1;
    QSet<QString> styles;
    for (const TPageRec& page : g_PageTable.pages)
        styles.insert(page.styleName);
    ASSERT_EQ(styles.size(), 2);
    for (int32_t shown = 0; shown < r.ShownPageCount; ++shown) {
        RecordingDc dc;
        RenderPage(r, dc, shown, QPoint());
        for (const DcCall& clip : dc.CallsOf(DcCall::ClipRect)) {
            EXPECT_GE(clip.args[0], 0) << "shown page " << shown;
            EXPECT_LE(clip.args[2], width) << "shown page " << shown;
        }
    }
}

// 打印預覽 of a spread: each sheet holds both pages of the spread, the
// second page's paper stopping at the fold instead of covering the first.
TEST_P(PrintEditionSpreads, PrintedSpreadHoldsBothPages)
{
    QString text;
    for (int i = 0; i < 80; ++i)
        text += u"　　子曰：「學而時習之，不亦說乎？有朋自遠方來，不亦樂乎？」\n"_s;
    ASSERT_TRUE(window->OpenText(WriteText(u"text.txt"_s, text)));
    ASSERT_GE(g_PageTable.pages.Size(), 2);
    ASSERT_FALSE(g_PageTable.pages[1].lines.empty());
    QTest::keyClick(window->View().viewport(), Qt::Key_D);
    ASSERT_EQ(g_TwoPageMode, 1);
    FakeDialogs dialogs;
    dialogs.OnRun([](QDialog& dialog) {
        PrintPreviewWindow* preview = ShownPreview(dialog);
        if (!preview)
            return false;
        const QSize sheet = preview->Sheets().SheetPlace(1).size();
        // Below the page bars or side-box titles, each half's text.
        const int top = sheet.height() / 5;
        const QRect left(0, top, sheet.width() / 2 - 10, sheet.height() - top);
        EXPECT_GT(InkIn(*preview, left), 100);
        EXPECT_GT(InkIn(*preview, left.translated(sheet.width() / 2 + 10, 0)), 100);
        return false;
    });
    window->Dispatch(Cmd::PrintPreview);
    EXPECT_EQ(dialogs.RunCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(PrintPrograms, PrintEditionSpreads,
                         ::testing::Values(EditionKind::Vertical, EditionKind::Horizontal), EditionName);
