#include "app/printing/PrintCommands.h"

#include <QPrintDialog>
#include <QPrinter>

#include "app/dialogs/DialogServices.h"
#include "app/printing/BookPrinting.h"
#include "app/printing/PageSetupDialog.h"
#include "app/printing/PrintPreviewWindow.h"
#include "app/view/CollatorView.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"

bool CanPrint() { return g_VolumeShown && !g_CellEditing && GetShownPageCount() > 0; }

void PreparePrinter(QPrinter& printer)
{
    printer.setPageOrientation(StoredPrintOrientation());
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

void OnFilePrint(CollatorView& view)
{
    if (!CanPrint())
        return;
    const int count = GetShownPageCount();
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintDialog dialog(&printer, &view);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, count);
    dialog.setFromTo(1, count);
    if (!Dialogs().RunModal(dialog))
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    const int from = range ? printer.fromPage() : 1;
    const int to = range ? printer.toPage() : count;
    if (AskSaveBeforePrinting(from, to))
        PrintBookUnits(view, printer, from, to);
}

void OnFilePrintPreview(CollatorView& view)
{
    // Always offered: with nothing to print the preview shows an empty sheet.
    const int count = CanPrint() ? GetShownPageCount() : 0;
    if (count > 0 && !AskSaveBeforePrinting(1, count))
        return;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    const QSizeF paper = printer.pageLayout().paintRect(QPageLayout::Inch).size();
    PrintPreviewWindow window(count, paper, [&view, count](QPainter& painter, int32_t unit) {
        if (count > 0)
            DrawPreviewSheet(view, painter, unit);
    }, &view);
    // 打印 in the preview goes on to the print command.
    if (Dialogs().RunModal(window))
        OnFilePrint(view);
}

void OnFilePrintSetup(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    const QSizeF paper = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    PageSetupDialog dialog(g_PrintMargins, g_PrintOrientation, paper, parent);
    if (!Dialogs().RunModal(dialog))
        return;
    g_PrintMargins = dialog.Margins();
    g_PrintOrientation = dialog.Orientation();
}
