#include "app/controls/ListBmp.h"

#include <QPainter>

#include "foundation/Picture.h"

RListBmp::RListBmp(QWidget* parent, int thumbnailSize) : QListWidget(parent), thumbnailSize_(thumbnailSize)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(thumbnailSize, thumbnailSize));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    connect(this, &QListWidget::itemClicked, this, &RListBmp::OnItemClicked);
}

QImage RListBmp::MakeThumbnail(const TPicture& picture, int size)
{
    QImage square(size, size, QImage::Format_RGB32);
    square.fill(Qt::white);
    if (!picture.image.isNull()) {
        QPainter painter(&square);
        painter.drawImage(QRect(0, 0, size, size), picture.image);
    }
    return square;
}

void RListBmp::AddThumbnail(const TPicture& picture, const QString& label)
{
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(MakeThumbnail(picture, thumbnailSize_))), label);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    addItem(item);
}

void RListBmp::ClearImageList()
{
    clear();
    selected_ = 0;
}

void RListBmp::OnItemClicked()
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    if (chosen.size() == 1)
        selected_ = row(chosen.front());
}
