#pragma once
// The print commands: printing (57607) through the print dialog, the print
// preview (57609) and the page setup (57606). Every dialog runs through the
// dialog services, so tests answer them.
class CollatorView;
class QPrinter;
class QWidget;

// Something to print: a volume or text shown with at least one unit.
bool CanPrint();

// The stored orientation and the printer's own (least) margins, so that
// the painter's page is the printable area and the program's margins are
// applied by the print cycle.
void PreparePrinter(QPrinter& printer);

void OnFilePrint(CollatorView& view);
void OnFilePrintPreview(CollatorView& view);
// Keeps the margins and orientation chosen in g_PrintMargins and
// g_PrintOrientation.
void OnFilePrintSetup(QWidget* parent);
