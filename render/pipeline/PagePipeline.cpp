// Shown units onto a Dc: the screen's visible units or the printer's one,
// each unit through RenderPage, each leaf through DrawPageBody.
#include "render/pipeline/PagePipeline.h"

#include <algorithm>

#include "foundation/params/Style.h"
#include "foundation/text/StringUtils.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"
#include "render/frame/BoxClip.h"
#include "render/frame/PageFrame.h"
#include "render/pictures/PagePictures.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

// Column-span lists each half starts with; pictures add more as needed.
constexpr size_t kSpanColumns = 100;
// Pages above this number address a 4-in-1 group's cover or back cover.
constexpr int32_t kGroupCoverPages = 100000;

// The text pages of a 4-in-1 slot; body false for a blank or cover entry.
struct SlotPages {
    int32_t first = 1;
    int32_t second = 2;
    bool body = false;
};

SlotPages DecodeSlot(int32_t slot)
{
    int32_t code = 0, page = 0;
    if (!Decode4in1Entry(slot, code, page) || code == k4in1BlankCode)
        return {};
    if (code == 0xFFFF)
        return {kGroupCoverPages + page, -1, false};
    return {page, page + 1, true};
}

void MoveDown(WinRect& r, int32_t d)
{
    r.top += d;
    r.bottom += d;
}

// The leaf text of a sheet's side column: its top (even pages) or middle
// (odd pages) part, the middle without its note tags.
QString SideColumnText(const PageRenderer& view, int32_t lowerFirst, bool odd)
{
    const int32_t leaf = (lowerFirst - g_CoverPages) / 2;
    if (leaf < 0 || leaf >= int32_t(view.LeafTexts.size()) || view.LeafTexts[size_t(leaf)].isEmpty())
        return QString();
    const QStringList parts = view.LeafTexts[size_t(leaf)].split(u'|');
    if (!odd)
        return parts.value(0);
    QString middle = parts.value(1);
    middle.replace(u"<Z><R>"_qs, u"\u3000"_qs);
    for (const char16_t* tag : {u"</L></Z>", u"</R></Z>", u"</R><L>"})
        middle.remove(QString::fromUtf16(tag));
    return middle;
}

void DrawSideColumn(PageRenderer& view, Dc& dc, int32_t shown, int32_t lowerFirst, int32_t upperTop)
{
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    TPara4in1& sheet = view.ScaledPara4in1;
    const int32_t n = ContinuousPageNumber(shown);
    const bool odd = n % 2 != 0;
    const int32_t left = odd ? view.PageRect.left - sheet.titleWidth : view.PageRect.right;
    if (!dc.IsPrinting()) {
        const int32_t x = odd ? left / 100 : (view.PageRect.right + sheet.titleWidth) / 100;
        dc.MoveTo(x, upperTop / 100);
        dc.LineTo(x, view.PageRect.bottom / 100 + 1);
    }
    view.HeadOffset = 0;
    view.RaisedColumn = false;
    view.ExtraSpacing = 0;
    const int32_t centre = left + sheet.titleWidth / 2;
    const int32_t titleTop = upperTop + sheet.titlePos;
    const int32_t numberTop = upperTop + sheet.pageNumberPos;
    const WinRect column{left / 100, upperTop / 100, (left + sheet.titleWidth) / 100 + 1,
                         view.PageRect.bottom / 100 + 1};
    const SideBoxParts parts = PartSideBox(column, {titleTop / 100, sheet.titleFont.TEXT_FONT.WORD_HEIGHT / 100},
                                           {numberTop / 100, sheet.pageNumberFont.TEXT_FONT.WORD_HEIGHT / 100});
    const auto Draw = [&](TFontPair& fonts, int32_t kind, const QString& text, int32_t top, const WinRect& part) {
        const BoxClipScope clip(dc, part, view.SheetClip);
        if (clip.Hidden())
            return;
        view.CurFontPair = &fonts;
        view.LineKind = kind;
        view.DrawStyledString(dc, centre, sheet.titleWidth, text, left, top);
    };
    Draw(sheet.titleFont, LineKinds::SheetTitle, SideColumnText(view, lowerFirst, odd), titleTop, parts.title);
    Draw(sheet.pageNumberFont, LineKinds::SheetPageNumber, DigitsToChinese(QString::number(n)), numberTop,
         parts.number);
    dc.SetBkMode(oldMode);
}

}  // namespace

