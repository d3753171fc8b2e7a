#include "foundation/params/Style.h"

#include <algorithm>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

using namespace Qt::StringLiterals;

const QString kCoverName = u"FengMian"_s;
const QString kBackCoverName = u"FengDi"_s;
const QString kDefaultStyleName = u"para0"_s;

namespace {

const QString kDefaultFace = u"宋体"_s;
// Names of the cover styles of files before version 28.
const QString kLegacyCoverName = u"COVER"_s;
const QString kLegacyBackName = u"BACK"_s;

// The font of a default: face 宋体, black, no outline, centred.
struct DefaultFont {
    int32_t textType;
    int32_t size;
    int32_t width;
    int32_t wordHeight;
    int32_t wordWidth;
    int32_t type;
    bool doubleLine;
};

void ApplyDefaultFont(TFontStyle& font, const DefaultFont& d)
{
    font.TEXT_TYPE = d.textType;
    font.NAME = kDefaultFace;
    font.COLOR = 0;
    font.SIZE = d.size;
    font.WIDTH = d.width;
    font.WORD_HEIGHT = d.wordHeight;
    font.WORD_WIDTH = d.wordWidth;
    font.OUTLINE_WIDTH = 0;
    font.TYPE = d.type;
    font.ALIGN = FontAlign::MID;
    font.DOUBLE_LINE = d.doubleLine;
}

struct DefaultGrid {
    int32_t width, height, lines, textPerLine, zhuPerLine, top, bottom, split;
    bool doubleLineZhu;
    int32_t kind;
};

void ApplyDefaultGrid(TBoxPara& box, const DefaultGrid& d)
{
    box.size.BOX_WIDTH = d.width;
    box.size.BOX_HEIGHT = d.height;
    box.size.LINES = d.lines;
    box.size.TEXT_PER_LINE = d.textPerLine;
    box.size.ZHU_PER_LINE = d.zhuPerLine;
    box.size.TOP_SPACE = d.top;
    box.size.BOTTOM_SPACE = d.bottom;
    box.size.SPLIT_LINE_WIDTH = d.split;
    box.DOUBLE_LINE_ZHU = d.doubleLineZhu;
    box.AUTO_RICH_FONT = true;
    box.kind = d.kind;
    DeriveBoxSize(box.size);
}

void ApplyFrameDefaults(TStyle& style)
{
    style.OUT_BORDER = 500;
    style.IN_BORDER = 100;
    style.SPACE = 500;
    style.MID_WIDTH = 4000;
    style.MID_UP_HEIGHT = 12000;
    style.MID_MID_HEIGHT = 35000;
    style.MID_LINE = 0;
    style.UP_FISH_TYPE = 0;
    style.DOWN_FISH_TYPE = 1;
    style.SHOW_MID_DOWN = true;
    style.raisedHead = false;
    style.SHOW_STAMP = true;
    style.BORDER_COLOR = 0;
    style.BACK_COLOR = 0xFFFFFF;
    style.GROUND_IMAGE = false;
    style.BIAO_DIAN = TBiaoDianPara();
}

// The box fonts follow the text box's grid (the head box's own grid does
// not count); the centre fonts follow the centre column's width.
void ApplyDefaultFonts(TStyle& style)
{
    const int32_t t = style.TEXT_BOX.size.textCharSize;
    const int32_t n = style.TEXT_BOX.size.noteCharSize;
    const int32_t p = style.TEXT_BOX.size.pitch;
    const int32_t m = style.MID_WIDTH;
    const int32_t noteSize = n - 3;
    const int32_t noteWidth = int32_t(noteSize * 0.5);
    const auto centre = [m](int32_t textType, double ratio, int32_t type, bool doubleLine) {
        const int32_t size = int32_t(m * ratio);
        return DefaultFont{textType, size, 0, size, m, type, doubleLine};
    };
    const DefaultFont midNote = centre(4, 0.35, 0, true);

    ApplyDefaultFont(style.TEXT_BOX.MFONT_GROUP.TEXT_FONT, {0, t, 0, t, p, FontType::BOLD, false});
    ApplyDefaultFont(style.TEXT_BOX.MFONT_GROUP.ZHU_FONT, {1, noteSize, noteWidth, n, p, FontType::NORMAL, true});
    ApplyDefaultFont(style.HEAD_BOX.MFONT_GROUP.TEXT_FONT, {1, noteSize, noteWidth, n, p, FontType::BOLD, false});
    ApplyDefaultFont(style.HEAD_BOX.MFONT_GROUP.ZHU_FONT, {1, noteSize, noteWidth, n, p, FontType::NORMAL, true});
    ApplyDefaultFont(style.MID_UP_FONT.TEXT_FONT, centre(2, 0.6, FontType::BOLD, false));
    ApplyDefaultFont(style.MID_MID_FONT.TEXT_FONT, centre(3, 0.75, FontType::NORMAL, false));
    ApplyDefaultFont(style.MID_DOWN_FONT.TEXT_FONT, centre(4, 0.5, FontType::NORMAL, false));
    for (TFontPair* pair : {&style.MID_UP_FONT, &style.MID_MID_FONT, &style.MID_DOWN_FONT})
        ApplyDefaultFont(pair->ZHU_FONT, midNote);
}

void DeriveBoxRichFonts(TBoxPara& box)
{
    if (box.AUTO_RICH_FONT)
        FontPairToRichFonts(box.MFONT_GROUP, box.RICH_FONT_GROUP);
}

void ScaleBaseFrame(const TStyleBase& source, TStyleBase& out, double zoom)
{
    out.kind = source.kind;
    out.NAME = source.NAME;
    out.pageWidth = ScaleLength(source.pageWidth, zoom);
    out.pageHeight = ScaleLength(source.pageHeight, zoom);
    out.xOffset = ScaleLength(source.xOffset, zoom);
    out.yOffset = ScaleLength(source.yOffset, zoom);
}

TCoverPara* FindOrAddCover(TParaSet& set, const QString& name)
{
    TCoverPara* cover = set.covers.FindByName(&TCoverPara::NAME, name);
    if (!cover)
        cover = set.covers.AddNew();
    cover->NAME = name;
    cover->kind = StyleKind::COVER;
    return cover;
}

void MoveLegacyCover(TParaSet& set, const QString& styleName, TCoverPara* (*getCover)(TParaSet&))
{
    const int32_t index = set.styles.IndexOfName(&TStyle::NAME, styleName);
    if (index < 0)
        return;
    getCover(set)->COVER_FONT = set.styles[index].TEXT_BOX.MFONT_GROUP;
    RemoveStyleAt(set.styles, index);
}

template <class T>
void Release(T*& global, const T* member)
{
    if (global == member)
        global = nullptr;
}

}  // namespace

