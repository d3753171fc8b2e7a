#pragma once
// The text boxes of a style and the font pairs that go with them: the box
// grid (TBoxSize) with its derived character sizes and column pitch, the box
// record (TBoxPara), the layout and rich font pairs, and a style's attached
// font groups, with zoom scaling, rich-font derivation and their binary and
// tagged-text forms. Lengths are hundredths of a pixel at zoom 1.0.
//
// The grid's derivation and stored forms differ by edition (the horizontal
// box counts lines across and has side blanks), so they go through g_Edition;
// WoodblockEdition's overrides, defined in Box.cpp and BoxForms.cpp, are the
// woodblock forms: columns down the page with blanks above and below, eight
// stored ints.
#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include <QString>
#include <QStringView>

#include "foundation/params/Font.h"
#include "foundation/params/FontStyle.h"

class TBinFile;
class TTextFile;

struct TBoxSize {
    int32_t BOX_WIDTH = 0;
    int32_t BOX_HEIGHT = 0;
    int32_t LINES = 0;          // columns in the box
    int32_t TEXT_PER_LINE = 0;  // main-text characters per column
    int32_t ZHU_PER_LINE = 0;   // note characters per column
    // Derived by DeriveBoxSize, never stored.
    int32_t textCharSize = 0;
    int32_t noteCharSize = 0;
    int32_t pitch = 0;  // column pitch
    int32_t TOP_SPACE = 0;
    int32_t BOTTOM_SPACE = 0;
    int32_t SPLIT_LINE_WIDTH = 0;  // rule between two columns
    // The horizontal edition's grid: line counts and side blanks.
    int32_t WORD_LINES = 0;
    int32_t ZHU_LINES = 0;
    int32_t LEFT_SPACE = 0;
    int32_t RIGHT_SPACE = 0;

    bool operator==(const TBoxSize&) const = default;
};

struct TFontPair {
    TFontStyle TEXT_FONT;  // main text
    TFontStyle ZHU_FONT;   // notes

    bool operator==(const TFontPair&) const = default;
};

struct TRichFontPair {
    TRichEditFont TEXT_FONT_H;
    TRichEditFont ZHU_FONT_H;

    bool operator==(const TRichFontPair&) const = default;
};

namespace BoxKind {
enum : int32_t { TEXT_BOX = 0, HEAD_BOX = 1 };
}

struct TBoxPara {
    TBoxSize size;
    bool DOUBLE_LINE_ZHU = false;  // notes in double small lines
    bool AUTO_RICH_FONT = false;   // the rich fonts follow the layout fonts
    TFontPair MFONT_GROUP;
    TRichFontPair RICH_FONT_GROUP;
    int32_t kind = BoxKind::TEXT_BOX;  // set by the style defaults; stored in no file

    bool operator==(const TBoxPara&) const = default;
};

// The fonts that 【ZT…】 runs find by mark string, and their rich fonts.
struct TAttachFontGroup {
    TFontStyleList ATTACH_TEXT_FONT;
    TFontStyleList ATTACH_ZHU_FONT;
};
struct TAttachRichFontGroup {
    TRichFontList ATTACH_TEXT_FONT_H;
    TRichFontList ATTACH_ZHU_FONT_H;
};

