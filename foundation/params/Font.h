#pragma once
// Point-size fonts: the edit grid's font and the rich fonts of the layout
// parameters (the _H tags), with their archive, binary and tagged-text forms.
#include <cstdint>

#include <QFont>
#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "platform/WinTypes.h"

class Archive;
class TBinFile;
class TTextFile;
struct TFontStyle;

// The style values shared by fonts and font styles (TYPE).
namespace FontType {
enum : int32_t { NORMAL = 0, ITALICS = 1, BOLD = 2, BOLD_ITALICS = 3 };
}
// "NORMAL", "ITALICS", "BOLD", "BOLD_ITALICS"; a value outside 0..3 gives "NORMAL".
QString FontTypeWord(int32_t type);
// Sets type from one of those words; false (type kept) for another word.
bool FontTypeFromWord(QStringView word, int32_t& type);

struct TFont {
    uint8_t charset = 1;  // 1: the default character set
    QString face = QStringLiteral("System");
    int32_t size = 12;  // points
    int32_t style = FontType::NORMAL;
    int32_t underline = 0;  // only the low byte counts

    bool operator==(const TFont&) const = default;
};

struct TFontAndColor : TFont {
    uint8_t faceSelectable = 1;  // 0: the dialog neither compares nor takes back the face
    ColorRef textColor = 0;
    ColorRef backColor = 0xFFFFFF;
    int32_t SYS_BKCOLOR = 1;  // use the system background instead of backColor

    bool operator==(const TFontAndColor&) const = default;
};

// The rich fonts of the layout parameters. The Rich Edit character format
// that went with them is never stored, so nothing of it is kept here.
struct TRichEditFont : TFontAndColor {};

using TRichFontList = OwningList<TRichEditFont>;

inline void AssignRichFontList(TRichFontList& target, const TRichFontList& source) { target.Assign(source); }

// The font to draw with: em height MulDiv(size, 96, 72) pixels, bold for the
// bold styles, italic for the italic ones, underlined when the low byte of
// underline is set. The face "System" is the system's general font.
QFont FontToQFont(const TFont& font);

// The rich font of a layout font style: its face, TYPE and COLOR, and its
// size in points (whole pixels of SIZE rounded to points). The other fields
// keep their values.
void RichFontFromStyle(TFontAndColor& out, const TFontStyle& style);

// Archive form; the archive's direction chooses storing or loading.
void SerializeFont(TFont& font, Archive& archive);
void SerializeFontAndColor(Archive& archive, TFontAndColor& font);

// Binary form; writers return the bytes written, readers false when the
// data ended. Files before version 25 carry six more bytes after a font.
int32_t WriteFontBin(TBinFile& file, const TFont& font);
bool ReadFontBin(int32_t version, TBinFile& file, TFont& font);
int32_t WriteFontColorBin(const TFontAndColor& font, TBinFile& file);
bool ReadFontColorBin(int32_t version, TBinFile& file, TFontAndColor& font);
int32_t WriteFontArrayBin(TBinFile& file, const TRichFontList& list);
// Clears the list and reads the entries the data holds (at most the count).
bool ReadFontArrayBin(TRichFontList& list, TBinFile& file, int32_t version);

// Tagged-text form of one font (six "KEY=value," lines) and of a rich list
// ("<FONT_H%d>" … "</TFONT_H>" per entry).
void WriteFontText(TTextFile& file, const TFontAndColor& font);
void ReadFontText(TFontAndColor& font, QStringView block);
void WriteFontHArrayText(TTextFile& file, const TRichFontList& list);
// Nothing for versions up to 24.
void ReadFontHArrayText(TRichFontList& list, QStringView text, int32_t version);

// Runs the editor-font dialog (when the application installed one); true
// when the user confirmed and a value changed, which is then taken back.
bool EditFontColor(TFontAndColor& font);
