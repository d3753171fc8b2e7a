#pragma once
// The background controls every layout dialog has: the 底色 / 底紋 radio
// pair, the colour swatch with its 選擇, and the texture preview with its
// 選擇. The radios and the two 選擇 buttons are enabled by the texture
// choice; the preview shows the chosen texture stretched into it.
#include <functional>

class ColorSwatch;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
struct TGroundChoice;
struct TLayoutControlState;

class GroundControls {
public:
    // Lays the controls out in rows 0 and 1 of grid: radio, swatch, colour
    // pick; radio, preview, texture pick. choose gets 0 for 底色 and 1 for
    // 底紋 when the user clicks a radio.
    GroundControls(QWidget* group, QGridLayout& grid, ColorSwatch* swatch, QPushButton* colorPick,
                   QPushButton* texturePick, std::function<void(int)> choose);

    // Checks the radio of the choice, enables by the state and previews the
    // selected texture (loaded only when the selection changed).
    void Show(const TGroundChoice& ground, const TLayoutControlState& state);

private:
    QRadioButton* colorRadio_;
    QRadioButton* textureRadio_;
    QPushButton* colorPick_;
    QLabel* preview_;
    QPushButton* texturePick_;
    int previewShown_ = -2;
};
