#include "app/dialogs/LayoutDialogModel.h"

#include <QStringList>

#include "foundation/io/DataFolders.h"
#include "foundation/params/Box.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/SpecialFormatDialogs.h"
#include "platform/Prompter.h"

using namespace Qt::StringLiterals;

namespace {

struct IntFieldSpec {
    LayoutField field;
    int32_t* (*of)(TStyle&);
    bool count;  // refused below 1: it divides the box
};

const IntFieldSpec kIntFields[] = {
    {LayoutField::OutBorder, [](TStyle& s) { return &s.OUT_BORDER; }, false},
    {LayoutField::InBorder, [](TStyle& s) { return &s.IN_BORDER; }, false},
    {LayoutField::Space, [](TStyle& s) { return &s.SPACE; }, false},
    {LayoutField::TextWidth, [](TStyle& s) { return &s.TEXT_BOX.size.BOX_WIDTH; }, false},
    {LayoutField::TextHeight, [](TStyle& s) { return &s.TEXT_BOX.size.BOX_HEIGHT; }, false},
    {LayoutField::TextTop, [](TStyle& s) { return &s.TEXT_BOX.size.TOP_SPACE; }, false},
    {LayoutField::TextBottom, [](TStyle& s) { return &s.TEXT_BOX.size.BOTTOM_SPACE; }, false},
    {LayoutField::TextLines, [](TStyle& s) { return &s.TEXT_BOX.size.LINES; }, true},
    {LayoutField::TextPerLine, [](TStyle& s) { return &s.TEXT_BOX.size.TEXT_PER_LINE; }, true},
    {LayoutField::ZhuPerLine, [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_PER_LINE; }, true},
    {LayoutField::HeadHeight, [](TStyle& s) { return &s.HEAD_BOX.size.BOX_HEIGHT; }, false},
    {LayoutField::HeadTop, [](TStyle& s) { return &s.HEAD_BOX.size.TOP_SPACE; }, false},
    {LayoutField::HeadBottom, [](TStyle& s) { return &s.HEAD_BOX.size.BOTTOM_SPACE; }, false},
    {LayoutField::HeadLines, [](TStyle& s) { return &s.HEAD_BOX.size.LINES; }, true},
    {LayoutField::HeadPerLine, [](TStyle& s) { return &s.HEAD_BOX.size.TEXT_PER_LINE; }, true},
    {LayoutField::HeadZhuPerLine, [](TStyle& s) { return &s.HEAD_BOX.size.ZHU_PER_LINE; }, true},
    {LayoutField::MidWidth, [](TStyle& s) { return &s.MID_WIDTH; }, false},
    {LayoutField::MidUpHeight, [](TStyle& s) { return &s.MID_UP_HEIGHT; }, false},
    {LayoutField::MidMidHeight, [](TStyle& s) { return &s.MID_MID_HEIGHT; }, false},
    {LayoutField::MidLine, [](TStyle& s) { return &s.MID_LINE; }, false},
    {LayoutField::UpFish, [](TStyle& s) { return &s.UP_FISH_TYPE; }, false},
    {LayoutField::DownFish, [](TStyle& s) { return &s.DOWN_FISH_TYPE; }, false},
};

struct BoolFieldSpec {
    LayoutField field;
    bool* (*of)(TStyle&);
};

const BoolFieldSpec kBoolFields[] = {
    {LayoutField::TextDoubleLineZhu, [](TStyle& s) { return &s.TEXT_BOX.DOUBLE_LINE_ZHU; }},
    {LayoutField::ShowMidDown, [](TStyle& s) { return &s.SHOW_MID_DOWN; }},
    {LayoutField::ShowStamp, [](TStyle& s) { return &s.SHOW_STAMP; }},
    {LayoutField::PunctuationUseTextColor, [](TStyle& s) { return &s.BIAO_DIAN.USE_TEXT_COLOR; }},
    {LayoutField::PunctuationBold, [](TStyle& s) { return &s.BIAO_DIAN.BOLD; }},
};

void SetWordWidth(TFontStyleList& list, int32_t width)
{
    for (TFontStyle& font : list)
        font.WORD_WIDTH = width;
}

bool IsPunctuationColoured(TBiaoDianType mode)
{
    return mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN;
}

TFontPair& CentrePair(TStyle& style, int part)
{
    TFontPair* pairs[] = {&style.MID_UP_FONT, &style.MID_MID_FONT, &style.MID_DOWN_FONT};
    return *pairs[std::clamp(part, 0, 2)];
}

// The line pitch of a box: (BOX_WIDTH + SPLIT_LINE_WIDTH) / LINES − SPLIT_LINE_WIDTH.
int32_t LinePitch(const TBoxSize& size)
{
    TBoxSize derived = size;
    DeriveBoxSize(derived);
    return derived.pitch;
}

}  // namespace

