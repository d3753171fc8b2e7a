#include <gtest/gtest.h>

#include "FixtureStyle.h"
#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/runs/Runs.h"

using namespace Qt::StringLiterals;

namespace {

class RunsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeFixtureStyle(style);
        PointCurrentListsAt(&style);
        context.box = &style.TEXT_BOX;
    }
    QString Lists() const
    {
        const QString dump = DumpWithLists(TPageTable(), style);
        return dump.trimmed();
    }

    TStyle style;
    TLayoutContext context;
};

QString Show(const std::vector<TZtSpan>& runs)
{
    QStringList parts;
    for (const TZtSpan& run : runs)
        parts << run.text + u'|' + run.fontName + u'|' + run.spacing;
    return parts.join(u" ; ");
}

QString Show(const std::vector<TZwSpan>& segments)
{
    QStringList parts;
    for (const TZwSpan& segment : segments)
        parts << QString::number(segment.kind) + u':' + segment.text;
    return parts.join(u" ; ");
}

QString Show(const std::vector<TRunGroup>& groups)
{
    QStringList parts;
    for (const TRunGroup& group : groups)
        parts << QStringLiteral("%1/%2/%3:%4").arg(group.kind).arg(group.part).arg(group.param, Show(group.runs));
    return parts.join(u" ; ");
}

}  // namespace

TEST_F(RunsTest, SegmentsCarryAnOpenNoteIntoTheNextLine)
{
    struct Case {
        const char16_t* line;
        const char16_t* segments;
        bool noteOpenAfter;
    };
    const Case cases[] = {
        {u"甲<E>注</E>乙", u"0:甲 ; 1:注 ; 0:乙", false},
        {u"<E></E>甲", u"0:甲", false},   // an empty note makes no segment
        {u"<E>注</E>", u"1:注", false},   // a line of only a note
        {u"<E>一<E>二</E>", u"1:一二", false},
        {u"甲<E>注一", u"0:甲 ; 1:注一", true},
        {u"注二</E>乙", u"1:注二 ; 0:乙", false},  // goes on from the line before
    };
    for (const Case& c : cases) {
        context.segments.clear();
        context.SplitSegments(S(c.line));
        EXPECT_EQ(Show(context.segments), S(c.segments)) << S(c.line).toStdString();
        EXPECT_EQ(context.noteOpen, c.noteOpenAfter) << S(c.line).toStdString();
    }
}

TEST_F(RunsTest, JustifiedLineCountsTheLongerNoteLine)
{
    struct Case {
        const char16_t* line;
        bool doubleLine;
        int32_t cells;
        int32_t length;
    };
    const Case cases[] = {
        {u"甲<E>一二三四五</E>", true, 4, 4000},       // five equal note cells count three
        {u"<E>一二三四五<|>六七</E>", true, 5, 5000},  // given halves: the longer
        {u"<E>一二三四五</E>", false, 5, 5000},        // a single line counts whole
        {u"<E><ZT大>一<-ZT>二三</E>", true, 2, 2000},  // the balance weighs each cell's height
    };
    FindOrAddFontStyle(style.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT, u"大"_s, style.TEXT_BOX.MFONT_GROUP.ZHU_FONT)
        ->WORD_HEIGHT = 2000;
    for (const Case& c : cases) {
        style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = c.doubleLine;
        context.segments.clear();
        context.SplitSegments(S(c.line));
        EXPECT_EQ(context.SegmentCellLength(), c.cells) << S(c.line).toStdString();
        EXPECT_EQ(context.SegmentFontLength(), c.length) << S(c.line).toStdString();
    }
}

TEST_F(RunsTest, BalancedHalfLength)
{
    struct Case {
        std::vector<int32_t> heights;
        int32_t length;
    };
    const Case cases[] = {
        {{}, 0},
        {{1000}, 1000},
        {{1000, 1000, 1000, 1000, 1000}, 3000},
        {{1000, 1000, 1000, 1000, 1000, 1000}, 3000},
        {{3000, 1000, 1000}, 3000},
        {{1000, 1000, 3000}, 3000},
        {{500, 1000, 1000, 500}, 1500},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BalancedHalfLength(c.heights), c.length) << c.heights.size();
}

TEST_F(RunsTest, SpacingRuns)
{
    struct Case {
        const char16_t* text;
        bool justified;
        const char16_t* runs;
    };
    const Case cases[] = {
        {u"<ZJ2>甲乙丙<-ZJ>丁", false, u"甲乙丙||3-2 ; 丁||"},
        {u"<ZJ1.5>甲乙丙<-ZJ>", false, u"甲乙丙||30-15"},
        {u"<ZJ2><-ZJ>甲", false, u"||0-2 ; 甲||"},       // no cells: the advance is not scaled
        {u"甲<ZJ2>乙丙", false, u"甲|| ; 乙丙||2-2"},   // unclosed: to the end of the run
        {u"<ZJ>甲", false, u"甲||"},                    // no parameter: the tag goes
        {u"<ZJ2>甲<-ZJ>乙", true, u"甲乙||3000-10000"},  // justified: the line's length over the column's
    };
    context.lineNaturalLength = 3000;
    for (const Case& c : cases) {
        context.justified = c.justified;
        std::vector<TZtSpan> runs;
        context.SplitSpacingRuns({S(c.text), {}, 1000, 1000, {}, {}}, runs);
        EXPECT_EQ(Show(runs), S(c.runs)) << S(c.text).toStdString();
    }
}

