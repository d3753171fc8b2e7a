#pragma once
// 選擇底纹: a thumbnail list of the background textures; the selected entry
// is the result (0 when nothing was clicked, as the list's default).
#include <QDialog>

#include "foundation/params/ImageRef.h"

class QListWidget;

class CDlgSelGround : public QDialog {
public:
    static constexpr int kThumbnailSize = 80;

    explicit CDlgSelGround(const TImageRefList* textures, QWidget* parent = nullptr);
    int SelectedIndex() const;
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_;
};
