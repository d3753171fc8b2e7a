// The range table of the layout values and the check over a style.
#include "foundation/params/LayoutRanges.h"

#include <algorithm>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"

using namespace Qt::StringLiterals;

namespace {

// The editions a row applies to.
enum : uint8_t { W = 1, V = 2, H = 4, WV = W | V, VH = V | H, ALL = W | V | H };

using Value = int32_t (*)(const TStyle&);
using Bound = int64_t (*)(const TStyle&);

struct Row {
    uint8_t editions;
    const char16_t* caption;
    TRangeUnit unit;
    Value value;
    Bound min;
    Bound max;
};

template <int64_t N>
int64_t Fixed(const TStyle&)
{
    return N;
}

const TBoxSize& Text(const TStyle& s) { return s.TEXT_BOX.size; }
const TBoxSize& Head(const TStyle& s) { return s.HEAD_BOX.size; }

// Room a count may cut into cells of one pixel at least; at least one cell.
int64_t CellsIn(int64_t length, int64_t cell = kMinLayoutCell) { return std::max<int64_t>(length / cell, 1); }

// The column length of the woodblock and vertical text box, and the line
// length of the horizontal one.
int64_t ColumnLength(const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) - Text(s).TOP_SPACE - Text(s).BOTTOM_SPACE; }
int64_t LineLength(const TStyle& s) { return int64_t(Text(s).BOX_WIDTH) - Text(s).LEFT_SPACE - Text(s).RIGHT_SPACE; }

// Columns no narrower than a cell beside their rules.
int64_t MaxColumns(const TBoxSize& box)
{
    return CellsIn(int64_t(box.BOX_WIDTH) + box.SPLIT_LINE_WIDTH, int64_t(box.SPLIT_LINE_WIDTH) + kMinLayoutCell);
}

// A length the text font's cell must fit in, clamped into the length range.
int64_t AtLeastCell(int32_t cell) { return std::clamp<int64_t>(cell, kMinLayoutCell, kMaxLayoutLength); }

constexpr TRangeUnit L = TRangeUnit::Length;
constexpr TRangeUnit C = TRangeUnit::Count;
constexpr int64_t kLength = kMaxLayoutLength;
constexpr int64_t kLine = kMaxLayoutLineWidth;
constexpr int64_t kCount = kMaxLayoutCount;
constexpr int64_t kCell = kMinLayoutCell;

