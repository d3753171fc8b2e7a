// Special-format runs (特殊格式): the box or band a run is drawn in, by its
// format's type and width rule and by whether the run begins or ends in
// this column; then the run's text, white on a filled shape.
#include <algorithm>
#include <array>

#include "foundation/text/TagUtils.h"
#include "render/shapes/BoxedRun.h"

#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/interpreter/DroppedMarks.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/markup/RunAdvance.h"

namespace {

// A format name missing from the style takes the defaults: a one-pixel
// black filled band.
TTechnique FormatNamed(const TTechniqueList& list, const QString& name)
{
    const TTechnique* found = list.GetAtOrNull(FindTechniqueIndex(list, name));
    return found ? *found : TTechnique();
}

// How far a font's box reaches across the column.
int32_t BoxReach(const TFontStyle& font)
{
    if (font.OUTLINE_WIDTH != 0)
        return font.OUTLINE_WIDTH;
    return font.WIDTH != 0 ? font.WIDTH : font.SIZE;
}

}  // namespace

BoxFont MeasureBoxRuns(PageRenderer& view, QStringView text, int32_t (*reach)(const TFontStyle&))
{
    const bool main = view.HalfKind == HalfKinds::Main;
    const TFontStyle& boxFont = main ? view.CurFontPair->TEXT_FONT : view.CurFontPair->ZHU_FONT;
    TFontStyleList scratch;
    TFontStyleList* attached = view.CurAttachFonts ? (main ? &view.CurAttachFonts->ATTACH_TEXT_FONT
                                                           : &view.CurAttachFonts->ATTACH_ZHU_FONT)
                                                   : &scratch;
    BoxFont box;
    box.font = boxFont;
    int32_t most = -1;
    for (const TZtSpan& run : SplitZtSpans(text, boxFont, *attached)) {
        const TFontStyle* named = attached->GetAtOrNull(FindFontStyleIndex(*attached, run.fontName));
        const TFontStyle& font = run.fontName.isEmpty() || !named ? boxFont : *named;
        if (reach(font) > most) {
            most = reach(font);
            box.font = font;
        }
        // A spacing from a text or file is held to the page, so the box's
        // edges stay in range.
        box.length = view.HeldToPage(
            box.length + int64_t(ScaleByRatioText(run)) * CountCellChars(run.text, PageRenderer::PunctuationMode()));
    }
    return box;
}

QPoint AlignBoxFont(PageRenderer& view, Dc& dc, TFontStyle& font, int32_t width, int32_t advance)
{
    PageRenderer::MakeFontFromStyle(font, dc);  // its cell for the alignment
    const TFontStyle saved = view.CurFont;
    view.CurFont = font;
    const QPoint align = view.AlignInCell(width, advance);
    view.CurFont = saved;
    return align;
}

