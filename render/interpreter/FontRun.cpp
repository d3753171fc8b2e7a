// A token's text drawn run by run: each run in its font (the segment's, an
// attached one or one shrunk to a fitted length), at its pitch, in the
// token's colour.
#include <algorithm>
#include <utility>

#include "foundation/text/TagUtils.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/interpreter/DroppedMarks.h"
#include "render/state/DrawingScope.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/markup/RunAdvance.h"

namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);

// A spacing of zero or below would give a font of no size and a pitch that
// walks up the column, out of the box; a character takes at least one
// device unit.
constexpr int32_t kMinFittedLength = 100;

// A pitch longer than the longest page sets the next glyph off it whatever
// its length, so a spacing from a text or file is held there.
int32_t LongestPitch(const PageRenderer& view)
{
    return std::clamp(view.LongestPageLength(), kMinFittedLength, RenderEdition::kFarPastTheSheet);
}

// The text and note halves look fonts up in their own attached lists.
TFontStyleList* AttachedListOf(PageRenderer& view)
{
    if (!view.CurAttachFonts)
        return nullptr;
    return view.HalfKind == HalfKinds::Main ? &view.CurAttachFonts->ATTACH_TEXT_FONT
                                            : &view.CurAttachFonts->ATTACH_ZHU_FONT;
}

const TFontStyle& BoxFontOf(const PageRenderer& view)
{
    return view.HalfKind == HalfKinds::Main ? view.CurFontPair->TEXT_FONT : view.CurFontPair->ZHU_FONT;
}

}  // namespace

DcFont PageRenderer::MakeFontFromStyle(TFontStyle& style, Dc& dc)
{
    const bool bold = style.TYPE == FontType::BOLD || style.TYPE == FontType::BOLD_ITALICS;
    const bool italic = style.TYPE == FontType::ITALICS || style.TYPE == FontType::BOLD_ITALICS;
    const DcFont font{-(style.SIZE / 100), -(style.WIDTH / 200), bold ? kFontWeightHeavy : kFontWeightNormal, italic,
                      style.NAME};
    const DcFont old = dc.SelectFont(font);
    const TextMetrics metrics = dc.GetTextMetrics();
    const QSize cell = dc.GetTextExtent(u"国");
    dc.SelectFont(old);
    style.textHeight = metrics.height;
    style.internalLeading = metrics.internalLeading;
    style.externalLeading = metrics.externalLeading;
    style.cellWidth = cell.width();
    style.cellHeight = cell.height();
    return font;
}

QPoint RenderEdition::DrawFontRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t width,
                                  int32_t x, int32_t y) const
{
    return DrawFontRunAlong(view, dc, text, kind, width, x, y, false);
}

QPoint RenderEdition::DrawFontRunAlong(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t width,
                                       int32_t x, int32_t y, bool alongX) const
{
    QPoint at(x, y);
    if (!view.CurFontPair)
        return at;
    // Down a column a fitted run is shrunk in its size and height, along a
    // line in its width; only columns carry emphasis marks.
    int32_t TFontStyle::*const fitSize = alongX ? &TFontStyle::WIDTH : &TFontStyle::SIZE;
    int32_t TFontStyle::*const cell = alongX ? &TFontStyle::WORD_WIDTH : &TFontStyle::WORD_HEIGHT;
    TFontStyleList scratch;
    TFontStyleList* attached = AttachedListOf(view);
    const std::vector<TZtSpan> runs =
        SplitZtSpans(alongX ? text.toString() : CollapseQdSpans(text), BoxFontOf(view), attached ? *attached : scratch);
    for (const TZtSpan& run : runs) {
        const DrawingScope scope(view, dc, DrawingScope::RunName::Changes);
        view.RunQdMark = alongX ? QString() : run.emphasisName;
        view.RunFontName = run.fontName;
        view.RunFitParam = run.spacing;
        const int32_t g = std::max(ScaleByRatioText(run), kMinFittedLength);
        const int32_t n = CountCellChars(run.text, TBiaoDianType::PUTONG);

        bool remade = false;
        if (!view.RunFontName.isEmpty() && attached) {
            if (const TFontStyle* found = attached->GetAtOrNull(FindFontStyleIndex(*attached, view.RunFontName))) {
                view.CurFont = *found;
                remade = true;
            }
        }
        TFontStyle& font = view.CurFont;
        int32_t pitch = 0;
        bool shrunk = false;
        if (!view.RunFitParam.isEmpty() && g < font.*fitSize) {
            // Characters longer than the fitted length are drawn smaller.
            font.*fitSize = g;
            font.*cell = g;
            shrunk = true;
        }
        const int32_t advance = font.*cell + view.ExtraSpacing;
        if (view.RunFitParam.isEmpty() || shrunk)
            pitch = advance;
        else
            pitch = std::min(n != 1 ? SaturateToInt32((int64_t(g) * n - font.*cell) / (n - 1) + 1) : g,
                             LongestPitch(view));
        if (remade || shrunk)
            dc.SelectFont(PageRenderer::MakeFontFromStyle(font, dc));
        const bool ownColour = (kind & TTsSpan::Plain) || (kind & TokenBits::Outline);
        dc.SetTextColor(ownColour ? font.COLOR : kWhite);

        at = view.PlaceGlyphs(dc, run.text, kind, advance, width, pitch, at.x(), at.y());
        // A run of n characters advances (n - 1) pitches and one advance.
        if (pitch > advance)
            (alongX ? at.rx() : at.ry()) -= pitch - advance;
    }
    return at;
}
