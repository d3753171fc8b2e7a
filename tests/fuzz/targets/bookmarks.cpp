// The stored contents of a volume (a tree of titles) and its section list,
// then the flat list that page navigation looks titles up in.
#include "FuzzTarget.h"

#include "foundation/io/BinFile.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"

namespace {
QByteArray Written(const TBookmarkTree& tree, const TNameNumberList& sections)
{
    return BinaryBytes([&](TBinFile& file) {
        WriteBookmarkTree(tree, file);
        WriteNameNumberList(file, sections);
    });
}

bool Read(TBinFile& file, TBookmarkTree& tree, TNameNumberList& sections)
{
    return ReadBookmarkTree(file, tree) && ReadNameNumberList(sections, file);
}

void RequireRoundTrip(const TBookmarkTree& tree, const TNameNumberList& sections)
{
    const QByteArray written = Written(tree, sections);
    TBinFile file;
    file.OpenReadBuffer(written);
    TBookmarkTree rereadTree;
    TNameNumberList rereadSections;
    Read(file, rereadTree, rereadSections);
    RequireSameBytes(written, Written(rereadTree, rereadSections), "contents");
}
}  // namespace

// the tree · the section list
void FuzzOne(FuzzInput input)
{
    TBinFile file;
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    TBookmarkTree tree;
    TNameNumberList sections;
    if (Read(file, tree, sections))
        RequireRoundTrip(tree, sections);
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
    seeds.Add(QStringLiteral("contents"), Written(tree, sections));
}
