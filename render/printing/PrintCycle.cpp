#include "render/printing/PrintCycle.h"

#include <algorithm>
#include <optional>

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/PainterDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"

namespace {

constexpr double kCmPerInch = 2.54;
// Margins are kept in hundredths of a millimetre.
constexpr double kMarginUnitsPerCm = 1000.0;

// The begin and end of a print job: the zoom fits the paper while the
// renderer prints, and comes back afterwards.
class PrintingSpan {
public:
    explicit PrintingSpan(PageRenderer& view) : view_(view), savedPage_(g_CurrentPage)
    {
        view_.SavedZoom = view_.ZoomFactor;
        view_.Printing = true;
        view_.ApplyZoom();
    }
    ~PrintingSpan()
    {
        view_.ZoomFactor = view_.SavedZoom;
        view_.Printing = false;
        view_.ApplyZoom();
        g_CurrentPage = savedPage_;
    }
    int32_t SavedPage() const { return savedPage_; }

private:
    PageRenderer& view_;
    int32_t savedPage_;
};

}  // namespace

PrinterCaps PrinterCapsOf(Dc& dc)
{
    return {dc.GetDeviceCaps(DeviceCap::HorzRes), dc.GetDeviceCaps(DeviceCap::VertRes),
            dc.GetDeviceCaps(DeviceCap::LogPixelsX), dc.GetDeviceCaps(DeviceCap::LogPixelsY)};
}

void UpdatePrinterMetrics(PageRenderer& view, const PrinterCaps& caps, const WinRect& margins)
{
    view.PrinterWidthPx = caps.horzRes - 1;
    view.PrinterHeightPx = caps.vertRes - 1;
    const double dx = caps.logPixelsX / kCmPerInch;
    const double dy = caps.logPixelsY / kCmPerInch;
    const double widthCm = dx > 0 ? view.PrinterWidthPx / dx : 0.0;
    // Margins from the settings may be anything: each edge is held to the
    // sheet, a margin is never negative, and at least a pixel is left to
    // print in, so that the print stays on the paper and its geometry in
    // range.
    const int32_t w = std::max(view.PrinterWidthPx, 1);
    const int32_t h = std::max(view.PrinterHeightPx, 1);
    auto within = [](double px, int32_t low, int32_t high) { return int32_t(std::clamp(px, double(low), double(high))); };
    auto margin = [](int32_t hundredthsMm) { return std::max(hundredthsMm, 0) / kMarginUnitsPerCm; };
    const int32_t left = within(margin(margins.left) * dx, 0, w - 1);
    const int32_t top = within(margin(margins.top) * dy, 0, h - 1);
    view.PrintableRect = {left, top, within((widthCm - margin(margins.right)) * dx, left + 1, w),
                          h - within(margin(margins.bottom) * dy, 0, h - top - 1)};
}

// The painter on the device and the renderer in its printing span.
struct PrintJob::Open {
    Open(PageRenderer& view, QPagedPaintDevice& device) : view(view) { painter.begin(&device); }
    ~Open()
    {
        span.reset();
        dc.reset();
        if (painter.isActive())
            painter.end();
    }

    PageRenderer& view;
    QPainter painter;
    std::optional<PainterDc> dc;
    std::optional<PrintingSpan> span;
};

PrintJob::PrintJob(PageRenderer& view, QPagedPaintDevice& device, const WinRect& margins)
    : open_(std::make_unique<Open>(view, device)), device_(device), savedPage_(g_CurrentPage)
{
    if (!open_->painter.isActive())
        return;
    open_->dc.emplace(open_->painter, PainterDc::Options{.printing = true});
    UpdatePrinterMetrics(view, PrinterCapsOf(*open_->dc), margins);
    open_->span.emplace(view);
}

PrintJob::~PrintJob() = default;

bool PrintJob::IsOpen() const { return open_->span.has_value(); }

int32_t PrintJob::PrintUnits(int32_t from, int32_t to, const std::function<bool(int32_t shown)>& beforeUnit)
{
    if (!IsOpen())
        return 0;
    from = std::max(from, 1);
    to = std::min(to, GetShownPageCount());
    int32_t drawn = 0;
    for (int32_t page = from; page <= to; ++page) {
        g_CurrentPage = page - 1;
        if (beforeUnit && !beforeUnit(g_CurrentPage))
            continue;
        if (printed_ > 0) {
            open_->dc->Flush();
            device_.newPage();
        }
        DrawShownPages(open_->view, *open_->dc, 0);
        ++printed_;
        ++drawn;
    }
    return drawn;
}

int32_t PrintShownUnits(PageRenderer& view, QPagedPaintDevice& device, int32_t from, int32_t to,
                        const WinRect& margins, const PrintSteps& steps)
{
    int32_t printed = 0;
    int32_t savedPage = g_CurrentPage;
    {
        PrintJob job(view, device, margins);
        if (!job.IsOpen())
            return 0;
        printed = job.PrintUnits(from, to, steps.beforeUnit);
        savedPage = job.SavedPage();
    }
    if (steps.restore)
        steps.restore(savedPage);
    return printed;
}

bool DrawShownUnitOnSheet(PageRenderer& view, QPainter& painter, int32_t unit, const WinRect& margins,
                          const std::function<bool(int32_t shown)>& beforeUnit)
{
    if (unit < 1 || unit > GetShownPageCount())
        return false;
    PainterDc dc(painter, PainterDc::Options{.printing = true});
    UpdatePrinterMetrics(view, PrinterCapsOf(dc), margins);
    PrintingSpan span(view);
    g_CurrentPage = unit - 1;
    if (beforeUnit && !beforeUnit(g_CurrentPage))
        return false;
    DrawShownPages(view, dc, 0);
    return true;
}
