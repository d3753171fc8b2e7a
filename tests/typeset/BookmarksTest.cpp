#include <gtest/gtest.h>

#include "support/ScratchFiles.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"

using namespace Qt::StringLiterals;

namespace {

TBookmarkNode* Add(TBookmarkTree& list, const QString& title, int32_t page)
{
    TBookmarkNode* node = AddBookmarkNode(list);
    node->title = title;
    node->page = page;
    return node;
}

// "title@page" per node, depth-first, children in brackets.
QString Dump(const TBookmarkTree& tree)
{
    QString out;
    for (const TBookmarkNode& node : tree) {
        out += node.title + u'@' + QString::number(node.page);
        if (!node.children.IsEmpty())
            out += u'[' + Dump(node.children) + u']';
        out += u' ';
    }
    return out;
}

// 卷一@1 [第一@1 [甲@2] 𠀀@5] 卷二@9: three levels, a CJK title and one
// outside the BMP.
void FillSample(TBookmarkTree& tree)
{
    TBookmarkNode* first = Add(tree, u"卷一"_s, 1);
    Add(Add(first->children, u"第一"_s, 1)->children, u"甲"_s, 2);
    Add(first->children, u"\U00020000"_s, 5);
    Add(tree, u"卷二"_s, 9);
}

// The sample as stored: counts, zero-ended UTF-16LE titles, pages.
QByteArray SampleBytes()
{
    LeBytes b;
    b.I32(2);
    b.WStr(u"卷一"_s).I32(1).I32(2);
    b.WStr(u"第一"_s).I32(1).I32(1);
    b.WStr(u"甲"_s).I32(2).I32(0);
    b.WStr(u"\U00020000"_s).I32(5).I32(0);
    b.WStr(u"卷二"_s).I32(9).I32(0);
    return b.Data();
}

class BookmarksTest : public ::testing::Test {
protected:

    // Reads bytes into tree; the reader's answer.
    bool ReadBytes(const QByteArray& bytes, TBookmarkTree& tree)
    {
        TBinFile file;
        files_.OpenBin(file, bytes);
        return ReadBookmarkTree(file, tree);
    }
    QByteArray Written(const TBookmarkTree& tree)
    {
        return files_.WrittenBin([&](TBinFile& f) { return WriteBookmarkTree(tree, f); });
    }
    void SetFlatPages(std::initializer_list<std::pair<const char16_t*, int32_t>> entries)
    {
        g_BookmarkList.clear();
        for (const auto& [title, page] : entries)
            g_BookmarkList.push_back({QString::fromUtf16(title), page});
    }

