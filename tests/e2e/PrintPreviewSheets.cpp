// The print preview of a text of thousands of sheets: it offers every sheet
// at once, draws only those in view, goes to the last sheet and zooms with
// its buttons and keys, shows each sheet as the printer prints it (the
// frame's ink where the print cycle puts it), and 打印 goes on to the print
// dialog. The shown page and zoom of the main window stay as they were.
#include <QAction>
#include <QPrintDialog>
#include <QSpinBox>
#include <QToolBar>

#include "app/FakeDialogs.h"
#include "app/commands/CommandIds.h"
#include "app/printing/PrintPreviewWindow.h"
#include "app/view/CollatorView.h"
#include "render/PageRenderer.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "support/ShownPreview.h"

using namespace Qt::StringLiterals;

namespace {

class PrintPreviewSheets : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // About 3,000 pages of short lines.
        QString text = u"\uFEFF"_s;
        for (int i = 0; i < 30000; ++i)
            text += u"甲乙丙丁戊己庚\n"_s;
        chooser.ExpectOpen(WriteText(u"long.txt"_s, text));
        ASSERT_TRUE(window->Dispatch(Cmd::OpenText));
        ASSERT_GT(GetShownPageCount(), 1000);
    }
    static void Press(PrintPreviewWindow& preview, const QString& text)
    {
        for (QAction* action : preview.findChild<QToolBar*>()->actions())
            if (action->text() == text)
                return action->trigger();
        ADD_FAILURE() << "no button " << text.toStdString();
    }
};

TEST_F(PrintPreviewSheets, OffersEverySheetAndDrawsOnlyThoseInView)
{
    const int32_t count = GetShownPageCount();
    const int32_t shown = g_CurrentPage;
    const double zoom = window->View().Renderer().ZoomFactor;
    FakeDialogs dialogs;
    dialogs.OnRun([count](QDialog& dialog) {
        PrintPreviewWindow* preview = ShownPreview(dialog);
        if (!preview)
            return false;
        PreviewSheets& sheets = preview->Sheets();
        auto* page = preview->findChild<QSpinBox*>(u"page"_s);
        EXPECT_EQ(sheets.Count(), count);
        EXPECT_EQ(page->maximum(), count);
        EXPECT_EQ(sheets.CurrentSheet(), 1);
        EXPECT_TRUE(sheets.Fitting());
        EXPECT_LE(sheets.SheetsDrawn(), 2);
        EXPECT_GT(InkIn(*preview, QRect(QPoint(), sheets.SheetPlace(1).size())), 100);

        // End, then 上一頁 and 下一頁: the page box follows.
        QTest::keyClick(preview, Qt::Key_End);
        QTest::qWait(20);
        EXPECT_EQ(sheets.CurrentSheet(), count);
        Press(*preview, u"上一頁(&V)"_s);
        Press(*preview, u"下一頁(&N)"_s);
        Press(*preview, u"下一頁(&N)"_s);
        QTest::qWait(20);
        EXPECT_EQ(sheets.CurrentSheet(), count);
        EXPECT_EQ(page->value(), count);
        EXPECT_GT(InkIn(*preview, QRect(QPoint(), sheets.SheetPlace(count).size())), 100);
        page->setValue(count / 2);
        EXPECT_EQ(sheets.CurrentSheet(), count / 2);

        // 放大 twice and 縮小 once: a quarter larger; then 整頁 fits again.
        const double fitted = sheets.Zoom();
        Press(*preview, u"放大(&I)"_s);
        Press(*preview, u"放大(&I)"_s);
        Press(*preview, u"縮小(&O)"_s);
        EXPECT_NEAR(sheets.Zoom(), fitted * 1.25, 1e-9);
        EXPECT_FALSE(sheets.Fitting());
        EXPECT_EQ(sheets.CurrentSheet(), count / 2);
        Press(*preview, u"整頁(&F)"_s);
        EXPECT_NEAR(sheets.Zoom(), fitted, 1e-9);
        QTest::qWait(20);
        EXPECT_LE(sheets.SheetsDrawn(), 12);
        EXPECT_LE(sheets.SheetsHeld(), 12);
        return false;
    });
    window->Dispatch(Cmd::PrintPreview);
    EXPECT_EQ(dialogs.RunCount(), 1);
    EXPECT_EQ(g_CurrentPage, shown);
    EXPECT_DOUBLE_EQ(window->View().Renderer().ZoomFactor, zoom);
}

// The sheet is the print cycle's page at the preview's scale: the frame's
// left edge, which the drawing leaves in the renderer in sheet pixels, is
// inked along its height.
TEST_F(PrintPreviewSheets, SheetShowsTheFrameWhereThePrintPutsIt)
{
    CollatorView& view = window->View();
    FakeDialogs dialogs;
    dialogs.OnRun([&view](QDialog& dialog) {
        auto& preview = static_cast<PrintPreviewWindow&>(dialog);
        preview.resize(900, 700);
        preview.show();
        QTest::qWait(20);
        preview.Sheets().GoToSheet(7);
        preview.Sheets().viewport()->repaint();
        const WinRect frame = view.Renderer().FrameRect;  // the last drawn sheet's, × 100
        const int x = frame.left / 100, top = frame.top / 100, bottom = frame.bottom / 100;
        EXPECT_GT(bottom - top, 100);
        EXPECT_GT(InkIn(preview, QRect(x - 1, top + 3, 3, bottom - top - 6)), (bottom - top) / 2);
        // Beside the edge, outside the frame, the paper is white.
        EXPECT_EQ(InkIn(preview, QRect(x - 12, top + 3, 3, bottom - top - 6)), 0);
        return false;
    });
    window->Dispatch(Cmd::PrintPreview);
}

// 打印 closes the preview and opens the print dialog; cancelling that prints
// nothing.
TEST_F(PrintPreviewSheets, PrintButtonGoesToThePrintDialog)
{
    FakeDialogs dialogs;
    bool printDialog = false;
    dialogs
        .OnRun([](QDialog& dialog) {
            Press(static_cast<PrintPreviewWindow&>(dialog), u"打印(&P)..."_s);
            return dialog.result() == QDialog::Accepted;
        })
        .OnRun([&printDialog](QDialog& dialog) {
            printDialog = qobject_cast<QPrintDialog*>(&dialog) != nullptr;
            return false;
        });
    window->Dispatch(Cmd::PrintPreview);
    EXPECT_EQ(dialogs.RunCount(), 2);
    EXPECT_TRUE(printDialog);
}

}  // namespace
