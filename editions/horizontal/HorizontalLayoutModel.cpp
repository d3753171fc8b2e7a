#include "editions/horizontal/HorizontalLayoutModel.h"

#include "editions/horizontal/HorizontalBoxSize.h"
#include "editions/vertical/ModernFontEdit.h"

using namespace Qt::StringLiterals;

namespace {

struct FieldSpec {
    HorizontalField field;
    int32_t* (*of)(TStyle&);
    int32_t low, high;  // accepted values
};

constexpr int32_t kAny = INT32_MAX;

const FieldSpec kFields[] = {
    {HorizontalField::TextWidth, [](TStyle& s) { return &s.TEXT_BOX.size.BOX_WIDTH; }, INT32_MIN, kAny},
    {HorizontalField::TextHeight, [](TStyle& s) { return &s.TEXT_BOX.size.BOX_HEIGHT; }, INT32_MIN, kAny},
    {HorizontalField::LeftSpace, [](TStyle& s) { return &s.TEXT_BOX.size.LEFT_SPACE; }, INT32_MIN, kAny},
    {HorizontalField::RightSpace, [](TStyle& s) { return &s.TEXT_BOX.size.RIGHT_SPACE; }, INT32_MIN, kAny},
    // Counts divide the box.
    {HorizontalField::TextPerLine, [](TStyle& s) { return &s.TEXT_BOX.size.TEXT_PER_LINE; }, 1, kAny},
    {HorizontalField::ZhuPerLine, [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_PER_LINE; }, 1, kAny},
    {HorizontalField::WordLines, [](TStyle& s) { return &s.TEXT_BOX.size.WORD_LINES; }, 1, kAny},
    {HorizontalField::ZhuLines, [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_LINES; }, 1, kAny},
    {HorizontalField::HeadHeight, [](TStyle& s) { return &s.PAGE_BAR.HEAD_HEIGHT; }, INT32_MIN, kAny},
    {HorizontalField::FootHeight, [](TStyle& s) { return &s.PAGE_BAR.FOOT_HEIGHT; }, INT32_MIN, kAny},
    {HorizontalField::TitlePos, [](TStyle& s) { return &s.PAGE_BAR.TITLE_POS_TYPE; }, 0, 4},
    {HorizontalField::PagePos, [](TStyle& s) { return &s.PAGE_BAR.PAGE_POS_TYPE; }, 0, 4},
    {HorizontalField::NewVolume, [](TStyle& s) { return &s.NEW_VOLUME_PAGE_TYPE; }, 0, 1},
};

const FieldSpec* SpecOf(HorizontalField field)
{
    for (const FieldSpec& spec : kFields)
        if (spec.field == field)
            return &spec;
    return nullptr;
}

bool* FlagOf(TStyle& s, HorizontalField field)
{
    switch (field) {
    case HorizontalField::ShowHeadLine: return &s.PAGE_BAR.SHOW_HEAD_LINE;
    case HorizontalField::ShowFootLine: return &s.PAGE_BAR.SHOW_FOOT_LINE;
    default: return nullptr;
    }
}

bool InBand(int32_t position, bool header)
{
    return header ? position == TBarPosType::TYPE_HEAD_MID || position == TBarPosType::TYPE_HEAD_SIDE
                  : position == TBarPosType::TYPE_FOOT_MID || position == TBarPosType::TYPE_FOOT_SIDE;
}

double Shown(int64_t length) { return double(length) / 100.0; }

// length / count, 0 for a count of 0 or below.
int64_t Per(int64_t length, int32_t count) { return count > 0 ? length / count : 0; }

bool BarDiffers(const TPageBar& a, const TPageBar& b)
{
    return a.HEAD_HEIGHT != b.HEAD_HEIGHT || a.FOOT_HEIGHT != b.FOOT_HEIGHT || a.SHOW_HEAD_LINE != b.SHOW_HEAD_LINE ||
           a.SHOW_FOOT_LINE != b.SHOW_FOOT_LINE || a.TITLE_POS_TYPE != b.TITLE_POS_TYPE ||
           a.PAGE_POS_TYPE != b.PAGE_POS_TYPE || !FontStyleEquals(a.TITLE_FONT.TEXT_FONT, b.TITLE_FONT.TEXT_FONT) ||
           !FontStyleEquals(a.PAGE_FONT.TEXT_FONT, b.PAGE_FONT.TEXT_FONT);
}

}  // namespace

QStringList HorizontalPunctuationLabels()
{
    return {u"無標點"_s, u"句讀"_s, u"句點"_s, u"標點(全寬)"_s, u"標點(部分半寬)"_s};
}

QStringList BarPositionLabels()
{
    return {u"無標題"_s, u"頁眉，居中"_s, u"頁眉，兩邊"_s, u"頁腳，居中"_s, u"頁腳，兩邊"_s};
}

HorizontalLayoutModel::HorizontalLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display)
    : style_(style), shared_(style, bookOpen, display), bookOpen_(bookOpen), display_(display)
{
    UpdateTextBoxPitches();
    CheckStyleChanged();
}

int32_t HorizontalLayoutModel::Value(HorizontalField field)
{
    if (const FieldSpec* spec = SpecOf(field))
        return *spec->of(Work());
    const bool* flag = FlagOf(Work(), field);
    return flag && *flag ? 1 : 0;
}

