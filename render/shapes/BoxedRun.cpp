// Special-format runs (特殊格式): the box or band a run is drawn in, by its
// format's type and width rule and by whether the run begins or ends in
// this column; then the run's text, white on a filled shape.
#include <algorithm>
#include <array>

#include "foundation/text/TagUtils.h"
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

// The horizontal reach of a font's box.
int32_t BoxReach(const TFontStyle& font)
{
    if (font.OUTLINE_WIDTH != 0)
        return font.OUTLINE_WIDTH;
    return font.WIDTH != 0 ? font.WIDTH : font.SIZE;
}

struct BoxFont {
    TFontStyle font;
    int32_t length = 0;  // of all runs together
};

// The run font with the largest reach, and the length of the runs.
BoxFont MeasureRuns(PageRenderer& view, QStringView text)
{
    const bool main = view.HalfKind == HalfKinds::Main;
    const TFontStyle& boxFont = main ? view.CurFontPair->TEXT_FONT : view.CurFontPair->ZHU_FONT;
    TFontStyleList scratch;
    TFontStyleList* attached = view.CurAttachFonts ? (main ? &view.CurAttachFonts->ATTACH_TEXT_FONT
                                                           : &view.CurAttachFonts->ATTACH_ZHU_FONT)
                                                   : &scratch;
    BoxFont box;
    box.font = boxFont;
    int32_t reach = -1;
    for (const TZtSpan& run : SplitZtSpans(text, boxFont, *attached)) {
        const TFontStyle* named = attached->GetAtOrNull(FindFontStyleIndex(*attached, run.fontName));
        const TFontStyle& font = run.fontName.isEmpty() || !named ? boxFont : *named;
        if (BoxReach(font) > reach) {
            reach = BoxReach(font);
            box.font = font;
        }
        box.length += ScaleByRatioText(run) * CountCellChars(run.text, PageRenderer::PunctuationMode());
    }
    return box;
}

struct Box {
    int32_t L, T, R, B;  // scaled
    int32_t c, h;        // corner radius and half of it, scaled
    int32_t l() const { return L / 100; }
    int32_t t() const { return T / 100; }
    int32_t r() const { return R / 100; }
    int32_t b() const { return B / 100; }
};

void DrawSideLines(Dc& dc, const Box& k)
{
    dc.MoveTo(k.l(), k.t());
    dc.LineTo(k.l(), k.b());
    dc.MoveTo(k.r(), k.t());
    dc.LineTo(k.r(), k.b());
}

// The shape of one piece of a run boxed by its characters' size; part is
// the token kind's two low bits (1 begins here, 2 ends here).
void DrawPieceShape(Dc& dc, const Box& k, int32_t part, bool filled)
{
    const int32_t c = k.c;
    const int32_t h = k.h;
    switch (part) {
    case 0:  // a middle piece
        if (filled)
            dc.Rectangle(k.l(), k.t(), k.r(), k.b());
        else
            DrawSideLines(dc, k);
        break;
    case TTsSpan::BeginsHere:  // open at the bottom
        if (filled) {
            dc.RoundRect(k.l(), k.t(), k.r(), (k.T + 2 * c) / 100, c / 100, c / 100);
            dc.Rectangle(k.l(), (c + k.T + 1) / 100, k.r(), k.b());
        } else {
            const std::array<QPoint, 6> points{{{k.l(), k.b()},
                                                {k.l(), (k.T + h) / 100},
                                                {(k.L + h) / 100, k.t()},
                                                {(k.R - h) / 100, k.t()},
                                                {k.r(), (k.T + h) / 100},
                                                {k.r(), k.b()}}};
            dc.Polyline(points);
        }
        break;
    case TTsSpan::EndsHere:  // open at the top
        if (filled) {
            dc.RoundRect(k.l(), (k.B - 2 * c) / 100, k.r(), k.b(), c / 100, c / 100);
            dc.Rectangle(k.l(), k.t(), k.r(), (k.B - c) / 100);
        } else {
            const std::array<QPoint, 6> points{{{k.r(), k.t()},
                                                {k.r(), (k.B - h) / 100},
                                                {(k.R - h) / 100, k.b()},
                                                {(k.L + h) / 100, k.b()},
                                                {k.l(), (k.B - h) / 100},
                                                {k.l(), k.t()}}};
            dc.Polyline(points);
        }
        break;
    default:  // the whole run in this column
        if (filled) {
            dc.RoundRect(k.l(), k.t(), k.r(), k.b(), c / 100, c / 100);
        } else {
            const std::array<QPoint, 9> points{{{(k.L + h) / 100, k.t()},
                                                {(k.R - h) / 100, k.t()},
                                                {k.r(), (k.T + h) / 100},
                                                {k.r(), (k.B - h) / 100},
                                                {(k.R - h) / 100, k.b()},
                                                {(k.L + h) / 100, k.b()},
                                                {k.l(), (k.B - h) / 100},
                                                {k.l(), (k.T + h) / 100},
                                                {(k.L + h) / 100, k.t()}}};
            dc.Polyline(points);
        }
        break;
    }
}

}  // namespace

QPoint RenderEdition::DrawBoxedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, const QString& name,
                                   int32_t width, int32_t x, int32_t y) const
{
    if (!view.CurFontPair)
        return QPoint(x, y);
    BoxFont box = MeasureRuns(view, text);
    PageRenderer::MakeFontFromStyle(box.font, dc);  // its cell for the alignment
    const int32_t reach = BoxReach(box.font);
    QPoint align;
    {
        const TFontStyle saved = view.CurFont;
        view.CurFont = box.font;
        align = view.AlignInCell(width, box.font.WORD_HEIGHT);
        view.CurFont = saved;
    }
    const int32_t n = CountCellChars(text, PageRenderer::PunctuationMode());

    Box k;
    k.L = box.font.OUTLINE_WIDTH != 0 ? x + (width - reach) / 2 : x + align.x();
    k.R = k.L + reach;
    // As the layout has it: the box never starts above the text's top row.
    k.T = y > view.TextTop ? y : view.TextTop + 1;
    k.B = k.T + box.length - 1;
    k.c = view.CornerRadius;
    k.h = k.c / 2;

    const TTechnique format = FormatNamed(view.ScaledStyle.TECH_ARRAY, name);
    const bool filled = format.TYPE != TechniqueType::TYPE_KUANG;
    const DcPen oldPen = dc.SelectPen({format.LINES_WIDTH / 100, format.COLOR});
    const DcBrush oldBrush = dc.SelectBrush({format.COLOR});
    if (!filled)
        kind |= TokenBits::Outline;
    if (format.WIDTH_TYPE == TechniqueWidthType::WIDTH_TYPE_BY_WIDTH) {
        kind |= TokenBits::FullWidth;
        if (filled)
            dc.Rectangle(x / 100, y / 100, (width + x) / 100, (y + n * box.font.WORD_HEIGHT) / 100);
    } else {
        DrawPieceShape(dc, k, kind & (TTsSpan::BeginsHere | TTsSpan::EndsHere), filled);
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    return view.DrawFontRun(dc, text, kind, width, x, y);
}