void DrawPageBody(PageRenderer& view, Dc& dc, const WinRect& r1, const WinRect& r3, int32_t firstPage,
                  int32_t secondPage, QPoint origin)
{
    view.InsideBookTitle = false;
    view.InsideChapterTitle = false;
    for (auto& set : view.ColumnSpans)
        set.assign(kSpanColumns, {});
    if (!g_FourInOneMode)
        DrawPageBackground(view, dc, r3);
    if (view.ScaledStyle.SHOW_STAMP)
        DrawPageSeals(view, dc, firstPage, secondPage, origin);
    DrawPagePictures(view, firstPage, dc, secondPage, origin);
    CurrentDrawing().DrawPageFrame(view, dc, r1, firstPage, secondPage, origin);
    DrawPageText(view, dc, firstPage, secondPage, origin);

    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    if (view.SelectPageStyle(firstPage, origin)) {
        view.CurrentBatch = view.GlyphBatches.GetAtOrNull(0);
        view.DrawGlyphLists(dc);
        if ((g_TwoPageMode || g_FourInOneMode) && view.SelectPageStyle(secondPage, origin)) {
            view.CurrentBatch = view.GlyphBatches.GetAtOrNull(1);
            view.DrawGlyphLists(dc);
        }
    }
    dc.SetBkMode(oldMode);
}

namespace {

// Clips the unit's drawing to its sheet (the printer page when printing)
// while it lives. A 4-in-1 sheet, drawn in two halves and a side column,
// is left unclipped.
class SheetClipScope {
public:
    SheetClipScope(PageRenderer& view, Dc& dc, const WinRect& r3) : view_(view), dc_(dc)
    {
        if (g_FourInOneMode)
            return;
        const WinRect sheet{r3.left, r3.top, r3.right + 1, r3.bottom + 1};
        view_.SheetClip = dc.IsPrinting() ? sheet : dc.LpToDp(sheet);
        dc.SelectClipRect(*view_.SheetClip);
    }
    ~SheetClipScope()
    {
        if (!view_.SheetClip)
            return;
        view_.SheetClip.reset();
        dc_.ClearClip();
    }
    SheetClipScope(const SheetClipScope&) = delete;
    SheetClipScope& operator=(const SheetClipScope&) = delete;

private:
    PageRenderer& view_;
    Dc& dc_;
};

// Which half of a spread's paper a unit is printed on.
enum class PaperHalf { Whole, Left, Right };

// A printed page's sheet is the whole paper; a page of a spread has the
// paper up to the fold only, so that the second page's background does not
// cover the first page.
void CutAtTheFold(WinRect& sheet, const WinRect& extent, PaperHalf half)
{
    if (half == PaperHalf::Left)
        sheet.right = std::min(sheet.right, extent.right / 100);
    else if (half == PaperHalf::Right)
        sheet.left = std::max(sheet.left, extent.left / 100);
}

// One shown unit whose upper (or only) pages are upper; true when it was a
// cover page.
bool RenderUnit(PageRenderer& view, Dc& dc, int32_t shown, const TextPages& pages, SlotPages upper, QPoint origin,
                PaperHalf half = PaperHalf::Whole)
{
    if (!view.SelectPageStyle(upper.first, origin))
        return false;
    if (g_FourInOneMode && ContinuousPageNumber(shown) % 2 != 0)
        origin.rx() += view.ScaledPara4in1.titleWidth;
    const bool printing = dc.IsPrinting();
    PageRects rects = view.ComputePageRects(upper.first, origin, printing);
    if (printing)
        CutAtTheFold(rects.R3, view.ScaledExtent, half);
    const SheetClipScope clip(view, dc, rects.R3);
    if (IsCoverName(view.CurrentPageRec->styleName)) {
        WinRect r2{(view.ScaledExtent.left + view.ScaledBorder) / 100, (view.ScaledExtent.top + view.ScaledBorder) / 100,
                   (view.ScaledExtent.right - view.ScaledBorder) / 100,
                   (view.ScaledExtent.bottom - view.ScaledBorder) / 100};
        if (g_FourInOneMode)
            r2.bottom = r2.top + view.PagePitch() / 100;
        DrawCoverPage(view, printing ? rects.R3 : r2, dc);
        return true;
    }
    if (upper.body)
        DrawPageBody(view, dc, rects.R1, rects.R3, upper.first, upper.second, origin);
    if (!g_FourInOneMode)
        return false;

    // The lower half sheet, one extent and gap further down.
    const int32_t upperTop = view.PageRect.top;
    const SlotPages lower = DecodeSlot(pages.first + 2);
    const int32_t d = view.ScaledExtent.Height() + view.ScaledPara4in1.halfGap;
    for (WinRect* r : {&view.ScaledExtent, &view.PageRect, &view.FrameRect})
        MoveDown(*r, d);
    view.TextTop += d;
    MoveDown(rects.R1, d / 100);
    MoveDown(rects.R3, d / 100);
    origin.ry() += d;
    if (lower.body)
        DrawPageBody(view, dc, rects.R1, rects.R3, lower.first, lower.second, origin);
    DrawSideColumn(view, dc, shown, lower.first, upperTop);
    return false;
}

// Two-page display in the print editions: each page of the spread is drawn
// as a single page in its own half of the extent, with its own side box or
// page bar. A cover stands alone.
void RenderSpread(PageRenderer& view, Dc& dc, int32_t shown, const TextPages& pages, QPoint origin)
{
    const WinRect whole = view.ScaledExtent;
    const int32_t half = whole.Width() / 2;
    const bool firstLeft = CurrentDrawing().SpreadFirstPage() == RenderEdition::SpreadSide::FirstLeft;
    struct SinglePages {
        int32_t saved = g_TwoPageMode;
        SinglePages() { g_TwoPageMode = 0; }
        ~SinglePages() { g_TwoPageMode = saved; }
    } single;
    // A page of another style rescales the extent to the whole spread: its
    // style is taken first and the extent halved after.
    const auto renderHalf = [&](int32_t page, bool left) {
        const QPoint at = origin + QPoint(left ? 0 : half, 0);
        view.SelectPageStyle(page, at);
        view.ScaledExtent.right = view.ScaledExtent.left + half;
        return RenderUnit(view, dc, shown, pages, {page, -99, true}, at, left ? PaperHalf::Left : PaperHalf::Right);
    };
    const int32_t count = g_CurrentPages ? g_CurrentPages->pages.Size() : 0;
    const bool cover = renderHalf(pages.first, firstLeft);
    if (!cover && pages.second >= 0 && pages.second < count)
        renderHalf(pages.second, !firstLeft);
    view.ScaledExtent = whole;
}

}  // namespace

