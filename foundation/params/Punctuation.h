#pragma once
// The punctuation setting of a style ("<BIAO_DIAN>"): the punctuation mode
// of its pages and the colour of the marks, with its binary and text forms.
// The character classes and conversions the modes use are in
// PunctuationMarks.h.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/params/PunctuationMarks.h"
#include "platform/WinTypes.h"

class TBinFile;
class TTextFile;

// Stored as int32; a value read from a file may lie outside the five modes.
enum class TBiaoDianType : int32_t {
    NO = 0,       // 無標點: marks removed
    JUDOU = 1,    // 句讀
    JUDIAN = 2,   // 句點
    PUTONG = 3,   // 標點(全高): full-height punctuation
    ZHINENG = 4,  // 標點(部分半高): punctuation partly at half height
};

struct TBiaoDianPara {
    TBiaoDianType BIAODIAN_TYPE = TBiaoDianType::NO;
    bool USE_TEXT_COLOR = true;     // draw the marks in the text colour
    ColorRef BIAO_DIAN_COLOR = 0;   // mark colour when USE_TEXT_COLOR is off
    bool BOLD = false;              // 。 and 、 drawn bold in the 句讀 and 句點 modes; binary form only

    bool operator==(const TBiaoDianPara&) const = default;
};

// Four int32: mode, use-text-colour, colour, bold flag. Bytes written, -1 on failure.
int32_t WriteBiaoDianBin(TBinFile& file, const TBiaoDianPara& para);
// Reads the form of the given file version (before 32 the use-text-colour
// flag is 16-bit and there is no bold flag). Fields after a failed read keep
// their values; false then.
bool ReadBiaoDianBin(TBiaoDianPara& para, int32_t version, TBinFile& file);

// The three item lines (mode, use-text-colour, colour as a signed decimal).
void WriteBiaoDianText(TTextFile& file, const TBiaoDianPara& para);
// Reads the items of the "<BIAO_DIAN>" block; missing items keep their values.
void ReadBiaoDianText(TBiaoDianPara& para, QStringView block);
