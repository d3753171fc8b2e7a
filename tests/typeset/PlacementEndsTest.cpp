// Placement ends and loses no text whatever the sizes: cells longer than a
// column, columns of one cell that marks may not start or end, advances of
// 0 or below, boxes without room, wild indents.
#include <functional>

#include "TypesetRunTest.h"
#include "foundation/text/StringUtils.h"

using namespace Qt::StringLiterals;

namespace {

// The characters the columns show, in order.
QString Shown(const std::vector<QString>& columns)
{
    QString text;
    for (QString column : columns) {
        StripAngleTags(column);
        text += column.remove(QChar(0x3000));
    }
    return text;
}

struct Case {
    const char* name;
    std::function<void(TStyle&)> setup;
    std::vector<QString> lines;
    const char16_t* shown;
};

class PlacementEnds : public TypesetRunTest {};

}  // namespace

TEST_F(PlacementEnds, EveryTextIsPlacedWhole)
{
    auto textHeight = [](int32_t height) {
        return [=](TStyle& s) { s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT = height; };
    };
    auto noteHeight = [](int32_t height) {
        return [=](TStyle& s) { s.TEXT_BOX.MFONT_GROUP.ZHU_FONT.WORD_HEIGHT = height; };
    };
    auto oneCellColumns = [](TStyle& s) {
        s.TEXT_BOX.size.BOX_HEIGHT = 1000;
        s.TEXT_BOX.size.TEXT_PER_LINE = 1;
        s.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    };
    const Case cases[] = {
        {"cell longer than a column", textHeight(20000), {u"甲乙丙"_s}, u"甲乙丙"},
        {"note cell longer than a column", noteHeight(30000), {u"甲【ZW】一二三【-ZW】乙"_s}, u"甲一二三乙"},
        {"given halves longer than a column", noteHeight(30000), {u"【ZW】一【|】二三四【-ZW】"_s}, u"一二三四"},
        {"book title in one-cell columns", oneCellColumns, {u"甲《乙》丙"_s}, u"甲︽乙︾丙"},
        {"opening marks in one-cell columns", oneCellColumns, {u"「「「甲」」」"_s}, u"﹁﹁﹁甲﹂﹂﹂"},
        {"note in one-cell columns", oneCellColumns, {u"【ZW】「「一」」【-ZW】"_s}, u"﹁﹁一﹂﹂"},
        {"no advance", textHeight(0), {u"一二三四五六七八九十甲乙丙"_s}, u"一二三四五六七八九十甲乙丙"},
        {"negative advance", textHeight(-1000), {u"一二三【ZW】四五【-ZW】"_s}, u"一二三四五"},
        {"spacing of no cells", {}, {u"【ZJ0】甲乙【-ZJ】丙"_s}, u"甲乙丙"},
        {"right half of only tags", {}, {u"【ZW】一【|】二【-ZW】【ZW】【ZJ】【|】六七【-ZW】"_s}, u"一二六七"},
        {"no columns per page", [](TStyle& s) { s.TEXT_BOX.size.LINES = 0; }, {u"甲乙"_s, u"丙"_s}, u"甲乙丙"},
        {"no room in a column", [](TStyle& s) { s.TEXT_BOX.size.TOP_SPACE = 20000; }, {u"甲乙"_s}, u"甲乙"},
    };
    for (const Case& c : cases) {
        MakeFixtureStyle(style);
        if (c.setup)
            c.setup(style);
        EXPECT_EQ(Shown(ColumnsOf(c.lines)), S(c.shown)) << c.name;
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }
}

TEST_F(PlacementEnds, BoxWithoutHeightSetsNothing)
{
    style.TEXT_BOX.size.BOX_HEIGHT = 0;
    EXPECT_TRUE(ColumnsOf({u"甲乙"_s}).empty());
}

TEST_F(PlacementEnds, IndentNeverExceedsTheColumn)
{
    Typeset(Lines{{u"甲"_s, [](TLayoutContext& context) {
                       context.lineHeadMode = TLineHeadMode::Raised;
                       context.raise = 1'000'000'000;
                       context.firstColumn = true;
                   }}});
    const std::vector<QString> columns = AllColumns();
    ASSERT_FALSE(columns.empty());
    EXPECT_EQ(columns.front().count(QChar(0x3000)), 10);
    EXPECT_EQ(Shown(columns), u"甲"_s);
}

// A column that cannot take the first cell is left empty only when a later
// column could offer more room; the next one takes the cell, which fills
// it: no room is left, and none less than none.
TEST_F(PlacementEnds, CellLongerThanAColumnFillsOneColumn)
{
    style.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT = 20000;
    EXPECT_EQ(ColumnsOf({u"甲乙"_s}), (std::vector<QString>{u"<T=0,0,10000>"_s, u"甲"_s, u"乙"_s}));
}

// A spacing wider than a column fills the one column it is forced into and
// leaves no room below none; a spacing of no cells or fewer is one cell,
// so its characters share a cell and the line goes on after them.
TEST_F(PlacementEnds, SpacingsBeyondTheColumnOrOfNoCells)
{
    struct SpacingCase {
        const char16_t* line;
        std::vector<QString> columns;
    };
    const SpacingCase cases[] = {
        {u"正文【ZJ25】甲【-ZJ】正文", {u"正文<T=2,0,8000>"_s, u"<ZJ1-25>甲<-ZJ>"_s, u"正文<-P>"_s}},
        {u"【ZJ12】甲乙【-ZJ】丙", {u"<ZJ2-12>甲<-ZJ><T=1,0,4000>"_s, u"<ZJ2-12>乙<-ZJ>丙<-P>"_s}},
        {u"【ZJ-1】事二亍【-ZJ】于亏云互五井亘些亞亟",
         {u"<ZJ3--1>事二亍<-ZJ>于亏云互五井亘些亞<T=12,0,1>"_s, u"亟<-P>"_s}},
        {u"【ZJ0】海鹹河淡【-ZJ】鱗潛羽翔", {u"<ZJ4-0>海鹹河淡<-ZJ>鱗潛羽翔<-P>"_s}},
    };
    for (const SpacingCase& c : cases) {
        MakeFixtureStyle(style);
        EXPECT_EQ(ColumnsOf({S(c.line)}), c.columns) << S(c.line).toStdString();
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }
}
