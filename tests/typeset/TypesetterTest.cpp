// The typesetter over whole texts under the fixture style "G" (4 columns of
// 10 cells; head box of 8 columns of 3 cells): line tags, covers, pictures,
// notes and parameter files, as golden dumps checked by hand once.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "FixtureStyle.h"
#include "support/ScriptedPrompter.h"
#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/ParaFile.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/typesetter/LineSteps.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

const QString k25 = u"天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往秋收冬藏閏"_s;
const QString k30 = k25 + u"餘成歲律呂"_s;

class TypesetterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeFixtureStyle(*set.styles.AddNew());
        g_LoadingText = false;
    }

    TStyle& Style(int32_t i = 0) { return *set.styles.GetAtOrNull(i); }

    bool Typeset(const std::vector<QString>& lines)
    {
        g_TextLines = lines;
        return TypesetPages(set, table, typesetter);
    }

    // The pages, the cover counts, the title and the set's style names.
    QString Dump(const std::vector<QString>& lines)
    {
        EXPECT_TRUE(Typeset(lines));
        QStringList names;
        for (const TStyle& style : set.styles)
            names << style.NAME;
        const QString dump = DumpPageTable(table) + u"covers %1 back %2 title \"%3\" styles %4\n"_s.arg(g_CoverPages)
                                          .arg(g_BackPages)
                                          .arg(typesetter.title, names.join(u','));
        if (qEnvironmentVariableIsSet("SHOW_DUMP"))
            fprintf(stderr, "----\n%s", dump.toUtf8().constData());
        return dump;
    }

    TParaSet set;
    TPageTable table;
    TTypesetter typesetter;
};

TEST_F(TypesetterTest, VolumeNameTitlesEmptyLineAndCentreText)
{
    EXPECT_EQ(Dump({u"【SM論語】"_s, u"【JM卷一】甲"_s, u"【BT1-第一章】乙"_s, u"【BT2-節】"_s, u""_s,
                    u"【BX】卷上|第一|"_s}),
              uR"(page 0: style "G", lines per page 0
  volume: 卷一
  centre: 卷上|第一|墨衡系統排版
  line 0 (0): <JM卷一>甲<-P>
  line 1 (0): <BT1-第一章>乙<-P>
  line 2 (0): <BT2-節><-P>
page 1: style "G", lines per page 0
covers 0 back 0 title "論語" styles G
)"_s);
}

TEST_F(TypesetterTest, PictureAtTheTopAndTextBelowIt)
{
    EXPECT_EQ(Dump({u"【TP2*3-0+圖】"_s, k30}), 
              uR"(page 0: style "G", lines per page 0
  picture 2 "圖" 0 1 0 2
  line 0 (0): <M=3000>天地玄黃宇宙洪
  line 1 (0): <M=3000>荒日月盈昃辰宿
  line 2 (0): 列張寒來暑往秋收冬藏
  line 3 (0): 閏餘成歲律呂<-P>
page 1: style "G", lines per page 0
covers 0 back 0 title "" styles G
)"_s);
}

TEST_F(TypesetterTest, PictureInTheMiddleWithTextAroundIt)
{
    EXPECT_EQ(Dump({u"【TP2*3-4+圖】"_s, k30}), 
              uR"(page 0: style "G", lines per page 0
  picture 2 "圖" 0 1 4 6
  line 0 (0): 天地玄黃<M=7000>日月盈
  line 1 (0): 宇宙洪荒<M=7000>昃辰宿
  line 2 (0): 列張寒來暑往秋收冬藏
  line 3 (0): 閏餘成歲律呂<-P>
page 1: style "G", lines per page 0
covers 0 back 0 title "" styles G
)"_s);
}

TEST_F(TypesetterTest, CoversStyleSwitchOnAnOddPageAndBackCover)
{
    EXPECT_EQ(Dump({u"【FM】"_s, u"【-FM】"_s, u"甲"_s, u"【BS乙】丙"_s, u"【FD背】"_s}), 
              uR"(page 0: style "FengMian", lines per page 0
page 1: style "G", lines per page 0
  line 0 (0): 甲<-P>
page 2: style "乙", lines per page 0
page 3: style "乙", lines per page 0
  line 0 (0): 丙<-P>
page 4: style "乙", lines per page 0
page 5: style "FengDi", lines per page 0
  picture 0 "背" -1 -1 -1 -1
covers 1 back 1 title "" styles G,乙
)"_s);
}