bool BoxSizeDiffers(const TBoxSize& a, const TBoxSize& b)
{
    return a.BOX_WIDTH != b.BOX_WIDTH || a.BOX_HEIGHT != b.BOX_HEIGHT || a.TOP_SPACE != b.TOP_SPACE ||
           a.BOTTOM_SPACE != b.BOTTOM_SPACE || a.LINES != b.LINES || a.TEXT_PER_LINE != b.TEXT_PER_LINE ||
           a.ZHU_PER_LINE != b.ZHU_PER_LINE || a.SPLIT_LINE_WIDTH != b.SPLIT_LINE_WIDTH;
}

bool BiaoDianDiffers(const TBiaoDianPara& a, const TBiaoDianPara& b)
{
    if (a.BIAODIAN_TYPE != b.BIAODIAN_TYPE)
        return true;
    if (!IsPunctuationColoured(a.BIAODIAN_TYPE))
        return false;
    return a.USE_TEXT_COLOR != b.USE_TEXT_COLOR || a.BOLD != b.BOLD ||
           (!a.USE_TEXT_COLOR && a.BIAO_DIAN_COLOR != b.BIAO_DIAN_COLOR);
}

LayoutDialogModel::LayoutDialogModel(TStyle& style, bool bookOpen, const TDisplayMode& display)
    : style_(style), work_(style), bookOpen_(bookOpen), display_(display)
{
    ListGrounds(ground_.textures);
    if (!ground_.textures.IsEmpty()) {
        ground_.useTexture = style.GROUND_IMAGE;
        const int32_t found = style.GROUND.name.isEmpty() ? -1 : FindGround(ground_.textures, style.GROUND.name);
        ground_.selected = found < 0 ? 0 : found;
    }
    DeriveBoxSize(work_.TEXT_BOX.size);
    DeriveBoxSize(work_.HEAD_BOX.size);
    UpdateDialogControls();
}

int32_t* LayoutDialogModel::Field(LayoutField field)
{
    for (const IntFieldSpec& spec : kIntFields) {
        if (spec.field == field)
            return spec.of(work_);
    }
    return nullptr;
}

bool* LayoutDialogModel::Flag(LayoutField field)
{
    for (const BoolFieldSpec& spec : kBoolFields) {
        if (spec.field == field)
            return spec.of(work_);
    }
    return nullptr;
}

bool LayoutDialogModel::Set(LayoutField field, int32_t value)
{
    for (const IntFieldSpec& spec : kIntFields) {
        if (spec.field != field)
            continue;
        if (spec.count && value < 1)
            return false;
        *spec.of(work_) = value;
        Edited(field);
        return true;
    }
    for (const BoolFieldSpec& spec : kBoolFields) {
        if (spec.field == field) {
            *spec.of(work_) = value != 0;
            Edited(field);
            return true;
        }
    }
    switch (field) {
    case LayoutField::BorderColor: work_.BORDER_COLOR = ColorRef(value); break;
    case LayoutField::BackColor: work_.BACK_COLOR = ColorRef(value); break;
    case LayoutField::PunctuationColor: work_.BIAO_DIAN.BIAO_DIAN_COLOR = ColorRef(value); break;
    case LayoutField::PunctuationMode:
        if (value < 0 || value > int32_t(TBiaoDianType::ZHINENG))
            return false;
        work_.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType(value);
        break;
    case LayoutField::UseTexture:
        ground_.useTexture = value != 0;
        ground_.touched = true;
        break;
    case LayoutField::Texture:
        if (value < 0 || value >= ground_.textures.Size())
            return false;
        ground_.selected = value;
        ground_.touched = true;
        break;
    default: return false;
    }
    Edited(field);
    return true;
}

