// The side box: its lines, the running title and the page number.
#include "editions/vertical/VerticalDrawing.h"

#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The frame of the text and side boxes together, and the line between them.
void DrawSideBoxLines(Dc& dc, const WinRect& f, int32_t separator)
{
    const int32_t left = f.left / 100, right = f.right / 100, top = f.top / 100, bottom = f.bottom / 100;
    for (const int32_t x : {right, left, separator / 100}) {
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom + 1);
    }
    for (const int32_t y : {top, bottom}) {
        dc.MoveTo(right, y);
        dc.LineTo(left, y);
    }
}

}  // namespace

void VerticalDrawing::DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect&, int32_t firstPage,
                                    int32_t secondPage, QPoint origin) const
{
    DrawSideBox(view, dc, firstPage, origin);
    if (g_TwoPageMode || g_FourInOneMode)
        DrawSideBox(view, dc, secondPage, origin);
}

void VerticalDrawing::PrepareRunningTexts(PageRenderer& view)
{
    view.HeadOffset = 0;
    view.RaisedColumn = false;
    view.ExtraSpacing = 0;
    view.LineKind = LineKinds::CentreTop;
}

void VerticalDrawing::DrawSideBox(PageRenderer& view, Dc& dc, int32_t page, QPoint origin) const
{
    if (!view.SelectPageStyle(page, origin))
        return;
    TSideBox& side = view.ScaledStyle.SIDE_BOX;
    const WinRect& f = view.FrameRect;
    const bool odd = !PageRenderer::IsEvenPage(page);
    const int32_t sideLeft = odd ? f.right - side.BOX_WIDTH : f.left;
    const DcPen oldPen = dc.SelectPen({1, 0});
    if (!dc.IsPrinting())
        DrawSideBoxLines(dc, f, odd ? f.right - side.BOX_WIDTH : f.left + side.BOX_WIDTH);

    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    PrepareRunningTexts(view);
    const int32_t centre = sideLeft + side.BOX_WIDTH / 2;
    view.CurFontPair = &side.TITLE_FONT;
    view.DrawStyledString(dc, centre, side.BOX_WIDTH, SideBoxTitle(view.LeafTexts, page, view.TextName), sideLeft,
                          f.top + side.BOX_TITLE_POS);
    view.CurFontPair = &side.PAGE_FONT;
    view.DrawStyledString(dc, centre, side.BOX_WIDTH, SmallNumberToChinese(page - g_CoverPages + 1), sideLeft,
                          f.top + side.BOX_PAGE_POS);
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
}
