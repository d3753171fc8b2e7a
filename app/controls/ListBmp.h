#pragma once
// An icon list of picture thumbnails, each square (the picture stretched
// into it on white, its aspect not kept) and checked; used to choose a
// background texture.
#include <QListWidget>

struct TPicture;

class RListBmp : public QListWidget {
    Q_OBJECT
public:
    explicit RListBmp(QWidget* parent = nullptr, int thumbnailSize = 100);

    void AddThumbnail(const TPicture& picture, const QString& label);
    // Removes every item and its image.
    void ClearImageList();

    int ItemCount() const { return count(); }
    int ThumbnailSize() const { return thumbnailSize_; }
    // The index of the item last clicked while it was the only one selected.
    int SelectedIndex() const { return selected_; }

    // The square thumbnail of a picture.
    static QImage MakeThumbnail(const TPicture& picture, int size);

private:
    void OnItemClicked();

    int thumbnailSize_;
    int selected_ = 0;
};
