#include "foundation/params/Box.h"

#include <array>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

namespace {

// Integer division toward zero; a divisor of 0 or below (a count from a
// damaged file or a dialog) gives 0 instead of a fault.
int32_t DivideOrZero(int64_t value, int32_t divisor)
{
    return divisor > 0 ? SaturateToInt32(value / divisor) : 0;
}

// The lengths of the grid, which follow the zoom; the counts do not.
constexpr std::array kBoxLengths = {
    &TBoxSize::BOX_WIDTH,        &TBoxSize::BOX_HEIGHT, &TBoxSize::TOP_SPACE,   &TBoxSize::BOTTOM_SPACE,
    &TBoxSize::SPLIT_LINE_WIDTH, &TBoxSize::LEFT_SPACE, &TBoxSize::RIGHT_SPACE,
};

void SyncRichList(TRichFontList& rich, const TFontStyleList& fonts, bool overwrite)
{
    for (int32_t j = 0; j < fonts.Size(); ++j) {
        TRichEditFont* entry = rich.GetAtOrNull(j);
        if (!entry)
            RichFontFromStyle(*rich.AddNew(), fonts[j]);
        else if (overwrite)
            RichFontFromStyle(*entry, fonts[j]);
    }
}

}  // namespace

void DeriveBoxSize(TBoxSize& size) { g_Edition->DeriveBoxSize(size); }

void WoodblockEdition::DeriveBoxSize(TBoxSize& size) const
{
    const int64_t textHeight = int64_t(size.BOX_HEIGHT) - size.TOP_SPACE - size.BOTTOM_SPACE;
    size.textCharSize = DivideOrZero(textHeight, size.TEXT_PER_LINE);
    size.noteCharSize = DivideOrZero(textHeight, size.ZHU_PER_LINE);
    const int64_t widthWithRule = int64_t(size.BOX_WIDTH) + size.SPLIT_LINE_WIDTH;
    size.pitch = size.LINES > 0 ? SaturateToInt32(widthWithRule / size.LINES - size.SPLIT_LINE_WIDTH) : 0;
}

TBoxSize& ScaleBoxSize(double zoom, const TBoxSize& source, TBoxSize& out)
{
    out = source;
    for (auto length : kBoxLengths)
        out.*length = ScaleLength(source.*length, zoom);
    DeriveBoxSize(out);
    return out;
}

TFontPair& ScaleFontPair(const TFontPair& source, TFontPair& out, double zoom)
{
    ScaleFontStyle(out.TEXT_FONT, zoom, source.TEXT_FONT);
    ScaleFontStyle(out.ZHU_FONT, zoom, source.ZHU_FONT);
    return out;
}

TBoxPara& ScaleBoxPara(const TBoxPara& source, TBoxPara& out, double zoom)
{
    out = TBoxPara();
    ScaleBoxSize(zoom, source.size, out.size);
    out.DOUBLE_LINE_ZHU = source.DOUBLE_LINE_ZHU;
    out.AUTO_RICH_FONT = source.AUTO_RICH_FONT;
    ScaleFontPair(source.MFONT_GROUP, out.MFONT_GROUP, zoom);
    out.RICH_FONT_GROUP = source.RICH_FONT_GROUP;  // points do not follow the zoom
    out.kind = source.kind;
    return out;
}

TAttachFontGroup& ScaleFontStyleListPair(const TAttachFontGroup& source, TAttachFontGroup& out, double zoom)
{
    ScaleFontStyleArray(source.ATTACH_TEXT_FONT, out.ATTACH_TEXT_FONT, zoom);
    ScaleFontStyleArray(source.ATTACH_ZHU_FONT, out.ATTACH_ZHU_FONT, zoom);
    return out;
}

void FontPairToRichFonts(const TFontPair& fonts, TRichFontPair& rich)
{
    RichFontFromStyle(rich.TEXT_FONT_H, fonts.TEXT_FONT);
    RichFontFromStyle(rich.ZHU_FONT_H, fonts.ZHU_FONT);
}

void SyncAttachedRichFonts(TAttachRichFontGroup& rich, const TAttachFontGroup& fonts, bool overwrite)
{
    SyncRichList(rich.ATTACH_TEXT_FONT_H, fonts.ATTACH_TEXT_FONT, overwrite);
    SyncRichList(rich.ATTACH_ZHU_FONT_H, fonts.ATTACH_ZHU_FONT, overwrite);
}