TEST_F(TypesetterTest, CoverPictureAndCoverTexts)
{
    EXPECT_EQ(Dump({u"【FM】【TP+封面】【WZ3*4-1+2D】書名【WZ3*4-1+3X】著者"_s, u"【-FM】"_s, u"甲"_s}), 
              uR"(page 0: style "FengMian", lines per page 0
  picture 0 "封面" -1 -1 -1 -1
  line 0 (0): <WZ3*4-1+2D>書名
  line 1 (0): <WZ3*4-1+3X>著者
page 1: style "G", lines per page 0
  line 0 (0): 甲<-P>
page 2: style "G", lines per page 0
covers 1 back 0 title "" styles G
)"_s);
}

TEST_F(TypesetterTest, LinesOverrideGovernsTheFollowingPages)
{
    EXPECT_EQ(Dump({u"【HS2】"_s, k25}), 
              uR"(page 0: style "G", lines per page 2
  line 0 (0): 天地玄黃宇宙洪荒日月
  line 1 (0): 盈昃辰宿列張寒來暑往
page 1: style "G", lines per page 2
  line 0 (0): 秋收冬藏閏<-P>
covers 0 back 0 title "" styles G
)"_s);
}

// No column narrower than one device unit at zoom 1: the fixture's box of
// 4000 takes 40 columns at most.
TEST_F(TypesetterTest, HugeLinesOverrideIsBoundedByTheBoxWidth)
{
    ASSERT_TRUE(Typeset({u"【HS99999】"_s, k25}));
    ASSERT_FALSE(table.pages.IsEmpty());
    EXPECT_EQ(table.pages[0].linesOverride, 40);
}

TEST_F(TypesetterTest, HeadAndSideNotes)
{
    EXPECT_EQ(Dump({u"甲【MP0】一二三四【-MP】乙"_s, u"甲乙【CP批】一二三【-CP】丙"_s, u"丁【MP1】子【-MP】"_s}), 
              uR"(page 0: style "G", lines per page 0
  line 0 (0): 甲乙<-P>
  line 1 (0): 甲乙丙<-P>
  line 2 (0): 丁<-P>
  head 0 (0): 一二三
  head 1 (0): 四<-P>
  head 2 (0): <-P>
  head 3 (0): <-P>
  head 4 (0): <-P>
  head 5 (0): 子<-P>
  collected 0 "":
  collected 1 "批": <M=2000>一二三<-P>
page 1: style "G", lines per page 0
covers 0 back 0 title "" styles G
)"_s);
}

TEST_F(TypesetterTest, SealsAndIndents)
{
    EXPECT_EQ(Dump({u"【YZ印-10-20-30-40】【2-1BK】"_s + k25, u"【YZ小印-5】【TT】甲"_s}), 
              uR"(page 0: style "G", lines per page 0
  seal 1 "印" 10 30 20 40
  seal 1 "小印" 5 0 0 0
  line 0 (0): {3000}{3000}天地玄黃宇宙洪荒
  line 1 (0): {3000}日月盈昃辰宿列張寒
  line 2 (0): {3000}來暑往秋收冬藏閏<-P>
  line 3 (0): <TT>甲<-P>
page 1: style "G", lines per page 0
covers 0 back 0 title "" styles G
)"_s);
}

// The body columns of every page, each page's as one "|"-joined string.
QStringList PageColumns(const TPageTable& table)
{
    QStringList pages;
    for (const TPageRec& page : table.pages) {
        QStringList columns;
        for (const TPageLine& line : page.lines)
            columns << line.text;
        pages << columns.join(u'|');
    }
    return pages;
}

TEST_F(TypesetterTest, StyleSwitchBeforeAnyColumnAndSeveralLeadingTags)
{
    set.styles.AddNew()->NAME = u"丙"_s;
    ASSERT_TRUE(Typeset({u"【BS乙】【BT1-章】甲"_s}));
    ASSERT_EQ(table.pages.Size(), 2);
    EXPECT_EQ(table.pages.First()->styleName, u"乙"_s);
    EXPECT_EQ(PageColumns(table), QStringList({u"<BT1-章>甲<-P>"_s, u""_s}));
    // Only the style the pages carry is left.
    ASSERT_EQ(set.styles.Size(), 1);
    EXPECT_EQ(set.styles.First()->NAME, u"乙"_s);
}

