#include "typeset/book/Book.h"

#include <algorithm>
#include <set>

#include <QFileInfo>
#include <QStringList>

#include "foundation/io/FolderScan.h"
#include "foundation/io/Paths.h"
#include "foundation/text/StringUtils.h"
#include "typeset/TypesetGlobals.h"

namespace {

QString Trimmed(QString text)
{
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    return text;
}

// Ascending by UTF-16 units (QString's own order), equal paths kept in order.
void SortByUnits(QStringList& paths)
{
    std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) { return a < b; });
}

// The folder's real place, so that a folder met again through a link is
// known; the path itself when the folder cannot be resolved.
QString RealFolder(const QString& folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? folder : real;
}

template <class Node>
Node* AppendNode(OwningList<Node>& list, TBook& book, int32_t kind, const QString& name, TFolder& parent)
{
    Node* node = list.AddNew();
    node->kind = kind;
    node->index = list.Size() - 1;
    node->name = name;
    node->owner = &book;
    parent.AddChildLink(node);
    return node;
}

void ScanBelow(TBook& book, const QString& folder, const QString& ext, TFolder& parent, std::set<QString>& seen)
{
    QStringList subFolders;
    QStringList files;
    ListSubFolders(folder, subFolders, false);
    ListFilesByExt(folder, ext, files, false);
    SortByUnits(subFolders);
    SortByUnits(files);

    for (const QString& sub : subFolders) {
        if (!seen.insert(RealFolder(sub)).second)
            continue;
        TFolder* node = AppendNode(book.folders, book, kFolderNode, Trimmed(GetFileTitlePart(sub)), parent);
        ScanBelow(book, sub, ext, *node, seen);
        // Nothing was kept below it, so it is still the last folder; deleting
        // it removes its link from the parent.
        if (node->children.empty())
            book.folders.RemoveAt(book.folders.Size() - 1);
    }
    for (const QString& file : files)
        AppendNode(book.volumes, book, kVolumeNode, Trimmed(file), parent);
}

void SetTickedBelow(ElementBase& node, uint8_t value)
{
    node.ticked = value;
    for (const TChildLink& link : node.children)
        SetTickedBelow(*link.node, value);
}

}  // namespace

ElementBase::~ElementBase()
{
    if (!detached)
        Detach();
}

void ElementBase::Detach()
{
    detached = 1;
    if (parent)
        parent->RemoveChildLink(this);
    parent = nullptr;
    // Each child removes its own link from children while we walk: walk a copy.
    const std::vector<TChildLink> links = children;
    for (const TChildLink& link : links)
        link.node->Detach();
}

bool ElementBase::RemoveChildLink(const ElementBase* node)
{
    const auto it = std::find_if(children.begin(), children.end(),
                                 [node](const TChildLink& link) { return link.node == node; });
    if (it == children.end())
        return false;
    children.erase(it);
    return true;
}

void ElementBase::AddChildLink(ElementBase* child)
{
    children.push_back({child, child->kind, child->index});
    child->parent = this;
}

void TBook::LoadFolder(const QString& folder, const QString& ext)
{
    if (folder.isEmpty())
        return;
    volumes.Clear();
    folders.Clear();
    TFolder* root = folders.AddNew();
    root->kind = kFolderNode;
    root->index = 0;
    root->name = Trimmed(GetFileTitlePart(folder));
    root->owner = this;
    bookFolder = folder;
    ScanFolder(*this, folder, ext, *root);
    SetTickedRecursive(*root, true);
}

void ScanFolder(TBook& book, const QString& folder, const QString& ext, TFolder& parent)
{
    std::set<QString> seen{RealFolder(folder)};
    ScanBelow(book, folder, ext, parent, seen);
}

void SetTickedRecursive(ElementBase& node, bool value)
{
    SetTickedBelow(node, value ? 1 : 0);
    if (!node.parent)
        return;
    const auto& siblings = node.parent->children;
    node.parent->ticked =
        std::any_of(siblings.begin(), siblings.end(), [](const TChildLink& link) { return link.node->ticked != 0; });
}

TBook* AddNewBook(TBookList& list)
{
    return list.AddNew();
}

void ClearBooks(TBookList& list)
{
    if (list.IndexOf(g_CurrentBook) >= 0)
        g_CurrentBook = nullptr;
    list.Clear();
}

void RemoveBook(TBookList& list, TBook* book)
{
    if (list.IndexOf(book) >= 0 && book == g_CurrentBook)
        g_CurrentBook = nullptr;
    list.Remove(book);
}
