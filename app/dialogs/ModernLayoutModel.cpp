#include "app/dialogs/ModernLayoutModel.h"

#include "app/dialogs/ModernFontEdit.h"

ModernLayoutModel::ModernLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display)
    : style_(style), shared_(style, bookOpen, display), bookOpen_(bookOpen), display_(display)
{
    // The shared model derives the woodblock grid; this edition's rule holds.
    DeriveBoxSize(Work().TEXT_BOX.size);
}

bool ModernLayoutModel::SetShared(LayoutField field, int32_t value)
{
    const bool stored = shared_.Set(field, value);
    CheckStyleChanged();
    return stored;
}

bool ModernLayoutModel::SetNewVolume(int32_t type)
{
    if (type != TNewVolumePageType::NEXT_PAGE && type != TNewVolumePageType::NEXT_SINGLAR_PAGE)
        return false;
    Work().NEW_VOLUME_PAGE_TYPE = type;
    CheckStyleChanged();
    return true;
}

bool ModernLayoutModel::EditBoxFont(bool note)
{
    TFontPair& pair = Work().TEXT_BOX.MFONT_GROUP;
    const bool confirmed = EditFontStyle(true, note ? pair.ZHU_FONT : pair.TEXT_FONT, false);
    CheckStyleChanged();
    return confirmed;
}

bool ModernLayoutModel::EditListEntry(LayoutList list, int32_t index)
{
    if (list != LayoutList::AttachText && list != LayoutList::AttachZhu) {
        const bool edited = shared_.EditListEntry(list, index);
        CheckStyleChanged();
        return edited;
    }
    TAttachFontGroup& attached = Work().ATTACH_FONT_GROUP;
    TFontStyleList& fonts = list == LayoutList::AttachText ? attached.ATTACH_TEXT_FONT : attached.ATTACH_ZHU_FONT;
    TFontStyle* font = fonts.GetAtOrNull(index);
    const bool edited = font && EditFontStyle(true, *font, false);
    CheckStyleChanged();
    return edited;
}

bool ModernLayoutModel::CheckStyleChanged()
{
    const bool shared = shared_.CheckStyleChanged();
    // The three punctuation values count in every mode (the woodblock
    // dialog ignores the colour where the mode draws none).
    const TBiaoDianPara& a = Work().BIAO_DIAN;
    const TBiaoDianPara& b = style_.BIAO_DIAN;
    const bool punctuation = a.BIAODIAN_TYPE != b.BIAODIAN_TYPE || a.USE_TEXT_COLOR != b.USE_TEXT_COLOR ||
                             a.BIAO_DIAN_COLOR != b.BIAO_DIAN_COLOR;
    changed_ = shared || punctuation || Work().NEW_VOLUME_PAGE_TYPE != style_.NEW_VOLUME_PAGE_TYPE ||
               OwnPartDiffers(Work(), style_);
    return changed_;
}

void ModernLayoutModel::ApplyDialogToStyle()
{
    // The shared part writes the whole grid, the fonts, lists, punctuation
    // and background. These dialogs have no frame lines: the grid keeps its
    // rule and this edition's derived values.
    const int32_t rule = Work().TEXT_BOX.size.SPLIT_LINE_WIDTH;
    shared_.ApplyDialogToStyle();
    TStyle& s = style_;
    TStyle& w = Work();
    s.TEXT_BOX.size.SPLIT_LINE_WIDTH = w.TEXT_BOX.size.SPLIT_LINE_WIDTH = rule;
    DeriveBoxSize(s.TEXT_BOX.size);
    DeriveBoxSize(w.TEXT_BOX.size);
    s.NEW_VOLUME_PAGE_TYPE = w.NEW_VOLUME_PAGE_TYPE;
    ApplyOwnPart(w, s);
    ComputeStylePageSize(s, display_);
}

bool ModernLayoutModel::Apply()
{
    if (CheckStyleChanged()) {
        if (!shared_.WorkInRange(false))
            return false;
        ApplyDialogToStyle();
        appliedOnce_ = true;
    }
    CheckStyleChanged();
    if (refresh_)
        refresh_();
    return true;
}

bool ModernLayoutModel::Confirm()
{
    if (!CheckStyleChanged())
        return true;
    if (!shared_.WorkInRange(false))
        return false;
    ApplyDialogToStyle();
    return true;
}

const TModernField* FindModernField(const TModernField* begin, const TModernField* end, int32_t field)
{
    for (const TModernField* spec = begin; spec != end; ++spec)
        if (spec->field == field)
            return spec;
    return nullptr;
}

bool StoreModernField(const TModernField* spec, TStyle& work, int32_t value)
{
    if (!spec || value < spec->low || value > spec->high)
        return false;
    *spec->of(work) = value;
    return true;
}
