// The horizontal style record: defaults, page size and zoomed copy.
#include "editions/horizontal/HorizontalEdition.h"

#include "editions/horizontal/PageBar.h"
#include "foundation/params/Style.h"

using namespace Qt::StringLiterals;

namespace {

struct FontDefaults {
    int32_t textType, size, width, wordHeight, wordWidth, type;
};

TFontStyle DefaultFont(const FontDefaults& d)
{
    return {.TEXT_TYPE = d.textType, .NAME = u"宋体"_s, .COLOR = 0, .SIZE = d.size, .WIDTH = d.width,
            .WORD_HEIGHT = d.wordHeight, .WORD_WIDTH = d.wordWidth, .TYPE = d.type, .ALIGN = FontAlign::MID};
}

void SetTextBoxDefaults(TBoxPara& box)
{
    box = TBoxPara();
    box.size = {.BOX_WIDTH = 52000, .BOX_HEIGHT = 74000, .LINES = 150, .TEXT_PER_LINE = 30, .ZHU_PER_LINE = 32,
                .WORD_LINES = 28, .ZHU_LINES = 30, .LEFT_SPACE = 200, .RIGHT_SPACE = 200};
    DeriveBoxSize(box.size);
    box.DOUBLE_LINE_ZHU = false;
    box.AUTO_RICH_FONT = true;
    box.kind = BoxKind::TEXT_BOX;
    box.MFONT_GROUP = {DefaultFont({0, 1800, 1700, 2650, 1720, FontType::BOLD}),
                       DefaultFont({1, 1500, 1600, 2465, 1612, FontType::NORMAL})};
}

void SetPageBarDefaults(TPageBar& bar)
{
    bar = TPageBar();
    const TFontStyle font = DefaultFont({2, 1800, 1800, bar.HEAD_HEIGHT, 2000, FontType::NORMAL});
    bar.TITLE_FONT.TEXT_FONT = font;
    bar.PAGE_FONT.TEXT_FONT = font;
}

}  // namespace

void HorizontalEdition::SetStyleDefaults(TStyle& style, const TDisplayMode& display) const
{
    style.kind = StyleKind::HORIZONTAL;
    SetTextBoxDefaults(style.TEXT_BOX);
    style.HEAD_BOX = TBoxPara();  // this edition has none
    SetFrameDefaults(style);
    SetPageBarDefaults(style.PAGE_BAR);
    ComputeStylePageSize(style, display);
    if (style.TEXT_BOX.AUTO_RICH_FONT)
        FontPairToRichFonts(style.TEXT_BOX.MFONT_GROUP, style.TEXT_BOX.RICH_FONT_GROUP);
}

void HorizontalEdition::ComputeStylePageSize(TStyle& style, const TDisplayMode&) const
{
    if (style.kind != StyleKind::HORIZONTAL)
        return;
    const TPageBar& bar = style.PAGE_BAR;
    style.pageWidth = style.TEXT_BOX.size.BOX_WIDTH;
    style.pageHeight =
        SaturateToInt32(int64_t(style.TEXT_BOX.size.BOX_HEIGHT) + bar.HEAD_HEIGHT + int64_t(bar.FOOT_HEIGHT));
}

TStyle& HorizontalEdition::ScaleStyle(const TStyle& source, TStyle& out, double zoom) const
{
    VerticalEdition::ScaleStyle(source, out, zoom);
    ScalePageBar(source.PAGE_BAR, out.PAGE_BAR, zoom);
    return out;
}
