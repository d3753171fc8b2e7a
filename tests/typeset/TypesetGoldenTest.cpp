// Golden dumps of small texts typeset under the fixture style "G" (4
// columns of 10 cells), each checked by hand against the layout rules.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FixtureStyle.h"
#include "PlainLineRun.h"
#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"

using namespace Qt::StringLiterals;

namespace {

// 25 and 12 distinct characters.
const QString k25 = u"天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往秋收冬藏閏"_s;
const QString k12 = k25.left(12);
const QString kTen = u"一二三四五六七八九十"_s;

const QString kEmptyLists = u"TECH ; CIRCLE ; QD ; ATTACH_TEXT ; ATTACH_ZHU \n"_s;

QString Page(int32_t index, const std::vector<QString>& lines)
{
    QString out = u"page %1: style \"G\", lines per page 0\n"_s.arg(index);
    for (size_t i = 0; i < lines.size(); ++i)
        out += u"  line %1 (0): %2\n"_s.arg(i).arg(lines[i]);
    return out;
}

class TypesetGolden : public ::testing::Test {
protected:
    void SetUp() override { MakeFixtureStyle(style); }

    QString Run(const std::vector<std::pair<QString, PlainLineRun::Setup>>& lines)
    {
        PlainLineRun run(style, table);
        for (const auto& [line, setup] : lines)
            run.Line(line, setup);
        run.Finish();
        return DumpWithLists(table, style);
    }
    QString Run(const std::vector<QString>& lines)
    {
        std::vector<std::pair<QString, PlainLineRun::Setup>> plain;
        for (const QString& line : lines)
            plain.push_back({line, {}});
        return Run(plain);
    }

    TStyle style;
    TPageTable table;
};

PlainLineRun::Setup Indent(int32_t raise, int32_t blank)
{
    return [=](TLayoutContext& context) {
        context.lineHeadMode = TLineHeadMode::Raised;
        context.raise = raise;
        context.blank = blank;
        context.firstColumn = true;
    };
}

}  // namespace

TEST_F(TypesetGolden, PlainBreakAndEvenPageCount)
{
    EXPECT_EQ(Run({kTen + u"甲乙丙"_s}), Page(0, {kTen, u"甲乙丙<-P>"_s}) + Page(1, {}) + kEmptyLists);
}

TEST_F(TypesetGolden, PunctuationAtColumnEnds)
{
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    EXPECT_EQ(Run({u"一二三四五六七八九「十」甲"_s, kTen + u"」甲"_s}),
              Page(0, {u"一二三四五六七八九<T=9,0,1000>"_s, u"﹁十﹂甲<-P>"_s, kTen + u"﹂<T=11,0,-1000>"_s,
                       u"甲<-P>"_s})
                  + Page(1, {}) + kEmptyLists);
}

TEST_F(TypesetGolden, BalancedAndGivenNoteHalves)
{
    EXPECT_EQ(Run({u"甲【ZW】一二三四五六【-ZW】乙"_s, u"【ZW】一二三四五六七【-ZW】"_s,
                   u"甲【ZW】一二三四五【|】六七【-ZW】乙"_s}),
              Page(0, {u"甲<ZW><R>一二三<-R><L>四五六<-L><-ZW>乙<-P>"_s,
                       u"<ZW><R>一二三四<-R><L>五六七<-L><-ZW><-P>"_s,
                       u"甲<ZW><R>一二三四五<-R><L>六七<-L><-ZW>乙<-P>"_s})
                  + Page(1, {}) + kEmptyLists);
}

TEST_F(TypesetGolden, NoteAcrossColumns)
{
    const QString note = kTen + u"甲乙丙丁戊己庚辛壬癸子丑寅卯"_s;
    EXPECT_EQ(Run({u"【ZW】"_s + note + u"【-ZW】"_s}),
              Page(0, {u"<ZW><R>"_s + kTen + u"<-R><L>甲乙丙丁戊己庚辛壬癸<-L><-ZW>"_s,
                       u"<ZW><R>子丑<-R><L>寅卯<-L><-ZW><-P>"_s})
                  + Page(1, {}) + kEmptyLists);
}

TEST_F(TypesetGolden, RunTagsAndTheListsTheyAddTo)
{
    EXPECT_EQ(Run({u"【ZJ2】甲乙丙【-ZJ】丁"_s, u"【TS】"_s + k25 + u"【-TS】"_s, u"甲【YQ】十二【-YQ】乙"_s,
                   u"【QD】甲乙【-QD】丙"_s, u"【ZT楷】"_s + k12 + u"【-ZT】"_s}),
              Page(0, {u"<ZJ3-2>甲乙丙<-ZJ>丁<-P>"_s, u"<TS0>"_s + k25.left(10) + u"<+TS>"_s,
                       u"<TS+0>"_s + k25.mid(10, 10) + u"<+TS>"_s, u"<TS+0>"_s + k25.mid(20) + u"<-TS><-P>"_s})
                  + Page(1, {u"甲<YQ0>十二<-YQ>乙<-P>"_s, u"<QD0>甲乙<-QD>丙<-P>"_s,
                             u"<ZT楷>"_s + k12.left(10) + u"<-ZT>"_s, u"<ZT楷>"_s + k12.mid(10) + u"<-ZT><-P>"_s})
                  + u"TECH 0; CIRCLE 0; QD 0; ATTACH_TEXT 楷; ATTACH_ZHU \n"_s);
}

TEST_F(TypesetGolden, IndentsAndRaisedHead)
{
    EXPECT_EQ(Run({{k25, Indent(2, 1)}, {k12, Indent(-1, 0)}}),
              Page(0, {u"{3000}{3000}"_s + k25.left(8), u"{3000}"_s + k25.mid(8, 9), u"{3000}"_s + k25.mid(17)
                       + u"<-P>"_s, u"<TT>"_s + k12.left(11)})
                  + Page(1, {k12.mid(11) + u"<-P>"_s}) + kEmptyLists);
}

TEST_F(TypesetGolden, JustifiedLineAndExemptLine)
{
    auto justified = [](TLayoutContext& context) { context.justified = true; };
    EXPECT_EQ(Run({{u"甲乙丙"_s, justified}, {u"甲乙丙【HH】"_s, {}}}),
              Page(0, {u"<ZJ3000-10000>甲乙丙<-ZJ><-P>"_s, u"甲乙丙<-P>"_s}) + Page(1, {}) + kEmptyLists);
}

// The closing mark that would start a column goes back into the column
// before, across a font-run boundary. When it was the line's last run, the
// paragraph ends in that column (no column of only "<-P>").
TEST_F(TypesetGolden, ClosingMarkMovedBack)
{
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    EXPECT_EQ(Run({u"【ZT楷】"_s + kTen + u"【-ZT】。甲"_s, u"【ZT楷】"_s + kTen + u"【-ZT】。"_s}),
              Page(0, {u"<ZT楷>"_s + kTen + u"<-ZT>。"_s, u"甲<-P>"_s, u"<ZT楷>"_s + kTen + u"<-ZT>。<-P>"_s})
                  + Page(1, {}) + u"TECH ; CIRCLE ; QD ; ATTACH_TEXT 楷; ATTACH_ZHU \n"_s);
}