void RenderPage(PageRenderer& view, Dc& dc, int32_t shown, QPoint origin)
{
    view.CutLines.clear();
    if (!g_CurrentParaSet || !g_VolumeShown || g_CellEditing || shown < 0)
        return;
    const TextPages pages = ShownPageToTextPages(shown);
    if (PageRenderer::SpreadSideBySide()) {
        RenderSpread(view, dc, shown, pages, origin);
        return;
    }
    SlotPages upper{pages.first, pages.second, true};
    if (g_FourInOneMode)
        upper = DecodeSlot(pages.first);
    RenderUnit(view, dc, shown, pages, upper, origin);
}

namespace {

// Shown unit n, pitch pixels below the one before it. The page is laid out
// from its own top and the device origin moved down to it: far down a long
// volume its position in hundredths of a pixel would not fit 32 bits.
void RenderShownUnit(PageRenderer& view, Dc& dc, int32_t n, int32_t pitch)
{
    const QPoint origin = dc.ViewportOrg();
    dc.SetViewportOrg(origin + QPoint(0, n * pitch));
    RenderPage(view, dc, n, {0, 0});
    dc.SetViewportOrg(origin);
}

}  // namespace

void DrawShownPages(PageRenderer& view, Dc& dc, int32_t scrollY)
{
    if (!g_VolumeShown || g_CellEditing || !g_CurrentParaSet || g_CurrentParaSet->styles.Size() == 0 ||
        !g_CurrentPages || g_CurrentPages->pages.Size() == 0)
        return;
    if (dc.IsPrinting()) {
        RenderPage(view, dc, g_CurrentPage, {view.PrintableRect.left * 100, view.PrintableRect.top * 100});
        return;
    }
    const int32_t pitch = view.PagePitch() / 100;
    if (pitch <= 0)
        return;
    const int32_t count = GetShownPageCount();
    int32_t n = scrollY / pitch;
    RenderShownUnit(view, dc, n, pitch);
    for (int32_t next = n * pitch + pitch; next < scrollY + view.ClientSize.height() && n < count - 1;
         next = n * pitch + pitch) {
        n = next / pitch;
        RenderShownUnit(view, dc, n, pitch);
    }
}

bool SyncShownPage(const PageRenderer& view, int32_t scrollY)
{
    const int32_t pitch = view.PagePitch() / 100;
    const int32_t page = pitch > 0 ? scrollY / pitch : 0;
    const bool changed = page != g_CurrentPage;
    g_CurrentPage = page;
    const TextPages pages = ShownPageToTextPages(page);
    g_ShownTextPage = pages.first;
    g_ShownTextPage2 = pages.second;
    return changed;
}