TEST_F(RunsTest, FontRunsAddAttachedFonts)
{
    style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.WORD_HEIGHT = 500;
    const std::vector<TZtSpan> main = context.SplitFontRuns(u"<ZT楷>甲<-ZT>乙<ZT>丙<ZT隸>丁", false);
    EXPECT_EQ(Show(main), u"甲|楷| ; 乙|| ; 丙|| ; 丁|隸|"_s);
    const std::vector<TZtSpan> note = context.SplitFontRuns(u"<ZT楷>注<-ZT>", true);
    ASSERT_EQ(note.size(), 1u);
    EXPECT_EQ(note[0].charHeight, 500);  // made from the note font
    EXPECT_EQ(Lists(), u"TECH ; CIRCLE ; QD ; ATTACH_TEXT 楷,隸; ATTACH_ZHU 楷"_s);
}

TEST_F(RunsTest, RunGroupsByKindAndPart)
{
    struct Case {
        const char16_t* text;
        const char16_t* groups;
        int32_t cells;
    };
    const Case cases[] = {
        {u"<TS0>甲<-TS>", u"1/0/0:甲||", 1},
        {u"<TS0>甲<+TS>", u"1/2/0:甲||", 1},   // first part
        {u"<TS+0>甲<+TS>", u"1/3/0:甲||", 1},  // middle part
        {u"<TS+0>甲<-TS>", u"1/1/0:甲||", 1},  // last part
        {u"<TS>甲", u"1/0/0:甲||", 1},         // unclosed: to the end
        {u"甲<YQ0>十二<-YQ>乙", u"0/0/:甲|| ; 2/0/0:十二|| ; 0/0/:乙||", 3},  // a circle is one cell
        // A special format before a circle keeps its format.
        {u"<TS1>甲<-TS>乙<YQ1>丙<-YQ>", u"1/0/1:甲|| ; 0/0/:乙|| ; 2/0/1:丙||", 3},
        {u"甲<TS乙", u"0/0/:甲乙||", 2},  // an opener without ">" is no tag
    };
    for (const Case& c : cases) {
        std::vector<TRunGroup> groups;
        context.cellsLeft = 0;
        context.BuildRunGroups(S(c.text), groups);
        EXPECT_EQ(Show(groups), S(c.groups)) << S(c.text).toStdString();
        EXPECT_EQ(context.cellsLeft, c.cells) << S(c.text).toStdString();
    }
    EXPECT_EQ(Lists(), u"TECH 0,1; CIRCLE 0,1; QD ; ATTACH_TEXT ; ATTACH_ZHU"_s);
}

TEST_F(RunsTest, NoteHalvesAreBuiltApart)
{
    context.segmentKind = TZwSpan::Note;
    context.SplitNoteHalves(u"一二三四五<|>六七");
    EXPECT_EQ(context.explicitHalf, 1);
    EXPECT_EQ(context.leftListState, 2);
    EXPECT_EQ(Show(context.runGroups), u"0/0/:一二三四五||"_s);
    EXPECT_EQ(Show(context.leftRunGroups), u"0/0/:六七||"_s);
    EXPECT_EQ(context.cellsLeft, 5);
    EXPECT_EQ(context.leftLength, 2000);

    context.SplitNoteHalves(u"<|>六七");  // a left half alone takes the first list
    EXPECT_EQ(context.explicitHalf, 2);
    EXPECT_EQ(context.leftListState, 0);
    EXPECT_EQ(Show(context.runGroups), u"0/0/:六七||"_s);
}

TEST_F(RunsTest, StripNonLayoutTagsKeepsWhatColumnsCarry)
{
    struct Case {
        const char16_t* text;
        const char16_t* stripped;
    };
    const Case cases[] = {
        {u"<ZT楷>甲<-ZT><ZJ2>乙<-ZJ><QD0>丙<-QD>", u"<ZT楷>甲<-ZT><ZJ2>乙<-ZJ><QD0>丙<-QD>"},
        {u"<TZ12><CP批><MP1><BT1-章><N1>", u"<TZ12><CP批><MP1><BT1-章><N1>"},
        {u"<TS0>甲<-TS><YQ0>乙<-YQ><|><-P><ZW>", u"甲乙"},  // other layout tags go
        {u"<b>甲<E>", u"<b>甲<E>"},                       // tags of no layout meaning stay
        {u"甲<乙", u"甲乙"},                               // a lone "<" goes
        {u"「甲」《乙》", u"﹁甲﹂︽乙︾"},                  // vertical forms
    };
    for (const Case& c : cases)
        EXPECT_EQ(StripNonLayoutTags(S(c.text)), S(c.stripped)) << S(c.text).toStdString();
}

TEST_F(RunsTest, EmphasisRunsInPerCharacterForm)
{
    struct Case {
        const char16_t* text;
        const char16_t* expanded;
    };
    const Case cases[] = {
        {u"<QD>甲乙<-QD>丙", u"甲<QD0>乙<QD0>丙"},
        {u"<QD點>甲", u"甲<QD點>"},  // unclosed: to the end
        {u"<QD甲", u"甲"},           // an opener without ">" goes
        // 【QD甲【ZW】乙】丙: the name would hold a note's opener, which would
        // then be copied after every character; the opener goes instead.
        {u"<QD甲<E>乙>丙", u"甲<E>乙>丙"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(context.ExpandEmphasisRuns(S(c.text)), S(c.expanded)) << S(c.text).toStdString();
    EXPECT_EQ(Lists(), u"TECH ; CIRCLE ; QD 0,點; ATTACH_TEXT ; ATTACH_ZHU"_s);
}
