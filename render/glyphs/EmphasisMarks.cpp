// Emphasis marks (圈點) at the right edge of a character's cell: one mark
// centred on the cell, or two above and below its middle.
#include "render/PageRenderer.h"

namespace {

// The mark in its own font and colour; the Dc's font and colour come back.
void DrawMark(Dc& dc, TQdChar& mark, int32_t x, int32_t y)
{
    const DcFont old = dc.SelectFont(PageRenderer::MakeFontFromStyle(mark.font, dc));
    const ColorRef oldColor = dc.SetTextColor(mark.font.COLOR);
    const QChar c(char16_t(mark.QD_CHAR));
    dc.TextOut(x / 100, y / 100, QStringView(&c, 1));
    dc.SetTextColor(oldColor);
    dc.SelectFont(old);
}

}  // namespace

void PageRenderer::DrawEmphasisMarks(Dc& dc, int32_t advance, int32_t width, int32_t x, int32_t y)
{
    TQuanDian* set = ScaledStyle.QUAN_DIAN_ARRAY.GetAtOrNull(FindQuanDianIndex(ScaledStyle.QUAN_DIAN_ARRAY, RunQdMark));
    if (!set || set->marks.IsEmpty())
        return;
    TQdChar& first = set->marks[0];
    if (set->marks.Size() == 1) {
        const int32_t size = first.font.SIZE;
        DrawMark(dc, first, x + first.X_MOVE + width - size, y + (advance - size) / 2 + first.Y_MOVE);
        return;
    }
    TQdChar& second = set->marks[1];
    DrawMark(dc, first, x + first.X_MOVE + width - first.font.SIZE, y + first.Y_MOVE + advance / 2 - first.font.SIZE);
    DrawMark(dc, second, x + second.X_MOVE - second.font.SIZE + width, y + second.Y_MOVE + advance / 2);
}
