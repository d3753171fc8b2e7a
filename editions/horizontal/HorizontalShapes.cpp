// Special-format runs along a horizontal line: the box runs from the run's
// start to its end along x, as tall as its largest characters, open at the
// right where the run goes on in the next line and at the left where it
// comes from the previous one.
#include "editions/horizontal/HorizontalDrawing.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/interpreter/DroppedMarks.h"
#include "render/shapes/BoxedRun.h"
#include "typeset/markup/Spans.h"

namespace {

int32_t BoxHeight(const TFontStyle& font) { return font.SIZE; }

}  // namespace

QPoint HorizontalDrawing::DrawBoxedRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind,
                                       const QString& name, int32_t lineSize, int32_t x, int32_t y) const
{
    if (!view.CurFontPair)
        return QPoint(x, y);
    BoxFont box = MeasureBoxRuns(view, text, BoxHeight);
    const QPoint align = AlignBoxFont(view, dc, box.font, lineSize, box.font.WORD_WIDTH);
    const int32_t n = CountCellChars(text, PageRenderer::PunctuationMode());

    // The box as down a column: across the line in L and R, along it in T
    // and B.
    Box k;
    k.L = y + align.y();
    k.R = k.L + box.font.SIZE;
    k.T = x;
    k.B = x + box.length - 1;
    k.c = view.CornerRadius;
    k.h = k.c / 2;
    const auto shape = [&](bool byWidth, bool filled) {
        if (!byWidth)
            DrawPieceShape(dc, k, kind & (TTsSpan::BeginsHere | TTsSpan::EndsHere), filled, true);
        else if (filled)
            dc.Rectangle(x / 100, y / 100, (x + n * box.font.WORD_WIDTH) / 100, (y + lineSize) / 100);
    };
    return DrawFormattedRun(view, dc, text, kind, name, lineSize, x, y, shape);
}

QPoint HorizontalDrawing::DrawCircledText(PageRenderer& view, Dc& dc, QStringView text, int32_t lineSize,
                                          const QString& name, int32_t x, int32_t y) const
{
    return DrawCircledTextAlong(view, dc, text, lineSize, name, x, y, true);
}