    ScratchFiles files_;
};

TEST_F(BookmarksTest, TreeRoundTripsByteForByte)
{
    TBookmarkTree tree;
    FillSample(tree);
    const QByteArray bytes = Written(tree);
    EXPECT_EQ(Hex(bytes), Hex(SampleBytes()));

    TBookmarkTree back;
    Add(back, u"stale"_s, 3);
    ASSERT_TRUE(ReadBytes(bytes, back));
    EXPECT_EQ(Dump(back), Dump(tree));
    EXPECT_EQ(Hex(Written(back)), Hex(bytes));

    TBookmarkTree empty;
    EXPECT_EQ(Hex(Written(empty)), "00 00 00 00");
}

// Damaged data: the reader fails, keeps only whole nodes and never allocates
// or recurses by what a damaged count or depth claims.
TEST_F(BookmarksTest, DamagedTreesFailWithoutHarm)
{
    const QByteArray sample = SampleBytes();
    auto nested = [](int32_t levels) {
        LeBytes b;
        for (int32_t i = 0; i < levels; ++i)
            b.I32(1).WStr(u"t"_s).I32(i);
        b.I32(0);
        return b.Data();
    };
    struct Case {
        const char* what;
        QByteArray bytes;
        bool ok;
        const char16_t* dump;  // null: not checked
    };
    const Case cases[] = {
        {"cut in the count", sample.left(2), false, u""},
        {"cut in the last title", sample.left(sample.size() - 10), false, u"卷一@1[第一@1[甲@2 ] \U00020000@5 ] "},
        {"cut in a child count", sample.left(30), false, u""},
        {"huge count", LeBytes().I32(0x7FFFFFFF).WStr(u"a"_s).I32(1).I32(0).Data(), false, u"a@1 "},
        {"negative count", LeBytes().I32(-5).Data(), true, u""},
        {"nested to the limit", nested(kMaxBookmarkDepth), true, nullptr},
        {"nested beyond the limit", nested(kMaxBookmarkDepth + 1), false, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBookmarkTree tree;
        EXPECT_EQ(ReadBytes(c.bytes, tree), c.ok);
        if (c.dump) {
            EXPECT_EQ(Dump(tree), QString::fromUtf16(c.dump));
        }
    }
}

TEST_F(BookmarksTest, CopiesAreDeepAndSelfCopiesKeepTheTree)
{
    TBookmarkTree tree;
    FillSample(tree);
    const QString before = Dump(tree);

    TBookmarkTree copy;
    Add(copy, u"old"_s, 0);
    CopyBookmarkTree(copy, tree);
    copy[0].children[0].children[0].title = u"changed"_s;
    EXPECT_EQ(Dump(tree), before);

    CopyBookmarkTree(tree, tree);
    AssignBookmarkTree(tree, tree);
    EXPECT_EQ(Dump(tree), before);

    TBookmarkTree clone = CloneBookmarkTree(tree);
    EXPECT_EQ(Dump(clone), before);
    ClearBookmarkTree(tree);
    EXPECT_TRUE(tree.IsEmpty());
    EXPECT_EQ(Dump(clone), before);
}

TEST_F(BookmarksTest, FlattensDepthFirstAppendingToTheList)
{
    TBookmarkTree tree;
    TBookmarkNode* node = Add(tree, u"A"_s, 1);
    Add(Add(node->children, u"B"_s, 2)->children, u"C"_s, 3);
    Add(node->children, u"D"_s, 4);

    SetFlatPages({{u"kept", 0}});
    FlattenBookmarkTree(tree);
    QStringList order;
    for (const TBookmarkEntry& e : g_BookmarkList)
        order << e.title + u'@' + QString::number(e.page);
    EXPECT_EQ(order.join(u' '), u"kept@0 A@1 B@2 C@3 D@4"_s);

    ClearFlatBookmarkList();
    EXPECT_TRUE(g_BookmarkList.empty());
}

TEST_F(BookmarksTest, FindsTheLastTitleAtOrBeforeAPage)
{
    EXPECT_EQ(FindBookmarkByPage(3), -1);  // empty list
    SetFlatPages({{u"a", 3}, {u"b", 7}, {u"c", 12}});
    const std::pair<int32_t, int32_t> cases[] = {{-1, -1}, {2, -1}, {3, 0}, {6, 0}, {7, 1}, {11, 1}, {12, 2}, {20, 2}};
    for (const auto& [page, index] : cases)
        EXPECT_EQ(FindBookmarkByPage(page), index) << "page " << page;
}

TEST_F(BookmarksTest, FindsATitleOnItsPage)
{
    EXPECT_EQ(FindBookmark({u"a"_s, 1}), -1);  // empty list
    SetFlatPages({{u"a", 1}, {u"b", 4}, {u"c", 4}, {u"c", 9}});
    struct Case {
        const char16_t* title;
        int32_t page;
        int32_t index;
    };
    const Case cases[] = {
        {u"c", 4, 2},   // the second title of page 4
        {u"b", 4, 1},
        {u"c", 9, 3},
        {u"c", 5, -1},  // stops at page 9
        {u"C", 4, -1},  // case counts
        {u"a", 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindBookmark({QString::fromUtf16(c.title), c.page}), c.index) << c.page;
}

TEST_F(BookmarksTest, NameNumberListRoundTripsAndStopsAtTheEnd)
{
    const TNameNumberList sections = {{u"卷上"_s, 12}, {QString(), 0}, {u"下"_s, -1}};
    const QByteArray bytes =
        files_.WrittenBin([&](TBinFile& f) { return WriteNameNumberList(f, sections); });
    EXPECT_EQ(Hex(bytes),
              Hex(LeBytes().I32(3).WStr(u"卷上"_s).I32(12).WStr(QString()).I32(0).WStr(u"下"_s).I32(-1).Data()));

    auto read = [&](const QByteArray& data, TNameNumberList& list) {
        TBinFile file;
        files_.OpenBin(file, data);
        return ReadNameNumberList(list, file);
    };
    TNameNumberList back = {{u"stale"_s, 1}};
    ASSERT_TRUE(read(bytes, back));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].name, u"卷上"_s);
    EXPECT_EQ(back[2].number, -1);

    TNameNumberList cut;
    EXPECT_FALSE(read(bytes.left(bytes.size() - 2), cut));
    EXPECT_EQ(cut.size(), 2u);
    EXPECT_FALSE(read(LeBytes().I32(0x40000000).Data(), cut));
    EXPECT_TRUE(cut.empty());
}

}  // namespace
