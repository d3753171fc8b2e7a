#pragma once
// The application's side of printing: the program's margins, and, for a
// 4-in-1 sheet of another volume, that volume's pages read for the sheet
// while the shown volume's pages wait aside, untouched, until printing ends.
#include <cstdint>

#include <QPageLayout>

class CollatorView;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

// Before printing shown units from..to (1-based): when a 4-in-1 sheet among
// them belongs to another volume, the shown volume's edits are offered for
// saving. False for Cancel (nothing is then printed).
bool AskSaveBeforePrinting(int32_t from, int32_t to);

// Prints shown units from..to onto an open paged device (a printer, the
// preview's printer or a PDF writer) within g_PrintMargins and returns how
// many were printed. Afterwards the shown volume's pages, g_CurrentVolume,
// the contents, the zoom and the shown page are as they were.
int32_t PrintBookUnits(CollatorView& view, QPagedPaintDevice& device, int32_t from, int32_t to);

// Draws shown unit (1-based) onto a painter open on an image of the paper,
// as PrintBookUnits prints it (the print preview's sheets); the shown
// volume and page are as they were afterwards.
void DrawPreviewSheet(CollatorView& view, QPainter& painter, int32_t unit);

// g_PrintOrientation (1 portrait, 2 landscape) as a page orientation.
QPageLayout::Orientation StoredPrintOrientation();

// A PDF writer set up as the program prints: 600 dots an inch, no margins
// of its own, the stored orientation.
void PreparePdfWriter(QPdfWriter& pdf);
