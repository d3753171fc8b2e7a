// The printer metrics and the print cycle into a PDF file.
#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "RenderFixture.h"
#include "render/pipeline/ShownPages.h"
#include "render/printing/PrintCycle.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

TEST(PrinterMetrics, MarginsInHundredthsOfAMillimetreAtThePrinterResolution)
{
    PageRenderer view;
    UpdatePrinterMetrics(view, {4800, 6600, 600, 600}, {2000, 1000, 2000, 0});
    EXPECT_EQ(view.PrinterWidthPx, 4799);
    EXPECT_EQ(view.PrinterHeightPx, 6599);
    // The right edge is the page width less the margin, in centimetres, then truncated.
    EXPECT_EQ(view.PrintableRect, (WinRect{472, 236, 4326, 6599}));
    // A device that reports no resolution gives a rectangle of a pixel, not a fault.
    UpdatePrinterMetrics(view, {100, 100, 0, 0}, {2000, 2000, 2000, 2000});
    EXPECT_EQ(view.PrintableRect, (WinRect{0, 0, 1, 99}));
}

// Margins wider than the paper (from the settings, which any hand may
// edit) keep the printable rectangle on the sheet with a pixel to print in;
// negative ones are none.
TEST(PrinterMetrics, MarginsBeyondThePaperAreHeldToTheSheet)
{
    struct Case {
        WinRect margins;
        WinRect printable;
    };
    const Case cases[] = {
        {{30000, 50000, 30000, 50000}, {4798, 6598, 4799, 6599}},
        {{15000, 2000, 15000, 2000}, {3543, 472, 3544, 6127}},
        {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, {4798, 6598, 4799, 6599}},
        {{-5000, INT32_MIN, -1, -100000}, {0, 0, 4799, 6599}},
    };
    PageRenderer view;
    for (const Case& c : cases) {
        UpdatePrinterMetrics(view, {4800, 6600, 600, 600}, c.margins);
        EXPECT_EQ(view.PrintableRect, c.printable) << c.margins.left << "," << c.margins.top;
        EXPECT_GT(view.PrintableRect.Width(), 0);
        EXPECT_GT(view.PrintableRect.Height(), 0);
    }
}

namespace {

class PrintCycle : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        g_CurrentPages = &table;
        for (int i = 0; i < 6; ++i) {
            TPageRec& page = *AppendPageRecord(table);
            page.styleName = kDefaultStyleName;
            page.lines = {{u"天地玄黃"_s}};
        }
        g_TwoPageMode = 0;
        Layout(0.5);
    }
    TPageTable table;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(PrintCycle, PrintsTheRangeAndGivesTheViewBack)
{
    g_CurrentPage = 4;
    const QString path = dir.filePath(u"out.pdf"_s);
    int restoredTo = -1;
    int32_t printed = 0;
    {
        QPdfWriter pdf(path);
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF());
        PrintSteps steps;
        steps.restore = [&](int32_t saved) { restoredTo = saved; };
        printed = PrintShownUnits(view, pdf, 2, 3, {200, 200, 200, 200}, steps);
    }
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(restoredTo, 4);
    EXPECT_EQ(g_CurrentPage, 4);
    EXPECT_DOUBLE_EQ(view.ZoomFactor, 0.5);
    EXPECT_FALSE(view.Printing);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2) << "pages in the PDF";
}

TEST_F(PrintCycle, ARangePastTheLastPageIsClampedAndSkippedUnitsTakeNoSheet)
{
    QPdfWriter pdf(dir.filePath(u"b.pdf"_s));
    PrintSteps steps;
    steps.beforeUnit = [](int32_t shown) { return shown != 1; };
    EXPECT_EQ(PrintShownUnits(view, pdf, 0, 99, {}, steps), GetShownPageCount() - 1);
}
