#pragma once
// The book model: a book folder scanned into a tree of folder nodes whose
// leaves are volume nodes (one pre-processed text per volume), with the
// book's own parameter set and cover and back-cover page counts.
//
// The book's folder and volume lists own every node; the child links of the
// tree do not. A node that is destroyed detaches itself first, so the tree
// never keeps a link to a deleted node.
#include <cstdint>
#include <vector>

#include <QString>

#include "foundation/OwningList.h"
#include "foundation/params/Style.h"
#include "typeset/book/Bookmarks.h"

struct TBook;
class ElementBase;

enum TNodeKind : int32_t { kFolderNode = 0, kVolumeNode = 1 };

// A link from a node to one of its children, with the child's kind and index
// as they were when the link was made.
struct TChildLink {
    ElementBase* node = nullptr;
    int32_t kind = -1;
    int32_t index = -1;
};

class TBase {
public:
    TBase() = default;
    TBase(const TBase&) = delete;
    TBase& operator=(const TBase&) = delete;
    virtual ~TBase() = default;
};

class ElementBase : public TBase {
public:
    ~ElementBase() override;

    // Takes the node and its whole subtree out of the tree: the parent loses
    // its link to the node, and every node below loses its parent.
    void Detach();
    // Removes the first link to node; false when there is none.
    bool RemoveChildLink(const ElementBase* node);
    // Links child below this node.
    void AddChildLink(ElementBase* child);

    int32_t kind = -1;
    int32_t index = -1;  // position in the book's folder or volume list
    QString name;        // folders: the title; volumes: the text file's full path
    uint8_t ticked = 1;
    ElementBase* parent = nullptr;
    std::vector<TChildLink> children;  // in scan order
    uint8_t detached = 0;
};

class NElement : public ElementBase {};

class TFolder : public NElement {
public:
    TBook* owner = nullptr;
};

// A volume of the book, with what the index file keeps of it.
class TFile : public TFolder {
public:
    TBookmarkTree contents;
    int32_t pageCount = 0;
    int32_t coverPages = 0;
    int32_t backPages = 0;
    TNameNumberList sections;  // (section name, page count), in page order
};

struct TBook {
    TBook() = default;
    TBook(const TBook&) = delete;
    TBook& operator=(const TBook&) = delete;

    // Rebuilds the tree from the folder: the root (folder 0) is named after
    // the folder, then the folder is scanned for texts with the extension.
    // An empty path does nothing.
    void LoadFolder(const QString& folder, const QString& ext);

    OwningList<TFolder> folders;  // index 0 is the root
    OwningList<TFile> volumes;    // depth-first scan order
    QString bookFolder;
    TParaSet parameters;
    int32_t coverPages = 0;
    int32_t backPages = 0;
};

// Adds the sub-folders (sorted, each scanned in turn; those that end up
// without a volume below them are dropped again) and then the files with the
// extension (sorted) of one folder below parent. Paths are sorted by UTF-16
// units. A folder already scanned (reached again through a link) is skipped.
void ScanFolder(TBook& book, const QString& folder, const QString& ext, TFolder& parent);

// Sets ticked on the node and every node below it; the parent (one level up
// only) is then ticked when any of its children is.
void SetTickedRecursive(ElementBase& node, bool value);

// The books of the view. Deleting the current book also clears g_CurrentBook.
using TBookList = OwningList<TBook>;
TBook* AddNewBook(TBookList& list);
void ClearBooks(TBookList& list);
// Deletes the book when it is in the list; otherwise nothing happens.
void RemoveBook(TBookList& list, TBook* book);
