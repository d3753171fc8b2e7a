#pragma once
// The 目錄 pane: the contents of the shown text or volume (titles and
// volume names with their pages), or, while typeset books are open, the
// books with their folders, volumes and the volumes' contents. Selecting an
// item shows its page.
#include <cstdint>
#include <functional>

#include <QTreeWidget>
#include <QWidget>

#include "typeset/book/Book.h"

// The tree of the pane. An item's data is its page: for a contents node
// the text page; for a volume (volume + 1) << 16, and for a title of a
// volume that plus the page.
class CMViewTree : public QTreeWidget {
    Q_OBJECT
public:
    // What a selection asks of the window.
    struct Navigation {
        // Shows the volume of the book at the page; true when that volume
        // is then the shown one.
        std::function<bool(int32_t volume, int32_t book, int32_t page, const QString& title)> goToVolumePage;
        // Shows a shown page (of the shown text or volume).
        std::function<void(int32_t shown)> goToShownPage;
    };

    explicit CMViewTree(QWidget* parent = nullptr);

    void SetNavigation(Navigation navigation) { navigation_ = std::move(navigation); }
    // The books shown by FillBookTree; null (the default) shows none.
    void SetBookList(const TBookList* books) { books_ = books; }

    // The contents under a bold root item named rootText.
    void FillContents(const QString& rootText, const TBookmarkTree& contents);
    // The open books, their folders (or 4-in-1 groups) and volumes.
    void FillBookTree();

    // The titles of a volume item, added the first time it is expanded.
    void FillVolumeTitles(QTreeWidgetItem* item);
    // The shown volume (g_CurrentBook, g_CurrentVolume) with its titles, and
    // its current title (g_CurrentBookmark; the volume itself when none)
    // made the current item, without navigating. The volume marked before
    // gives back the titles only the marking added.
    void MarkShownVolume();

    static int32_t DataOf(const QTreeWidgetItem* item);
    // Acts on a selected item as a click would (what the selection signal
    // runs, queued).
    void GoToItem(const QTreeWidgetItem* item);

private:
    // Set on a volume item whose titles are not yet added.
    static constexpr int kTitlesPending = Qt::UserRole + 1;

    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text, int32_t data);
    void AddNodes(QTreeWidgetItem* parent, const TBookmarkTree& nodes, int32_t base);
    void AddVolume(QTreeWidgetItem* parent, const TFile& volume);
    void AddFolderContent(QTreeWidgetItem* parent, const ElementBase& folder);
    QTreeWidgetItem* ShownVolumeItem() const;
    void ForgetMarkedTitles();

    const TBookList* books_ = nullptr;
    Navigation navigation_;
    // The volume item whose titles MarkShownVolume added.
    QPersistentModelIndex markedVolume_;
};

class CMFileView : public QWidget {
    Q_OBJECT
public:
    explicit CMFileView(QWidget* parent = nullptr);

    CMViewTree& Tree() { return *tree_; }
    // The contents of the shown text or volume, under its name (GetTextName).
    void SetContentsTree(const QString& textName, int32_t shownPages);

private:
    CMViewTree* tree_ = nullptr;
    TBookmarkTree contents_;
    int32_t shownPages_ = 0;
};

// The name of the book's root folder; empty when it has none.
QString GetBookRootName(const TBook& book);
