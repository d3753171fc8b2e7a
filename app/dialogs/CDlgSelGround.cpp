#include "app/dialogs/CDlgSelGround.h"

#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/dialogs/DialogParts.h"
#include "foundation/Picture.h"
#include "foundation/io/DataFolders.h"

using namespace Qt::StringLiterals;

namespace {

// The picture stretched to a square thumbnail; white when it cannot be loaded.
QPixmap Thumbnail(const QString& path)
{
    const int size = CDlgSelGround::kThumbnailSize;
    TPicture picture;
    if (!LoadPicture(path, picture)) {
        QPixmap white(size, size);
        white.fill(Qt::white);
        return white;
    }
    return QPixmap::fromImage(picture.image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

CDlgSelGround::CDlgSelGround(const TImageRefList* textures, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(u"選擇底紋"_s);
    list_ = new QListWidget(this);
    list_->setObjectName(u"textures"_s);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    list_->setResizeMode(QListView::Adjust);
    list_->setMinimumSize(4 * (kThumbnailSize + 20), 2 * (kThumbnailSize + 30));
    if (textures) {
        for (int32_t i = 0; i < textures->Size(); ++i) {
            const QString path = ResolveImageRef((*textures)[i]);
            if (!path.isEmpty())
                list_->addItem(new QListWidgetItem(QIcon(Thumbnail(path)), u"底纹%1"_s.arg(i + 1)));
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

int CDlgSelGround::SelectedIndex() const { return list_->currentRow() < 0 ? 0 : list_->currentRow(); }