void DrawPieceShape(Dc& dc, const Box& k, int32_t part, bool filled, bool alongX)
{
    // Down a column (across, along) is (x, y); along a line it is (y, x).
    const auto P = [alongX](int32_t across, int32_t along) {
        return alongX ? QPoint(along, across) : QPoint(across, along);
    };
    const auto Rect = [&](int32_t a1, int32_t b1, int32_t a2, int32_t b2) {
        const QPoint p = P(a1, b1), q = P(a2, b2);
        dc.Rectangle(p.x(), p.y(), q.x(), q.y());
    };
    const auto Round = [&](int32_t a1, int32_t b1, int32_t a2, int32_t b2, int32_t c) {
        const QPoint p = P(a1, b1), q = P(a2, b2);
        dc.RoundRect(p.x(), p.y(), q.x(), q.y(), c, c);
    };
    const auto Line = [&](QPoint from, QPoint to) {
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
    };
    const int32_t c = k.c;
    const int32_t h = k.h;
    switch (part) {
    case 0:  // a middle piece: a band, or its two edges
        if (filled) {
            Rect(k.l(), k.t(), k.r(), k.b());
        } else {
            Line(P(k.l(), k.t()), P(k.l(), k.b()));
            Line(P(k.r(), k.t()), P(k.r(), k.b()));
        }
        break;
    case TTsSpan::BeginsHere:  // open at its far end
        if (filled) {
            Round(k.l(), k.t(), k.r(), (k.T + 2 * c) / 100, c / 100);
            Rect(k.l(), (c + k.T + 1) / 100, k.r(), k.b());
        } else {
            const std::array<QPoint, 6> points{{P(k.l(), k.b()), P(k.l(), (k.T + h) / 100),
                                                P((k.L + h) / 100, k.t()), P((k.R - h) / 100, k.t()),
                                                P(k.r(), (k.T + h) / 100), P(k.r(), k.b())}};
            dc.Polyline(points);
        }
        break;
    case TTsSpan::EndsHere:  // open at its near end
        if (filled) {
            Round(k.l(), (k.B - 2 * c) / 100, k.r(), k.b(), c / 100);
            Rect(k.l(), k.t(), k.r(), (k.B - c) / 100);
        } else {
            const std::array<QPoint, 6> points{{P(k.r(), k.t()), P(k.r(), (k.B - h) / 100),
                                                P((k.R - h) / 100, k.b()), P((k.L + h) / 100, k.b()),
                                                P(k.l(), (k.B - h) / 100), P(k.l(), k.t())}};
            dc.Polyline(points);
        }
        break;
    default:  // the whole run in this piece
        if (filled) {
            Round(k.l(), k.t(), k.r(), k.b(), c / 100);
        } else {
            const std::array<QPoint, 9> points{{P((k.L + h) / 100, k.t()), P((k.R - h) / 100, k.t()),
                                                P(k.r(), (k.T + h) / 100), P(k.r(), (k.B - h) / 100),
                                                P((k.R - h) / 100, k.b()), P((k.L + h) / 100, k.b()),
                                                P(k.l(), (k.B - h) / 100), P(k.l(), (k.T + h) / 100),
                                                P((k.L + h) / 100, k.t())}};
            dc.Polyline(points);
        }
        break;
    }
}

QPoint DrawFormattedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, const QString& name,
                        int32_t width, int32_t x, int32_t y, const std::function<void(bool byWidth, bool filled)>& drawShape)
{
    const TTechnique format = FormatNamed(view.ScaledStyle.TECH_ARRAY, name);
    const bool filled = format.TYPE != TechniqueType::TYPE_KUANG;
    const bool byWidth = format.WIDTH_TYPE == TechniqueWidthType::WIDTH_TYPE_BY_WIDTH;
    const DcPen oldPen = dc.SelectPen({format.LINES_WIDTH / 100, format.COLOR});
    const DcBrush oldBrush = dc.SelectBrush({format.COLOR});
    drawShape(byWidth, filled);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    if (!filled)
        kind |= TokenBits::Outline;
    if (byWidth)
        kind |= TokenBits::FullWidth;
    return view.DrawFontRun(dc, text, kind, width, x, y);
}

QPoint RenderEdition::DrawBoxedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, const QString& name,
                                   int32_t width, int32_t x, int32_t y) const
{
    if (!view.CurFontPair)
        return QPoint(x, y);
    BoxFont box = MeasureBoxRuns(view, text, BoxReach);
    const int32_t reach = BoxReach(box.font);
    const QPoint align = AlignBoxFont(view, dc, box.font, width, box.font.WORD_HEIGHT);
    const int32_t n = CountCellChars(text, PageRenderer::PunctuationMode());

    Box k;
    k.L = box.font.OUTLINE_WIDTH != 0 ? x + (width - reach) / 2 : x + align.x();
    k.R = k.L + reach;
    // As the layout has it: the box never starts above the text's top row.
    k.T = y > view.TextTop ? y : view.TextTop + 1;
    k.B = k.T + box.length - 1;
    k.c = view.CornerRadius;
    k.h = k.c / 2;
    const auto shape = [&](bool byWidth, bool filled) {
        if (!byWidth)
            DrawPieceShape(dc, k, kind & (TTsSpan::BeginsHere | TTsSpan::EndsHere), filled, false);
        else if (filled)
            dc.Rectangle(x / 100, y / 100, (width + x) / 100, (y + n * box.font.WORD_HEIGHT) / 100);
    };
    return DrawFormattedRun(view, dc, text, kind, name, width, x, y, shape);
}
