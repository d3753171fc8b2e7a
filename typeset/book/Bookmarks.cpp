#include "typeset/book/Bookmarks.h"

#include "foundation/io/BinFile.h"
#include "foundation/params/RecordListIo.h"
#include "typeset/TypesetGlobals.h"

namespace {

bool ReadTreeAt(TBinFile& file, TBookmarkTree& list, int32_t depth);

// depth: 1 for a top-level node. A node deeper than the limit ends the read.
bool ReadNodeAt(TBinFile& file, TBookmarkNode& node, int32_t depth)
{
    if (depth > kMaxBookmarkDepth)
        return false;
    return file.ReadString(node.title) && file.ReadInt32(node.page) && ReadTreeAt(file, node.children, depth + 1);
}

bool ReadTreeAt(TBinFile& file, TBookmarkTree& list, int32_t depth)
{
    return ReadCountedList(file, list,
                           [depth](TBinFile& f, TBookmarkNode& node, int32_t) { return ReadNodeAt(f, node, depth); });
}

void FlattenInto(const TBookmarkTree& tree, std::vector<TBookmarkEntry>& out)
{
    for (const TBookmarkNode& node : tree) {
        out.push_back({node.title, node.page});
        FlattenInto(node.children, out);
    }
}

}  // namespace

TBookmarkNode* AddBookmarkNode(TBookmarkTree& list)
{
    return list.AddNew();
}

void ClearBookmarkTree(TBookmarkTree& list)
{
    list.Clear();
}

void FreeBookmarkTree(TBookmarkTree& list)
{
    list.Destroy();
}

void CopyBookmarkTree(TBookmarkTree& target, const TBookmarkTree& source)
{
    AssignBookmarkTree(target, source);
}

void AssignBookmarkTree(TBookmarkTree& target, const TBookmarkTree& source)
{
    target.Assign(source);
}

TBookmarkTree CloneBookmarkTree(const TBookmarkTree& source)
{
    return source;
}

int32_t WriteBookmarkTree(const TBookmarkTree& list, TBinFile& file)
{
    return WriteCountedList(file, list, [](TBinFile& f, const TBookmarkNode& node) {
        return f.WriteString(node.title) + f.WriteInt32(node.page) + WriteBookmarkTree(node.children, f);
    });
}

bool ReadBookmarkTree(TBinFile& file, TBookmarkTree& list)
{
    return ReadTreeAt(file, list, 1);
}

bool ReadBookmarkNode(TBinFile& file, TBookmarkNode& node)
{
    return ReadNodeAt(file, node, 1);
}

void ClearFlatBookmarkList()
{
    g_BookmarkList.clear();
}

void FlattenBookmarkTree(const TBookmarkTree& tree)
{
    FlattenInto(tree, g_BookmarkList);
}

int32_t FindBookmarkByPage(int32_t page)
{
    if (g_BookmarkList.empty() || page < 0)
        return -1;
    const int32_t count = int32_t(g_BookmarkList.size());
    for (int32_t i = 0; i < count; ++i) {
        const int32_t at = g_BookmarkList[size_t(i)].page;
        if (at == page)
            return i;
        if (at > page)
            return i - 1;
    }
    return count - 1;
}

int32_t FindBookmark(const TBookmarkEntry& entry)
{
    const int32_t count = int32_t(g_BookmarkList.size());
    for (int32_t i = 0; i < count; ++i) {
        const TBookmarkEntry& at = g_BookmarkList[size_t(i)];
        if (at.page > entry.page)
            return -1;
        if (at.page == entry.page && at.title == entry.title)
            return i;
    }
    return -1;
}

int32_t WriteNameNumberList(TBinFile& file, const TNameNumberList& list)
{
    int32_t bytes = file.WriteInt32(int32_t(list.size()));
    for (const TNameNumber& entry : list)
        bytes += file.WriteString(entry.name) + file.WriteInt32(entry.number);
    return bytes;
}

bool ReadNameNumberList(TNameNumberList& list, TBinFile& file)
{
    list.clear();
    int32_t count = 0;
    if (!file.ReadInt32(count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        TNameNumber entry;
        if (!file.ReadString(entry.name) || !file.ReadInt32(entry.number))
            return false;
        list.push_back(entry);
    }
    return true;
}
