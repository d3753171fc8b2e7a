#include <gtest/gtest.h>

#include "support/ScratchFiles.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageBinary.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

// Entries as text: C<g> cover, E<g> back cover, _ blank, v:p a page.
QString Render(const std::vector<int32_t>& order)
{
    QStringList out;
    for (const int32_t entry : order) {
        const uint32_t high = uint32_t(entry) >> 16;
        const uint32_t low = uint32_t(entry) & 0xFFFFu;
        if (high == 0xFFFF)
            out << (low % 2 ? u"E"_s : u"C"_s) + QString::number(low / 2);
        else if (high == 0x9999 && low == 0)
            out << u"_"_s;
        else
            out << QString::number(high) + u':' + QString::number(low);
    }
    return out.join(u' ');
}

class FourInOneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_CurrentBook = &book_;
        for (const char16_t* name : {u"FengMian", u"para0", u"FengDi"})
            AppendPageRecord(shown_)->styleName = QString::fromUtf16(name);
        g_CurrentPages = &shown_;
    }

    // One volume per entry: its section page counts; the page count is the
    // sum with the cover and back-cover pages.
    void SetBook(int32_t coverPages, int32_t backPages, const std::vector<std::vector<int32_t>>& volumes)
    {
        book_.coverPages = coverPages;
        book_.backPages = backPages;
        book_.volumes.Clear();
        for (const auto& sections : volumes) {
            TFile* volume = book_.volumes.AddNew();
            volume->pageCount = coverPages + backPages;
            for (const int32_t pages : sections) {
                volume->sections.push_back({u"卷"_s, pages});
                volume->pageCount += pages;
            }
        }
    }
    void Build(const QString& splits)
    {
        Parse4in1Splits(g_4in1Data, splits);
        Build4in1PageOrder(g_4in1Data);
    }
    QString Orders() const
    {
        QStringList groups;
        for (const auto& order : g_4in1Data.pageOrders)
            groups << Render(order);
        return groups.join(u" | ");
    }

    TBook book_;
    TPageTable shown_;
};

