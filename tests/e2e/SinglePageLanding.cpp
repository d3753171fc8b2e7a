// Single-page display in each program: at every zoom, each page reached by
// PgDn lands at the top of the view with its whole frame in view (the
// whole page when it fits), and nothing of the page before shows above it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "app/view/CollatorView.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

QString LongText()
{
    QString text;
    for (int i = 0; i < 80; ++i)
        text += u"　　子曰：「學而時習之，不亦說乎？有朋自遠方來，不亦樂乎？人不知而不慍，不亦君子乎？」\n"_s;
    return text;
}

class SinglePageLanding : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
    }
};

}  // namespace

TEST_P(SinglePageLanding, EachPageLandsWithItsWholeFrameInView)
{
    ASSERT_TRUE(window->OpenText(WriteText(u"text.txt"_s, LongText())));
    CollatorView& view = window->View();
    if (g_TwoPageMode)
        QTest::keyClick(view.viewport(), Qt::Key_D);  // the woodblock program starts with spreads
    ASSERT_EQ(g_TwoPageMode, 0);
    PageRenderer& r = view.Renderer();
    const int shownPages = std::min(GetShownPageCount(), 5);
    ASSERT_GE(shownPages, 3);
    for (int zoom = 0; zoom < window->ZoomCombo().count(); ++zoom) {
        window->ZoomCombo().setCurrentIndex(zoom);
        emit window->ZoomCombo().activated(zoom);
        QTest::keyClick(view.viewport(), Qt::Key_Home, Qt::ControlModifier);
        while (g_CurrentPage > 0)
            QTest::keyClick(view.viewport(), Qt::Key_PageUp);
        for (int page = 0; page < shownPages; ++page) {
            if (page > 0)
                QTest::keyClick(view.viewport(), Qt::Key_PageDown);
            const std::string where = "zoom " + std::to_string(zoom) + " page " + std::to_string(page);
            ASSERT_EQ(g_CurrentPage, page) << where;
            const int pitch = r.PagePitch() / 100;
            EXPECT_EQ(view.verticalScrollBar()->value(), page * pitch) << where;
            // The unit is laid out from its own top, which the scroll puts at
            // the view's top: its frame and sheet in unit coordinates are
            // where they show.
            RecordingDc dc;
            RenderPage(r, dc, page, QPoint());
            const int client = view.viewport()->height();
            EXPECT_GE(r.FrameRect.top / 100, 0) << where;
            // Across: the frame's left edge where the view stands.
            const int left = r.FrameRect.left / 100 - view.horizontalScrollBar()->value();
            EXPECT_GE(left, 0) << where;
            EXPECT_GE(r.PageRect.top / 100, 0) << where;
            if (r.ScaledExtent.Height() / 100 <= client) {
                EXPECT_LE(r.FrameRect.bottom / 100, client) << where;
            }
            // The page before ends above the view's top.
            EXPECT_LE(r.ScaledExtent.Height() / 100, pitch) << where;
            // The view shows the frame: a dark line down its's left edge
            // and across its top (the frame of the horizontal program; the
            // woodblock one lands at its right, where its text begins, and
            // the vertical one has none).
            if (GetParam() != EditionKind::Horizontal)
                continue;
            const QImage shown = view.viewport()->grab().toImage();
            const int top = r.FrameRect.top / 100;
            const int middleY = std::min(shown.height() - 1, (top + r.FrameRect.bottom / 100) / 2);
            const int middleX = std::min(shown.width() - 1, left + 40);
            EXPECT_LT(shown.pixelColor(left, middleY).lightness(), 128) << where << " left edge at " << left;
            EXPECT_LT(shown.pixelColor(middleX, top).lightness(), 128) << where << " top edge at " << top;
        }
    }
}

VELLUMOR_ALL_EDITIONS(SinglePageLanding);
