#pragma once
// Emphasis-mark sets (圈點): the marks set beside runs named by 【QD…】, kept
// in a style's QUAN_DIAN_ARRAY; while a text is typeset a tag with a new name
// adds a set to the current style's list (g_CurQuanDianList).
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "foundation/params/FontStyle.h"

class TBinFile;
class TTextFile;

// One emphasis mark.
struct TQdChar {
    int32_t QD_CHAR = 0;  // the mark, one UTF-16 unit (16-bit in the binary form)
    TFontStyle font;
    int32_t X_MOVE = 0;  // displacement of the mark, follows the zoom
    int32_t Y_MOVE = 0;
};

using TQdCharList = OwningList<TQdChar>;

struct TQuanDian {
    TQdCharList marks;
    QString QD_MARK;     // the name used in 【QD…】
    int32_t index = -1;  // position in its list
};

using TQuanDianList = OwningList<TQuanDian>;

inline void ClearQuanDianList(TQuanDianList& list) { list.Clear(); }
inline void AssignQuanDianList(TQuanDianList& target, const TQuanDianList& source) { target.Assign(source); }
inline TQdChar* AddQdChar(TQuanDian& set) { return set.marks.AddNew(); }
inline void DeleteQdChar(TQuanDian& set, int32_t at) { set.marks.RemoveAt(at); }

// The mark's font for a mark of the given size: 宋体, black, every length = size.
void SetQdCharFont(TQdChar& mark, int32_t size);

// Index of the first set whose QD_MARK equals name exactly; -1 when none.
int32_t FindQuanDianIndex(const TQuanDianList& list, const QString& name);
// The set of that name in g_CurQuanDianList; a missing one is appended with
// one mark ○ of the given size. Null when there is no current list.
TQuanDian* GetQuanDian(const QString& name, int32_t size);

// The same marks, mark by mark (character, font, X_MOVE, Y_MOVE); the names
// are not compared.
bool SameQuanDian(const TQuanDian& a, const TQuanDian& b);
bool SameQuanDianArray(const TQuanDianList& a, const TQuanDianList& b);

// Copies with the fonts and the displacements scaled by zoom (truncated).
TQdChar& ScaleQdChar(TQdChar& out, double zoom, const TQdChar& source);
TQuanDian& ScaleQuanDian(TQuanDian& out, double zoom, const TQuanDian& source);
// Rebuilds out from the scaled sets of source, each index its position.
TQuanDianList& ScaleQuanDianArray(const TQuanDianList& source, TQuanDianList& out, double zoom);

// Binary form of a set: an int32 count of marks; per mark the character
// (16-bit), X_MOVE, Y_MOVE (int32) and the font; then QD_MARK. A list is an
// int32 count and the sets. Bytes written.
int32_t WriteQuanDianBin(TBinFile& file, const TQuanDian& set);
int32_t WriteQuanDianArrayBin(const TQuanDianList& list, TBinFile& file);
// The readers take what the data holds; false when it ended early.
bool ReadQuanDianBin(TBinFile& file, int32_t version, TQuanDian& set);
bool ReadQuanDianArrayBin(TBinFile& file, int32_t version, TQuanDianList& list);

// Tagged-text form: a mark as "<QD_CHAR_PARA>" and "<CHAR_FONT_PARA>"
// blocks; a set as "<QD_CHAR%d>" … "</QD_CHAR>" per mark and a "<QD_PARA>"
// block; a list as "<QUAN_DIAN%d>" … "</QUAN_DIAN>" per set.
void WriteQdCharText(TTextFile& file, const TQdChar& mark);
void ReadQdCharText(TQdChar& mark, QStringView text);
void WriteQuanDianText(TTextFile& file, const TQuanDian& set);
void ReadQuanDianText(TQuanDian& set, QStringView text);
void WriteQuanDianArrayText(TTextFile& file, const TQuanDianList& list);
void ReadQuanDianArrayText(TQuanDianList& list, QStringView text);
