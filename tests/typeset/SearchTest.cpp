#include <gtest/gtest.h>

#include "foundation/params/Style.h"
#include "support/ScriptedPrompter.h"
#include "TypesetTestText.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/Find.h"
#include "typeset/search/GridPositions.h"
#include "typeset/search/HitTables.h"
#include "typeset/search/Replace.h"
#include "typeset/search/SearchCursor.h"
#include "typeset/search/SearchSections.h"

using namespace Qt::StringLiterals;

inline void PrintTo(const THitPosition& p, std::ostream* os)
{
    *os << '(' << p.page << ',' << p.line << ',' << p.column << ')';
}

namespace {

using Positions = std::vector<THitPosition>;

void AddPage(TPageTable& table, const QString& style, std::initializer_list<const char16_t*> lines)
{
    TPageRec* page = AppendPageRecord(table);
    page->styleName = style;
    for (const char16_t* line : lines)
        page->lines.push_back({QString::fromUtf16(line), 0});
}

std::string Utf8(QStringView text) { return text.toString().toStdString(); }

// A cover, three body pages and a back cover. The volume-name line opens
// section 0, the title on page 2 section 1; the lines hold indent blanks, a
// glyph tag, a surrogate pair and the line-end tag.
class SearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_CoverPages = 1;
        g_BackPages = 1;
        table_.findPage = 1;
        AddPage(table_, kCoverName, {u"封面玄字"});
        AddPage(table_, u"para0"_s, {u"<JM卷一>", u"　　天地玄黃<-P>", u"宇宙洪荒"});
        AddPage(table_, u"para0"_s, {u"日月<TZ圖>盈昃", u"<BT第一>辰宿", u"𠀀列張寒來"});
        AddPage(table_, u"para0"_s, {u"暑往玄收", u"冬藏閏餘"});
        AddPage(table_, kBackCoverName, {u"封底"});
        BuildSectionIndex(table_);
    }

    void SetCursor(int32_t page, int32_t line, int32_t column)
    {
        table_.findPage = page;
        table_.findLine = line;
        table_.findColumn = column;
    }
    QString Line(int32_t page, int32_t line) const { return table_.pages[page].lines[size_t(line)].text; }

    TPageTable table_;
};

TEST_F(SearchTest, SectionsSkipCoversAndStartAtTitles)
{
    ASSERT_EQ(table_.sections.Size(), 2);
    const TSearchSection& volume = table_.sections[0];
    EXPECT_EQ(volume.text, u"<JM卷一>天地玄黃宇宙洪荒日月<TZ圖>盈昃"_s);
    EXPECT_EQ(std::tie(volume.firstPage, volume.firstLine, volume.startOffset), std::make_tuple(1, 0, 0));
    EXPECT_EQ(volume.pieces, (std::vector<TSectionPiece>{{1, 6}, {1, 4}, {1, 4}, {2, 9}}));
    const TSearchSection& title = table_.sections[1];
    EXPECT_EQ(title.text, u"<BT第一>辰宿𠀀列張寒來暑往玄收冬藏閏餘"_s);
    EXPECT_EQ(std::tie(title.firstPage, title.firstLine), std::make_tuple(2, 1));
}

