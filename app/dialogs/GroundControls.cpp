#include "app/dialogs/GroundControls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/LayoutDialogModel.h"
#include "foundation/Picture.h"
#include "foundation/io/DataFolders.h"

using namespace Qt::StringLiterals;

GroundControls::GroundControls(QWidget* group, QGridLayout& grid, ColorSwatch* swatch, QPushButton* colorPick,
                               QPushButton* texturePick, std::function<void(int)> choose)
    : colorPick_(colorPick), texturePick_(texturePick)
{
    colorRadio_ = new QRadioButton(u"底色"_s, group);
    colorRadio_->setObjectName(u"ground.color"_s);
    textureRadio_ = new QRadioButton(u"底紋"_s, group);
    textureRadio_->setObjectName(u"ground.texture"_s);
    auto* radios = new QButtonGroup(group);
    radios->addButton(colorRadio_, 0);
    radios->addButton(textureRadio_, 1);
    QObject::connect(radios, &QButtonGroup::idClicked, group, std::move(choose));
    preview_ = new QLabel(group);
    preview_->setObjectName(u"ground.preview"_s);
    preview_->setFixedSize(80, 60);
    preview_->setFrameShape(QFrame::Box);
    grid.addWidget(colorRadio_, 0, 0);
    grid.addWidget(swatch, 0, 1);
    grid.addWidget(colorPick_, 0, 2);
    grid.addWidget(textureRadio_, 1, 0);
    grid.addWidget(preview_, 1, 1);
    grid.addWidget(texturePick_, 1, 2);
}

void GroundControls::Show(const TGroundChoice& ground, const TLayoutControlState& state)
{
    textureRadio_->setEnabled(state.textureRadioEnabled);
    {
        const QSignalBlocker a(colorRadio_), b(textureRadio_);
        (ground.useTexture ? textureRadio_ : colorRadio_)->setChecked(true);
    }
    colorPick_->setEnabled(state.backColorPickEnabled);
    texturePick_->setEnabled(state.texturePickEnabled && state.textureRadioEnabled);

    // Computed when the selection changes, never while painting.
    const int selected = ground.textures.IsEmpty() ? -1 : ground.selected;
    if (selected == previewShown_)
        return;
    previewShown_ = selected;
    preview_->clear();
    const TImageRef* ref = ground.textures.GetAtOrNull(selected);
    const QString path = ref ? ResolveImageRef(*ref) : QString();
    TPicture picture;
    if (!path.isEmpty() && LoadPicture(path, picture))
        preview_->setPixmap(QPixmap::fromImage(picture.image.scaled(preview_->size(), Qt::IgnoreAspectRatio)));
}