// Records --------------------------------------------------------------------

TStyle::TStyle() { SetStyleDefaults(*this, TDisplayMode()); }

TCoverPara::TCoverPara()
{
    kind = StyleKind::COVER;
    SetCoverDefaults(*this);
}

TPara4in1::TPara4in1() { SetPara4in1Defaults(*this); }

// Edition forms --------------------------------------------------------------

void SetStyleDefaults(TStyle& style, const TDisplayMode& display) { g_Edition->SetStyleDefaults(style, display); }

void ComputeStylePageSize(TStyle& style, const TDisplayMode& display)
{
    g_Edition->ComputeStylePageSize(style, display);
}

TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom) { return g_Edition->ScaleStyle(source, out, zoom); }

void WoodblockEdition::SetStyleDefaults(TStyle& style, const TDisplayMode& display) const
{
    ApplyFrameDefaults(style);
    ApplyDefaultGrid(style.TEXT_BOX, {50000, 65000, 10, 21, 21, 100, 100, 100, true, BoxKind::TEXT_BOX});
    ApplyDefaultGrid(style.HEAD_BOX, {50000, 0, 20, 6, 6, 500, 500, 0, false, BoxKind::HEAD_BOX});
    WoodblockEdition::ComputeStylePageSize(style, display);
    ApplyDefaultFonts(style);
    DeriveBoxRichFonts(style.TEXT_BOX);
    DeriveBoxRichFonts(style.HEAD_BOX);
}

