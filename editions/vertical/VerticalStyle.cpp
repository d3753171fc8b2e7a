// The vertical style record: defaults, page size and zoomed copy.
#include "editions/vertical/VerticalEdition.h"

#include "editions/vertical/SideBox.h"
#include "foundation/params/Style.h"

using namespace Qt::StringLiterals;

namespace {

TFontStyle DefaultFont(int32_t textType, int32_t size, int32_t wordWidth, int32_t type)
{
    return {.TEXT_TYPE = textType, .NAME = u"宋体"_s, .COLOR = 0, .SIZE = size, .WIDTH = size,
            .WORD_HEIGHT = size, .WORD_WIDTH = wordWidth, .TYPE = type, .ALIGN = FontAlign::MID};
}

void SetBoxGrid(TBoxPara& box, const TBoxSize& grid, int32_t kind)
{
    box.size = grid;
    box.DOUBLE_LINE_ZHU = false;
    box.AUTO_RICH_FONT = true;
    box.kind = kind;
    DeriveBoxSize(box.size);
}

void SetSideBoxDefaults(TSideBox& side)
{
    side = TSideBox();
    const TFontStyle font = DefaultFont(2, 1300, side.BOX_WIDTH, FontType::BOLD);
    side.TITLE_FONT.TEXT_FONT = font;
    side.PAGE_FONT.TEXT_FONT = font;
}

}  // namespace

void VerticalEdition::SetFrameDefaults(TStyle& style)
{
    style.BIAO_DIAN = {TBiaoDianType::ZHINENG, true, 0};
    style.SHOW_STAMP = true;
    style.BACK_COLOR = 0xFFFFFF;
    style.GROUND_IMAGE = false;
    style.GROUND = TImageRef();
    style.raisedHead = false;
    style.OUT_BORDER = style.IN_BORDER = style.SPACE = 0;
    style.NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_SINGLAR_PAGE;
}

void VerticalEdition::SetStyleDefaults(TStyle& style, const TDisplayMode& display) const
{
    style.kind = StyleKind::VERTICAL;
    SetBoxGrid(style.TEXT_BOX, {.BOX_WIDTH = 42000, .BOX_HEIGHT = 64000, .LINES = 150, .TEXT_PER_LINE = 38,
                                .ZHU_PER_LINE = 43, .TOP_SPACE = 200, .BOTTOM_SPACE = 200},
               BoxKind::TEXT_BOX);
    SetBoxGrid(style.HEAD_BOX, {.BOX_WIDTH = 42000, .LINES = 150, .TEXT_PER_LINE = 38, .ZHU_PER_LINE = 43},
               BoxKind::HEAD_BOX);
    const int32_t text = style.TEXT_BOX.size.textCharSize;
    const int32_t note = style.TEXT_BOX.size.noteCharSize;
    style.TEXT_BOX.MFONT_GROUP = {DefaultFont(0, text, 2800, FontType::BOLD),
                                  DefaultFont(1, note, 2620, FontType::NORMAL)};
    style.HEAD_BOX.MFONT_GROUP = style.TEXT_BOX.MFONT_GROUP;
    style.HEAD_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH = 280;
    SetFrameDefaults(style);
    SetSideBoxDefaults(style.SIDE_BOX);
    ComputeStylePageSize(style, display);
    for (TBoxPara* box : {&style.TEXT_BOX, &style.HEAD_BOX})
        if (box->AUTO_RICH_FONT)
            FontPairToRichFonts(box->MFONT_GROUP, box->RICH_FONT_GROUP);
}

void VerticalEdition::ComputeStylePageSize(TStyle& style, const TDisplayMode&) const
{
    if (style.kind != StyleKind::VERTICAL)
        return;
    style.pageWidth = SaturateToInt32(int64_t(style.TEXT_BOX.size.BOX_WIDTH) + style.SIDE_BOX.BOX_WIDTH);
    style.pageHeight = SaturateToInt32(int64_t(style.TEXT_BOX.size.BOX_HEIGHT) + style.HEAD_BOX.size.BOX_HEIGHT);
}

TStyle& VerticalEdition::ScaleStyle(const TStyle& source, TStyle& out, double zoom) const
{
    // The woodblock copy scales the base, both boxes, the frame ints and the
    // lists; this edition adds the side box and keeps no emphasis-mark or
    // side-note list.
    WoodblockEdition::ScaleStyle(source, out, zoom);
    out.QUAN_DIAN_ARRAY.Clear();
    out.CE_PI_ARRAY.Clear();
    ScaleSideBox(source.SIDE_BOX, out.SIDE_BOX, zoom);
    out.NEW_VOLUME_PAGE_TYPE = source.NEW_VOLUME_PAGE_TYPE;
    return out;
}
