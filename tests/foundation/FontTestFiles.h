#pragma once
// Font dialogs for the font tests.
#include <functional>

#include "foundation/params/FontDialogs.h"

// Font dialogs that confirm or cancel as told, after applying an edit.
class FakeFontDialogs final : public FontDialogs {
public:
    FakeFontDialogs() : previous_(InstallFontDialogs(this)) {}
    ~FakeFontDialogs() override { InstallFontDialogs(previous_); }

    bool confirm = true;
    std::function<void(TFontStyle&)> editStyle = [](TFontStyle&) {};
    std::function<void(TFontAndColor&)> editFont = [](TFontAndColor&) {};
    FontStyleDialogFlags seenFlags;

    bool EditLayoutFont(TFontStyle& values, const FontStyleDialogFlags& flags) override
    {
        seenFlags = flags;
        editStyle(values);
        return confirm;
    }
    bool EditEditorFont(TFontAndColor& values) override
    {
        editFont(values);
        return confirm;
    }

private:
    FontDialogs* previous_;
};