void LayoutDialogModel::Edited(LayoutField field)
{
    TBoxPara& text = work_.TEXT_BOX;
    switch (field) {
    case LayoutField::TextWidth:
        work_.HEAD_BOX.size.BOX_WIDTH = text.size.BOX_WIDTH;
        UpdateTextBoxLineWidth();
        UpdateHeadBoxPitches();
        break;
    case LayoutField::TextLines: UpdateTextBoxLineWidth(); break;
    case LayoutField::TextHeight:
    case LayoutField::TextTop:
    case LayoutField::TextBottom:
    case LayoutField::TextPerLine:
    case LayoutField::ZhuPerLine: UpdateTextBoxPitches(); break;
    case LayoutField::HeadHeight:
    case LayoutField::HeadTop:
    case LayoutField::HeadBottom:
    case LayoutField::HeadPerLine:
    case LayoutField::HeadZhuPerLine: UpdateHeadBoxPitches(); break;
    case LayoutField::HeadLines: UpdateHeadBoxLineWidth(); break;
    case LayoutField::MidWidth:
        for (int part = 0; part < 3; ++part) {
            CentrePair(work_, part).TEXT_FONT.WORD_WIDTH = work_.MID_WIDTH;
            CentrePair(work_, part).ZHU_FONT.WORD_WIDTH = work_.MID_WIDTH;
        }
        break;
    case LayoutField::TextDoubleLineZhu:
        text.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = text.DOUBLE_LINE_ZHU;
        for (TFontStyle& font : work_.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT)
            font.DOUBLE_LINE = text.DOUBLE_LINE_ZHU;
        break;
    case LayoutField::PunctuationUseTextColor:
        if (work_.BIAO_DIAN.USE_TEXT_COLOR)
            work_.BIAO_DIAN.BIAO_DIAN_COLOR = text.MFONT_GROUP.TEXT_FONT.COLOR;
        break;
    default: break;
    }
    UpdateDialogControls();
}

void LayoutDialogModel::UpdateTextBoxLineWidth()
{
    TBoxPara& text = work_.TEXT_BOX;
    text.size.pitch = LinePitch(text.size);
    text.MFONT_GROUP.TEXT_FONT.WORD_WIDTH = text.size.pitch;
    text.MFONT_GROUP.ZHU_FONT.WORD_WIDTH = text.size.pitch;
    SetWordWidth(work_.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT, text.size.pitch);
    SetWordWidth(work_.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT, text.size.pitch);
}

void LayoutDialogModel::UpdateTextBoxPitches()
{
    TBoxPara& text = work_.TEXT_BOX;
    DeriveBoxSize(text.size);
    text.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT = text.size.textCharSize;
    text.MFONT_GROUP.ZHU_FONT.WORD_HEIGHT = text.size.noteCharSize;
}

void LayoutDialogModel::UpdateHeadBoxPitches()
{
    TBoxPara& head = work_.HEAD_BOX;
    const int32_t pitch = head.size.pitch;  // the head's line pitch follows only its own count
    DeriveBoxSize(head.size);
    head.size.pitch = pitch;
    head.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT = head.size.textCharSize;
    head.MFONT_GROUP.ZHU_FONT.WORD_HEIGHT = head.size.noteCharSize;
}

void LayoutDialogModel::UpdateHeadBoxLineWidth()
{
    TBoxPara& head = work_.HEAD_BOX;
    head.size.pitch = LinePitch(head.size);
    head.MFONT_GROUP.TEXT_FONT.WORD_WIDTH = head.size.pitch;
    head.MFONT_GROUP.ZHU_FONT.WORD_WIDTH = head.size.pitch;
}

void LayoutDialogModel::UpdateDialogControls()
{
    if (ground_.textures.IsEmpty())
        ground_.useTexture = false;
    CheckStyleChanged();
}

