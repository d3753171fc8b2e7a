#include <gtest/gtest.h>

#include <limits>

#include "TypesetTestText.h"
#include "support/ScratchFiles.h"
#include "foundation/params/Style.h"
#include "foundation/text/ScrambledString.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageBinary.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

TPageItem Item(int32_t kind, const char16_t* name, int32_t a, int32_t b, int32_t c, int32_t d)
{
    return {kind, S(name), a, b, c, d};
}

// A page with something in every field, the unstored ones included.
TPageRec FullPage()
{
    TPageRec page;
    page.styleName = u"正文"_s;
    page.centreText = u"上|中|下"_s;
    page.linesOverride = 8;
    page.lines = {{u"<M=0>\u3000天地<-P>"_s, 2100}, {u"玄黃"_s, 0}};
    *page.seals.AddNew() = Item(TPageItemKind::Seal, u"印一", 10, 20, 30, 40);
    *page.seals.AddNew() = Item(TPageItemKind::Seal, u"印二", 1, 2, 3, 4);
    *page.pictures.AddNew() = Item(TPageItemKind::PlacedMultiplied, u"圖.png", 0, 1, 2, 5);
    page.volumeName = u"卷一"_s;
    page.usedSize = 77;
    page.headLines = {{u"眉"_s, 0}};
    page.collectedLines = {{u"批"_s, u"0"_s}};
    return page;
}

void ExpectStoredFieldsEqual(const TPageRec& read, const TPageRec& written)
{
    EXPECT_EQ(read.styleName, written.styleName);
    EXPECT_EQ(read.centreText, written.centreText);
    EXPECT_EQ(read.linesOverride, written.linesOverride);
    EXPECT_EQ(read.lines, written.lines);
    ASSERT_EQ(read.seals.Size(), written.seals.Size());
    for (int32_t i = 0; i < read.seals.Size(); ++i)
        EXPECT_EQ(read.seals[i], written.seals[i]);
    ASSERT_EQ(read.pictures.Size(), written.pictures.Size());
    for (int32_t i = 0; i < read.pictures.Size(); ++i)
        EXPECT_EQ(read.pictures[i], written.pictures[i]);
}

// The page forms of files before version 32: no override field and no line
// sizes; an override travels as a first line "<LLn>".
int32_t WriteOldPage(TBinFile& file, const TPageRec& page, const QString& storedStyleName)
{
    const bool carriesOverride = page.linesOverride > 0;
    int32_t bytes = WriteScrambledString(file, storedStyleName);
    bytes += WriteScrambledString(file, page.centreText);
    bytes += file.WriteInt32(int32_t(page.lines.size()) + (carriesOverride ? 1 : 0));
    if (carriesOverride)
        bytes += WriteScrambledString(file, u"<LL"_s + QString::number(page.linesOverride) + u'>');
    for (const TPageLine& line : page.lines)
        bytes += WriteScrambledString(file, line.text);
    for (const OwningList<TPageItem>* items : {&page.seals, &page.pictures}) {
        bytes += file.WriteInt32(items->Size());
        for (const TPageItem& item : *items)
            bytes += WritePageItem(file, item);
    }
    return bytes;
}

class PageRecordTest : public ::testing::Test {
protected:

    QByteArray Written(const TPageRec& page)
    {
        return files.WrittenBin([&](TBinFile& f) { return WritePageBin(f, page); });
    }
    bool Read(const QByteArray& bytes, TPageRec& page, int32_t version)
    {
        TBinFile file;
        files.OpenBin(file, bytes);
        return ReadPageBin(file, page, version);
    }

    ScratchFiles files;
};

}  // namespace

TEST_F(PageRecordTest, CurrentFormRoundTripsByteForByte)
{
    const TPageRec page = FullPage();
    const QByteArray bytes = Written(page);
    TPageRec read;
    ASSERT_TRUE(Read(bytes, read, kPageFormVersion));
    ExpectStoredFieldsEqual(read, page);
    // Not stored: they come back empty.
    EXPECT_TRUE(read.volumeName.isEmpty());
    EXPECT_EQ(read.usedSize, 0);
    EXPECT_TRUE(read.headLines.empty());
    EXPECT_TRUE(read.collectedLines.empty());
    EXPECT_EQ(Hex(Written(read)), Hex(bytes));
}

TEST_F(PageRecordTest, EmptyPageIsTwoStringsTheOverrideAndThreeZeroCounts)
{
    TPageRec page;
    page.styleName = u"a"_s;
    page.linesOverride = 3;
    LeBytes expected;
    expected.U16(u'a' + 100).U16(0).U16(0).I32(3).I32(0).I32(0).I32(0);
    EXPECT_EQ(Hex(Written(page)), Hex(expected.Data()));
}

TEST_F(PageRecordTest, ItemIsFourIntsAPlainNameAndTheKind)
{
    TPageRec page;
    *page.seals.AddNew() = Item(TPageItemKind::Seal, u"s", 1, 2, 3, 4);
    LeBytes expected;
    expected.U16(0).U16(0).I32(0).I32(0).I32(1).I32(1).I32(2).I32(3).I32(4).WStr(u"s"_s).I32(1).I32(0);
    EXPECT_EQ(Hex(Written(page)), Hex(expected.Data()));
}

