#include "app/panes/DirectoryPane.h"

#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "foundation/io/Paths.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"

namespace {

constexpr int32_t kVolumeShift = 16;
constexpr int32_t kPageMask = 0xFFFF;

int32_t VolumeData(int32_t volume) { return (volume + 1) << kVolumeShift; }

// Blocks the selection signal while the tree is rebuilt, so that filling
// never navigates.
class FillingTree {
public:
    explicit FillingTree(QTreeWidget& tree) : tree_(tree), blocked_(tree.blockSignals(true)) { tree_.clear(); }
    ~FillingTree() { tree_.blockSignals(blocked_); }

private:
    QTreeWidget& tree_;
    bool blocked_;
};

// A volume item's titles, depth-first, each before those below it: the
// order of the flat title list.
QTreeWidgetItem* NthTitle(QTreeWidgetItem* parent, int32_t& n)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        if (n-- == 0)
            return child;
        if (QTreeWidgetItem* found = NthTitle(child, n))
            return found;
    }
    return nullptr;
}

// The item of the volume with this data among the folders (or groups)
// under parent; titles are not looked into.
QTreeWidgetItem* FindVolumeItem(QTreeWidgetItem* parent, int32_t data)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        const int32_t d = CMViewTree::DataOf(child);
        if (d == data)
            return child;
        if (d <= kPageMask)
            if (QTreeWidgetItem* found = FindVolumeItem(child, data))
                return found;
    }
    return nullptr;
}

void MakeBold(QTreeWidgetItem* item)
{
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
}

}  // namespace

QString GetBookRootName(const TBook& book)
{
    return book.folders.Size() > 0 ? book.folders.First()->name : QString();
}

CMViewTree::CMViewTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("CMViewTree"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    connect(this, &QTreeWidget::itemExpanded, this, &CMViewTree::FillVolumeTitles);
    // Navigation can rebuild this very tree: run it after the signal returns.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        QTimer::singleShot(0, this, [this, item = QPersistentModelIndex(indexFromItem(item))] {
            if (item.isValid())
                GoToItem(itemFromIndex(item));
        });
    });
}