TEST_F(TypesetterTest, LaterCoverTagOnlyMarksTheCover)
{
    ASSERT_TRUE(Typeset({u"甲"_s, u"【FM】乙"_s, u"丙"_s}));
    EXPECT_EQ(g_CoverPages, 0);
    EXPECT_EQ(PageColumns(table), QStringList({u"甲<-P>|丙<-P>"_s, u""_s}));
}

TEST_F(TypesetterTest, EndPaddingCountsCoversAndBackCovers)
{
    const QString page = k25 + k25.left(15);  // one page of 4 × 10 cells
    ASSERT_TRUE(Typeset({page + page + u"甲"_s}));
    EXPECT_EQ(table.pages.Size(), 4);  // 3 pages + 1
    ASSERT_TRUE(Typeset({u"【FM】"_s, u"【-FM】"_s, u"甲"_s}));
    EXPECT_EQ(table.pages.Size(), 3);  // cover, body page, pad: 3 + 1 cover is even
}

TEST_F(TypesetterTest, JustifiedLinesAndTheirExemption)
{
    ASSERT_TRUE(Typeset({u"【DH】尾"_s, u"甲乙丙"_s, u"甲乙丙【HH】"_s, u"【-DH】"_s, u"甲乙丙"_s}));
    EXPECT_EQ(PageColumns(table).front(), u"<ZJ3000-10000>甲乙丙<-ZJ><-P>|甲乙丙<-P>|甲乙丙<-P>"_s);
}

// The first rule that matches wins, in the order of the table; a tag no
// rule knows is dropped and the rest of its line is text.
TEST_F(TypesetterTest, LineTagRulesInOrder)
{
    struct Case {
        const char16_t* line;
        const char16_t* columns;
    } const cases[] = {
        {u"【BT1-乙BK】甲", u"<BT1-乙BK>甲<-P>"},  // a title, not an indent
        {u"【TT1BK】甲", u"<TT>甲<-P>"},          // a raised head, not an indent
        {u"【FMX】甲", u"甲<-P>"},                 // FM must be the whole tag
        {u"【SMBK】甲", u""},                      // a book title; its line is not set
        {u"【未知】甲", u"甲<-P>"},
        {u"【】甲", u"甲<-P>"},
        {u"【甲", u"︻甲<-P>"},  // no tag without its 】: text, in its vertical form
        {u"【BK】甲", u"甲<-P>"},                   // BK must follow something
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Typeset({QString::fromUtf16(c.line)}));
        EXPECT_EQ(PageColumns(table).front(), QString::fromUtf16(c.columns)) << QString::fromUtf16(c.line).toStdString();
    }
}

TEST(PictureSpec, ClampsToTheBox)
{
    struct Case {
        const char16_t* spec;
        int32_t columns, height, start;
    } const cases[] = {
        {u"", 4, 10, 0},      {u"2", 2, 10, 0},     {u"2*3", 2, 3, 0},
        {u"2*3-4", 2, 3, 4},  {u"9*30-99", 4, 10, 0}, {u"0*0", 1, 1, 0},
        {u"2*3-9", 2, 3, 7},  {u"-3*-2--5", 1, 1, 2}, {u"2*3*4", 2, 10, 0},
    };
    for (const Case& c : cases) {
        const TPendingPicture picture = ParsePictureSpec(QString::fromUtf16(c.spec), 4, 10);
        EXPECT_EQ(picture.columns, c.columns) << QString::fromUtf16(c.spec).toStdString();
        EXPECT_EQ(picture.height, c.height) << QString::fromUtf16(c.spec).toStdString();
        EXPECT_EQ(picture.start, c.start) << QString::fromUtf16(c.spec).toStdString();
    }
}