TLayoutControlState LayoutDialogModel::Controls() const
{
    TLayoutControlState state;
    state.textBoxGridEnabled = !bookOpen_;
    state.textureRadioEnabled = !ground_.textures.IsEmpty();
    state.backColorPickEnabled = !ground_.useTexture;
    state.texturePickEnabled = ground_.useTexture;
    state.punctuationExtrasShown = IsPunctuationColoured(work_.BIAO_DIAN.BIAODIAN_TYPE);
    state.punctuationColorPickEnabled = state.punctuationExtrasShown && !work_.BIAO_DIAN.USE_TEXT_COLOR;
    state.applyEnabled = changed_;
    return state;
}

bool LayoutDialogModel::EditBoxFont(bool headBox, bool noteFont)
{
    TFontPair& pair = headBox ? work_.HEAD_BOX.MFONT_GROUP : work_.TEXT_BOX.MFONT_GROUP;
    const bool confirmed = EditFontStyle(noteFont ? pair.ZHU_FONT : pair.TEXT_FONT, false, false, false);
    CheckStyleChanged();
    return confirmed;
}

bool LayoutDialogModel::EditCentreFont(int part, bool noteFont)
{
    TFontPair& pair = CentrePair(work_, part);
    const bool confirmed = EditFontStyle(noteFont ? pair.ZHU_FONT : pair.TEXT_FONT, true, false, false);
    CheckStyleChanged();
    return confirmed;
}

bool LayoutDialogModel::EditListEntry(LayoutList list, int32_t index)
{
    TAttachFontGroup& attached = work_.ATTACH_FONT_GROUP;
    bool edited = false;
    switch (list) {
    case LayoutList::AttachText:
    case LayoutList::AttachZhu: {
        TFontStyleList& fonts = list == LayoutList::AttachText ? attached.ATTACH_TEXT_FONT : attached.ATTACH_ZHU_FONT;
        if (TFontStyle* font = fonts.GetAtOrNull(index))
            edited = EditFontStyle(*font, true, false, false);
        break;
    }
    case LayoutList::CePi:
        if (TFontStyle* font = work_.CE_PI_ARRAY.GetAtOrNull(index))
            edited = EditFontStyle(*font, true, false, true);
        break;
    case LayoutList::Technique:
        if (TTechnique* technique = work_.TECH_ARRAY.GetAtOrNull(index))
            edited = EditTechnique(*technique);
        break;
    case LayoutList::Circle:
        if (TCirclePara* circle = work_.CIRCLE_ARRAY.GetAtOrNull(index))
            edited = EditCirclePara(*circle);
        break;
    case LayoutList::QuanDian:
        if (TQuanDian* set = work_.QUAN_DIAN_ARRAY.GetAtOrNull(index))
            edited = EditQuanDian(*set);
        break;
    }
    CheckStyleChanged();
    return edited;
}

bool LayoutDialogModel::AddAttachedFont(bool zhu, const QString& code)
{
    if (code.isEmpty() || code.contains(u','))
        return false;
    TFontStyleList& list = zhu ? work_.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT : work_.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT;
    if (FindFontStyleIndex(list, code) >= 0) {
        TellUser(u"已有此代碼，請重新選擇代碼！"_s);
        return false;
    }
    const TFontPair& fonts = work_.TEXT_BOX.MFONT_GROUP;
    FindOrAddFontStyle(list, code, zhu ? fonts.ZHU_FONT : fonts.TEXT_FONT);
    CheckStyleChanged();
    return true;
}

QStringList LayoutDialogModel::ListLabels(LayoutList list) const
{
    QStringList labels;
    const TAttachFontGroup& attached = work_.ATTACH_FONT_GROUP;
    switch (list) {
    case LayoutList::AttachText:
        for (const TFontStyle& font : attached.ATTACH_TEXT_FONT)
            labels << font.MARKSTRING;
        break;
    case LayoutList::AttachZhu:
        for (const TFontStyle& font : attached.ATTACH_ZHU_FONT)
            labels << font.MARKSTRING;
        break;
    case LayoutList::CePi:
        for (const TFontStyle& font : work_.CE_PI_ARRAY)
            labels << font.MARKSTRING;
        break;
    case LayoutList::Technique:
        for (const TTechnique& technique : work_.TECH_ARRAY)
            labels << technique.MARK;
        break;
    case LayoutList::Circle:
        for (const TCirclePara& circle : work_.CIRCLE_ARRAY)
            labels << circle.MARK;
        break;
    case LayoutList::QuanDian:
        for (const TQuanDian& set : work_.QUAN_DIAN_ARRAY)
            labels << set.QD_MARK;
        break;
    }
    return labels;
}

