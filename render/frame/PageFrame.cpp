// The frame of one leaf (or half leaf in single mode) and its centre column.
#include "render/frame/PageFrame.h"

#include "foundation/params/Box.h"
#include "foundation/params/Style.h"
#include "foundation/text/TagUtils.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/frame/BoxClip.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The centre column's edges (scaled).
struct CentreEdges {
    int32_t left = 0;
    int32_t right = 0;
};

// The edges and the clip sum a damaged file's widths in 64 bits, held to int32.
CentreEdges CentreColumnEdges(const PageRenderer& view, bool singleEven)
{
    const TStyle& s = view.ScaledStyle;
    const int64_t box = s.TEXT_BOX.size.BOX_WIDTH;
    const int64_t borders = 2 * int64_t(s.IN_BORDER);
    if (singleEven)
        return {SaturatingSum({view.FrameRect.right, -borders, -int64_t(s.MID_WIDTH), -box}),
                SaturatingSum({view.FrameRect.right, -borders, -box})};
    return {SaturatingSum({view.FrameRect.left, borders, -100, box}),
            SaturatingSum({s.MID_WIDTH, borders, view.FrameRect.left, box})};
}

// Single mode: each half page shows half of the centre column. Returns the
// clip selected.
WinRect ClipToHalf(const PageRenderer& view, Dc& dc, const WinRect& r1, bool even)
{
    const TStyle& s = view.ScaledStyle;
    const int64_t box = s.TEXT_BOX.size.BOX_WIDTH;
    const int64_t borders = 2 * int64_t(s.IN_BORDER);
    WinRect clip{r1.left, r1.top - 100, r1.right + 1, r1.bottom};
    if (even)
        clip.left = SaturatingSum({view.FrameRect.right, -borders, -s.MID_WIDTH / 2, -box}) / 100;
    else
        clip.right = SaturatingSum({s.MID_WIDTH / 2, borders, view.FrameRect.left, box}) / 100 + 1;
    clip = dc.LpToDp(clip);
    if (dc.IsPrinting())
        clip.top = 0;
    if (view.SheetClip)
        clip = Intersection(clip, *view.SheetClip);
    dc.SelectClipRect(clip);
    return clip;
}

// The outer and inner frame lines of the sides drawn; the top lines only
// where no column can be raised.
void DrawBorderLines(const PageRenderer& view, Dc& dc, const WinRect& r1, const WinRect& f, bool left, bool right)
{
    const int32_t outer = view.OuterLinePx;
    const int32_t inner = view.InnerLinePx;
    if (left)
        VerticalLines(dc, r1.left, 1, outer, r1.top, r1.bottom + 1);
    if (right)
        VerticalLines(dc, r1.right, -1, outer, r1.top, r1.bottom + 1);
    HorizontalLines(dc, r1.bottom, -1, outer, r1.left, r1.right + 1);
    if (!view.ScaledStyle.raisedHead)
        HorizontalLines(dc, r1.top, 1, outer, r1.left, r1.right);
    if (left)
        VerticalLines(dc, f.left, 1, inner, f.top, f.bottom + 1);
    if (right)
        VerticalLines(dc, f.right, -1, inner, f.top, f.bottom + 1);
    HorizontalLines(dc, f.bottom, -1, inner, f.left, f.right + 1);
}

// The leaf's entry of LeafTexts; empty past its end.
QString LeafTextOf(const PageRenderer& view, int32_t firstPage)
{
    const int32_t leaf = (firstPage - g_CoverPages) / 2;
    return leaf >= 0 && leaf < int32_t(view.LeafTexts.size()) ? view.LeafTexts[size_t(leaf)] : QString();
}

// clip: the clip in force.
void DrawCentreColumn(PageRenderer& view, Dc& dc, const CentreEdges& c, const WinRect& f, int32_t firstPage,
                      const std::optional<WinRect>& clip)
{
    const TStyle& s = view.ScaledStyle;
    const int32_t yU = SaturatingSum({view.TextTop, s.MID_UP_HEIGHT}) / 100;
    const int32_t fishHeight = s.MID_WIDTH / 100;
    const int32_t upper =
        s.MID_UP_HEIGHT > 0 ? DrawFishTail(dc, s.BORDER_COLOR, s.UP_FISH_TYPE, {c.left / 100, yU, c.right / 100 + 1, yU + fishHeight}) : 0;
    const int32_t yD = SaturatingSum({view.TextTop, s.MID_UP_HEIGHT, s.MID_MID_HEIGHT}) / 100;
    const int32_t lower = int64_t(s.TEXT_BOX.size.BOX_HEIGHT) - s.MID_UP_HEIGHT - s.MID_MID_HEIGHT > 100
                              ? DrawFishTail(dc, s.BORDER_COLOR, s.DOWN_FISH_TYPE,
                                             {c.left / 100, yD, c.right / 100 + 1, yD + fishHeight})
                              : 0;
    if (s.MID_LINE > 0) {
        const int32_t x0 = int32_t((int64_t(c.left) + c.right) / 200) - view.CentreLinePx / 2;
        VerticalLines(dc, x0, 1, view.CentreLinePx, view.TextTop / 100, yU);
        VerticalLines(dc, x0, 1, view.CentreLinePx,
                      yU + s.MID_MID_HEIGHT / 100 + lower, f.bottom);
    }
    const QString text = LeafTextOf(view, firstPage);
    if (text.isEmpty())
        return;
    // The column between its inner lines, parted by the fish tails.
    const int32_t left = c.left / 100, right = c.right / 100 + 1;
    const CentreTextBoxes boxes{upper,
                                lower,
                                {left, f.top, right, yU},
                                {left, yU + upper, right, yD},
                                {left, yD + lower, right, f.bottom},
                                clip};
    DrawCentreColumnTexts(view, dc, boxes, text, SaturatingSum({c.left, 100}), view.TextTop);
}

}  // namespace

