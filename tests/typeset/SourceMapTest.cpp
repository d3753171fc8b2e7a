#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "foundation/params/Style.h"
#include "support/Editions.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/sourcemap/SourceMap.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSourceMapForm kHorizontalForm{u'【', u'】', false, false};

QString Joined(std::initializer_list<const char16_t*> lines)
{
    QStringList out;
    for (const char16_t* line : lines)
        out << QString::fromUtf16(line);
    return out.join(u"\r\n"_s);
}

// The index of the last unit of the first occurrence of piece, plus extra.
int32_t EndOf(const QString& text, const QString& piece, int32_t extra = 0)
{
    return int32_t(text.indexOf(piece) + piece.size() - 1 + extra);
}

TPageRec& AddPage(TPageTable& table, const QString& style, std::initializer_list<const char16_t*> lines)
{
    TPageRec& page = *AppendPageRecord(table);
    page.styleName = style;
    for (const char16_t* line : lines)
        page.lines.push_back({QString::fromUtf16(line), 0});
    return page;
}

class SourceMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_CurrentPages = &pages_;
    }

    std::vector<int32_t> Map(const QString& source) const
    {
        std::vector<int32_t> map{-9};
        SourceMap::MapPagesToSource(source, map, kWoodblockSourceMap);
        return map;
    }

    TPageTable pages_;
};

TEST_F(SourceMapTest, PagesEndWhereTheirTextEnds)
{
    const QString source = Joined({
        u"【FM】封面【-FM】",
        u"【JM卷一】",
        u"天地「玄黃」，宇宙洪荒。",
        u"日月盈昃，【ZT楷】辰宿列張。【-ZT】",
        u"寒來暑往，秋收冬藏。",
        u"【MP頭注】閏餘成歲【-MP】律呂調陽。",
        u"【YQ甲】【TP圖一】【-YQ】",
        u"【FD】封底",
    });
    g_CoverPages = 1;
    g_BackPages = 1;
    AddPage(pages_, kCoverName, {u"封面"});
    // One line long enough for the key, in vertical forms.
    AddPage(pages_, u"para0"_s, {u"<JM卷一>", u"天地﹁玄黃﹂，宇宙洪荒。<-P>"});
    // A short last piece takes the line before; the key spans a source tag
    // and a line break.
    AddPage(pages_, u"para0"_s, {u"日月盈昃，辰宿列張。<-P>", u"<M=0>寒來"});
    AddPage(pages_, u"para0"_s, {u"<M=0>暑往，秋收冬藏。<-P>"});
    // Its text is only inside a head-note block: not found.
    AddPage(pages_, u"para0"_s, {u"閏餘成歲"});
    // Only a picture: its tag, the closing tags and line breaks after it.
    AddPage(pages_, u"para0"_s, {})
        .pictures.AddNew()->name = u"圖一"_s;
    AddPage(pages_, kBackCoverName, {u"封底"});

    const std::vector<int32_t> expected{
        EndOf(source, u"【-FM】"_s),
        EndOf(source, u"宇宙洪荒。"_s, 2),
        EndOf(source, u"寒來"_s),
        EndOf(source, u"秋收冬藏。"_s, 2),
        EndOf(source, u"秋收冬藏。"_s, 2),
        EndOf(source, u"【-YQ】"_s, 2),
        int32_t(source.size()) - 1,
    };
    EXPECT_EQ(Map(source), expected);
}

TEST_F(SourceMapTest, WithoutCoverTheFirstEntryIsPageZero)
{
    const QString source = Joined({u"甲乙丙丁戊", u"己庚辛壬癸"});
    AddPage(pages_, u"para0"_s, {u"甲乙丙丁戊"});
    AddPage(pages_, u"para0"_s, {u"己庚辛壬癸"});
    EXPECT_EQ(Map(source), (std::vector<int32_t>{6, 11}));

    g_CurrentPages = nullptr;
    EXPECT_TRUE(Map(source).empty());
}

