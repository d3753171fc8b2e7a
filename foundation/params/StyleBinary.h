#pragma once
// Binary forms of the style, the cover, their lists, the whole parameter set
// and the 4-in-1 sheet, as the project, typeset and 4-in-1 files store them.
// Writers always write the current form and return the bytes written;
// readers take the form of the version the file carries and return false
// when the data ended (the list readers then keep the entries read whole).
#include <cstdint>

#include "foundation/params/Style.h"

class TBinFile;

// The form written now.
constexpr int32_t kParamFileVersion = 32;

// Some int32 fields are stored rotated right by 6 bits and restored by
// rotating left by 6 bits.
int32_t ScrambleStoredInt(int32_t value);
int32_t UnscrambleStoredInt(int32_t stored);
int32_t WriteRotatedInt(TBinFile& file, int32_t value);
bool ReadRotatedInt(TBinFile& file, int32_t& value);

// The edition's style form, dispatched through g_Edition. After reading, the
// text box's rule is IN_BORDER, the head box is as wide as the text box, the
// rich fonts are synced and the page size and pitches recomputed.
int32_t WriteStyle(const TStyle& style, TBinFile& file);
bool ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display);
// The list is replaced (pointers into its old styles released).
int32_t WriteStyleList(const TStyleList& list, TBinFile& file);
bool ReadStyleList(TBinFile& file, int32_t version, TStyleList& list, const TDisplayMode& display);

int32_t WriteCoverPara(TBinFile& file, const TCoverPara& cover);
bool ReadCoverPara(TBinFile& file, TCoverPara& cover, int32_t version);
int32_t WriteCoverParaList(const TCoverList& list, TBinFile& file);
bool ReadCoverParaList(TBinFile& file, int32_t version, TCoverList& list);

// A set is stored as the cover list, then the style list. Files before
// version 28 hold the styles alone, the covers among them as "COVER" and
// "BACK"; either way the covers take the largest page size at the end.
int32_t WriteParaSet(const TParaSet& set, TBinFile& file);
bool ReadParaSet(TBinFile& file, int32_t version, TParaSet& set, const TDisplayMode& display);

// Written only; the 4-in-1 file has no reader.
int32_t WritePara4in1(const TPara4in1& para, TBinFile& file);
