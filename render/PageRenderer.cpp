#include "render/PageRenderer.h"

#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"

namespace {

// 25% to 400%, then fit width, fit height and fit page (set by CalcFitZooms).
constexpr double kZoomSteps[] = {0.25, 0.5, 0.75, 1, 2, 3, 4, 1, 1, 1};

}  // namespace

PageRenderer::PageRenderer() : ZoomTable(std::begin(kZoomSteps), std::end(kZoomSteps)) {}

double PageRenderer::ZoomAt(int32_t index) const
{
    return index >= 0 && size_t(index) < ZoomTable.size() ? ZoomTable[size_t(index)] : 1.0;
}

double PageRenderer::GetZoomFactor() const { return ZoomAt(g_ZoomIndex); }

void PageRenderer::CalcPageExtent() { CurrentDrawing().CalcPageExtent(*this); }
void PageRenderer::UpdateFrameMetrics() { CurrentDrawing().UpdateFrameMetrics(*this); }
void PageRenderer::UpdateScrollSizes() { CurrentDrawing().UpdateScrollSizes(*this); }

PageRects PageRenderer::ComputePageRects(int32_t page, QPoint origin, bool printing)
{
    return CurrentDrawing().ComputePageRects(*this, page, origin, printing);
}

void PageRenderer::DrawTextLines(Dc& dc, int32_t centreX, int32_t pitch, QStringView column, int32_t x, int32_t y)
{
    CurrentDrawing().DrawTextLines(*this, dc, centreX, pitch, column, x, y);
}

QString PageRenderer::ParseLineTags(QStringView piece) { return CurrentDrawing().ParseLineTags(*this, piece); }

QPoint PageRenderer::DrawFontRun(Dc& dc, QStringView text, int32_t kind, int32_t width, int32_t x, int32_t y)
{
    return CurrentDrawing().DrawFontRun(*this, dc, text, kind, width, x, y);
}

QPoint PageRenderer::AlignInCell(int32_t width, int32_t advance) const
{
    return CurrentDrawing().AlignInCell(*this, width, advance);
}

QPoint PageRenderer::PlaceGlyphs(Dc& dc, QStringView text, int32_t kind, int32_t advance, int32_t width, int32_t pitch,
                                 int32_t x, int32_t y)
{
    return CurrentDrawing().PlaceGlyphs(*this, dc, text, kind, advance, width, pitch, x, y);
}

void PageRenderer::DrawHitHighlight(Dc& dc, const TGlyph& glyph) { CurrentDrawing().DrawHitHighlight(*this, dc, glyph); }

QPoint PageRenderer::DrawBoxedRun(Dc& dc, QStringView text, int32_t kind, const QString& name, int32_t width,
                                  int32_t x, int32_t y)
{
    return CurrentDrawing().DrawBoxedRun(*this, dc, text, kind, name, width, x, y);
}

void PageRenderer::UseBox(TBoxPara& box)
{
    CurBox = &box;
    CurFontPair = &box.MFONT_GROUP;
    CurAttachFonts = &ScaledStyle.ATTACH_FONT_GROUP;
}

TBiaoDianType PageRenderer::PunctuationMode()
{
    return g_CurrentStyle ? g_CurrentStyle->BIAO_DIAN.BIAODIAN_TYPE : TBiaoDianType::PUTONG;
}
