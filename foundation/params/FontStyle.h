#pragma once
// The font of a layout text (main text, notes, centre column, covers, circled
// text, emphasis marks, side notes, attached fonts). Lengths are hundredths
// of a device pixel at zoom 1.0.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "foundation/params/Font.h"
#include "platform/WinTypes.h"

class TBinFile;
class TTextFile;

// ALIGN values.
namespace FontAlign {
enum : int32_t { LEFT = 0, MID = 1, RIGHT = 2, CLOSE = 3, MOVE = 4 };
}

struct TFontStyle {
    int32_t TEXT_TYPE = 0;  // 0 main text, 1 notes, 2..4 centre-column parts
    QString MARKSTRING;     // the name tags find the entry by
    int32_t index = -1;     // position in its list
    QString NAME;           // face
    ColorRef COLOR = 0;
    int32_t SIZE = 0;         // character height
    int32_t WIDTH = 0;        // character width
    int32_t WORD_HEIGHT = 0;  // cell height
    int32_t WORD_WIDTH = 0;   // cell width
    int32_t OUTLINE_WIDTH = 0;
    int32_t TYPE = FontType::NORMAL;
    int32_t ALIGN = FontAlign::MID;
    bool DOUBLE_LINE = false;
    int32_t move = 0;  // displacement when ALIGN is MOVE

    // Measured when the drawing makes a font from the style, in device
    // pixels; copied and scaled with the record, never stored in a file.
    int32_t textHeight = 0;
    int32_t internalLeading = 0;
    int32_t externalLeading = 0;
    int32_t cellWidth = 0;   // of "国"
    int32_t cellHeight = 0;  // of "国"

    // Every field; the comparison of the layout is FontStyleEquals.
    bool operator==(const TFontStyle&) const = default;
};

using TFontStyleList = OwningList<TFontStyle>;

inline void ClearFontStyleList(TFontStyleList& list) { list.Clear(); }
inline void AssignFontStyleList(TFontStyleList& target, const TFontStyleList& source) { target.Assign(source); }

// NAME, COLOR, the five lengths, TYPE, ALIGN, DOUBLE_LINE and MARKSTRING;
// move only when ALIGN is MOVE. TEXT_TYPE, index and the measures are not
// compared.
bool FontStyleEquals(const TFontStyle& a, const TFontStyle& b);
// Same count and FontStyleEquals pairwise.
bool FontStyleListEquals(const TFontStyleList& a, const TFontStyleList& b);

// (int)(value × zoom), truncated toward zero; saturated at the int32 range.
int32_t ScaleLength(int32_t value, double zoom);
// A copy with every length (the measures included) multiplied by zoom and
// truncated toward zero; index -1.
TFontStyle& ScaleFontStyle(TFontStyle& out, double zoom, const TFontStyle& source);
// Rebuilds out from the scaled entries of source, each index its position.
TFontStyleList& ScaleFontStyleArray(const TFontStyleList& source, TFontStyleList& out, double zoom);

// Index of the first entry whose MARKSTRING equals key exactly; -1 when none.
int32_t FindFontStyleIndex(const TFontStyleList& list, const QString& key);
// The entry with MARKSTRING key; when there is none, a copy of templ is
// appended under that key with its position as index.
TFontStyle* FindOrAddFontStyle(TFontStyleList& list, const QString& key, const TFontStyle& templ);

// TEXT_TYPE := value clamped to 0..4.
void SetTextType(int32_t value, TFontStyle& style);

// Runs the font-style dialog (when the application installed one) on a copy;
// true when the user confirmed, even without a change. The face "HanaMinB"
// is stored as "HanaMinA"; the flags say which cell fields may change.
bool EditFontStyle(TFontStyle& style, bool wordHeightEditable, bool doubleLineEditable, bool wordWidthEditable);

// Binary form: always the current form; bytes written.
int32_t WriteFontStyle(TBinFile& file, const TFontStyle& style);
// Reads the form of the given file version; false when the data ended.
bool ReadFontStyle(int32_t version, TBinFile& file, TFontStyle& style);
int32_t WriteFontStyleList(const TFontStyleList& list, TBinFile& file);
// Clears the list and reads the entries the data holds (at most the count);
// false when the data ended before the count was reached.
bool ReadFontStyleList(TBinFile& file, int32_t version, TFontStyleList& list);

// Tagged-text form of one record ("NAME=…," lines) and of a list
// ("<FONT%d>" … "</FONT>" per entry).
void FontStyleToText(TTextFile& file, const TFontStyle& style);
void FontStyleFromText(TFontStyle& style, QStringView block);
void FontStyleListToText(TTextFile& file, const TFontStyleList& list);
// Nothing for versions up to 24.
void FontStyleListFromText(TFontStyleList& list, QStringView text, int32_t version);
