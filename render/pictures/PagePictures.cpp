// Backgrounds, placed pictures and seals of a page.
#include "render/pictures/PagePictures.h"

#include <algorithm>

#include <QFileInfo>

#include "foundation/io/DataFolders.h"
#include "foundation/params/Style.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"
#include "render/frame/PageFrame.h"
#include "render/pictures/DrawPicture.h"
#include "typeset/pages/PageRecord.h"

QString ExistingPictureFile(const QString& name, int32_t kind)
{
    const QString path = ResolveImagePath(name, kind);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

namespace {

bool IsEmpty(const WinRect& r) { return r.right <= r.left || r.bottom <= r.top; }

// The picture fitted into the rectangle; nothing for an empty rectangle or
// a picture that does not load.
void DrawFitted(const QString& path, const WinRect& rect, bool multiply, Dc& dc)
{
    TPicture picture;
    if (IsEmpty(rect) || !LoadPicture(path, picture) || picture.image.isNull())
        return;
    if (multiply)
        DrawPictureFitMultiply(picture, rect, dc);
    else
        DrawPictureFitCopy(picture, rect, dc);
}

// One page's placed pictures in the text box starting at base; spans go to
// the given set of ColumnSpans.
void DrawPlacedPictures(PageRenderer& view, Dc& dc, const WinRect& base, size_t spanSet)
{
    const TPageRec* page = view.CurrentPageRec;
    TStyle& s = view.ScaledStyle;
    ColumnCountOverride columns(s, page);
    const TBoxSize& box = s.TEXT_BOX.size;
    auto& spans = view.ColumnSpans[spanSet];
    for (const TPageItem& item : page->pictures) {
        const WinRect cell = CurrentDrawing().PlacePictureInTextBox(view, item, base);
        const WinRect r{(cell.left + s.IN_BORDER) / 100, cell.top / 100, (cell.right - s.IN_BORDER) / 100,
                        cell.bottom / 100};
        // Column values come from the text: kept inside the page's columns.
        const int32_t last = std::max(box.LINES - 1, 0);
        const int32_t from = std::clamp(item.FirstColumn(), 0, last);
        const int32_t to = std::clamp(item.LastColumn(), 0, last);
        if (spans.size() < size_t(last + 1))
            spans.resize(size_t(last + 1));
        for (int32_t i = from; i < to; ++i)
            spans[size_t(i)].emplace_back(r.top, r.bottom);
        const QString path = ExistingPictureFile(item.name, item.kind);
        if (path.isEmpty())
            dc.TextOut((r.left + r.right) / 2, (r.top + r.bottom) / 2, kMissingPictureText);
        else
            DrawFitted(path, r, item.kind == TPageItemKind::PlacedMultiplied, dc);
    }
}

// Each seal at its zoom-1 position from the origin, clipped to the bounds.
void DrawSeals(PageRenderer& view, Dc& dc, QPoint origin, int32_t rightBound, int32_t bottomBound)
{
    const double z = view.ZoomFactor;
    const int32_t x0 = origin.x(), y0 = origin.y();
    for (const TPageItem& seal : view.CurrentPageRec->seals) {
        const QString path = ExistingPictureFile(seal.name, seal.kind);
        if (path.isEmpty())
            continue;
        const WinRect at = seal.SealRect();
        const WinRect r{std::max(x0, int32_t(x0 + at.left * z)), std::max(y0, int32_t(y0 + at.top * z)),
                        std::min(rightBound, int32_t(x0 + at.right * z)), std::min(bottomBound, int32_t(y0 + at.bottom * z))};
        DrawFitted(path, r, true, dc);
    }
}

}  // namespace

WinRect CellRect(int32_t lines, int32_t cellsPerLine, const TPageItem& item, int32_t columnStep, int32_t cellHeight,
                 const WinRect& base)
{
    const auto Clamp = [](int32_t v, int32_t count) { return std::min(count - 1, std::max(v, 0)); };
    WinRect r;
    r.right = base.right - columnStep * Clamp(item.FirstColumn(), lines);
    r.left = base.left + columnStep * (lines - Clamp(item.LastColumn(), lines) - 1);
    r.top = base.top + cellHeight * Clamp(item.TopCell(), cellsPerLine);
    r.bottom = base.bottom - cellHeight * (cellsPerLine - Clamp(item.BottomCell(), cellsPerLine) - 1);
    return r;
}

void DrawPageBackground(PageRenderer& view, Dc& dc, const WinRect& sheet)
{
    const TStyle& s = view.ScaledStyle;
    if (s.GROUND_IMAGE) {
        const QString path = ResolveImageRef(s.GROUND);
        TPicture picture;
        if (!path.isEmpty() && QFileInfo(path).isFile() && LoadPicture(path, picture)) {
            DrawPictureCopy(sheet, picture, dc);
            return;
        }
    }
    const DcPen oldPen = dc.SelectPen({10, s.BACK_COLOR});
    const DcBrush oldBrush = dc.SelectBrush({s.BACK_COLOR, false});
    const int32_t inset = view.OuterLinePx / 2;
    dc.Rectangle(sheet.left + inset, sheet.top + inset, sheet.right - inset, sheet.bottom - inset);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void DrawPagePictures(PageRenderer& view, int32_t firstPage, Dc& dc, int32_t secondPage, QPoint origin)
{
    const auto Base = [&](bool even) {
        const TStyle& s = view.ScaledStyle;
        const int32_t width = s.TEXT_BOX.size.BOX_WIDTH;
        WinRect base;
        if (even) {
            base.right = view.FrameRect.right - s.IN_BORDER;
            base.left = base.right - width + 1;
        } else {
            base.left = view.FrameRect.left + s.IN_BORDER;
            base.right = base.left + width - 1;
        }
        base.top = view.FrameRect.top + s.TEXT_BOX.size.TOP_SPACE + s.IN_BORDER;
        base.bottom = view.FrameRect.bottom - s.TEXT_BOX.size.BOTTOM_SPACE - s.IN_BORDER;
        return base;
    };
    if (!view.SelectPageStyle(firstPage, origin) || !g_CurrentStyle)
        return;
    if (view.CurrentPageRec->pictures.Size() > 0)
        DrawPlacedPictures(view, dc, Base(PageRenderer::IsEvenPage(firstPage)), 0);
    if (!g_TwoPageMode || g_FourInOneMode)
        return;
    if (!view.SelectPageStyle(secondPage, origin) || !g_CurrentStyle)
        return;
    if (view.CurrentPageRec->pictures.Size() > 0)
        DrawPlacedPictures(view, dc, Base(false), 1);
}

void DrawPageSeals(PageRenderer& view, Dc& dc, int32_t firstPage, int32_t secondPage, QPoint origin)
{
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    if (view.SelectPageStyle(firstPage, origin) && g_CurrentStyle) {
        const TStyle& s = view.ScaledStyle;
        const WinRect& f = view.FrameRect;
        const int32_t width = s.TEXT_BOX.size.BOX_WIDTH;
        DrawSeals(view, dc, {(f.right - width) / 100, (f.top - s.SPACE) / 100}, (s.SPACE + f.right) / 100,
                  (f.bottom + s.SPACE) / 100);
        if ((g_TwoPageMode || g_FourInOneMode) && view.SelectPageStyle(secondPage, origin) && g_CurrentStyle) {
            // The right bound mirrors the first page's: the text box's edge
            // beside the centre column, plus the blank.
            const TStyle& t = view.ScaledStyle;
            const int32_t right = (f.left + t.IN_BORDER + t.TEXT_BOX.size.BOX_WIDTH + t.SPACE) / 100;
            DrawSeals(view, dc, {(t.OUT_BORDER + view.PageRect.left) / 100, (t.OUT_BORDER + view.PageRect.top) / 100},
                      right, (f.bottom - t.OUT_BORDER) / 100);
        }
    }
    dc.SetBkMode(oldMode);
}