TEST_F(FourInOneTest, ParsesGroupEndsAgainstTheVolumes)
{
    SetBook(1, 1, std::vector<std::vector<int32_t>>(6));
    struct Case {
        const char16_t* text;
        std::vector<int32_t> ends;
    };
    const Case cases[] = {
        {u"", {5}},
        {u"2;4", {1, 3, 5}},
        {u"2;4;", {1, 3, 5}},
        {u"2;6", {1, 5}},
        {u" +2", {1, 5}},
        {u"3x;5", {2, 4, 5}},
        {u"9", {5}},        // beyond the volumes: the last one
        {u"9;10", {}},      // a second end at the last volume would be an empty group
        {u"3;2", {}},
        {u"3;3", {}},
        {u"0", {}},
        {u"x", {}},
        {u"2;;4", {}},
        {u"-1", {}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        g_4in1Data.groupEnds = {7, 8};
        Parse4in1Splits(g_4in1Data, text);
        EXPECT_EQ(g_4in1Data.groupEnds, c.ends) << text.toStdString();
    }

    g_CurrentBook = nullptr;  // no book, no groups
    Parse4in1Splits(g_4in1Data, u"");
    EXPECT_TRUE(g_4in1Data.groupEnds.empty());
}

TEST_F(FourInOneTest, FormatsGroupEndsOneBased)
{
    EXPECT_EQ(Format4in1Splits({1, 3, 5}), u"2;4;6;"_s);
    EXPECT_EQ(Format4in1Splits({}), QString());
}

TEST_F(FourInOneTest, BuildsPageOrdersWithCoversAndBlanks)
{
    struct Case {
        const char* what;
        int32_t coverPages;
        std::vector<std::vector<int32_t>> volumes;
        const char16_t* splits;
        const char16_t* orders;
    };
    const Case cases[] = {
        {"one volume of one 6-page section", 1, {{6}}, u"",
         u"C0 0:1 0:2 0:3 0:4 0:5 0:6 _ _ E0"},
        {"no cover pages", 0, {{3}}, u"", u"C0 0:0 0:1 0:2 E0"},
        {"two groups, sections padded to sheets", 1, {{3}, {2, 4}, {5}}, u"1",
         u"C0 0:1 0:2 0:3 _ _ _ _ _ _ E0 | "
         u"C1 1:1 1:2 _ _ 1:3 1:4 1:5 1:6 2:1 2:2 2:3 2:4 2:5 _ _ _ _ _ _ E1"},
        // Four body pages make one sheet; the group is filled to a second one.
        {"a volume without sections", 1, {{}, {4}}, u"", u"C0 1:1 1:2 1:3 1:4 _ _ _ _ E0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetBook(c.coverPages, 1, c.volumes);
        Build(QString::fromUtf16(c.splits));
        EXPECT_EQ(Orders(), QString::fromUtf16(c.orders));
        ASSERT_EQ(g_4in1Data.groupTables.Size(), int32_t(g_4in1Data.pageOrders.size()));
        for (const TPageTable& table : g_4in1Data.groupTables) {
            ASSERT_EQ(table.pages.Size(), 2);
            EXPECT_EQ(table.pages[0].styleName, u"FengMian"_s);
            EXPECT_EQ(table.pages[1].styleName, u"FengDi"_s);
            EXPECT_EQ(table.pages[1].index, 1);
        }
    }

    // Ends that do not parse leave the grouping as it was.
    const QString before = Orders();
    Build(u"3;2"_s);
    EXPECT_TRUE(g_4in1Data.groupEnds.empty());
    EXPECT_EQ(Orders(), before);

    // The shown table may be a group table, which the rebuild replaces.
    g_CurrentPages = &g_4in1Data.groupTables[0];
    Build(u""_s);
    ASSERT_EQ(g_4in1Data.groupTables[0].pages.Size(), 2);
    EXPECT_EQ(g_4in1Data.groupTables[0].pages[1].styleName, u"FengDi"_s);
    g_CurrentPages = &shown_;

    // A shown volume without pages gives groups without cover pages.
    shown_.pages.Clear();
    Build(u""_s);
    ASSERT_EQ(g_4in1Data.groupTables.Size(), 1);
    EXPECT_TRUE(g_4in1Data.groupTables[0].pages.IsEmpty());
}

TEST_F(FourInOneTest, LocatesVolumePagesInTheGroups)
{
    int32_t group = 7;
    int32_t slot = 7;
    EXPECT_FALSE(Locate4in1Page(0, 1, group, slot));  // no groups
    EXPECT_EQ(group, 0);
    EXPECT_EQ(slot, 0);

    // Group 0: C0 0:1 0:2 0:3 _ _ _ _ _ _ E0
    // Group 1: C1 1:1 1:2 _ _ 1:3 1:4 1:5 1:6 2:1 … 2:5 _ _ _ _ _ _ E1
    // Page counts: 5, 8 and 7 (a cover and a back cover each).
    SetBook(1, 1, {{3}, {2, 4}, {5}});
    Build(u"1"_s);
    struct Case {
        int32_t volume, page;
        bool found;
        int32_t group, slot;
    };
    const Case cases[] = {
        {0, 0, true, 0, 0},    // a group's first volume: its cover
        {1, 0, true, 1, 0},
        {2, 0, true, 1, 9},    // a later volume's cover: its first body page
        {0, 2, true, 0, 2},
        {1, 3, true, 1, 5},
        {2, 5, true, 1, 13},
        {0, 4, true, 0, 10},   // the back cover of a group's last volume, past blanks
        {2, 6, true, 1, 20},
        {1, 7, true, 1, 9},    // the back cover of a volume inside a group: the next volume
        {3, 1, false, 0, 0},   // no such volume
        {0, 9, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume << " page " << c.page);
        EXPECT_EQ(Locate4in1Page(c.volume, c.page, group, slot), c.found);
        EXPECT_EQ(group, c.group);
        EXPECT_EQ(slot, c.slot);
    }

    // Without back-cover pages a volume's last page is an ordinary page.
    SetBook(1, 0, {{6}});
    Build(u""_s);
    EXPECT_TRUE(Locate4in1Page(0, 6, group, slot));
    EXPECT_EQ(slot, 6);
    EXPECT_FALSE(Locate4in1Page(0, 7, group, slot));
}

// Counts and ends from a damaged file: no overflow, no page of another
// volume, no walk past the book's volumes.
TEST_F(FourInOneTest, DamagedCountsAndEndsFindNothingWrong)
{
    SetBook(1, 1, {{3}, {2}});
    Build(u""_s);
    const QString orders = Orders();
    int32_t group = 7;
    int32_t slot = 7;
    book_.volumes.GetAtOrNull(0)->pageCount = INT32_MIN;
    struct Case {
        int32_t volume, page;
    };
    const Case cases[] = {
        {0, INT32_MAX},      // INT32_MIN - 1 is no page
        {0, 65536 + 1},      // would read as page 1 of volume 1
        {INT32_MAX, -2},     // no volume after the last int
        {-1, 1},
        {0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume << " page " << c.page);
        EXPECT_FALSE(Locate4in1Page(c.volume, c.page, group, slot));
        EXPECT_EQ(slot, 0);
    }
    EXPECT_TRUE(Locate4in1Page(1, 1, group, slot));

    g_4in1Data.groupEnds = {0, INT32_MAX};
    Build4in1PageOrder(g_4in1Data);
    ASSERT_EQ(g_4in1Data.pageOrders.size(), 2u);
    Build(u"1"_s);
    const QString split = Orders();
    g_4in1Data.groupEnds = {0, INT32_MAX};
    Build4in1PageOrder(g_4in1Data);
    EXPECT_EQ(Orders(), split);
    EXPECT_NE(orders, split);
}

TEST_F(FourInOneTest, DecodesEntriesOfTheCurrentGroup)
{
    SetBook(1, 1, {{3}, {2, 4}, {5}});
    Build(u"1"_s);
    g_Current4in1Group = 1;
    struct Case {
        int32_t slot;
        bool inside;
        int32_t volume, page;
    };
    const Case cases[] = {
        {0, true, 0xFFFF, 2}, {20, true, 0xFFFF, 3}, {3, true, 0x9999, 0}, {9, true, 2, 1},
        {21, false, 0x9999, 0}, {-1, false, 0x9999, 0},
    };
    for (const Case& c : cases) {
        int32_t volume = -5;
        int32_t page = -5;
        EXPECT_EQ(Decode4in1Entry(c.slot, volume, page), c.inside) << c.slot;
        EXPECT_EQ(volume, c.volume) << c.slot;
        EXPECT_EQ(page, c.page) << c.slot;
    }
    g_Current4in1Group = 2;
    int32_t volume = 0;
    int32_t page = 0;
    EXPECT_FALSE(Decode4in1Entry(0, volume, page));
}

TEST_F(FourInOneTest, WritesEndsOrdersAndTables)
{
    SetBook(1, 1, {{2}});
    Build(u""_s);
    ASSERT_EQ(Orders(), u"C0 0:1 0:2 _ _ _ _ _ _ E0"_s);

    ScratchFiles files;
    const QByteArray tables = files.WrittenBin([](TBinFile& f) {
        return f.WriteInt32(1) + WritePageList(g_4in1Data.groupTables[0], f);
    });
    LeBytes head;
    head.I32(1).I32(0).I32(1).I32(10).I32(int32_t(0xFFFF0000u)).I32(1).I32(2);
    for (int i = 0; i < 6; ++i)
        head.I32(int32_t(0x99990000u));
    head.I32(int32_t(0xFFFF0001u));
    const QByteArray bytes = files.WrittenBin([](TBinFile& f) { return Write4in1Data(f, g_4in1Data); });
    EXPECT_EQ(Hex(bytes), Hex(head.Data() + tables));

    EXPECT_EQ(Hex(files.WrittenBin([](TBinFile& f) { return Write4in1Data(f, T4in1Data()); })),
              "00 00 00 00 00 00 00 00 00 00 00 00");
}

}  // namespace