// In check order: a value is checked after those its bounds derive from.
const Row kRows[] = {
    // The frame (woodblock).
    {W, u"外框綫粗", L, [](const TStyle& s) { return s.OUT_BORDER; }, Fixed<0>, Fixed<kLine>},
    {W, u"内框綫粗", L, [](const TStyle& s) { return s.IN_BORDER; }, Fixed<0>, Fixed<kLine>},
    {W, u"内外框留白", L, [](const TStyle& s) { return s.SPACE; }, Fixed<0>, Fixed<kLength>},
    // The text box: its sides, its blanks, then the counts that cut it.
    {WV | H, u"頁內框寬", L, [](const TStyle& s) { return Text(s).BOX_WIDTH; },
     [](const TStyle& s) {
         // A vertical column is as wide as the text font's cell at least.
         return g_Edition->Kind() == EditionKind::Vertical ? AtLeastCell(s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH)
                                                           : kCell;
     },
     Fixed<kLength>},
    {ALL, u"頁內框高", L, [](const TStyle& s) { return Text(s).BOX_HEIGHT; },
     [](const TStyle& s) {
         // A horizontal line is as high as the text font's cell at least.
         return g_Edition->Kind() == EditionKind::Horizontal ? AtLeastCell(s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT)
                                                             : kCell;
     },
     Fixed<kLength>},
    {ALL, u"行間綫粗", L, [](const TStyle& s) { return Text(s).SPLIT_LINE_WIDTH; }, Fixed<0>, Fixed<kLine>},
    {WV, u"頂部空白", L, [](const TStyle& s) { return Text(s).TOP_SPACE; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) - kCell; }},
    {WV, u"底部空白", L, [](const TStyle& s) { return Text(s).BOTTOM_SPACE; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) - Text(s).TOP_SPACE - kCell; }},
    {H, u"左邊空白", L, [](const TStyle& s) { return Text(s).LEFT_SPACE; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_WIDTH) - kCell; }},
    {H, u"右邊空白", L, [](const TStyle& s) { return Text(s).RIGHT_SPACE; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_WIDTH) - Text(s).LEFT_SPACE - kCell; }},
    {W, u"每頁行數", C, [](const TStyle& s) { return Text(s).LINES; }, Fixed<1>,
     [](const TStyle& s) { return MaxColumns(Text(s)); }},
    {VH, u"每頁行數", C, [](const TStyle& s) { return Text(s).LINES; }, Fixed<1>, Fixed<kCount>},
    {WV, u"每行大字", C, [](const TStyle& s) { return Text(s).TEXT_PER_LINE; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(ColumnLength(s)); }},
    {WV, u"每行小字", C, [](const TStyle& s) { return Text(s).ZHU_PER_LINE; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(ColumnLength(s)); }},
    {H, u"每行大字", C, [](const TStyle& s) { return Text(s).TEXT_PER_LINE; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(LineLength(s)); }},
    {H, u"每行小字", C, [](const TStyle& s) { return Text(s).ZHU_PER_LINE; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(LineLength(s)); }},
    {H, u"大字行數", C, [](const TStyle& s) { return Text(s).WORD_LINES; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(Text(s).BOX_HEIGHT); }},
    {H, u"小字行數", C, [](const TStyle& s) { return Text(s).ZHU_LINES; }, Fixed<1>,
     [](const TStyle& s) { return CellsIn(Text(s).BOX_HEIGHT); }},
    // The head box (woodblock; the vertical record keeps one it never shows).
    {WV, u"頁眉框頁內框寬", L, [](const TStyle& s) { return Head(s).BOX_WIDTH; }, Fixed<0>, Fixed<kLength>},
    {WV, u"頁眉框頁內框高", L, [](const TStyle& s) { return Head(s).BOX_HEIGHT; }, Fixed<0>, Fixed<kLength>},
    {WV, u"頁眉框頂部空白", L, [](const TStyle& s) { return Head(s).TOP_SPACE; }, Fixed<0>, Fixed<kLength>},
    {WV, u"頁眉框底部空白", L, [](const TStyle& s) { return Head(s).BOTTOM_SPACE; }, Fixed<0>, Fixed<kLength>},
    {WV, u"頁眉框行間綫粗", L, [](const TStyle& s) { return Head(s).SPLIT_LINE_WIDTH; }, Fixed<0>, Fixed<kLine>},
    {WV, u"頁眉框每頁行數", C, [](const TStyle& s) { return Head(s).LINES; }, Fixed<0>, Fixed<kCount>},
    {WV, u"頁眉框每行大字", C, [](const TStyle& s) { return Head(s).TEXT_PER_LINE; }, Fixed<0>, Fixed<kCount>},
    {WV, u"頁眉框每行小字", C, [](const TStyle& s) { return Head(s).ZHU_PER_LINE; }, Fixed<0>, Fixed<kCount>},
    // The centre column (woodblock): its parts fit the box's height.
    {W, u"寬度", L, [](const TStyle& s) { return s.MID_WIDTH; }, Fixed<0>, Fixed<kLength>},
    {W, u"上部高度", L, [](const TStyle& s) { return s.MID_UP_HEIGHT; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT); }},
    {W, u"中部高度", L, [](const TStyle& s) { return s.MID_MID_HEIGHT; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) - s.MID_UP_HEIGHT; }},
    {W, u"中縫黑綫", L, [](const TStyle& s) { return s.MID_LINE; }, Fixed<0>,
     [](const TStyle& s) { return std::min<int64_t>(s.MID_WIDTH, kLine); }},
    {W, u"上魚尾", C, [](const TStyle& s) { return s.UP_FISH_TYPE; }, Fixed<0>, Fixed<2>},
    {W, u"下魚尾", C, [](const TStyle& s) { return s.DOWN_FISH_TYPE; }, Fixed<0>, Fixed<2>},
    // The vertical side box: its texts stand within the page's height.
    {V, u"框寬", L, [](const TStyle& s) { return s.SIDE_BOX.BOX_WIDTH; }, Fixed<0>, Fixed<kLength>},
    {V, u"標題框高", L, [](const TStyle& s) { return s.SIDE_BOX.BOX_HEIGHT; }, Fixed<0>, Fixed<kLength>},
    {V, u"標題位置", L, [](const TStyle& s) { return s.SIDE_BOX.BOX_TITLE_POS; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) + Head(s).BOX_HEIGHT; }},
    {V, u"頁碼位置", L, [](const TStyle& s) { return s.SIDE_BOX.BOX_PAGE_POS; }, Fixed<0>,
     [](const TStyle& s) { return int64_t(Text(s).BOX_HEIGHT) + Head(s).BOX_HEIGHT; }},
    // The horizontal header and footer.
    {H, u"頁眉框高", L, [](const TStyle& s) { return s.PAGE_BAR.HEAD_HEIGHT; }, Fixed<0>, Fixed<kLength>},
    {H, u"頁腳框高", L, [](const TStyle& s) { return s.PAGE_BAR.FOOT_HEIGHT; }, Fixed<0>, Fixed<kLength>},
    {H, u"標題位置", C, [](const TStyle& s) { return s.PAGE_BAR.TITLE_POS_TYPE; }, Fixed<0>, Fixed<4>},
    {H, u"頁碼位置", C, [](const TStyle& s) { return s.PAGE_BAR.PAGE_POS_TYPE; }, Fixed<0>, Fixed<4>},
    {VH, u"新卷起始頁", C, [](const TStyle& s) { return s.NEW_VOLUME_PAGE_TYPE; }, Fixed<0>, Fixed<1>},
    {ALL, u"標點", C, [](const TStyle& s) { return int32_t(s.BIAO_DIAN.BIAODIAN_TYPE); }, Fixed<0>, Fixed<4>},
};