int32_t CMViewTree::DataOf(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem* CMViewTree::AddItem(QTreeWidgetItem* parent, const QString& text, int32_t data)
{
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(this, {text});
    item->setData(0, Qt::UserRole, data);
    return item;
}

void CMViewTree::AddNodes(QTreeWidgetItem* parent, const TBookmarkTree& nodes, int32_t base)
{
    for (const TBookmarkNode& node : nodes) {
        QTreeWidgetItem* item = AddItem(parent, node.title, base + node.page);
        AddNodes(item, node.children, base);
    }
    parent->setExpanded(true);
}

void CMViewTree::FillContents(const QString& rootText, const TBookmarkTree& contents)
{
    FillingTree filling(*this);
    QTreeWidgetItem* root = AddItem(nullptr, rootText, 0);
    MakeBold(root);
    AddNodes(root, contents, 0);
}

void CMViewTree::AddVolume(QTreeWidgetItem* parent, const TFile& volume)
{
    QTreeWidgetItem* item = AddItem(parent, GetFileTitlePart(volume.name), VolumeData(volume.index));
    // A book holds tens of thousands of titles: a volume's come when it is
    // opened (FillVolumeTitles), so that the book shows at once.
    if (volume.contents.Size() > 0) {
        item->setData(0, kTitlesPending, true);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

void CMViewTree::FillVolumeTitles(QTreeWidgetItem* item)
{
    if (!item || !item->data(0, kTitlesPending).toBool() || !books_)
        return;
    item->setData(0, kTitlesPending, false);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    const QTreeWidgetItem* top = item;
    while (top->parent())
        top = top->parent();
    const TBook* book = books_->GetAtOrNull(indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(top)));
    const TFile* volume = book ? book->volumes.GetAtOrNull((DataOf(item) >> kVolumeShift) - 1) : nullptr;
    if (volume)
        AddNodes(item, volume->contents, VolumeData(volume->index));
}

QTreeWidgetItem* CMViewTree::ShownVolumeItem() const
{
    if (!books_ || !g_CurrentBook || g_CurrentVolume < 0)
        return nullptr;
    int32_t index = 0;
    for (const TBook& book : *books_) {
        if (&book == g_CurrentBook)
            break;
        ++index;
    }
    QTreeWidgetItem* top = topLevelItem(index);
    return top ? FindVolumeItem(top, VolumeData(g_CurrentVolume)) : nullptr;
}

void CMViewTree::ForgetMarkedTitles()
{
    QTreeWidgetItem* item = markedVolume_.isValid() ? itemFromIndex(markedVolume_) : nullptr;
    markedVolume_ = QPersistentModelIndex();
    if (!item)
        return;
    item->setExpanded(false);
    qDeleteAll(item->takeChildren());
    item->setData(0, kTitlesPending, true);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

void CMViewTree::MarkShownVolume()
{
    QTreeWidgetItem* volume = ShownVolumeItem();
    if (!volume)
        return;
    const bool blocked = blockSignals(true);
    if (indexFromItem(volume) != markedVolume_) {
        // Walking a book volume by volume leaves only the shown one filled.
        ForgetMarkedTitles();
        if (volume->data(0, kTitlesPending).toBool()) {
            FillVolumeTitles(volume);
            markedVolume_ = indexFromItem(volume);
        }
    }
    volume->setExpanded(true);
    int32_t n = g_CurrentBookmark;
    QTreeWidgetItem* title = n >= 0 ? NthTitle(volume, n) : nullptr;
    setCurrentItem(title ? title : volume);
    scrollToItem(currentItem());
    blockSignals(blocked);
}

void CMViewTree::AddFolderContent(QTreeWidgetItem* parent, const ElementBase& folder)
{
    for (const TChildLink& link : folder.children) {
        if (!link.node)
            continue;
        if (link.node->kind == kVolumeNode) {
            AddVolume(parent, static_cast<const TFile&>(*link.node));
        } else {
            QTreeWidgetItem* item = AddItem(parent, link.node->name, 0);
            AddFolderContent(item, *link.node);
            item->setExpanded(true);
        }
    }
}

void CMViewTree::FillBookTree()
{
    if (!books_)
        return;
    FillingTree filling(*this);
    int32_t index = 0;
    for (const TBook& book : *books_) {
        QTreeWidgetItem* top = AddItem(nullptr, GetBookRootName(book), g_FourInOneMode ? 0 : index);
        MakeBold(top);
        if (g_FourInOneMode) {
            int32_t first = 0;
            for (size_t g = 0; g < g_4in1Data.groupEnds.size(); ++g) {
                QTreeWidgetItem* group = AddItem(top, QStringLiteral("第%1册").arg(g + 1), 0);
                const int32_t last = std::min(g_4in1Data.groupEnds[g], book.volumes.Size() - 1);
                for (int32_t v = first; v <= last; ++v)
                    AddVolume(group, book.volumes[v]);
                first = g_4in1Data.groupEnds[g] + 1;
            }
        } else if (book.folders.Size() > 0) {
            top->setCheckState(0, book.folders.First()->ticked ? Qt::Checked : Qt::Unchecked);
            AddFolderContent(top, *book.folders.First());
        }
        top->setExpanded(true);
        ++index;
    }
    markedVolume_ = QPersistentModelIndex();
    MarkShownVolume();
}

void CMViewTree::GoToItem(const QTreeWidgetItem* item)
{
    const QTreeWidgetItem* top = item;
    while (top->parent())
        top = top->parent();
    if (top == item)
        return;
    const int32_t d = DataOf(item);
    int32_t page = d & kPageMask;
    if (d > kPageMask) {
        const int32_t volume = (d >> kVolumeShift) - 1;
        if (!navigation_.goToVolumePage ||
            !navigation_.goToVolumePage(volume, DataOf(top), page, item->text(0)))
            return;
    } else {
        page = TextPageToShownPage(page);
        if (navigation_.goToShownPage)
            navigation_.goToShownPage(page);
    }
    const int32_t entry = FindBookmark({item->text(0), page});
    if (entry >= -g_CoverPages)
        g_CurrentBookmark = entry;
}

CMFileView::CMFileView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CMFileView"));
    tree_ = new CMViewTree(this);
    auto* toolBar = new QToolBar(this);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->addAction(QStringLiteral("目錄"))->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(tree_);
}

void CMFileView::SetContentsTree(const QString& textName, int32_t shownPages)
{
    CopyBookmarkTree(contents_, g_VolumeContents);
    shownPages_ = shownPages;
    tree_->FillContents(textName, contents_);
}