TEST(FindInTypesetText, Matches)
{
    struct Case {
        const char16_t* text;
        const char16_t* key;
        int32_t start;
        int32_t found;
    };
    const Case cases[] = {
        // Layout tags, line breaks and blanks are skipped.
        {u"甲︻ZT楷︼乙\r\n　丙", u"甲乙丙", 0, 10},
        // Head- and side-note blocks are skipped whole; without their
        // closing tag only the opening tag is.
        {u"︻MP注︼甲乙︻-MP︼甲丙", u"甲乙", 0, -1},
        {u"︻MP注︼甲乙︻-MP︼甲丙", u"甲丙", 0, 13},
        {u"︻CP注︼甲乙", u"甲乙", 0, 6},
        // A one-unit key: its first occurrence from start.
        {u"甲乙甲乙", u"乙", 0, 1},
        {u"甲乙甲乙", u"乙", 2, 3},
        // Glyph tags are matched as text; a bracket that never closes is text.
        {u"甲︻TZ圖︼乙", u"甲︻TZ圖︼乙", 0, 6},
        {u"甲︻乙", u"︻乙", 0, 2},
        // After a partial match over skipped tags the scan starts again just
        // after the match's first unit, not inside a tag.
        {u"甲︻ZT︼甲︻ZT︼甲乙", u"甲甲乙", 0, 11},
        {u"甲", u"甲乙", 0, -1},
        {u"甲乙", u"", 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SourceMap::FindInTypesetText(c.start, c.text, c.key, kWoodblockSourceMap), c.found)
            << S(c.text).toStdString() << " / " << S(c.key).toStdString();
    EXPECT_EQ(SourceMap::FindInTypesetText(0, u"【MP注】甲乙【-MP】甲丙", u"甲乙", kHorizontalForm), -1);
}

TEST(SkipClosingTagsAndBreaks, Skips)
{
    struct Case {
        const char16_t* source;
        int32_t index;
        int32_t result;
    };
    const Case cases[] = {
        {u"甲\r\n【-ZT】\r\n乙", 0, 9},
        {u"甲\r\n", 0, 2},
        {u"甲【ZT】", 0, 0},   // an opening tag stays
        {u"甲【-ZT", 0, 0},    // an unclosed one too
        {u"甲", 1, 0},         // never past the last unit
        {u"甲", 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkipClosingTagsAndBreaks(c.index, c.source), c.result) << S(c.source).toStdString() << c.index;
}

TEST(StripTagsForDisplay, KeepsWhatTheLineShows)
{
    struct Case {
        const char16_t* line;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"　<M=0>天地<-P>　", u"天地"},
        {u"日月<TZ圖>盈", u"日月︻TZ圖︼盈"},
        {u"甲<未知>乙", u"甲<未知>乙"},
        {u"甲<乙", u"甲乙"},
        {u"<ZW><R>注<-R><-ZW>", u"注"},
        {u"𠀀<P=1>", u"𠀀"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SourceMap::StripTagsForDisplay(c.line, kWoodblockSourceMap), S(c.shown));
    EXPECT_EQ(SourceMap::StripTagsForDisplay(u"日月<TZ圖>盈", kHorizontalForm), u"日月【TZ圖】盈"_s);
}

// Each edition's own form, reached through the edition: the woodblock key
// takes the last piece of a line, the vertical one whole columns, and the
// horizontal one matches the source as it is, with its bracket tags.
class SourceMapEditions : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        g_CurrentPages = &pages_;
        g_CoverPages = 1;
    }

    TPageTable pages_;
};

TEST_P(SourceMapEditions, MapsInTheEditionsForm)
{
    const QString source = Joined({u"【FM】封面【-FM】", u"己", u"甲乙「丙丁」【TZ圖】己"});
    const bool horizontal = GetParam() == EditionKind::Horizontal;
    AddPage(pages_, kCoverName, {u"封面"});
    AddPage(pages_, u"para0"_s, {horizontal ? u"<M=0>甲乙「丙丁」<TZ圖><M=9>己" : u"<M=0>甲乙﹁丙丁﹂<TZ圖><M=9>己"});
    const int32_t pageEnd = GetParam() == EditionKind::Woodblock ? EndOf(source, u"己"_s, 2) : int32_t(source.size()) - 1;

    std::vector<int32_t> map;
    CurrentTypesetEdition().MapPagesToSource(source, map);
    EXPECT_EQ(map, (std::vector<int32_t>{EndOf(source, u"【-FM】"_s), pageEnd}));
}

VELLUMOR_ALL_EDITIONS(SourceMapEditions);

}  // namespace
