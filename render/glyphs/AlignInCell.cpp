// Where a glyph stands in its cell, by the font's alignment.
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/glyphs/GlyphText.h"

namespace {

// The halves of a double-line note lean toward the column's middle.
int32_t CloseOffset(const TFontStyle& font, int32_t halfKind, int32_t room)
{
    switch (font.TEXT_TYPE) {
    case 0:
        return room / 2;
    case 1:
        return halfKind == HalfKinds::Left ? int32_t(room * 0.875 + 0.5) : room / 8;
    default:
        return 0;
    }
}

}  // namespace

int32_t AlignAcross(const TFontStyle& font, int32_t halfKind, int32_t room)
{
    switch (font.ALIGN) {
    case FontAlign::MID:
        return room / 2;
    case FontAlign::RIGHT:
        return room;
    case FontAlign::CLOSE:
        return CloseOffset(font, halfKind, room);
    case FontAlign::MOVE:
        return room / 2 + font.move;
    default:  // LEFT
        return 0;
    }
}

QPoint RenderEdition::AlignInCell(const PageRenderer& view, int32_t width, int32_t advance) const
{
    const TFontStyle& font = view.CurFont;
    int32_t dx = AlignAcross(font, view.HalfKind, width - font.cellWidth * 100);
    int32_t dy = (advance - font.cellHeight * 100) / 2;
    // Faces whose glyphs sit off the middle of their cells.
    if (font.NAME.contains(u"神奇"))
        dy = int32_t(dy - (advance * 0.03 + 0.5));
    if (font.NAME.contains(u"康熙")) {
        dx = int32_t(font.WORD_HEIGHT * 0.07 + dx);
        dy = int32_t(font.WORD_HEIGHT * 0.04 + dy);
    }
    return QPoint(dx, dy);
}
