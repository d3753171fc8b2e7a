// The zoom: fitted entries of the zoom table, the zoom-scaled copies of the
// current style, cover and 4-in-1 sheet, and the pitch of a shown page.
#include <algorithm>

#include "foundation/params/FontStyle.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"

namespace {

enum : size_t { FitWidth = 7, FitHeight = 8, FitPage = 9 };

// A collapsed window must not give a zoom of 0: every length would vanish
// and the page pitch would divide by zero.
constexpr double kMinFitZoom = 0.05;

double Ratio(double pixels, double length) { return length > 0 ? pixels * 100 / length : 0; }

void SetEntry(std::vector<double>& table, size_t index, double zoom)
{
    if (index < table.size())
        table[index] = zoom;
}

const TStyleBase* CurrentStyleOrCover()
{
    if (g_CurrentStyle)
        return g_CurrentStyle;
    return g_CurrentCover;
}

}  // namespace

void PageRenderer::CalcFitZooms()
{
    double w = PageExtent.Width();
    double h = PageExtent.Height();
    if (g_FourInOneMode) {
        w += Para4in1.titleWidth;
        h = Para4in1.halfGap + 2 * h;
    }
    const double fitW = std::max(kMinFitZoom, Ratio(ClientSize.width(), w));
    const double fitH = std::max(kMinFitZoom, Ratio(ClientSize.height(), h));
    SetEntry(ZoomTable, FitWidth, fitW);
    SetEntry(ZoomTable, FitHeight, fitH);
    SetEntry(ZoomTable, FitPage, fitH < fitW ? fitH : fitW);
}

void PageRenderer::ApplyZoom()
{
    const TStyleBase* s = CurrentStyleOrCover();
    const double extentW = PageExtent.Width();
    const double extentH = PageExtent.Height();
    if (Printing && s) {
        if (s->NAME == kCoverName) {
            ZoomFactor = std::min(Ratio(PrinterWidthPx, extentW), Ratio(PrinterHeightPx, extentH));
        } else {
            double w = extentW;
            double h = extentH;
            if (g_FourInOneMode) {
                w = double(Para4in1.titleWidth) + s->pageWidth;
                h = Para4in1.halfGap + 2.0 * s->pageHeight;
            }
            ZoomFactor = std::min(Ratio(PrintableRect.Width(), w), Ratio(PrintableRect.Height(), h));
        }
    }
    if (g_CurrentStyle) {
        ScaleStyle(*g_CurrentStyle, ScaledStyle, ZoomFactor);
    } else if (g_CurrentCover) {
        ScaleCoverPara(*g_CurrentCover, ZoomFactor, ScaledCover);
        // A cover fills a whole 4-in-1 sheet.
        if (!Printing && g_FourInOneMode && g_CurrentCover->NAME == kCoverName)
            ScaleCoverPara(*g_CurrentCover, 2 * ZoomFactor, ScaledCover);
    }
    ScaledExtent = {ScaleLength(PageExtent.left, ZoomFactor), ScaleLength(PageExtent.top, ZoomFactor),
                    ScaleLength(PageExtent.right, ZoomFactor), ScaleLength(PageExtent.bottom, ZoomFactor)};
    ScaledBorder = ScaleLength(Border, ZoomFactor);
    ScalePara4in1(Para4in1, ScaledPara4in1, ZoomFactor);
    UpdateScrollSizes();
}

int32_t PageRenderer::PagePitch() const
{
    int32_t pitch = ScaledExtent.Height();
    if (g_FourInOneMode)
        pitch = ScaledPara4in1.halfGap + 2 * pitch;
    // Shown pages are counted by dividing by the pitch in pixels.
    return std::max(pitch, 100);
}