bool LayoutDialogModel::GroundDiffers() const
{
    if (!ground_.touched)
        return false;
    if (!ground_.useTexture)
        return style_.GROUND_IMAGE;
    const TImageRef* chosen = ground_.textures.GetAtOrNull(ground_.selected);
    return !style_.GROUND_IMAGE || !chosen || style_.GROUND.name != chosen->name;
}

bool LayoutDialogModel::CheckStyleChanged()
{
    const TStyle& s = style_;
    const TStyle& w = work_;
    const auto pairDiffers = [](const TFontPair& a, const TFontPair& b) {
        return !FontStyleEquals(a.TEXT_FONT, b.TEXT_FONT) || !FontStyleEquals(a.ZHU_FONT, b.ZHU_FONT);
    };
    const bool frame = w.OUT_BORDER != s.OUT_BORDER || w.IN_BORDER != s.IN_BORDER || w.SPACE != s.SPACE;
    const bool boxes = BoxSizeDiffers(w.TEXT_BOX.size, s.TEXT_BOX.size) ||
                       BoxSizeDiffers(w.HEAD_BOX.size, s.HEAD_BOX.size) ||
                       w.TEXT_BOX.DOUBLE_LINE_ZHU != s.TEXT_BOX.DOUBLE_LINE_ZHU ||
                       w.HEAD_BOX.DOUBLE_LINE_ZHU != s.HEAD_BOX.DOUBLE_LINE_ZHU;
    const bool fonts =
        pairDiffers(w.TEXT_BOX.MFONT_GROUP, s.TEXT_BOX.MFONT_GROUP) ||
        pairDiffers(w.HEAD_BOX.MFONT_GROUP, s.HEAD_BOX.MFONT_GROUP) ||
        !FontStyleListEquals(w.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT, s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT) ||
        !FontStyleListEquals(w.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT, s.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT) ||
        !EqualTechniqueLists(w.TECH_ARRAY, s.TECH_ARRAY) || !SameCircleArray(w.CIRCLE_ARRAY, s.CIRCLE_ARRAY) ||
        !SameQuanDianArray(w.QUAN_DIAN_ARRAY, s.QUAN_DIAN_ARRAY) || !FontStyleListEquals(w.CE_PI_ARRAY, s.CE_PI_ARRAY) ||
        pairDiffers(w.MID_UP_FONT, s.MID_UP_FONT) || pairDiffers(w.MID_MID_FONT, s.MID_MID_FONT) ||
        pairDiffers(w.MID_DOWN_FONT, s.MID_DOWN_FONT);
    const bool centre = w.MID_WIDTH != s.MID_WIDTH || w.MID_UP_HEIGHT != s.MID_UP_HEIGHT ||
                        w.MID_MID_HEIGHT != s.MID_MID_HEIGHT || w.MID_LINE != s.MID_LINE ||
                        w.UP_FISH_TYPE != s.UP_FISH_TYPE || w.DOWN_FISH_TYPE != s.DOWN_FISH_TYPE ||
                        w.SHOW_MID_DOWN != s.SHOW_MID_DOWN;
    const bool colours =
        w.SHOW_STAMP != s.SHOW_STAMP || w.BORDER_COLOR != s.BORDER_COLOR || w.BACK_COLOR != s.BACK_COLOR;
    changed_ = frame || boxes || fonts || centre || BiaoDianDiffers(w.BIAO_DIAN, s.BIAO_DIAN) || colours ||
               GroundDiffers();
    return changed_;
}