void WoodblockEdition::ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const
{
    if (style.kind != StyleKind::WOODBLOCK)
        return;
    const int64_t leaf = int64_t(style.OUT_BORDER) + 2 * int64_t(style.IN_BORDER) + style.SPACE +
                         style.TEXT_BOX.size.BOX_WIDTH;
    const int64_t doubleLeaf = 2 * leaf + style.MID_WIDTH;
    const int64_t singleLeaf = style.MID_WIDTH / 2 + leaf;
    // In 4-in-1 sheets a cover stands on one leaf, every other page on two.
    const bool twoLeaves = display.twoPage || (display.fourInOne && style.NAME != kLegacyCoverName);
    style.pageWidth = SaturateToInt32(twoLeaves ? doubleLeaf : singleLeaf);
    style.pageHeight = SaturateToInt32(int64_t(style.HEAD_BOX.size.BOX_HEIGHT) +
                                2 * (int64_t(style.OUT_BORDER) + style.IN_BORDER + style.SPACE) +
                                style.TEXT_BOX.size.BOX_HEIGHT);
}

TStyle& WoodblockEdition::ScaleStyle(const TStyle& source, TStyle& out, double zoom) const
{
    out = TStyle();
    ScaleBaseFrame(source, out, zoom);
    out.SHOW_STAMP = source.SHOW_STAMP;
    out.BORDER_COLOR = source.BORDER_COLOR;
    out.BACK_COLOR = source.BACK_COLOR;
    out.GROUND_IMAGE = source.GROUND_IMAGE;
    out.GROUND = source.GROUND;
    out.UP_FISH_TYPE = source.UP_FISH_TYPE;
    out.DOWN_FISH_TYPE = source.DOWN_FISH_TYPE;
    out.SHOW_MID_DOWN = source.SHOW_MID_DOWN;
    out.raisedHead = source.raisedHead;
    for (auto length : {&TStyle::OUT_BORDER, &TStyle::IN_BORDER, &TStyle::SPACE, &TStyle::MID_WIDTH,
                        &TStyle::MID_UP_HEIGHT, &TStyle::MID_MID_HEIGHT, &TStyle::MID_LINE})
        out.*length = ScaleLength(source.*length, zoom);
    ScaleBoxPara(source.TEXT_BOX, out.TEXT_BOX, zoom);
    ScaleBoxPara(source.HEAD_BOX, out.HEAD_BOX, zoom);
    ScaleFontPair(source.MID_UP_FONT, out.MID_UP_FONT, zoom);
    ScaleFontPair(source.MID_MID_FONT, out.MID_MID_FONT, zoom);
    ScaleFontPair(source.MID_DOWN_FONT, out.MID_DOWN_FONT, zoom);
    ScaleTechniqueList(source.TECH_ARRAY, out.TECH_ARRAY, zoom);
    ScaleCircleArray(source.CIRCLE_ARRAY, out.CIRCLE_ARRAY, zoom);
    ScaleQuanDianArray(source.QUAN_DIAN_ARRAY, out.QUAN_DIAN_ARRAY, zoom);
    ScaleFontStyleArray(source.CE_PI_ARRAY, out.CE_PI_ARRAY, zoom);
    out.BIAO_DIAN = source.BIAO_DIAN;
    ScaleFontStyleListPair(source.ATTACH_FONT_GROUP, out.ATTACH_FONT_GROUP, zoom);
    out.ATTACH_RICH_FONT_GROUP = source.ATTACH_RICH_FONT_GROUP;
    UpdateStylePitch(out);
    return out;
}

// Covers and the 4-in-1 sheet ------------------------------------------------

void SetCoverDefaults(TCoverPara& cover)
{
    cover.pageWidth = 100000;
    cover.pageHeight = 65000;
    ApplyDefaultFont(cover.COVER_FONT.TEXT_FONT, {0, 6000, 0, 6000, 6000, FontType::BOLD, false});
    ApplyDefaultFont(cover.COVER_FONT.ZHU_FONT, {1, 3000, 3000, 3000, 3000, FontType::NORMAL, true});
}

void SetPara4in1Defaults(TPara4in1& para)
{
    para.continuousPages = true;
    para.halfGap = 0;
    para.titleWidth = 4000;
    para.titlePos = 8000;
    para.pageNumberPos = 100000;
    const DefaultFont font{0, 2500, 2500, 2500, 2500, FontType::NORMAL, false};
    ApplyDefaultFont(para.titleFont.TEXT_FONT, font);
    ApplyDefaultFont(para.pageNumberFont.TEXT_FONT, font);
}

TCoverPara& ScaleCoverPara(const TCoverPara& source, double zoom, TCoverPara& out)
{
    out = TCoverPara();
    ScaleBaseFrame(source, out, zoom);
    ScaleFontPair(source.COVER_FONT, out.COVER_FONT, zoom);
    return out;
}