bool HorizontalLayoutModel::Set(HorizontalField field, int32_t value)
{
    if (const FieldSpec* spec = SpecOf(field)) {
        if (value < spec->low || (spec->high != kAny && value > spec->high))
            return false;
        *spec->of(Work()) = value;
    } else if (bool* flag = FlagOf(Work(), field)) {
        *flag = value != 0;
    } else {
        return false;
    }
    switch (field) {
    case HorizontalField::HeadHeight: BandHeightEdited(true); break;
    case HorizontalField::FootHeight: BandHeightEdited(false); break;
    case HorizontalField::TextWidth:
    case HorizontalField::TextHeight:
    case HorizontalField::LeftSpace:
    case HorizontalField::RightSpace:
    case HorizontalField::TextPerLine:
    case HorizontalField::ZhuPerLine:
    case HorizontalField::WordLines:
    case HorizontalField::ZhuLines: UpdateTextBoxPitches(); break;
    default: break;  // choosing a position changes no font
    }
    CheckStyleChanged();
    return true;
}

bool HorizontalLayoutModel::SetShared(LayoutField field, int32_t value)
{
    const bool stored = shared_.Set(field, value);
    CheckStyleChanged();
    return stored;
}

void HorizontalLayoutModel::UpdateTextBoxPitches() { DeriveBoxSize(Work().TEXT_BOX.size); }

// A band's height is the cell height of the fonts placed in it.
void HorizontalLayoutModel::BandHeightEdited(bool header)
{
    TPageBar& bar = Work().PAGE_BAR;
    const int32_t height = header ? bar.HEAD_HEIGHT : bar.FOOT_HEIGHT;
    if (InBand(bar.TITLE_POS_TYPE, header))
        bar.TITLE_FONT.TEXT_FONT.WORD_HEIGHT = height;
    if (InBand(bar.PAGE_POS_TYPE, header))
        bar.PAGE_FONT.TEXT_FONT.WORD_HEIGHT = height;
}

double HorizontalLayoutModel::ShownTextAdvance() const { return Shown(Work().TEXT_BOX.size.textCharSize); }
double HorizontalLayoutModel::ShownNoteAdvance() const { return Shown(Work().TEXT_BOX.size.noteCharSize); }

double HorizontalLayoutModel::ShownWordLineHeight() const
{
    const TBoxSize& box = Work().TEXT_BOX.size;
    return Shown(Per(box.BOX_HEIGHT, box.WORD_LINES));
}

double HorizontalLayoutModel::ShownZhuLineHeight() const
{
    const TBoxSize& box = Work().TEXT_BOX.size;
    return Shown(Per(box.BOX_HEIGHT, box.ZHU_LINES));
}

bool HorizontalLayoutModel::EditBoxFont(bool note)
{
    TFontPair& pair = Work().TEXT_BOX.MFONT_GROUP;
    const bool confirmed = EditFontStyle(true, note ? pair.ZHU_FONT : pair.TEXT_FONT, false);
    CheckStyleChanged();
    return confirmed;
}

bool HorizontalLayoutModel::EditBarFont(bool pageNumber)
{
    TPageBar& bar = Work().PAGE_BAR;
    const bool confirmed = EditFontStyle(false, (pageNumber ? bar.PAGE_FONT : bar.TITLE_FONT).TEXT_FONT, false);
    CheckStyleChanged();
    return confirmed;
}

bool HorizontalLayoutModel::EditListEntry(LayoutList list, int32_t index)
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

bool HorizontalLayoutModel::CheckStyleChanged()
{
    const TStyle& w = Work();
    const TStyle& s = style_;
    const bool shared = shared_.CheckStyleChanged();
    changed_ = shared || !BoxSizeEquals(w.TEXT_BOX.size, s.TEXT_BOX.size) ||
               w.NEW_VOLUME_PAGE_TYPE != s.NEW_VOLUME_PAGE_TYPE || BarDiffers(w.PAGE_BAR, s.PAGE_BAR);
    return changed_;
}

void HorizontalLayoutModel::ApplyDialogToStyle()
{
    // The shared part writes the whole grid, fonts, lists, punctuation and
    // background; this dialog has no frame lines, so the grid keeps its rule.
    const int32_t rule = Work().TEXT_BOX.size.SPLIT_LINE_WIDTH;
    shared_.ApplyDialogToStyle();
    TStyle& s = style_;
    TStyle& w = Work();
    s.TEXT_BOX.size.SPLIT_LINE_WIDTH = w.TEXT_BOX.size.SPLIT_LINE_WIDTH = rule;
    s.NEW_VOLUME_PAGE_TYPE = w.NEW_VOLUME_PAGE_TYPE;
    s.PAGE_BAR = w.PAGE_BAR;
    DeriveBoxSize(s.TEXT_BOX.size);
    DeriveBoxSize(w.TEXT_BOX.size);
    ComputeStylePageSize(s, display_);
}

void HorizontalLayoutModel::Apply()
{
    if (CheckStyleChanged()) {
        ApplyDialogToStyle();
        appliedOnce_ = true;
    }
    CheckStyleChanged();
    if (refresh_)
        refresh_();
}

void HorizontalLayoutModel::Confirm()
{
    if (CheckStyleChanged())
        ApplyDialogToStyle();
}

THorizontalControlState HorizontalLayoutModel::Controls() const
{
    return {!bookOpen_, changed_};
}
