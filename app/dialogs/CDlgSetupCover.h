#pragma once
// 設置封面字體參數: the two fonts of a cover (大字字體, 小字字體).
#include <QDialog>

#include "foundation/params/Box.h"

class CDlgSetupCover : public QDialog {
public:
    explicit CDlgSetupCover(const TFontPair& fonts, QWidget* parent = nullptr);
    const TFontPair& Values() const { return fonts_; }

private:
    TFontPair fonts_;
};