// The lengths of a font, by the captions of the font dialog.
struct FontField {
    const char16_t* caption;
    int32_t TFontStyle::*field;
    int32_t max;
};
const FontField kFontFields[] = {
    {u"字高", &TFontStyle::SIZE, kMaxGlyphSize},
    {u"字寬", &TFontStyle::WIDTH, kMaxGlyphSize},
    {u"間距", &TFontStyle::WORD_HEIGHT, kMaxLayoutLength},
    {u"行寬", &TFontStyle::WORD_WIDTH, kMaxLayoutLength},
    {u"框寬", &TFontStyle::OUTLINE_WIDTH, kMaxLayoutLineWidth},
};

// The style's fonts by the captions of their buttons.
struct FontRow {
    uint8_t editions;
    const char16_t* caption;
    const TFontStyle& (*font)(const TStyle&);
};
const FontRow kFonts[] = {
    {ALL, u"正文字體", [](const TStyle& s) -> const TFontStyle& { return s.TEXT_BOX.MFONT_GROUP.TEXT_FONT; }},
    {ALL, u"注文字體", [](const TStyle& s) -> const TFontStyle& { return s.TEXT_BOX.MFONT_GROUP.ZHU_FONT; }},
    {WV, u"頁眉框正文字體", [](const TStyle& s) -> const TFontStyle& { return s.HEAD_BOX.MFONT_GROUP.TEXT_FONT; }},
    {WV, u"頁眉框注文字體", [](const TStyle& s) -> const TFontStyle& { return s.HEAD_BOX.MFONT_GROUP.ZHU_FONT; }},
    {W, u"上部文字大字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_UP_FONT.TEXT_FONT; }},
    {W, u"上部文字小字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_UP_FONT.ZHU_FONT; }},
    {W, u"中部文字大字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_MID_FONT.TEXT_FONT; }},
    {W, u"中部文字小字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_MID_FONT.ZHU_FONT; }},
    {W, u"下部文字大字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_DOWN_FONT.TEXT_FONT; }},
    {W, u"下部文字小字字體", [](const TStyle& s) -> const TFontStyle& { return s.MID_DOWN_FONT.ZHU_FONT; }},
    {V, u"標題字體", [](const TStyle& s) -> const TFontStyle& { return s.SIDE_BOX.TITLE_FONT.TEXT_FONT; }},
    {V, u"頁碼字體", [](const TStyle& s) -> const TFontStyle& { return s.SIDE_BOX.PAGE_FONT.TEXT_FONT; }},
    {H, u"標題字體", [](const TStyle& s) -> const TFontStyle& { return s.PAGE_BAR.TITLE_FONT.TEXT_FONT; }},
    {H, u"頁碼字體", [](const TStyle& s) -> const TFontStyle& { return s.PAGE_BAR.PAGE_FONT.TEXT_FONT; }},
};

uint8_t InstalledEdition()
{
    if (!g_Edition)
        return W;
    switch (g_Edition->Kind()) {
    case EditionKind::Vertical: return V;
    case EditionKind::Horizontal: return H;
    case EditionKind::Woodblock: break;
    }
    return W;
}

// The fault of one value, when it lies outside [min, max] (max raised to
// min where a derived bound falls below it).
std::optional<TLayoutFault> Outside(QString field, TRangeUnit unit, int64_t value, int64_t min, int64_t max)
{
    min = std::clamp<int64_t>(min, INT32_MIN, INT32_MAX);
    max = std::clamp<int64_t>(std::max(min, max), INT32_MIN, INT32_MAX);
    if (value >= min && value <= max)
        return std::nullopt;
    return TLayoutFault{std::move(field), QString(), int32_t(value), int32_t(min), int32_t(max), unit};
}

std::optional<TLayoutFault> FontFault(const QString& caption, const TFontStyle& font)
{
    for (const FontField& f : kFontFields)
        if (auto fault = Outside(caption + QString::fromUtf16(f.caption), L, font.*f.field, 0, f.max))
            return fault;
    return std::nullopt;
}

// The fonts of a list, each named by the list's caption and its code.
std::optional<TLayoutFault> ListFontFault(const char16_t* caption, const TFontStyleList& list)
{
    for (const TFontStyle& font : list)
        if (auto fault = FontFault(QString::fromUtf16(caption) + font.MARKSTRING, font))
            return fault;
    return std::nullopt;
}

std::optional<TLayoutFault> ListFault(const TStyle& style, uint8_t edition)
{
    if (auto fault = ListFontFault(u"正文附屬字體", style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT))
        return fault;
    if (auto fault = ListFontFault(u"注文附屬字體", style.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT))
        return fault;
    if (edition == W)
        if (auto fault = ListFontFault(u"側批參數", style.CE_PI_ARRAY))
            return fault;
    for (const TTechnique& t : style.TECH_ARRAY)
        if (auto fault = Outside(u"特殊格式參數"_s + t.MARK + u"綫粗"_s, L, t.LINES_WIDTH, 0, kLine))
            return fault;
    for (const TCirclePara& c : style.CIRCLE_ARRAY) {
        if (auto fault = Outside(u"帶圈文字參數"_s + c.MARK + u"綫粗"_s, L, c.LINES_WIDTH, 0, kLine))
            return fault;
        if (auto fault = FontFault(u"帶圈文字參數"_s + c.MARK, c.font))
            return fault;
    }
    for (const TQuanDian& q : style.QUAN_DIAN_ARRAY)
        for (const TQdChar& mark : q.marks) {
            const QString caption = u"圈點參數"_s + q.QD_MARK;
            if (auto fault = FontFault(caption, mark.font))
                return fault;
            for (const int32_t move : {mark.X_MOVE, mark.Y_MOVE})
                if (auto fault = Outside(caption + u"位移"_s, L, move, -kLength, kLength))
                    return fault;
        }
    return std::nullopt;
}

// A length as the dialogs show it: hundredths with no trailing zeros.
QString ShownValue(int32_t value, TRangeUnit unit)
{
    if (unit == TRangeUnit::Count)
        return QString::number(value);
    QString text = QString::number(double(value) / 100.0, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

}  // namespace

std::optional<TLayoutFault> FindLayoutFault(const TStyle& style)
{
    const uint8_t edition = InstalledEdition();
    std::optional<TLayoutFault> fault;
    for (const Row& row : kRows)
        if ((row.editions & edition) != 0
            && (fault = Outside(QString::fromUtf16(row.caption), row.unit, row.value(style), row.min(style), row.max(style))))
            break;
    for (const FontRow& row : kFonts)
        if (!fault && (row.editions & edition) != 0)
            fault = FontFault(QString::fromUtf16(row.caption), row.font(style));
    if (!fault)
        fault = ListFault(style, edition);
    if (fault)
        fault->styleName = style.NAME;
    return fault;
}

std::optional<TLayoutFault> FindLayoutFault(const TCoverPara& cover)
{
    auto fault = FontFault(u"封面大字字體"_s, cover.COVER_FONT.TEXT_FONT);
    if (!fault)
        fault = FontFault(u"封面小字字體"_s, cover.COVER_FONT.ZHU_FONT);
    if (fault)
        fault->styleName = cover.NAME;
    return fault;
}

std::optional<TLayoutFault> FindLayoutFault(const TParaSet& set)
{
    for (const TCoverPara& cover : set.covers)
        if (auto fault = FindLayoutFault(cover))
            return fault;
    for (const TStyle& style : set.styles)
        if (auto fault = FindLayoutFault(style))
            return fault;
    return std::nullopt;
}

QString LayoutFaultMessage(const TLayoutFault& fault)
{
    return u"%1應在%2至%3之間，不能是%4！"_s.arg(fault.field, ShownValue(fault.min, fault.unit),
                                                 ShownValue(fault.max, fault.unit), ShownValue(fault.value, fault.unit));
}
