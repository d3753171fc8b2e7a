#include "app/dialogs/HorizontalLayoutModel.h"

#include <iterator>

#include "app/dialogs/ModernFontEdit.h"

using namespace Qt::StringLiterals;

namespace {

using F = HorizontalField;
constexpr int32_t kAny = INT32_MAX;
constexpr int32_t kLeast = INT32_MIN;

constexpr TModernField kFields[] = {
    {int32_t(F::TextWidth), [](TStyle& s) { return &s.TEXT_BOX.size.BOX_WIDTH; }, kLeast, kAny},
    {int32_t(F::TextHeight), [](TStyle& s) { return &s.TEXT_BOX.size.BOX_HEIGHT; }, kLeast, kAny},
    {int32_t(F::LeftSpace), [](TStyle& s) { return &s.TEXT_BOX.size.LEFT_SPACE; }, kLeast, kAny},
    {int32_t(F::RightSpace), [](TStyle& s) { return &s.TEXT_BOX.size.RIGHT_SPACE; }, kLeast, kAny},
    // Counts divide the box.
    {int32_t(F::TextPerLine), [](TStyle& s) { return &s.TEXT_BOX.size.TEXT_PER_LINE; }, 1, kAny},
    {int32_t(F::ZhuPerLine), [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_PER_LINE; }, 1, kAny},
    {int32_t(F::WordLines), [](TStyle& s) { return &s.TEXT_BOX.size.WORD_LINES; }, 1, kAny},
    {int32_t(F::ZhuLines), [](TStyle& s) { return &s.TEXT_BOX.size.ZHU_LINES; }, 1, kAny},
    {int32_t(F::HeadHeight), [](TStyle& s) { return &s.PAGE_BAR.HEAD_HEIGHT; }, kLeast, kAny},
    {int32_t(F::FootHeight), [](TStyle& s) { return &s.PAGE_BAR.FOOT_HEIGHT; }, kLeast, kAny},
    {int32_t(F::TitlePos), [](TStyle& s) { return &s.PAGE_BAR.TITLE_POS_TYPE; }, 0, TBarPosType::TYPE_FOOT_SIDE},
    {int32_t(F::PagePos), [](TStyle& s) { return &s.PAGE_BAR.PAGE_POS_TYPE; }, 0, TBarPosType::TYPE_FOOT_SIDE},
};

const TModernField* SpecOf(HorizontalField field)
{
    return FindModernField(std::begin(kFields), std::end(kFields), int32_t(field));
}

bool* FlagOf(TStyle& s, HorizontalField field)
{
    switch (field) {
    case F::ShowHeadLine: return &s.PAGE_BAR.SHOW_HEAD_LINE;
    case F::ShowFootLine: return &s.PAGE_BAR.SHOW_FOOT_LINE;
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

// Whether two grids agree on their stored values: the derived ones are
// worked out again on copies, so that they cannot differ on their own.
bool SameGrid(TBoxSize a, TBoxSize b)
{
    DeriveBoxSize(a);
    DeriveBoxSize(b);
    return a == b;
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
    : ModernLayoutModel(style, bookOpen, display)
{
    CheckStyleChanged();
}

int32_t HorizontalLayoutModel::Value(HorizontalField field)
{
    if (const TModernField* spec = SpecOf(field))
        return *spec->of(Work());
    const bool* flag = FlagOf(Work(), field);
    return flag && *flag ? 1 : 0;
}

bool HorizontalLayoutModel::Set(HorizontalField field, int32_t value)
{
    if (bool* flag = FlagOf(Work(), field))
        *flag = value != 0;
    else if (!StoreModernField(SpecOf(field), Work(), value))
        return false;
    switch (field) {
    case F::HeadHeight: BandHeightEdited(true); break;
    case F::FootHeight: BandHeightEdited(false); break;
    case F::TextWidth:
    case F::TextHeight:
    case F::LeftSpace:
    case F::RightSpace:
    case F::TextPerLine:
    case F::ZhuPerLine:
    case F::WordLines:
    case F::ZhuLines: DeriveBoxSize(Work().TEXT_BOX.size); break;
    default: break;  // choosing a position changes no font
    }
    CheckStyleChanged();
    return true;
}

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

bool HorizontalLayoutModel::EditBarFont(bool pageNumber)
{
    TPageBar& bar = Work().PAGE_BAR;
    const bool confirmed = EditFontStyle(false, (pageNumber ? bar.PAGE_FONT : bar.TITLE_FONT).TEXT_FONT, false);
    CheckStyleChanged();
    return confirmed;
}

bool HorizontalLayoutModel::OwnPartDiffers(const TStyle& w, const TStyle& s) const
{
    const TPageBar& a = w.PAGE_BAR;
    const TPageBar& b = s.PAGE_BAR;
    return !SameGrid(w.TEXT_BOX.size, s.TEXT_BOX.size) || a.HEAD_HEIGHT != b.HEAD_HEIGHT ||
           a.FOOT_HEIGHT != b.FOOT_HEIGHT || a.SHOW_HEAD_LINE != b.SHOW_HEAD_LINE ||
           a.SHOW_FOOT_LINE != b.SHOW_FOOT_LINE || a.TITLE_POS_TYPE != b.TITLE_POS_TYPE ||
           a.PAGE_POS_TYPE != b.PAGE_POS_TYPE || !FontStyleEquals(a.TITLE_FONT.TEXT_FONT, b.TITLE_FONT.TEXT_FONT) ||
           !FontStyleEquals(a.PAGE_FONT.TEXT_FONT, b.PAGE_FONT.TEXT_FONT);
}

void HorizontalLayoutModel::ApplyOwnPart(TStyle& work, TStyle& style) { style.PAGE_BAR = work.PAGE_BAR; }
