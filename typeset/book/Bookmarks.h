#pragma once
// The contents of a volume: a tree of titles with the page each stands on,
// its binary form, and the flat list of the shown volume's titles that page
// navigation looks titles up in.
#include <cstdint>
#include <vector>

#include <QString>

#include "foundation/OwningList.h"

class TBinFile;

struct TBookmarkNode {
    QString title;
    int32_t page = 0;  // set by whoever creates the node
    OwningList<TBookmarkNode> children;  // the titles below, in page order
};

using TBookmarkTree = OwningList<TBookmarkNode>;

// One entry of the flat list (g_BookmarkList).
struct TBookmarkEntry {
    QString title;
    int32_t page = 0;
};

// A name with a number: a volume's sections with their page counts.
struct TNameNumber {
    QString name;
    int32_t number = 0;
};
using TNameNumberList = std::vector<TNameNumber>;

// Trees nested deeper than this are refused by the reader: the depth comes
// from the file, and the reader, the copy and the destructor all recurse.
inline constexpr int32_t kMaxBookmarkDepth = 256;

// A new node with an empty title and no children, appended to the list.
TBookmarkNode* AddBookmarkNode(TBookmarkTree& list);
// Deletes every node with its subtree; FreeBookmarkTree also gives the
// storage back.
void ClearBookmarkTree(TBookmarkTree& list);
void FreeBookmarkTree(TBookmarkTree& list);
// The target becomes a deep copy of the source. Copying a tree onto itself
// leaves it as it is (clearing first would lose it).
void CopyBookmarkTree(TBookmarkTree& target, const TBookmarkTree& source);
void AssignBookmarkTree(TBookmarkTree& target, const TBookmarkTree& source);
TBookmarkTree CloneBookmarkTree(const TBookmarkTree& source);

// int32 node count, then per node: title (zero-ended UTF-16LE), page (int32)
// and its children in this same form. Returns the bytes written.
int32_t WriteBookmarkTree(const TBookmarkTree& list, TBinFile& file);
// Clears the list and reads a tree. False when the data end early or nest
// deeper than kMaxBookmarkDepth; the nodes read completely stay.
bool ReadBookmarkTree(TBinFile& file, TBookmarkTree& list);
// Title, page and children of one node.
bool ReadBookmarkNode(TBinFile& file, TBookmarkNode& node);

// The flat list of the shown volume's titles.
void ClearFlatBookmarkList();
// Appends the tree's entries depth-first, each node before its children.
void FlattenBookmarkTree(const TBookmarkTree& tree);
// The last entry at or before page (entries in ascending page order); -1
// when the list is empty, the page is negative or the first entry is later.
int32_t FindBookmarkByPage(int32_t page);
// The entry with that title and page; the search stops at the first later
// page. -1 when none.
int32_t FindBookmark(const TBookmarkEntry& entry);

// int32 count, then per entry name (zero-ended UTF-16LE) and number (int32).
int32_t WriteNameNumberList(TBinFile& file, const TNameNumberList& list);
// Empties the list and reads the entries in file order; false when the data
// end early (the entries read completely stay).
bool ReadNameNumberList(TNameNumberList& list, TBinFile& file);
