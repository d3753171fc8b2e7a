#pragma once
// Printing the shown units of the current volume, one unit to a sheet,
// fitted into the printable rectangle that the program's margins leave (a
// cover fills the whole sheet). The same cycle serves a printer, the print
// preview and a PDF file: whatever paged device the caller opened.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/WinTypes.h"

class Dc;
class PageRenderer;
class QPagedPaintDevice;
class QPainter;

// What the device reports of itself, in GDI's terms.
struct PrinterCaps {
    int32_t horzRes = 0;     // printable width in pixels
    int32_t vertRes = 0;     // printable height in pixels
    int32_t logPixelsX = 0;  // pixels per inch
    int32_t logPixelsY = 0;
};

PrinterCaps PrinterCapsOf(Dc& dc);

// The printer's size less one pixel and the printable rectangle inside the
// margins (hundredths of a millimetre: left, top, right, bottom).
void UpdatePrinterMetrics(PageRenderer& view, const PrinterCaps& caps, const WinRect& margins);

// The parts of the cycle that belong to the program around the drawing.
struct PrintSteps {
    // Called for each unit once g_CurrentPage is set, before it is drawn
    // (4-in-1 sheets may need another volume's pages); false skips the unit.
    std::function<bool(int32_t shown)> beforeUnit;
    // Called once at the end with the shown page from before printing, to
    // bring the view back to it.
    std::function<void(int32_t savedPage)> restore;
};

// A print job open on a paged device: one painter for every unit printed,
// so a document holding several volumes carries each font once. While it
// lives the renderer fits the paper; when it ends the zoom and the shown
// page are back as they were and the document is finished.
class PrintJob {
public:
    PrintJob(PageRenderer& view, QPagedPaintDevice& device, const WinRect& margins);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // False when the device could not be painted on (nothing prints).
    bool IsOpen() const;
    // Prints shown units from..to of the pages in use (1-based, inclusive,
    // clamped to the shown pages), each on a new sheet; beforeUnit as in
    // PrintSteps. Returns how many were drawn.
    int32_t PrintUnits(int32_t from, int32_t to, const std::function<bool(int32_t shown)>& beforeUnit = {});
    // The shown page from before the job.
    int32_t SavedPage() const { return savedPage_; }

private:
    struct Open;
    std::unique_ptr<Open> open_;
    QPagedPaintDevice& device_;
    int32_t printed_ = 0;
    int32_t savedPage_ = 0;
};

// Prints shown units from..to (1-based, inclusive, clamped to the shown
// pages) onto an open paged device and returns how many were drawn. The
// renderer's zoom and the shown page are back as they were afterwards.
int32_t PrintShownUnits(PageRenderer& view, QPagedPaintDevice& device, int32_t from, int32_t to,
                        const WinRect& margins, const PrintSteps& steps = {});

// Draws shown unit (1-based) alone onto a painter open on one sheet (an
// image of the paper at the preview's scale) as a print job prints it on a
// page of that size; beforeUnit as in PrintSteps. The zoom and the shown
// page are back as they were afterwards. False when the unit was skipped.
bool DrawShownUnitOnSheet(PageRenderer& view, QPainter& painter, int32_t unit, const WinRect& margins,
                          const std::function<bool(int32_t shown)>& beforeUnit = {});