TEST_F(SearchTest, FindsWithPositionsAcrossLinesAndPages)
{
    struct Case {
        const char16_t* key;
        bool forward;
        int32_t page, line, column;  // the cursor
        Positions hit;               // display columns
        Positions grid;              // columns in the line's text
        Positions cells;
    };
    const Case cases[] = {
        // From the end of one line into the next.
        {u"黃宇", true, 1, 0, 0, {{1, 1, 3}, {1, 2, 0}}, {{1, 1, 5}, {1, 2, 0}}, {{1, 1, 5}, {1, 2, 0}}},
        // Over a page end, forward and backward.
        {u"荒日", true, 1, 0, 0, {{1, 2, 3}, {2, 0, 0}}, {{1, 2, 3}, {2, 0, 0}}, {{1, 2, 3}, {2, 0, 0}}},
        {u"荒日", false, 3, 1, 3, {{1, 2, 3}, {2, 0, 0}}, {{1, 2, 3}, {2, 0, 0}}, {{1, 2, 3}, {2, 0, 0}}},
        // A glyph tag is one cell and ends at its own ">".
        {u"<TZ圖>盈", true, 1, 0, 0,
         {{2, 0, 2}, {2, 0, 3}, {2, 0, 4}, {2, 0, 5}, {2, 0, 6}, {2, 0, 7}},
         {{2, 0, 2}, {2, 0, 3}, {2, 0, 4}, {2, 0, 5}, {2, 0, 6}, {2, 0, 7}},
         {{2, 0, 2}, {2, 0, 2}, {2, 0, 2}, {2, 0, 2}, {2, 0, 2}, {2, 0, 3}}},
        // A surrogate pair is one column.
        {u"列張", true, 2, 1, 0, {{2, 2, 1}, {2, 2, 2}}, {{2, 2, 1}, {2, 2, 2}}, {{2, 2, 1}, {2, 2, 2}}},
        // Backward from the first character of a section: the previous section.
        {u"玄", false, 2, 1, 0, {{1, 1, 2}}, {{1, 1, 4}}, {{1, 1, 4}}},
        {u"玄", true, 2, 1, 0, {{3, 0, 2}}, {{3, 0, 2}}, {{3, 0, 2}}},
        // Inside a title: the cell is that of the text before it.
        {u"第一", true, 2, 1, 0, {{2, 1, 3}, {2, 1, 4}}, {{2, 1, 3}, {2, 1, 4}}, {{2, 1, -1}, {2, 1, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.key));
        SetCursor(c.page, c.line, c.column);
        THitRecord hit;
        ASSERT_TRUE(FindInSections(table_, QStringView(c.key), c.forward, hit));
        EXPECT_EQ(hit.positions, c.hit);
        EXPECT_EQ(table_.findPage, c.hit.front().page);
        EXPECT_EQ(table_.findColumn, c.hit.front().column);

        table_.gridHits.Clear();
        table_.cellHits.Clear();
        ToGridPositions(hit, table_);
        EXPECT_EQ(table_.gridHits[0].positions, c.grid);
        EXPECT_EQ(table_.cellHits[0].positions, c.cells);
    }
}

TEST_F(SearchTest, FindsNothingOverATitleOrWithoutKey)
{
    for (const char16_t* key : {u"昃<BT", u"昃辰", u"封面", u"不在", u""}) {
        SetCursor(1, 0, 0);
        THitRecord hit;
        EXPECT_FALSE(FindInSections(table_, QStringView(key), true, hit)) << Utf8(key);
        EXPECT_FALSE(FindInSections(table_, QStringView(key), false, hit)) << Utf8(key);
    }
    TPageTable empty;
    THitRecord hit;
    EXPECT_FALSE(FindInSections(empty, u"甲", true, hit));
}

TEST_F(SearchTest, LinesBeforeTheFirstTitleMakeAFirstSection)
{
    TPageTable table;
    AddPage(table, u"para0"_s, {u"甲乙", u"丙<BT題>丁"});
    BuildSectionIndex(table);
    ASSERT_EQ(table.sections.Size(), 2);
    EXPECT_EQ(table.sections[0].text, u"甲乙丙"_s);
    EXPECT_EQ(table.sections[1].startOffset, 1);
    table.findPage = 0;
    table.findLine = 0;
    table.findColumn = 0;
    THitRecord hit;
    ASSERT_TRUE(FindInSections(table, u"丁", true, hit));
    EXPECT_EQ(hit.positions, (Positions{{0, 1, 6}}));
}

TEST_F(SearchTest, FindNextHitMakesTheCurrentHitTable)
{
    SetCursor(1, 0, 0);
    ASSERT_TRUE(FindNextHit(table_, u"荒日月<TZ圖>", true));
    EXPECT_EQ(g_SearchMode, 2);
    EXPECT_EQ(g_FindText, u"\u3000"_s);
    ASSERT_EQ(g_HitTables.Size(), 1);
    ASSERT_EQ(g_CurrentHitTable, g_HitTables.First());
    // Body pages count from 0; offsets run over the page's display characters.
    const THitGroup* first = FindHitGroup(*g_CurrentHitTable, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->offsets, (std::vector<int32_t>{6 + 3}));
    const THitGroup* second = FindHitGroup(*g_CurrentHitTable, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->offsets, (std::vector<int32_t>{0, 1, 2, 2, 2, 2, 2}));
    EXPECT_EQ(FindHitGroup(*g_CurrentHitTable, 2), nullptr);

    // A second find replaces the table; a miss leaves it.
    ASSERT_TRUE(FindNextHit(table_, u"閏", true));
    EXPECT_EQ(g_HitTables.Size(), 1);
    EXPECT_EQ(table_.gridHits.Size(), 1);
    EXPECT_FALSE(FindNextHit(table_, u"不在", true));
    EXPECT_NE(g_CurrentHitTable, nullptr);
    ClearHitTables();
    EXPECT_EQ(g_CurrentHitTable, nullptr);
}

TEST_F(SearchTest, SteppingTheCursor)
{
    struct Case {
        bool forward;
        bool hasHit;
        int32_t page, line, column;  // before
        int32_t shownPage;
        bool moved;
        int32_t toPage, toLine, toColumn;
    };
    const Case cases[] = {
        // Without a hit: the start of the shown page, the cover's next page.
        {true, false, 3, 1, 2, 0, true, 1, 0, 0},
        {true, false, 3, 1, 2, 2, true, 2, 0, 0},
        {true, true, 1, 1, 1, 0, true, 1, 1, 2},
        // Past a line's end to the next non-empty line, over a page end.
        {true, true, 1, 2, 3, 0, true, 2, 0, 0},
        {true, true, 3, 1, 3, 0, true, 4, 0, 0},
        {true, true, 4, 0, 1, 0, false, 4, 0, 2},
        // Backward: without a hit from after the shown page's last character.
        {false, false, 0, 0, 0, 2, true, 2, 2, 4},
        {false, true, 2, 0, 0, 0, true, 1, 2, 3},
        {false, true, 0, 0, 0, 0, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.forward << " " << c.page << "," << c.line << "," << c.column);
        table_.gridHits.Clear();
        if (c.hasHit)
            table_.gridHits.AddNew();
        SetCursor(c.page, c.line, c.column);
        ScriptedPrompter prompter;
        if (!c.moved)
            prompter.ExpectTell(c.forward ? u"下方沒有文字！"_s : u"上方沒有文字！"_s);
        const bool moved = c.forward ? StepCursorForward(table_, c.shownPage) : StepCursorBackward(table_, c.shownPage);
        EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(std::tie(table_.findPage, table_.findLine, table_.findColumn),
                  std::make_tuple(c.toPage, c.toLine, c.toColumn));
    }
}

TEST(DisplayToTextColumnTest, Columns)
{
    struct Case {
        const char16_t* line;
        int32_t display;
        int32_t text, cell;
    };
    const Case cases[] = {
        {u"　　天地<-P>", 0, 2, 2},       {u"<M=5>　甲", 0, 6, 1},
        {u"日月<TZ圖>盈昃", 3, 3, 2},     {u"日月<TZ圖>盈昃", 7, 7, 3},
        {u"<BT第一>辰", 0, 0, -1},        {u"<BT第一>辰", 6, 6, 0},
        {u"𠀀列", 1, 1, 1},               {u"甲<ZT楷>乙<-ZT>", 1, 6, 1},
        {u"甲　乙", 1, 1, 1},             {u"甲<乙", 1, 1, 1},
    };
    for (const Case& c : cases) {
        const TLineColumn at = DisplayToTextColumn(QStringView(c.line), c.display);
        EXPECT_EQ(at.text, c.text) << Utf8(c.line) << " @" << c.display;
        EXPECT_EQ(at.cell, c.cell) << Utf8(c.line) << " @" << c.display;
    }
}

// One page of lines under a volume name: replace-all and replace-one.
class ReplaceTest : public ::testing::Test {
protected:

    void Load(std::initializer_list<const char16_t*> lines)
    {
        table_ = TPageTable();
        AddPage(table_, u"para0"_s, lines);
        BuildSectionIndex(table_);
    }
    std::vector<QString> Lines() const
    {
        std::vector<QString> out;
        for (const TPageLine& line : table_.pages[0].lines)
            out.push_back(line.text);
        return out;
    }

    TPageTable table_;
};

TEST_F(ReplaceTest, ReplaceAll)
{
    struct Case {
        std::initializer_list<const char16_t*> lines;
        const char16_t* key;
        const char16_t* replacement;
        int32_t count;
        std::vector<QString> after;
        bool titlesChanged;
    };
    const Case cases[] = {
        // Shorter: later hits of a line stay where they were found.
        {{u"<JM卷>", u"甲乙丙甲乙丁", u"甲乙"}, u"甲乙", u"戊", 3,
         {u"<JM卷>"_s, u"戊丙戊丁"_s, u"戊"_s}, false},
        // Longer: the characters beyond the key's length are not placed.
        {{u"<JM卷>", u"甲乙丙甲乙丁"}, u"甲乙", u"戊己庚", 2, {u"<JM卷>"_s, u"戊己丙戊己丁"_s}, false},
        // Itself: nothing changes, the hits still count.
        {{u"<JM卷>", u"甲乙丙甲乙"}, u"甲乙", u"甲乙", 2, {u"<JM卷>"_s, u"甲乙丙甲乙"_s}, false},
        // Overlapping hits count.
        {{u"<JM卷>", u"甲甲甲"}, u"甲甲", u"乙乙", 2, {u"<JM卷>"_s, u"乙乙乙"_s}, false},
        // A hit across a line end and around a run tag, each character in place.
        {{u"<JM卷>", u"丙甲", u"<ZT楷>乙<-ZT>丁"}, u"甲乙", u"戊己", 1,
         {u"<JM卷>"_s, u"丙戊"_s, u"<ZT楷>己<-ZT>丁"_s}, false},
        // A volume name changed: the contents must be rebuilt.
        {{u"<JM卷一>", u"卷"}, u"卷", u"冊", 2, {u"<JM冊一>"_s, u"冊"_s}, true},
        {{u"<JM卷>", u"甲"}, u"乙", u"丙", 0, {u"<JM卷>"_s, u"甲"_s}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.key) + " -> " + Utf8(c.replacement));
        Load(c.lines);
        g_FindText = u"\u3000"_s;
        bool titlesChanged = false;
        EXPECT_EQ(ReplaceHits(table_, c.key, c.replacement, &titlesChanged), c.count);
        EXPECT_EQ(Lines(), c.after);
        EXPECT_EQ(titlesChanged, c.titlesChanged);
        EXPECT_EQ(table_.gridHits.Size(), c.count);
        EXPECT_EQ(g_FindText.isEmpty(), c.count > 0);
        // The sections are those of the new lines.
        const QString text = table_.sections[0].text;
        BuildSectionIndex(table_);
        EXPECT_EQ(text, table_.sections[0].text);
    }
}

TEST_F(ReplaceTest, ReplaceOneHit)
{
    Load({u"<JM卷>", u"丙甲乙丁"});
    table_.findPage = 0;
    ASSERT_TRUE(FindNextHit(table_, u"甲乙", true));
    EXPECT_TRUE(ReplaceInLine(table_, u"甲乙", u"戊己庚", table_.gridHits[0]));
    EXPECT_EQ(Lines(), (std::vector<QString>{u"<JM卷>"_s, u"丙戊己丁"_s}));
    EXPECT_EQ(table_.sections[0].text, u"<JM卷>丙戊己庚丁"_s);

    THitRecord gone;
    gone.positions = {{0, 7, 0}, {3, 0, 0}};
    EXPECT_FALSE(ReplaceInLine(table_, u"甲", u"乙", gone));
}

}  // namespace
