// The side box: its lines, the running title and the page number.
#include "editions/vertical/VerticalDrawing.h"

#include <algorithm>

#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/frame/BoxClip.h"
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
    const int32_t titleTop = f.top + side.BOX_TITLE_POS;
    const int32_t numberTop = f.top + side.BOX_PAGE_POS;
    // The side box within its lines, which belong to it.
    const WinRect box{sideLeft / 100, f.top / 100, (sideLeft + side.BOX_WIDTH) / 100 + 1, f.bottom / 100 + 1};
    const SideBoxParts parts = PartSideBox(box, {titleTop / 100, side.TITLE_FONT.TEXT_FONT.WORD_HEIGHT / 100},
                                           {numberTop / 100, side.PAGE_FONT.TEXT_FONT.WORD_HEIGHT / 100});
    const auto Draw = [&](TFontPair& fonts, const QString& text, int32_t top, const WinRect& part) {
        if (text.isEmpty())
            return;
        const BoxClipScope clip(dc, part, view.SheetClip);
        if (clip.Hidden())
            return;
        view.CurFontPair = &fonts;
        view.DrawStyledString(dc, centre, side.BOX_WIDTH, text, sideLeft, top);
    };
    Draw(side.TITLE_FONT, SideBoxTitle(view.LeafTexts, page, view.TextName), titleTop, parts.title);
    Draw(side.PAGE_FONT, SmallNumberToChinese(page - g_CoverPages + 1), numberTop, parts.number);
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
}