// Sums of lengths from a damaged file may leave the int32 range; they stop
// at its ends.
inline int32_t SaturateToInt32(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
// Lengths added in 64 bits and held to int32.
inline int32_t SaturatingSum(std::initializer_list<int64_t> lengths)
{
    int64_t sum = 0;
    for (const int64_t length : lengths)
        sum += length;
    return SaturateToInt32(sum);
}

// The character sizes and the column pitch from the grid, by the edition's
// rule. A count of 0 or below gives 0 for what it divides.
void DeriveBoxSize(TBoxSize& size);

// The most columns the box can be cut into with none narrower than one
// device unit (100) at zoom 1: the bound of a page's column-count override,
// so that a huge one cannot turn the page into a block of rules. At least 1.
inline int32_t MaxColumnsOf(const TBoxSize& size)
{
    const int64_t widthWithRule = int64_t(size.BOX_WIDTH) + size.SPLIT_LINE_WIDTH;
    return SaturateToInt32(std::max<int64_t>(widthWithRule / 100, 1));
}

// Lengths (int)(value × zoom), counts copied, derived values recomputed.
TBoxSize& ScaleBoxSize(double zoom, const TBoxSize& source, TBoxSize& out);
// The scaled grid and font pair; flags, kind and the rich fonts (points) copied.
TBoxPara& ScaleBoxPara(const TBoxPara& source, TBoxPara& out, double zoom);
TFontPair& ScaleFontPair(const TFontPair& source, TFontPair& out, double zoom);
TAttachFontGroup& ScaleFontStyleListPair(const TAttachFontGroup& source, TAttachFontGroup& out, double zoom);

// Both rich fonts derived from the layout fonts (RichFontFromStyle).
void FontPairToRichFonts(const TFontPair& fonts, TRichFontPair& rich);
// Every attached font without a rich font gets one appended and derived;
// existing rich fonts are derived anew only when overwrite is set. Rich
// entries beyond the font list stay.
void SyncAttachedRichFonts(TAttachRichFontGroup& rich, const TAttachFontGroup& fonts, bool overwrite);

// Binary forms. Writers return the bytes written; readers false when the
// data ended (fields after that keep their values).
int32_t WriteBoxSize(TBinFile& file, const TBoxSize& size);
// version: the file's (32 the current form).
bool ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version = 32);
int32_t WriteFontPair(TBinFile& file, const TFontPair& pair);
int32_t WriteRichFontPair(TBinFile& file, const TRichFontPair& pair);
int32_t WriteBoxPara(TBinFile& file, const TBoxPara& box);
// Before version 32 a pair is followed by two lists, read and dropped.
bool ReadFontPair(TFontPair& pair, int32_t version, TBinFile& file);
bool ReadRichFontPair(TBinFile& file, TRichFontPair& pair, int32_t version);
bool ReadBoxPara(TBinFile& file, TBoxPara& box, int32_t version);
// The text box before version 32: its two inner lists are the style's
// attached font group.
bool ReadBoxParaOld(TBoxPara& box, TBinFile& file, int32_t version, TAttachFontGroup& attached);
int32_t WriteAttachFontGroup(TBinFile& file, const TAttachFontGroup& group);
bool ReadAttachFontGroup(TBinFile& file, int32_t version, TAttachFontGroup& group);
int32_t WriteAttachRichFontGroup(TBinFile& file, const TAttachRichFontGroup& group);
bool ReadAttachRichFontGroup(TBinFile& file, int32_t version, TAttachRichFontGroup& group);

// Tagged-text forms. The readers take the text holding the record's blocks
// and do nothing for versions up to 24; a missing block keeps its part.
void BoxSizeToText(TTextFile& file, const TBoxSize& size);
// Reads the items of the "<BOX_SIZE>" block and derives, items or not.
void BoxSizeFromText(QStringView block, TBoxSize& size);
void FontPairToText(TTextFile& file, const TFontPair& pair);
void FontPairFromText(int32_t version, QStringView text, TFontPair& pair);
void RichFontPairToText(TTextFile& file, const TRichFontPair& pair);
void RichFontPairFromText(QStringView text, TRichFontPair& pair, int32_t version);
void BoxParaToText(TTextFile& file, const TBoxPara& box);
// Does not derive the rich fonts; the style reader syncs them afterwards.
void BoxParaFromText(int32_t version, QStringView text, TBoxPara& box);
void FontStyleListPairToText(TTextFile& file, const TAttachFontGroup& group);
void FontStyleListPairFromText(QStringView text, int32_t version, TAttachFontGroup& group);
void RichFontListPairToText(TTextFile& file, const TAttachRichFontGroup& group);
void RichFontListPairFromText(QStringView text, int32_t version, TAttachRichFontGroup& group);
