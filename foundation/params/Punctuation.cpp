#include "foundation/params/Punctuation.h"

#include <array>
#include <initializer_list>

#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// The words of the modes in the text form, by mode number.
const std::array<QString, 5> kModeWords{u"NO"_s, u"JUDOU"_s, u"JUDIAN"_s, u"PUTONG"_s, u"ZHINENG"_s};

const QString kTypeKey = u"BIAODIAN_TYPE"_s;
const QString kUseTextColorKey = u"USE_TEXT_COLOR"_s;
const QString kColorKey = u"BIAO_DIAN_COLOR"_s;

// Total of the byte counts of several writes; -1 when any failed.
int32_t SumWrites(std::initializer_list<int32_t> counts)
{
    int32_t total = 0;
    for (int32_t n : counts) {
        if (n < 0)
            return -1;
        total += n;
    }
    return total;
}

}  // namespace

int32_t WriteBiaoDianBin(TBinFile& file, const TBiaoDianPara& para)
{
    return SumWrites({file.WriteInt32(int32_t(para.BIAODIAN_TYPE)), file.WriteInt32(para.USE_TEXT_COLOR ? 1 : 0),
                      file.WriteInt32(int32_t(para.BIAO_DIAN_COLOR)), file.WriteInt32(para.BOLD ? 1 : 0)});
}

bool ReadBiaoDianBin(TBiaoDianPara& para, int32_t version, TBinFile& file)
{
    const bool current = version >= 32;
    int32_t type = 0;
    if (!file.ReadInt32(type))
        return false;
    para.BIAODIAN_TYPE = TBiaoDianType(type);

    if (current) {
        int32_t useTextColor = 0;
        if (!file.ReadInt32(useTextColor))
            return false;
        para.USE_TEXT_COLOR = useTextColor != 0;
    } else {
        uint16_t useTextColor = 0;
        if (!file.ReadUInt16(useTextColor))
            return false;
        para.USE_TEXT_COLOR = useTextColor != 0;
    }

    int32_t color = 0;
    if (!file.ReadInt32(color))
        return false;
    para.BIAO_DIAN_COLOR = ColorRef(color);

    if (current) {
        int32_t bold = 0;
        if (!file.ReadInt32(bold))
            return false;
        para.BOLD = bold != 0;
    }
    return true;
}

void WriteBiaoDianText(TTextFile& file, const TBiaoDianPara& para)
{
    const int32_t mode = int32_t(para.BIAODIAN_TYPE);
    if (mode >= 0 && mode < int32_t(kModeWords.size()))
        TTextItems::WriteString(file, kTypeKey, kModeWords[size_t(mode)]);
    else
        file.WriteLine(QString());
    TTextItems::WriteBool(file, kUseTextColorKey, para.USE_TEXT_COLOR);
    TTextItems::WriteInt(file, kColorKey, int32_t(para.BIAO_DIAN_COLOR));
}

void ReadBiaoDianText(TBiaoDianPara& para, QStringView block)
{
    const TTextItems::Reader items(block);
    if (const QString* word = items.Value(kTypeKey)) {
        // Any word that is not one of the first four modes reads as the fifth.
        int32_t mode = int32_t(TBiaoDianType::ZHINENG);
        for (int32_t i = 0; i < int32_t(TBiaoDianType::ZHINENG); ++i)
            if (*word == kModeWords[size_t(i)])
                mode = i;
        para.BIAODIAN_TYPE = TBiaoDianType(mode);
    }
    if (const QString* flag = items.Value(kUseTextColorKey))
        para.USE_TEXT_COLOR = *flag == u"true" || *flag == u"TRUE";
    int32_t color = 0;
    if (items.Int(kColorKey, color))
        para.BIAO_DIAN_COLOR = ColorRef(color);
}
