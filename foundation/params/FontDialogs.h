#pragma once
// The font dialogs live in the application layer; the edit operations of the
// font records reach them through this interface, which the application
// installs. Without one installed an edit changes nothing.
struct TFontStyle;
struct TFontAndColor;

// Which fields of a layout font the dialog lets the user change.
struct FontStyleDialogFlags {
    bool wordHeightEditable = true;
    bool wordWidthEditable = false;
    bool doubleLineEditable = true;
    bool sizeEditable = true;
};

class FontDialogs {
public:
    virtual ~FontDialogs() = default;
    // Shows the layout-font dialog filled from values; true when the user
    // confirmed, values then holding the dialog's fields.
    virtual bool EditLayoutFont(TFontStyle& values, const FontStyleDialogFlags& flags) = 0;
    // Shows the editor-font dialog filled from values; true when confirmed.
    virtual bool EditEditorFont(TFontAndColor& values) = 0;
};

// The dialogs in force, or null.
FontDialogs* CurrentFontDialogs();
// Installs dialogs (not owned); null removes them. Returns the ones before.
FontDialogs* InstallFontDialogs(FontDialogs* dialogs);
