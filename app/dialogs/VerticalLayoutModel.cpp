#include "app/dialogs/VerticalLayoutModel.h"

#include <iterator>

#include "app/dialogs/ModernFontEdit.h"

using namespace Qt::StringLiterals;

namespace {

using F = VerticalField;
constexpr int32_t kAny = INT32_MAX;
constexpr int32_t kLeast = INT32_MIN;

constexpr TModernField kFields[] = {
    {int32_t(F::TextWidth), [](TStyle& s) { return &s.TEXT_BOX.size.BOX_WIDTH; }, kLeast, kAny},
    {int32_t(F::TextHeight), [](TStyle& s) { return &s.TEXT_BOX.size.BOX_HEIGHT; }, kLeast, kAny},
    {int32_t(F::TopSpace), [](TStyle& s) { return &s.TEXT_BOX.size.TOP_SPACE; }, kLeast, kAny},
    {int32_t(F::BottomSpace), [](TStyle& s) { return &s.TEXT_BOX.size.BOTTOM_SPACE; }, kLeast, kAny},
    // Counts divide the box.
    {int32_t(F::TextPerLine), [](TStyle& s) { return &s.TEXT_BOX.size.TEXT_PER_LINE; }, 1, kAny},
    {int32_t(F::ZhuPerLine), [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_PER_LINE; }, 1, kAny},
    {int32_t(F::SideWidth), [](TStyle& s) { return &s.SIDE_BOX.BOX_WIDTH; }, kLeast, kAny},
    {int32_t(F::TitlePos), [](TStyle& s) { return &s.SIDE_BOX.BOX_TITLE_POS; }, kLeast, kAny},
    {int32_t(F::PagePos), [](TStyle& s) { return &s.SIDE_BOX.BOX_PAGE_POS; }, kLeast, kAny},
};

const TModernField* SpecOf(VerticalField field)
{
    return FindModernField(std::begin(kFields), std::end(kFields), int32_t(field));
}

}  // namespace

QStringList VerticalPunctuationLabels()
{
    return {u"無標點"_s, u"句讀"_s, u"句點"_s, u"標點(全高)"_s, u"標點(部分半高)"_s};
}

VerticalLayoutModel::VerticalLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display)
    : ModernLayoutModel(style, bookOpen, display)
{
    CheckStyleChanged();
}

int32_t* VerticalLayoutModel::Field(VerticalField field)
{
    const TModernField* spec = SpecOf(field);
    return spec ? spec->of(Work()) : nullptr;
}

int32_t VerticalLayoutModel::Value(VerticalField field)
{
    const int32_t* value = Field(field);
    return value ? *value : 0;
}

bool VerticalLayoutModel::Set(VerticalField field, int32_t value)
{
    if (!StoreModernField(SpecOf(field), Work(), value))
        return false;
    switch (field) {
    case F::SideWidth: {
        // The side box's width is the cell width of its two texts.
        TSideBox& side = Work().SIDE_BOX;
        side.TITLE_FONT.TEXT_FONT.WORD_WIDTH = side.BOX_WIDTH;
        side.PAGE_FONT.TEXT_FONT.WORD_WIDTH = side.BOX_WIDTH;
        break;
    }
    case F::TextHeight:
    case F::TopSpace:
    case F::BottomSpace:
    case F::TextPerLine:
    case F::ZhuPerLine: DeriveBoxSize(Work().TEXT_BOX.size); break;  // the fonts keep their heights
    default: break;
    }
    CheckStyleChanged();
    return true;
}

double VerticalLayoutModel::ShownTextPitch() const { return double(Work().TEXT_BOX.size.textCharSize) / 100.0; }
double VerticalLayoutModel::ShownNotePitch() const { return double(Work().TEXT_BOX.size.noteCharSize) / 100.0; }

bool VerticalLayoutModel::EditSideFont(bool pageNumber)
{
    TSideBox& side = Work().SIDE_BOX;
    const bool confirmed = EditFontStyle(false, (pageNumber ? side.PAGE_FONT : side.TITLE_FONT).TEXT_FONT, false);
    CheckStyleChanged();
    return confirmed;
}

bool VerticalLayoutModel::OwnPartDiffers(const TStyle& w, const TStyle& s) const
{
    const TSideBox& a = w.SIDE_BOX;
    const TSideBox& b = s.SIDE_BOX;
    return a.BOX_WIDTH != b.BOX_WIDTH || a.BOX_TITLE_POS != b.BOX_TITLE_POS || a.BOX_PAGE_POS != b.BOX_PAGE_POS ||
           !FontStyleEquals(a.TITLE_FONT.TEXT_FONT, b.TITLE_FONT.TEXT_FONT) ||
           !FontStyleEquals(a.PAGE_FONT.TEXT_FONT, b.PAGE_FONT.TEXT_FONT);
}

void VerticalLayoutModel::ApplyOwnPart(TStyle& work, TStyle& style)
{
    TSideBox& side = style.SIDE_BOX;
    side.BOX_WIDTH = work.SIDE_BOX.BOX_WIDTH;
    side.BOX_TITLE_POS = work.SIDE_BOX.BOX_TITLE_POS;
    side.BOX_PAGE_POS = work.SIDE_BOX.BOX_PAGE_POS;
    side.TITLE_FONT.TEXT_FONT = work.SIDE_BOX.TITLE_FONT.TEXT_FONT;
    side.PAGE_FONT.TEXT_FONT = work.SIDE_BOX.PAGE_FONT.TEXT_FONT;
}
