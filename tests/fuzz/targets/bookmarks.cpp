// The stored contents of a volume (a tree of titles) and its section list,
// then the flat list that page navigation looks titles up in.
#include "FuzzTarget.h"

#include "foundation/io/BinFile.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"

// the tree · the section list
void FuzzOne(FuzzInput input)
{
    TBinFile file;
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    TBookmarkTree tree;
    TNameNumberList sections;
    if (ReadBookmarkTree(file, tree))
        ReadNameNumberList(sections, file);
    FlattenBookmarkTree(tree);
    for (const TNameNumber& section : sections) {
        FindBookmarkByPage(section.number);
        FindBookmark({section.name, section.number});
    }
    ClearFlatBookmarkList();
}

void WriteSeeds(SeedWriter& seeds)
{
    TBookmarkTree tree;
    TBookmarkNode* volume = AddBookmarkNode(tree);
    volume->title = QStringLiteral("卷一");
    TBookmarkNode* poem = AddBookmarkNode(volume->children);
    poem->title = QStringLiteral("關雎");
    poem->page = 2;
    AddBookmarkNode(tree)->title = QStringLiteral("卷二");
    const TNameNumberList sections = {{QStringLiteral("正文"), 2}, {QStringLiteral("附錄"), 0}};
    seeds.Add(QStringLiteral("contents"), BinaryBytes([&](TBinFile& file) {
                  WriteBookmarkTree(tree, file);
                  WriteNameNumberList(file, sections);
              }));
}