TEST_F(PageRecordTest, OlderFormsReadAndRoundTrip)
{
    struct Case {
        int32_t version;
        const char16_t* stored;  // style name in the file
        const char16_t* name;    // as read
        int32_t linesOverride;
    };
    const Case cases[] = {
        {27, u"COVER", u"FengMian", 0},
        {27, u"BACK", u"FengDi", 0},
        {27, u"正文", u"正文", 12},
        {28, u"COVER", u"COVER", 0},  // the old names only before 28
        {31, u"正文", u"正文", 12},
        {31, u"正文", u"正文", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        TPageRec page = FullPage();
        page.styleName = S(c.name);
        page.linesOverride = c.linesOverride;
        for (TPageLine& line : page.lines)
            line.size = 0;
        const QByteArray bytes = files.WrittenBin([&](TBinFile& f) { return WriteOldPage(f, page, S(c.stored)); });
        TPageRec read;
        ASSERT_TRUE(Read(bytes, read, c.version));
        ExpectStoredFieldsEqual(read, page);
        EXPECT_EQ(Hex(files.WrittenBin([&](TBinFile& f) { return WriteOldPage(f, read, S(c.stored)); })),
                  Hex(bytes));
    }
}

TEST_F(PageRecordTest, OldOverrideLineOnlyFirstAndOnlyBefore32)
{
    struct Case {
        int32_t version;
        std::vector<QString> lines;
        int32_t linesOverride;
        std::vector<TPageLine> kept;
    };
    const Case cases[] = {
        {31, {u"<LL12>"_s, u"甲"_s}, 12, {{u"甲"_s, 0}}},
        {31, {u"<LL>"_s}, 0, {}},
        {31, {u"<LL"_s}, 0, {}},
        {31, {u"甲"_s, u"<LL12>"_s}, 0, {{u"甲"_s, 0}, {u"<LL12>"_s, 0}}},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = files.WrittenBin([&](TBinFile& f) {
            int32_t n = WriteScrambledString(f, u"s"_s) + WriteScrambledString(f, {});
            n += f.WriteInt32(int32_t(c.lines.size()));
            for (const QString& line : c.lines)
                n += WriteScrambledString(f, line);
            return n + f.WriteInt32(0) + f.WriteInt32(0);
        });
        TPageRec read;
        ASSERT_TRUE(Read(bytes, read, c.version));
        EXPECT_EQ(read.linesOverride, c.linesOverride) << c.lines.front().toStdString();
        EXPECT_EQ(read.lines, c.kept) << c.lines.front().toStdString();
    }
}

TEST_F(PageRecordTest, DamagedDataStopsWhereItEnds)
{
    const QByteArray bytes = Written(FullPage());
    for (qsizetype cut = 1; cut < bytes.size(); ++cut) {  // an empty file does not open
        TPageRec read;
        EXPECT_FALSE(Read(bytes.left(cut), read, kPageFormVersion)) << cut;
    }

    // A huge line count with one line behind it: the line is kept and no more.
    LeBytes hugeCount;
    hugeCount.U16(0).U16(0).I32(0).I32(std::numeric_limits<int32_t>::max()).U16(u'x' + 100).U16(0).I32(5);
    TPageRec read;
    EXPECT_FALSE(Read(hugeCount.Data(), read, kPageFormVersion));
    EXPECT_EQ(read.lines, (std::vector<TPageLine>{{u"x"_s, 5}}));
}

TEST_F(PageRecordTest, PageListGivesEachPageItsPosition)
{
    TPageTable table;
    for (const char16_t* name : {u"FengMian", u"正文", u"正文"})
        AppendPageRecord(table)->styleName = S(name);
    table.pages[1] = FullPage();
    const QByteArray bytes = files.WrittenBin([&](TBinFile& f) { return WritePageList(table, f); });

    TPageTable read;
    AppendPageRecord(read);  // emptied by the reader
    TBinFile file;
    files.OpenBin(file, bytes);
    ASSERT_TRUE(ReadPageList(file, kPageFormVersion, read));
    ASSERT_EQ(read.pages.Size(), 3);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(read.pages[i].index, i);
    ExpectStoredFieldsEqual(read.pages[1], table.pages[1]);

    // A damaged count reads the pages there are.
    QByteArray damaged = bytes;
    damaged[3] = char(0x7F);
    TBinFile damagedFile;
    files.OpenBin(damagedFile, damaged);
    EXPECT_FALSE(ReadPageList(damagedFile, kPageFormVersion, read));
    EXPECT_EQ(read.pages.Size(), 3);
}

TEST_F(PageRecordTest, CopyIsDeep)
{
    const TPageRec page = FullPage();
    TPageRec copy = page;
    copy.seals[0].name = u"改"_s;
    copy.pictures.AddNew();
    EXPECT_EQ(page.seals[0].name, u"印一"_s);
    EXPECT_EQ(page.pictures.Size(), 1);
    EXPECT_EQ(copy.headLines, page.headLines);
    EXPECT_EQ(copy.collectedLines, page.collectedLines);
    EXPECT_EQ(copy.volumeName, page.volumeName);
}

TEST_F(PageRecordTest, PageStyleNamesCoversApartFromStyles)
{
    TParaSet set;
    for (const QString& name : {kBackCoverName, u"正文"_s})
        set.styles.AddNew()->NAME = name;  // a style that happens to be named like the back cover
    TCoverPara* back = GetBackCoverPara(set);
    TPageRec page;
    page.styleName = kBackCoverName;
    EXPECT_EQ(GetPageStyle(page), nullptr);  // no set in use
    g_CurrentParaSet = &set;
    EXPECT_EQ(GetPageStyle(page), back);
    page.styleName = u"正文"_s;
    EXPECT_EQ(GetPageStyle(page), &set.styles[1]);
    page.styleName = u"別"_s;
    EXPECT_EQ(GetPageStyle(page), nullptr);
}

TEST(PageTable, FindCursorStartsOnTheFirstBodyPage)
{
    g_CoverPages = 1;
    const TPageTable table;
    EXPECT_EQ(table.findPage, 1);
    EXPECT_EQ(table.findLine, 0);
    EXPECT_EQ(table.findColumn, -1);
}
