// The horizontal grid's derived values and its stored forms: ten ints,
// WORD_LINES and ZHU_LINES from version 30.
#include "editions/horizontal/HorizontalBoxSize.h"

#include "editions/horizontal/HorizontalEdition.h"
#include "foundation/io/BinFile.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kLineCountsFrom = 30;

struct BoxItem {
    QString key;
    int32_t TBoxSize::*field;
    int32_t fromVersion;
};

// File and text order.
const BoxItem kItems[] = {
    {u"BOX_WIDTH"_s, &TBoxSize::BOX_WIDTH, 0},
    {u"BOX_HEIGHT"_s, &TBoxSize::BOX_HEIGHT, 0},
    {u"LEFT_SPACE"_s, &TBoxSize::LEFT_SPACE, 0},
    {u"RIGHT_SPACE"_s, &TBoxSize::RIGHT_SPACE, 0},
    {u"WORD_LINES"_s, &TBoxSize::WORD_LINES, kLineCountsFrom},
    {u"ZHU_LINES"_s, &TBoxSize::ZHU_LINES, kLineCountsFrom},
    {u"LINES"_s, &TBoxSize::LINES, 0},
    {u"TEXT_PER_LINE"_s, &TBoxSize::TEXT_PER_LINE, 0},
    {u"ZHU_PER_LINE"_s, &TBoxSize::ZHU_PER_LINE, 0},
    {u"SPLIT_LINE_WIDTH"_s, &TBoxSize::SPLIT_LINE_WIDTH, 0},
};

// A count of 0 or below (a damaged file, a dialog) divides to 0.
int32_t DivideOrZero(int64_t value, int32_t divisor)
{
    return divisor > 0 ? SaturateToInt32(value / divisor) : 0;
}

}  // namespace

bool BoxSizeEquals(const TBoxSize& a, const TBoxSize& b)
{
    for (const BoxItem& item : kItems)
        if (a.*item.field != b.*item.field)
            return false;
    return true;
}

void HorizontalEdition::DeriveBoxSize(TBoxSize& size) const
{
    const int64_t lineLength = int64_t(size.BOX_WIDTH) - size.LEFT_SPACE - size.RIGHT_SPACE;
    size.textCharSize = DivideOrZero(lineLength, size.TEXT_PER_LINE);
    size.noteCharSize = DivideOrZero(lineLength, size.ZHU_PER_LINE);
    const int64_t heightWithRule = int64_t(size.BOX_HEIGHT) + size.SPLIT_LINE_WIDTH;
    size.pitch = size.LINES > 0 ? SaturateToInt32(heightWithRule / size.LINES - size.SPLIT_LINE_WIDTH) : 0;
}

int32_t HorizontalEdition::WriteBoxSize(TBinFile& file, const TBoxSize& size) const
{
    int32_t bytes = 0;
    for (const BoxItem& item : kItems)
        bytes += file.WriteInt32(size.*item.field);
    return bytes;
}

bool HorizontalEdition::ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version) const
{
    bool ok = true;
    for (const BoxItem& item : kItems)
        if (version >= item.fromVersion)
            ok = ok && file.ReadInt32(size.*item.field);
    DeriveBoxSize(size);
    return ok;
}

void HorizontalEdition::BoxSizeToText(TTextFile& file, const TBoxSize& size) const
{
    for (const BoxItem& item : kItems)
        TTextItems::WriteInt(file, item.key, size.*item.field);
}

void HorizontalEdition::BoxSizeFromText(QStringView block, TBoxSize& size) const
{
    const TTextItems::Reader items(block);
    for (const BoxItem& item : kItems)
        items.Int(item.key, size.*item.field);
    DeriveBoxSize(size);
}
