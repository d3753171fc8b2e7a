#pragma once
// Circled text (帶圈文字): the style of runs named by 【YQ…】, kept in a
// style's CIRCLE_ARRAY; while a text is typeset a tag with a new name adds an
// entry to the current style's list (g_CurCircleList).
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "foundation/params/FontStyle.h"
#include "platform/WinTypes.h"

class TBinFile;
class TTextFile;

// Numbered the other way round from the special formats.
namespace CircleType {
enum : int32_t { TYPE_KUANG = 0, TYPE_FANBAI = 1 };  // circled; light text on a coloured disc
}

struct TCirclePara {
    TFontStyle font;            // used when USE_TEXT_FONT is off
    bool USE_TEXT_FONT = true;  // take the surrounding text's font
    int32_t TYPE = CircleType::TYPE_KUANG;
    int32_t LINES_WIDTH = 100;  // line width, follows the zoom
    ColorRef COLOR = 0;         // circle or ground colour; black until the user picks one
    QString MARK;               // the name used in 【YQ…】
    int32_t index = -1;         // position in its list
};

using TCircleList = OwningList<TCirclePara>;

inline void ClearCircleList(TCircleList& list) { list.Clear(); }
inline void AssignCircleList(TCircleList& target, const TCircleList& source) { target.Assign(source); }

// Index of the first entry whose MARK equals name exactly; -1 when none.
int32_t FindCircleIndex(const TCircleList& list, const QString& name);
// The entry of that name in g_CurCircleList; a missing one is appended with
// the defaults and fontTemplate as its font. Null when there is no current list.
TCirclePara* GetCirclePara(const QString& name, const TFontStyle& fontTemplate);

// Same count and pairwise equal TYPE, line width, COLOR and USE_TEXT_FONT,
// and equal fonts where USE_TEXT_FONT is off; the names are not compared.
bool SameCircleArray(const TCircleList& a, const TCircleList& b);

// A copy with the line width and the font scaled by zoom (truncated).
TCirclePara& ScaleCirclePara(TCirclePara& out, double zoom, const TCirclePara& source);
// Rebuilds out from the scaled entries of source, each index its position.
TCircleList& ScaleCircleArray(const TCircleList& source, TCircleList& out, double zoom);

// Binary form: TYPE, line width, COLOR (int32), MARK, USE_TEXT_FONT (int32)
// and the font; a list is an int32 count and the entries. Bytes written.
int32_t WriteCircleParaBin(TBinFile& file, const TCirclePara& circle);
int32_t WriteCircleArrayBin(const TCircleList& list, TBinFile& file);
// Clears the list and reads the entries the data holds, each index its
// position; false when the data ended early.
bool ReadCircleArrayBin(TBinFile& file, int32_t version, TCircleList& list);

// Tagged-text form: "<CIRCLE_PARA>" and "<CIRCLE_FONT>" blocks for one
// entry, "<TCIRCLE%d>" … "</TCIRCLE>" per entry for a list (not read for
// versions up to 24).
void WriteCircleParaText(TTextFile& file, const TCirclePara& circle);
void ReadCircleParaText(TCirclePara& circle, QStringView text);
void WriteCircleArrayText(TTextFile& file, const TCircleList& list);
void ReadCircleArrayText(TCircleList& list, QStringView text, int32_t version);
