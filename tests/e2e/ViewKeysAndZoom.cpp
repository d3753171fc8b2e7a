// The page view with the sample text open: page keys, zoom steps, the zoom
// combo and the display toggles all keep the same page in view, and the
// page combo and the status text follow the page.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include "app/commands/CommandIds.h"
#include "app/view/CollatorView.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class ViewKeys : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        chooser.ExpectOpen(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt"));
        ASSERT_TRUE(window->Dispatch(Cmd::OpenText));  // Ctrl+O
        ASSERT_TRUE(g_VolumeShown);
        view = &window->View();
        view->setFocus();
    }
    void Key(int key) { QTest::keyClick(view, Qt::Key(key)); }
    // The shown page at the top of the view.
    int TopPage() const { return view->verticalScrollBar()->value() / (view->Renderer().PagePitch() / 100); }

    CollatorView* view = nullptr;
};

TEST_F(ViewKeys, PageKeysMoveOneShownPageAndTheComboAndStatusFollow)
{
    EXPECT_EQ(g_CurrentPage, 0);
    EXPECT_TRUE(window->windowTitle().startsWith(u"sample - "_s));
    Key(Qt::Key_PageUp);  // at the first page: nothing
    EXPECT_EQ(g_CurrentPage, 0);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(g_CurrentPage, 1);
    EXPECT_EQ(TopPage(), 1);
    EXPECT_EQ(window->PageCombo().currentIndex(), 1);
    EXPECT_EQ(window->StatusPane(2).text(), ShownPageStatusText(g_TextName));
    EXPECT_TRUE(window->StatusPane(2).text().startsWith(g_TextName + u" 第"_s));

    const int last = GetShownPageCount() - 1;
    for (int i = 0; i < last + 3; ++i)
        Key(Qt::Key_PageDown);
    EXPECT_EQ(g_CurrentPage, last);  // the last spread is reached, and no further
    EXPECT_EQ(TopPage(), last);
    EXPECT_EQ(window->PageCombo().currentIndex(), window->PageCombo().count() - 1);
}

TEST_F(ViewKeys, ZoomStepsAndTheComboKeepThePage)
{
    Key(Qt::Key_PageDown);
    // The next larger entry of the table, a fitted one included.
    const std::vector<double>& table = view->Renderer().ZoomTable;
    int above = -1;
    for (int i = 0; i < int(table.size()); ++i)
        if (table[size_t(i)] > 1.0 && (above < 0 || table[size_t(i)] < table[size_t(above)]))
            above = i;
    Key(Qt::Key_Period);
    EXPECT_EQ(g_ZoomIndex, above);
    EXPECT_EQ(window->ZoomCombo().currentIndex(), above);
    EXPECT_EQ(TopPage(), 1);
    Key(Qt::Key_Comma);
    EXPECT_EQ(g_ZoomIndex, 3);
    EXPECT_EQ(TopPage(), 1);

    window->ZoomCombo().setCurrentIndex(6);
    emit window->ZoomCombo().activated(6);  // 400%
    EXPECT_EQ(g_ZoomIndex, 6);
    window->Dispatch(Cmd::ZoomIn);  // the largest: nothing changes
    EXPECT_EQ(g_ZoomIndex, 6);
    EXPECT_EQ(window->ZoomCombo().currentIndex(), 6);
    EXPECT_EQ(TopPage(), 1);

    emit window->ZoomCombo().activated(9);  // 適合頁面
    EXPECT_EQ(g_ZoomIndex, 9);
    EXPECT_DOUBLE_EQ(view->Renderer().ZoomFactor, view->Renderer().ZoomTable[9]);
    EXPECT_EQ(g_CurrentPage, 1);
    EXPECT_EQ(TopPage(), 1);
    // The fitted page fits the view's height.
    EXPECT_LE(view->Renderer().ScaledExtent.Height() / 100, view->viewport()->height());

    // Resizing re-fits in a fit mode.
    const double before = view->Renderer().ZoomFactor;
    window->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_LT(view->Renderer().ZoomFactor, before);
    EXPECT_EQ(g_CurrentPage, 1);
}

// Tried in a small window at a large zoom: the page opens at its right
// edge, where a right-to-left page begins.
TEST_F(ViewKeys, APageWiderThanTheViewOpensAtItsRightEdge)
{
    g_ZoomIndex = 6;
    view->Refresh();
    const QScrollBar* across = view->horizontalScrollBar();
    EXPECT_GT(across->maximum(), 0);
    EXPECT_EQ(across->value(), across->maximum());
}

TEST_F(ViewKeys, TwoPageToggleConvertsTheShownPage)
{
    const int a = g_CoverPages;
    window->PageCombo().setCurrentIndex(2);
    emit window->PageCombo().activated(2);
    ASSERT_EQ(g_CurrentPage, 2);
    Key(Qt::Key_D);  // to single pages: 2s - A
    EXPECT_EQ(g_TwoPageMode, 0);
    EXPECT_EQ(g_CurrentPage, 4 - a);
    EXPECT_EQ(TopPage(), 4 - a);
    EXPECT_EQ(window->PageCombo().currentIndex(), 4 - a);
    window->Dispatch(Cmd::TwoPage);  // and back: (s + A) / 2
    EXPECT_EQ(g_TwoPageMode, 1);
    EXPECT_EQ(g_CurrentPage, 2);
    EXPECT_TRUE(window->ActionsOf(Cmd::TwoPage).front()->isChecked());
}

TEST_F(ViewKeys, FourInOneIsRefusedWithoutGroupsAndReturnsToThePage)
{
    EXPECT_TRUE(window->Dispatch(Cmd::FourInOne));
    EXPECT_EQ(g_FourInOneMode, 0);  // no groups: refused

    // One group: the cover, then every page of volume 0, then the back cover.
    TBook book;
    g_CurrentBook = &book;
    g_CurrentVolume = 0;
    std::vector<int32_t> order = {k4in1CoverBase};
    for (int p = 1; p < g_PageTable.pages.Size(); ++p)
        order.push_back(p);
    order.push_back(k4in1CoverBase + 1);
    g_4in1Data.pageOrders = {order};

    Key(Qt::Key_PageDown);
    ASSERT_EQ(g_CurrentPage, 1);
    const int textPage = ShownPageToTextPages(1).first;
    ASSERT_TRUE(window->Dispatch(Cmd::FourInOne));
    EXPECT_EQ(g_FourInOneMode, 1);
    EXPECT_EQ(g_CurrentPage, g_CoverPages + (textPage - g_CoverPages) / 4);
    EXPECT_TRUE(window->ActionsOf(Cmd::FourInOne).front()->isChecked());

    window->Dispatch(Cmd::FourInOne);
    EXPECT_EQ(g_FourInOneMode, 0);
    EXPECT_EQ(g_CurrentPage, TextPageToShownPage(ShownPageToTextPages(g_CurrentPage).first));
    EXPECT_EQ(TopPage(), g_CurrentPage);
    g_CurrentBook = nullptr;
}

}  // namespace