TPara4in1& ScalePara4in1(const TPara4in1& source, TPara4in1& out, double zoom)
{
    out.continuousPages = source.continuousPages;
    for (auto length : {&TPara4in1::halfGap, &TPara4in1::titleWidth, &TPara4in1::titlePos, &TPara4in1::pageNumberPos})
        out.*length = ScaleLength(source.*length, zoom);
    ScaleFontPair(source.titleFont, out.titleFont, zoom);
    ScaleFontPair(source.pageNumberFont, out.pageNumberFont, zoom);
    return out;
}

// Derived values ---------------------------------------------------------------

void UpdateStylePitch(TStyle& style)
{
    DeriveBoxSize(style.TEXT_BOX.size);
    DeriveBoxSize(style.HEAD_BOX.size);
}

void SyncStyleFonts(TStyle& style)
{
    DeriveBoxRichFonts(style.TEXT_BOX);
    DeriveBoxRichFonts(style.HEAD_BOX);
    SyncAttachedRichFonts(style.ATTACH_RICH_FONT_GROUP, style.ATTACH_FONT_GROUP, style.TEXT_BOX.AUTO_RICH_FONT);
}

// Cover records ----------------------------------------------------------------

TCoverPara* GetCoverPara(TParaSet& set) { return FindOrAddCover(set, kCoverName); }
TCoverPara* GetBackCoverPara(TParaSet& set) { return FindOrAddCover(set, kBackCoverName); }

void MoveLegacyCoverStyles(TParaSet& set)
{
    set.covers.Clear();
    MoveLegacyCover(set, kLegacyCoverName, GetCoverPara);
    MoveLegacyCover(set, kLegacyBackName, GetBackCoverPara);
}

void ApplyCoverSizes(TParaSet& set)
{
    int32_t width = 0;
    int32_t height = 0;
    for (const TStyle& style : set.styles) {
        width = std::max(width, style.pageWidth);
        height = std::max(height, style.pageHeight);
    }
    for (const QString& name : {kCoverName, kBackCoverName}) {
        if (TCoverPara* cover = set.covers.FindByName(&TCoverPara::NAME, name)) {
            cover->pageWidth = width;
            cover->pageHeight = height;
        }
    }
}

// Pointers into a set ------------------------------------------------------------

void PointCurrentListsAt(TStyleBase* style)
{
    g_CurTechList = style ? &style->TECH_ARRAY : nullptr;
    g_CurCircleList = style ? &style->CIRCLE_ARRAY : nullptr;
    g_CurQuanDianList = style ? &style->QUAN_DIAN_ARRAY : nullptr;
    g_CurCePiList = style ? &style->CE_PI_ARRAY : nullptr;
    g_CurBiaoDian = style ? &style->BIAO_DIAN : nullptr;
    g_CurAttachFonts = style ? &style->ATTACH_FONT_GROUP : nullptr;
}

void ReleaseCurrentLists(const TStyleBase& style)
{
    Release(g_CurTechList, &style.TECH_ARRAY);
    Release(g_CurCircleList, &style.CIRCLE_ARRAY);
    Release(g_CurQuanDianList, &style.QUAN_DIAN_ARRAY);
    Release(g_CurCePiList, &style.CE_PI_ARRAY);
    Release(g_CurBiaoDian, &style.BIAO_DIAN);
    Release(g_CurAttachFonts, &style.ATTACH_FONT_GROUP);
}

void ClearStyles(TStyleList& styles)
{
    for (const TStyle& style : styles)
        ReleaseCurrentLists(style);
    styles.Clear();
}

void RemoveStyleAt(TStyleList& styles, int32_t index)
{
    if (const TStyle* style = styles.GetAtOrNull(index))
        ReleaseCurrentLists(*style);
    styles.RemoveAt(index);
}

TStyle* RepointStyle(const TStyleList& styles, const QString& name)
{
    TStyle* style = styles.FindByName(&TStyle::NAME, name);
    return style ? style : styles.First();
}

TStyle* AddNewStyle(TStyleList& styles, const TDisplayMode& display)
{
    TStyle* style = styles.AddNew();
    ComputeStylePageSize(*style, display);
    return style;
}

void EnsureOneStyle(TStyleList& styles, const TDisplayMode& display)
{
    if (styles.IsEmpty())
        AddNewStyle(styles, display)->NAME = kDefaultStyleName;
}