TEST_F(TypesetterTest, StartOnOddPageByColumnsPagesAndCovers)
{
    struct Case {
        int32_t column, pages, covers, added;
    } const cases[] = {
        {0, 1, 0, 0},  // an empty first page is odd already
        {1, 1, 0, 2},  // text on page 1: page 2 is even, so page 3
        {0, 1, 1, 1},  // behind a cover the first body page is even
        {0, 2, 0, 1}, {2, 2, 0, 1}, {1, 2, 1, 2},
    };
    for (const Case& c : cases) {
        ClearPageRecords(table);
        g_TypesetTable = &table;
        for (int32_t i = 0; i < c.pages; ++i)
            g_TypesetPage = AppendPageRecord(table);
        g_CoverPages = c.covers;
        typesetter.PointEngineAt(&Style());
        typesetter.current = &typesetter.textContext;
        typesetter.textContext.column = c.column;
        const bool added = TypesetEdition().StartOnOddPage(typesetter);
        EXPECT_EQ(table.pages.Size() - c.pages, c.added) << c.column << " " << c.pages << " " << c.covers;
        EXPECT_EQ(added, c.added > 0);
    }
}

TEST_F(TypesetterTest, SelectStyleTakesTheFirstNameAndRefusesCovers)
{
    typesetter.paraSet = &set;
    for (const QString& refused : {u""_s, u"FengMian"_s, u"FengDi"_s, u",乙"_s})
        EXPECT_FALSE(typesetter.SelectStyle(refused));
    EXPECT_TRUE(typesetter.SelectStyle(u"G,乙"_s));
    EXPECT_EQ(typesetter.style, &Style(0));
    EXPECT_TRUE(typesetter.SelectStyle(u"乙"_s));
    ASSERT_EQ(set.styles.Size(), 2);
    EXPECT_EQ(typesetter.style, &Style(1));
    EXPECT_EQ(g_TypesetStyleName, u"乙"_s);
    EXPECT_EQ(Style(1).TEXT_BOX.size.LINES, TStyle().TEXT_BOX.size.LINES);  // the defaults
    EXPECT_EQ(g_CurTechList, &Style(1).TECH_ARRAY);
    // A single unnamed style takes the name.
    TParaSet unnamed;
    unnamed.styles.AddNew();
    typesetter.paraSet = &unnamed;
    EXPECT_TRUE(typesetter.SelectStyle(u"丁"_s));
    EXPECT_EQ(unnamed.styles.Size(), 1);
    EXPECT_EQ(unnamed.styles.First()->NAME, u"丁"_s);
}

// A parameter file beside the text, named in a 【CS…】 line, is read only
// while the text is being loaded; one that gives no style changes nothing.
TEST_F(TypesetterTest, ParameterFileNamedInTheText)
{
    QTemporaryDir folder;
    TParaSet other;
    MakeFixtureStyle(*other.styles.AddNew());
    other.styles.First()->NAME = u"甲式"_s;
    other.styles.First()->TEXT_BOX.size.LINES = 3;
    // The centre column's parts within the fixture's short box: a file
    // with a value out of its range is refused (below).
    other.styles.First()->MID_UP_HEIGHT = 3000;
    other.styles.First()->MID_MID_HEIGHT = 3000;
    ASSERT_TRUE(ExportParaFile(folder.filePath(u"a.pra"_s), other));
    typesetter.textPath = folder.filePath(u"text.txt"_s);
    const std::vector<QString> text = {u"【CSa.pra】"_s, k25};

    ASSERT_TRUE(Typeset(text));
    EXPECT_EQ(table.pages.First()->styleName, u"G"_s);

    g_LoadingText = true;
    ASSERT_TRUE(Typeset(text));
    EXPECT_FALSE(g_LoadingText);
    EXPECT_EQ(table.pages.First()->styleName, u"甲式"_s);
    EXPECT_EQ(table.pages.First()->lines.size(), 3u);
    ASSERT_EQ(set.styles.Size(), 1);
    EXPECT_EQ(set.styles.First()->NAME, u"甲式"_s);

    QFile empty(folder.filePath(u"b.pra"_s));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write("<HEAD>\n<VERSION>32</VERSION>\n</HEAD>\n<PARA_KB>\n</PARA_KB>\n");
    empty.close();
    g_LoadingText = true;
    ASSERT_TRUE(Typeset({u"【CSb.pra】甲"_s}));
    EXPECT_EQ(table.pages.First()->styleName, u"甲式"_s);
    EXPECT_EQ(PageColumns(table).front(), u"甲<-P>"_s);

    // A file whose value no page can be made with is told and changes
    // nothing, never a hang.
    other.styles.First()->NAME = u"乙式"_s;
    other.styles.First()->TEXT_BOX.size.LINES = 100000000;
    ASSERT_TRUE(ExportParaFile(folder.filePath(u"c.pra"_s), other));
    const std::optional<TLayoutFault> fault = FindLayoutFault(other);
    ASSERT_TRUE(fault);
    const QString field = LayoutFaultMessage(*fault);
    EXPECT_TRUE(field.startsWith(u"每頁行數"_s)) << field.toStdString();
    ScriptedPrompter prompter;
    prompter.ExpectTell(u"文件已損壞，無法打開：%1\n%2"_s.arg(QDir::toNativeSeparators(folder.filePath(u"c.pra"_s)), field));
    g_LoadingText = true;
    ASSERT_TRUE(Typeset({u"【CSc.pra】甲"_s}));
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(table.pages.First()->styleName, u"甲式"_s);
    EXPECT_EQ(set.styles.First()->TEXT_BOX.size.LINES, 3);
}

