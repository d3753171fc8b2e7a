#pragma once
// The program's own settings file: print margins and orientation, zoom, the
// last project and book folders, the two-page flag and the fonts of the two
// panes. Despite its ".ini" name it is the framework's binary archive:
// little-endian values, no magic, no version, no count.
//
// Fields in order: the print margins left, right, top, bottom (int32, 1/100
// mm), the orientation (int16), the zoom index (int32), the project folder
// (archive string), the two-page flag (int32; woodblock edition only), the
// last book folder (string), the edit pane's font (the font-and-colour
// archive form) and the text pane's character format.
//
// The main frame fills a TFrameSettings from its working state, and takes
// it back after loading; the functions here touch no working state except
// the current directory and the page sizes of g_ParaSet's styles.
#include <cstdint>

#include <QString>

#include "foundation/params/Font.h"

class QIODevice;

// The text pane's default character format as the archive keeps it.
struct TTextPaneFormat {
    QString face;
    uint8_t charset = 1;
    int32_t height = 240;  // twips
    uint8_t pitchAndFamily = 0;
    int32_t effects = 0;

    bool operator==(const TTextPaneFormat&) const = default;
};

struct TFrameSettings {
    int32_t marginLeft = 200;
    int32_t marginRight = 200;
    int32_t marginTop = 200;
    int32_t marginBottom = 200;
    int16_t orientation = 2;  // 1 portrait, 2 landscape
    int32_t zoomIndex = 3;
    QString projectFolder;
    int32_t twoPage = 1;
    QString lastBookFolder;
    TFontAndColor editFont;
    TTextPaneFormat textFormat;

    bool operator==(const TFrameSettings&) const = default;
};

inline constexpr int32_t kMaxZoomIndex = 9;

// Reads the fields in order into settings. A field is taken only when it
// was read whole and is sound (orientation 1 or 2, margins not negative);
// reading stops at the first field that is not, the later fields keeping
// what settings held. The zoom index is clamped to 0..9. withTwoPage: the
// file carries the two-page field (the woodblock edition's). True when
// every field was taken.
bool ReadFrameSettings(QIODevice& device, TFrameSettings& settings, bool withTwoPage);
// Writes every field in order; false when the device refused a write.
bool WriteFrameSettings(QIODevice& device, const TFrameSettings& settings, bool withTwoPage);

// The settings file: the program's path without extension + ".ini" when
// the program's folder is writable, else the same name in the user's
// configuration folder. The program's path is found first when nothing
// asked for it yet, so the answer does not depend on what ran before; the
// main window still decides it once, at start, and keeps it.
QString FrameSettingsPath();

// Loads the settings file of the edition in force (a missing file keeps
// every default), makes an existing project folder the current directory
// and recomputes the page sizes of g_ParaSet's styles for the two-page flag
// read.
void LoadFrameSettings(TFrameSettings& settings, const QString& path = FrameSettingsPath());
// Writes the settings file; false (the old file kept) when it cannot be
// written. Nothing is told: the close goes on without the settings.
bool SaveFrameSettings(const TFrameSettings& settings, const QString& path = FrameSettingsPath());
