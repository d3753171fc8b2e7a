#include "editions/horizontal/PageBar.h"

#include "editions/vertical/SideBox.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/Box.h"
#include "foundation/params/TaggedBlock.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// The page bar took the place of the side boxes with this version.
constexpr int32_t kPageBarFrom = 30;

constexpr QStringView kPositionWords[] = {u"TYPE_NO", u"TYPE_HEAD_MID", u"TYPE_HEAD_SIDE", u"TYPE_FOOT_MID",
                                          u"TYPE_FOOT_SIDE"};
constexpr int32_t kPositionCount = int32_t(std::size(kPositionWords));

struct BarLength {
    QStringView key;
    int32_t TPageBar::*field;
};
constexpr BarLength kHeights[] = {{u"HEAD_HEIGHT", &TPageBar::HEAD_HEIGHT}, {u"FOOT_HEIGHT", &TPageBar::FOOT_HEIGHT}};

struct BarFlag {
    QStringView key;
    bool TPageBar::*field;
};
constexpr BarFlag kFlags[] = {{u"SHOW_HEAD_LINE", &TPageBar::SHOW_HEAD_LINE},
                              {u"SHOW_FOOT_LINE", &TPageBar::SHOW_FOOT_LINE}};

constexpr BarLength kPositions[] = {{u"TITLE_POS_TYPE", &TPageBar::TITLE_POS_TYPE},
                                    {u"PAGE_POS_TYPE", &TPageBar::PAGE_POS_TYPE}};

bool ReadFlag(TBinFile& file, bool& flag)
{
    int32_t value = 0;
    const bool ok = file.ReadInt32(value);
    flag = value != 0;
    return ok;
}

// The side boxes files before the page bar keep in its place.
bool DropOldSideBoxes(TBinFile& file, int32_t version)
{
    TSideBox dropped;
    return ReadSideBox(file, dropped, version) && ReadSideBox(file, dropped, version);
}

void ReadPosition(QStringView word, int32_t& position)
{
    for (int32_t i = 0; i < kPositionCount; ++i)
        if (kPositionWords[i] == word)
            position = i;
}

}  // namespace

TPageBar& ScalePageBar(const TPageBar& source, TPageBar& out, double zoom)
{
    out = source;
    for (const BarLength& height : kHeights)
        out.*height.field = ScaleLength(source.*height.field, zoom);
    ScaleFontPair(source.TITLE_FONT, out.TITLE_FONT, zoom);
    ScaleFontPair(source.PAGE_FONT, out.PAGE_FONT, zoom);
    return out;
}

int32_t WritePageBar(TBinFile& file, const TPageBar& bar)
{
    int32_t bytes = 0;
    for (const BarLength& height : kHeights)
        bytes += file.WriteInt32(bar.*height.field);
    for (const BarFlag& flag : kFlags)
        bytes += file.WriteInt32(bar.*flag.field ? 1 : 0);
    for (const BarLength& position : kPositions)
        bytes += file.WriteInt32(bar.*position.field);
    return bytes + WriteFontPair(file, bar.TITLE_FONT) + WriteFontPair(file, bar.PAGE_FONT);
}

bool ReadPageBar(TBinFile& file, TPageBar& bar, int32_t version)
{
    if (version < kPageBarFrom)
        return DropOldSideBoxes(file, version);
    for (const BarLength& height : kHeights)
        if (!file.ReadInt32(bar.*height.field))
            return false;
    for (const BarFlag& flag : kFlags)
        if (!ReadFlag(file, bar.*flag.field))
            return false;
    for (const BarLength& position : kPositions)
        if (!file.ReadInt32(bar.*position.field))
            return false;
    return ReadFontPair(bar.TITLE_FONT, version, file) && ReadFontPair(bar.PAGE_FONT, version, file);
}

void PageBarToText(TTextFile& file, const TPageBar& bar)
{
    WriteTaggedBlock(file, u"PAGE_BAR_PARA", [&] {
        for (const BarLength& height : kHeights)
            TTextItems::WriteInt(file, height.key.toString(), bar.*height.field);
        for (const BarFlag& flag : kFlags)
            TTextItems::WriteBool(file, flag.key.toString(), bar.*flag.field);
        for (const BarLength& position : kPositions) {
            const int32_t value = bar.*position.field;
            if (value >= 0 && value < kPositionCount)
                TTextItems::WriteString(file, position.key.toString(), kPositionWords[value].toString());
        }
    });
    WriteTaggedBlock(file, u"TITLE_MFONT_GROUP", [&] { FontPairToText(file, bar.TITLE_FONT); });
    WriteTaggedBlock(file, u"PAGE_MFONT_GROUP", [&] { FontPairToText(file, bar.PAGE_FONT); });
}

void PageBarFromText(QStringView text, TPageBar& bar, int32_t version)
{
    TTextItems::ForEachItem(TaggedBlock(text, u"PAGE_BAR_PARA"), [&bar](QStringView key, QStringView value) {
        for (const BarLength& height : kHeights)
            if (height.key == key)
                bar.*height.field = TTextItems::ParseInt(value);
        for (const BarFlag& flag : kFlags)
            if (flag.key == key)
                bar.*flag.field = TTextItems::ParseBool(value);
        for (const BarLength& position : kPositions)
            if (position.key == key)
                ReadPosition(value, bar.*position.field);
    });
    FontPairFromText(version, TaggedBlock(text, u"TITLE_MFONT_GROUP"), bar.TITLE_FONT);
    FontPairFromText(version, TaggedBlock(text, u"PAGE_MFONT_GROUP"), bar.PAGE_FONT);
}