void DrawPageFrame(PageRenderer& view, Dc& dc, const WinRect& r1, int32_t firstPage, int32_t secondPage,
                   QPoint origin)
{
    if (!g_CurrentParaSet || !view.SelectPageStyle(firstPage, origin) || !g_CurrentStyle)
        return;
    TStyle& s = view.ScaledStyle;
    const bool single = PageRenderer::IsSingleMode();
    const bool even = PageRenderer::IsEvenPage(firstPage);
    const WinRect f{view.FrameRect.left / 100, view.FrameRect.top / 100, view.FrameRect.right / 100,
                    view.FrameRect.bottom / 100};
    const DcBrush oldBrush = dc.SelectBrush(DcBrush::Null());
    const DcPen framePen{0, s.BORDER_COLOR};
    const DcPen oldPen = dc.SelectPen(framePen);
    std::optional<WinRect> clip = view.SheetClip;
    if (single)
        clip = ClipToHalf(view, dc, r1, even);
    const bool firstHalf = !single || even;
    const bool secondHalf = !single || !even;
    DrawBorderLines(view, dc, r1, f, secondHalf, firstHalf);
    dc.SelectBrush(oldBrush);

    const FrameLevels at{r1.bottom - view.OuterLinePx - f.bottom, f.bottom, f.top, r1.top};
    const int32_t ch = s.TEXT_BOX.size.textCharSize / 100;
    RuleCursor cursor{f.right, false};
    bool frameEnds = false;
    {
        ColumnCountOverride columns(s, view.CurrentPageRec);
        if (firstHalf) {
            const RaisedColumns raised = MarkRaisedColumns(view.CurrentPageRec, s.TEXT_BOX.size.LINES, s.raisedHead);
            if (raised[0]) {
                VerticalLines(dc, f.right, -1, view.InnerLinePx, f.top, f.top - ch);
                VerticalLines(dc, r1.right, -1, view.OuterLinePx, r1.top - ch, r1.top + view.OuterLinePx);
            }
            cursor = {f.right, raised.any && raised[0]};
            DrawColumnRules(view, dc, raised, true, at, cursor);
        }
    }
    // The second page of a spread (a missing one ends the frame here).
    if (!single)
        frameEnds = !view.SelectPageStyle(secondPage, origin) || !g_CurrentStyle;
    if (!frameEnds) {
        ColumnCountOverride columns(s, view.CurrentPageRec);
        dc.SelectPen(framePen);
        const RaisedColumns raised = MarkRaisedColumns(view.CurrentPageRec, s.TEXT_BOX.size.LINES, s.raisedHead);
        const CentreEdges centre = CentreColumnEdges(view, single && even);
        DrawFrameLines(view, dc, at, centre.left / 100, cursor, raised[0]);
        DrawCentreColumn(view, dc, centre, f, firstPage, clip);
        if (secondHalf) {
            dc.SelectPen(framePen);
            RuleCursor left{centre.left / 100, false};
            DrawColumnRules(view, dc, raised, false, at, left);
            if (raised[s.TEXT_BOX.size.LINES - 1])
                VerticalLines(dc, r1.left, 1, view.OuterLinePx, r1.top - ch, r1.top + view.OuterLinePx);
        }
    }
    dc.SelectPen(oldPen);
    SelectClipOrNone(dc, view.SheetClip);
}

void DrawCentreColumnTexts(PageRenderer& view, Dc& dc, const CentreTextBoxes& boxes, QStringView text, int32_t x,
                           int32_t y)
{
    TStyle& s = view.ScaledStyle;
    view.HeadOffset = 0;
    view.RaisedColumn = false;
    view.ExtraSpacing = 0;
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    const QList<QStringView> parts = text.split(u'|');
    const auto Part = [&](qsizetype i) { return i < parts.size() ? parts[i] : QStringView(); };
    const int32_t centre = x + s.MID_WIDTH / 2;
    const auto Draw = [&](QStringView part, int32_t kind, TFontPair& fonts, int32_t top, const WinRect& box) {
        if (part.isEmpty())
            return;
        const BoxClipScope clip(dc, box, boxes.clip);
        if (clip.Hidden())
            return;
        view.LineKind = kind;
        view.CurFontPair = &fonts;
        view.DrawStyledString(dc, centre, s.MID_WIDTH, part, x, top);
    };
    Draw(Part(0), LineKinds::CentreTop, s.MID_UP_FONT, y, boxes.top);
    Draw(Part(1), LineKinds::CentreMiddle, s.MID_MID_FONT, y + s.MID_UP_HEIGHT + boxes.upperFish * 100, boxes.middle);
    const int32_t size = s.MID_MID_FONT.TEXT_FONT.SIZE;
    const int32_t n = CountDisplayChars(Part(3));
    Draw(Part(3), LineKinds::CentreMiddle, s.MID_MID_FONT,
         int32_t(y + s.MID_UP_HEIGHT + s.MID_MID_HEIGHT - n * size - 0.2 * size), boxes.middle);
    if (s.SHOW_MID_DOWN)
        Draw(Part(2), LineKinds::CentreBottom, s.MID_DOWN_FONT,
             y + s.MID_UP_HEIGHT + s.MID_MID_HEIGHT + boxes.lowerFish * 100, boxes.bottom);
    dc.SetBkMode(oldMode);
}