TEST_F(TypesetterTest, NotesAtTheStartOfALineKeepTheirOpeners)
{
    ASSERT_TRUE(Typeset({u"【CP批】一二【-CP】甲"_s, u"【MP】三【-MP】乙"_s}));
    const TPageRec& page = *table.pages.First();
    EXPECT_EQ(PageColumns(table).front(), u"甲<-P>|乙<-P>"_s);
    ASSERT_EQ(page.collectedLines.size(), 1u);
    EXPECT_EQ(page.collectedLines[0].text, u"一二<-P>"_s);
    ASSERT_EQ(page.headLines.size(), 3u);  // column 1 of the text box is head column 2
    EXPECT_EQ(page.headLines[2].text, u"三<-P>"_s);
}

TEST_F(TypesetterTest, SideNoteAcrossColumnsMovesNoBodyText)
{
    ASSERT_TRUE(Typeset({u"甲【CP批】"_s + k25 + u"【-CP】乙"_s, u"丙"_s}));
    EXPECT_EQ(PageColumns(table).front(), u"甲乙<-P>|丙<-P>"_s);
    const TPageRec& page = *table.pages.First();
    // Nine cells below the anchor, then whole columns.
    ASSERT_EQ(page.collectedLines.size(), 3u);
    EXPECT_EQ(page.collectedLines[0].text, u"<M=1000>"_s + k25.left(9));
    EXPECT_EQ(page.collectedLines[1].text, k25.mid(9, 10));
    EXPECT_EQ(page.collectedLines[2].text, k25.mid(19) + u"<-P>"_s);
}

TEST_F(TypesetterTest, HeadNotesWithNowhereToGo)
{
    // A head box without width takes no notes.
    Style().HEAD_BOX.size.BOX_WIDTH = 0;
    ASSERT_TRUE(Typeset({u"甲【MP】一【-MP】"_s}));
    EXPECT_TRUE(table.pages.First()->headLines.empty());
    // A far offset stays on the last page, inside the head box.
    MakeFixtureStyle(Style());
    ASSERT_TRUE(Typeset({u"甲【MP99999999】一【-MP】"_s}));
    const TPageRec& first = *table.pages.First();
    ASSERT_EQ(first.headLines.size(), 8u);
    EXPECT_EQ(first.headLines.back().text, u"一<-P>"_s);
    // Notes whose anchors were not taken are skipped.
    typesetter.PointEngineAt(&Style());
    typesetter.current = &typesetter.textContext;
    g_TypesetPage = table.pages.First();
    const size_t before = table.pages.First()->headLines.size();
    SetHeadNotes(typesetter, {u"一"_s, u"二"_s}, {THeadNoteMark{0, 0, 0}});
    EXPECT_EQ(table.pages.First()->headLines.size(), std::max<size_t>(before, 1));
}

TEST_F(TypesetterTest, PictureThatCanNeverFitIsDropped)
{
    ASSERT_TRUE(Typeset({u"【HS9】"_s, u"【TP9*3+圖】甲"_s, u"【HS】"_s, u"【BS乙】乙"_s, u"【JM卷】丙"_s}));
    for (const TPageRec& page : table.pages)
        EXPECT_TRUE(page.pictures.IsEmpty());
    EXPECT_TRUE(PageColumns(table).join(u'|').contains(u"<JM卷>丙<-P>"_s));
}

}  // namespace