void LayoutDialogModel::ApplyDialogToStyle()
{
    TStyle& s = style_;
    const TStyle& w = work_;
    s.OUT_BORDER = w.OUT_BORDER;
    s.IN_BORDER = w.IN_BORDER;
    s.SPACE = w.SPACE;
    s.TEXT_BOX.size = w.TEXT_BOX.size;
    s.HEAD_BOX.size = w.HEAD_BOX.size;
    s.TEXT_BOX.size.SPLIT_LINE_WIDTH = w.IN_BORDER;
    s.TEXT_BOX.DOUBLE_LINE_ZHU = w.TEXT_BOX.DOUBLE_LINE_ZHU;
    s.HEAD_BOX.DOUBLE_LINE_ZHU = w.HEAD_BOX.DOUBLE_LINE_ZHU;
    s.TEXT_BOX.MFONT_GROUP = w.TEXT_BOX.MFONT_GROUP;
    s.HEAD_BOX.MFONT_GROUP = w.HEAD_BOX.MFONT_GROUP;
    s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT = w.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT;
    s.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT = w.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT;
    s.TECH_ARRAY = w.TECH_ARRAY;
    s.CIRCLE_ARRAY = w.CIRCLE_ARRAY;
    s.QUAN_DIAN_ARRAY = w.QUAN_DIAN_ARRAY;
    s.CE_PI_ARRAY = w.CE_PI_ARRAY;
    s.MID_UP_FONT = w.MID_UP_FONT;
    s.MID_MID_FONT = w.MID_MID_FONT;
    s.MID_DOWN_FONT = w.MID_DOWN_FONT;
    s.MID_WIDTH = w.MID_WIDTH;
    s.MID_UP_HEIGHT = w.MID_UP_HEIGHT;
    s.MID_MID_HEIGHT = w.MID_MID_HEIGHT;
    s.MID_LINE = w.MID_LINE;
    s.UP_FISH_TYPE = w.UP_FISH_TYPE;
    s.DOWN_FISH_TYPE = w.DOWN_FISH_TYPE;
    s.SHOW_MID_DOWN = w.SHOW_MID_DOWN;
    s.BIAO_DIAN = w.BIAO_DIAN;
    s.SHOW_STAMP = w.SHOW_STAMP;
    s.BORDER_COLOR = w.BORDER_COLOR;
    s.BACK_COLOR = w.BACK_COLOR;
    if (ground_.touched) {
        const TImageRef* chosen = ground_.textures.GetAtOrNull(ground_.selected);
        s.GROUND_IMAGE = ground_.useTexture && chosen;
        if (s.GROUND_IMAGE)
            s.GROUND = *chosen;
    }
    SyncStyleFonts(s);
    ComputeStylePageSize(s, display_);
    s.TEXT_BOX.size.pitch = LinePitch(s.TEXT_BOX.size);
    s.HEAD_BOX.size.pitch = LinePitch(s.HEAD_BOX.size);
    // The working box follows the rule the style now has, so that the next
    // change check does not see the written values as a change.
    work_.TEXT_BOX.size.SPLIT_LINE_WIDTH = s.TEXT_BOX.size.SPLIT_LINE_WIDTH;
    DeriveBoxSize(work_.TEXT_BOX.size);
}

bool LayoutDialogModel::WorkInRange(bool ruleIsInnerFrame) const
{
    TStyle probe = work_;
    if (ruleIsInnerFrame)
        probe.TEXT_BOX.size.SPLIT_LINE_WIDTH = work_.IN_BORDER;
    const std::optional<TLayoutFault> fault = FindLayoutFault(probe);
    if (fault)
        TellUser(LayoutFaultMessage(*fault));
    return !fault;
}

bool LayoutDialogModel::Apply()
{
    if (CheckStyleChanged()) {
        if (!WorkInRange(true))
            return false;
        ApplyDialogToStyle();
        appliedOnce_ = true;
    }
    CheckStyleChanged();
    if (refresh_)
        refresh_();
    return true;
}

bool LayoutDialogModel::Confirm()
{
    if (!CheckStyleChanged())
        return true;
    if (!WorkInRange(true))
        return false;
    ApplyDialogToStyle();
    return true;
}
