#include "app/dialogs/CDlgSelGround.h"

#include <QVBoxLayout>

#include "app/controls/ListBmp.h"
#include "app/dialogs/DialogParts.h"
#include "foundation/Picture.h"
#include "foundation/io/DataFolders.h"

using namespace Qt::StringLiterals;

CDlgSelGround::CDlgSelGround(const TImageRefList* textures, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(u"選擇底紋"_s);
    auto* list = new RListBmp(this, kThumbnailSize);
    list_ = list;
    list_->setObjectName(u"textures"_s);
    list_->setMinimumSize(4 * (kThumbnailSize + 20), 2 * (kThumbnailSize + 30));
    if (textures) {
        for (int32_t i = 0; i < textures->Size(); ++i) {
            const QString path = ResolveImageRef((*textures)[i]);
            if (path.isEmpty())
                continue;
            TPicture picture;
            LoadPicture(path, picture);  // one that cannot be loaded shows white
            list->AddThumbnail(picture, u"底纹%1"_s.arg(i + 1));
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

int CDlgSelGround::SelectedIndex() const { return list_->currentRow() < 0 ? 0 : list_->currentRow(); }
