// Binary and tagged-text forms of the boxes, font pairs and attached groups.
#include <array>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"
#include "foundation/params/Box.h"
#include "foundation/params/TaggedBlock.h"

using namespace Qt::StringLiterals;

namespace {

// From this version pairs and boxes carry no legacy lists and the attached
// groups are stored by the style.
constexpr int32_t kCurrentFormFrom = 32;
// Versions up to this one have no tagged-text records.
constexpr int32_t kLastVersionWithoutText = 24;

struct BoxSizeItem {
    QString key;
    int32_t TBoxSize::*field;
};
// The stored grid of the woodblock box, in file and text order.
const std::array<BoxSizeItem, 8> kWoodblockBoxItems = {{
    {u"BOX_WIDTH"_s, &TBoxSize::BOX_WIDTH},
    {u"BOX_HEIGHT"_s, &TBoxSize::BOX_HEIGHT},
    {u"TOP_SPACE"_s, &TBoxSize::TOP_SPACE},
    {u"BOTTOM_SPACE"_s, &TBoxSize::BOTTOM_SPACE},
    {u"LINES"_s, &TBoxSize::LINES},
    {u"TEXT_PER_LINE"_s, &TBoxSize::TEXT_PER_LINE},
    {u"ZHU_PER_LINE"_s, &TBoxSize::ZHU_PER_LINE},
    {u"SPLIT_LINE_WIDTH"_s, &TBoxSize::SPLIT_LINE_WIDTH},
}};

bool ReadFlag(TBinFile& file, bool& flag)
{
    int32_t value = 0;
    if (!file.ReadInt32(value))
        return false;
    flag = value != 0;
    return true;
}

// The two lists that older files keep after a pair; read and dropped.
bool DropLegacyFontStyleLists(TBinFile& file, int32_t version)
{
    TFontStyleList dropped;
    return ReadFontStyleList(file, version, dropped) && ReadFontStyleList(file, version, dropped);
}

bool DropLegacyRichLists(TBinFile& file, int32_t version)
{
    TRichFontList dropped;
    return ReadFontArrayBin(dropped, file, version) && ReadFontArrayBin(dropped, file, version);
}

bool ReadBoxHead(TBinFile& file, TBoxPara& box, int32_t version)
{
    return ReadBoxSize(box.size, file, version) && ReadFlag(file, box.DOUBLE_LINE_ZHU) && ReadFlag(file, box.AUTO_RICH_FONT);
}

bool FinishBoxRead(bool ok, TBoxPara& box)
{
    if (ok && box.AUTO_RICH_FONT)
        FontPairToRichFonts(box.MFONT_GROUP, box.RICH_FONT_GROUP);
    return ok;
}

void ReadFontStyleListBlock(QStringView text, QStringView name, int32_t version, TFontStyleList& list)
{
    const QString block = TaggedBlock(text, name);
    if (!block.isEmpty())
        FontStyleListFromText(list, block, version);
}

void ReadRichListBlock(QStringView text, QStringView name, int32_t version, TRichFontList& list)
{
    const QString block = TaggedBlock(text, name);
    if (!block.isEmpty())
        ReadFontHArrayText(list, block, version);
}

}  // namespace

// Binary -------------------------------------------------------------------

int32_t WriteBoxSize(TBinFile& file, const TBoxSize& size) { return g_Edition->WriteBoxSize(file, size); }
bool ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version)
{
    return g_Edition->ReadBoxSize(size, file, version);
}

int32_t WoodblockEdition::WriteBoxSize(TBinFile& file, const TBoxSize& size) const
{
    int32_t bytes = 0;
    for (const BoxSizeItem& item : kWoodblockBoxItems)
        bytes += file.WriteInt32(size.*item.field);
    return bytes;
}

bool WoodblockEdition::ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t) const
{
    bool ok = true;
    for (const BoxSizeItem& item : kWoodblockBoxItems)
        ok = ok && file.ReadInt32(size.*item.field);
    WoodblockEdition::DeriveBoxSize(size);
    return ok;
}

int32_t WriteFontPair(TBinFile& file, const TFontPair& pair)
{
    return WriteFontStyle(file, pair.TEXT_FONT) + WriteFontStyle(file, pair.ZHU_FONT);
}

int32_t WriteRichFontPair(TBinFile& file, const TRichFontPair& pair)
{
    return WriteFontColorBin(pair.TEXT_FONT_H, file) + WriteFontColorBin(pair.ZHU_FONT_H, file);
}

int32_t WriteBoxPara(TBinFile& file, const TBoxPara& box)
{
    return WriteBoxSize(file, box.size) + file.WriteInt32(box.DOUBLE_LINE_ZHU ? 1 : 0) +
           file.WriteInt32(box.AUTO_RICH_FONT ? 1 : 0) + WriteFontPair(file, box.MFONT_GROUP) +
           WriteRichFontPair(file, box.RICH_FONT_GROUP);
}

bool ReadFontPair(TFontPair& pair, int32_t version, TBinFile& file)
{
    return ReadFontStyle(version, file, pair.TEXT_FONT) && ReadFontStyle(version, file, pair.ZHU_FONT) &&
           (version >= kCurrentFormFrom || DropLegacyFontStyleLists(file, version));
}

bool ReadRichFontPair(TBinFile& file, TRichFontPair& pair, int32_t version)
{
    return ReadFontColorBin(version, file, pair.TEXT_FONT_H) && ReadFontColorBin(version, file, pair.ZHU_FONT_H) &&
           (version >= kCurrentFormFrom || DropLegacyRichLists(file, version));
}

bool ReadBoxPara(TBinFile& file, TBoxPara& box, int32_t version)
{
    const bool ok = ReadBoxHead(file, box, version) && ReadFontPair(box.MFONT_GROUP, version, file) &&
                    ReadRichFontPair(file, box.RICH_FONT_GROUP, version);
    return FinishBoxRead(ok, box);
}

bool ReadBoxParaOld(TBoxPara& box, TBinFile& file, int32_t version, TAttachFontGroup& attached)
{
    const bool ok = ReadBoxHead(file, box, version) && ReadFontStyle(version, file, box.MFONT_GROUP.TEXT_FONT) &&
                    ReadFontStyle(version, file, box.MFONT_GROUP.ZHU_FONT) &&
                    ReadFontStyleList(file, version, attached.ATTACH_TEXT_FONT) &&
                    ReadFontStyleList(file, version, attached.ATTACH_ZHU_FONT) &&
                    ReadRichFontPair(file, box.RICH_FONT_GROUP, version);
    return FinishBoxRead(ok, box);
}

int32_t WriteAttachFontGroup(TBinFile& file, const TAttachFontGroup& group)
{
    return WriteFontStyleList(group.ATTACH_TEXT_FONT, file) + WriteFontStyleList(group.ATTACH_ZHU_FONT, file);
}

bool ReadAttachFontGroup(TBinFile& file, int32_t version, TAttachFontGroup& group)
{
    return ReadFontStyleList(file, version, group.ATTACH_TEXT_FONT) &&
           ReadFontStyleList(file, version, group.ATTACH_ZHU_FONT);
}

int32_t WriteAttachRichFontGroup(TBinFile& file, const TAttachRichFontGroup& group)
{
    return WriteFontArrayBin(file, group.ATTACH_TEXT_FONT_H) + WriteFontArrayBin(file, group.ATTACH_ZHU_FONT_H);
}

bool ReadAttachRichFontGroup(TBinFile& file, int32_t version, TAttachRichFontGroup& group)
{
    return ReadFontArrayBin(group.ATTACH_TEXT_FONT_H, file, version) &&
           ReadFontArrayBin(group.ATTACH_ZHU_FONT_H, file, version);
}

// Text ---------------------------------------------------------------------

void BoxSizeToText(TTextFile& file, const TBoxSize& size) { g_Edition->BoxSizeToText(file, size); }
void BoxSizeFromText(QStringView block, TBoxSize& size) { g_Edition->BoxSizeFromText(block, size); }

void WoodblockEdition::BoxSizeToText(TTextFile& file, const TBoxSize& size) const
{
    for (const BoxSizeItem& item : kWoodblockBoxItems)
        TTextItems::WriteInt(file, item.key, size.*item.field);
}

void WoodblockEdition::BoxSizeFromText(QStringView block, TBoxSize& size) const
{
    const TTextItems::Reader items(block);
    for (const BoxSizeItem& item : kWoodblockBoxItems)
        items.Int(item.key, size.*item.field);
    WoodblockEdition::DeriveBoxSize(size);
}

void FontPairToText(TTextFile& file, const TFontPair& pair)
{
    WriteTaggedBlock(file, u"TEXT_FONT", [&] { FontStyleToText(file, pair.TEXT_FONT); });
    WriteTaggedBlock(file, u"ZHU_FONT", [&] { FontStyleToText(file, pair.ZHU_FONT); });
}

void FontPairFromText(int32_t version, QStringView text, TFontPair& pair)
{
    if (version <= kLastVersionWithoutText)
        return;
    FontStyleFromText(pair.TEXT_FONT, TaggedBlock(text, u"TEXT_FONT"));
    FontStyleFromText(pair.ZHU_FONT, TaggedBlock(text, u"ZHU_FONT"));
}

void RichFontPairToText(TTextFile& file, const TRichFontPair& pair)
{
    WriteTaggedBlock(file, u"TEXT_FONT_H", [&] { WriteFontText(file, pair.TEXT_FONT_H); });
    WriteTaggedBlock(file, u"ZHU_FONT_H", [&] { WriteFontText(file, pair.ZHU_FONT_H); });
}

void RichFontPairFromText(QStringView text, TRichFontPair& pair, int32_t version)
{
    if (version <= kLastVersionWithoutText)
        return;
    ReadFontText(pair.TEXT_FONT_H, TaggedBlock(text, u"TEXT_FONT_H"));
    ReadFontText(pair.ZHU_FONT_H, TaggedBlock(text, u"ZHU_FONT_H"));
}

void BoxParaToText(TTextFile& file, const TBoxPara& box)
{
    WriteTaggedBlock(file, u"BOX_SIZE", [&] { BoxSizeToText(file, box.size); });
    WriteTaggedBlock(file, u"MFONT_GROUP", [&] { FontPairToText(file, box.MFONT_GROUP); });
    WriteTaggedBlock(file, u"RICH_FONT_GROUP", [&] { RichFontPairToText(file, box.RICH_FONT_GROUP); });
    WriteTaggedBlock(file, u"BOX_PARA", [&] {
        TTextItems::WriteBool(file, u"DOUBLE_LINE_ZHU"_s, box.DOUBLE_LINE_ZHU);
        TTextItems::WriteBool(file, u"AUTO_RICH_FONT"_s, box.AUTO_RICH_FONT);
    });
}

void BoxParaFromText(int32_t version, QStringView text, TBoxPara& box)
{
    if (version <= kLastVersionWithoutText)
        return;
    BoxSizeFromText(TaggedBlock(text, u"BOX_SIZE"), box.size);
    FontPairFromText(version, TaggedBlock(text, u"MFONT_GROUP"), box.MFONT_GROUP);
    RichFontPairFromText(TaggedBlock(text, u"RICH_FONT_GROUP"), box.RICH_FONT_GROUP, version);
    const TTextItems::Reader items(TaggedBlock(text, u"BOX_PARA"));
    items.Bool(u"DOUBLE_LINE_ZHU", box.DOUBLE_LINE_ZHU);
    items.Bool(u"AUTO_RICH_FONT", box.AUTO_RICH_FONT);
}

void FontStyleListPairToText(TTextFile& file, const TAttachFontGroup& group)
{
    WriteTaggedBlock(file, u"ATTACH_TEXT_FONT", [&] { FontStyleListToText(file, group.ATTACH_TEXT_FONT); });
    WriteTaggedBlock(file, u"ATTACH_ZHU_FONT", [&] { FontStyleListToText(file, group.ATTACH_ZHU_FONT); });
}

void FontStyleListPairFromText(QStringView text, int32_t version, TAttachFontGroup& group)
{
    if (version <= kLastVersionWithoutText)
        return;
    ReadFontStyleListBlock(text, u"ATTACH_TEXT_FONT", version, group.ATTACH_TEXT_FONT);
    ReadFontStyleListBlock(text, u"ATTACH_ZHU_FONT", version, group.ATTACH_ZHU_FONT);
}

void RichFontListPairToText(TTextFile& file, const TAttachRichFontGroup& group)
{
    WriteTaggedBlock(file, u"ATTACH_TEXT_FONT_H", [&] { WriteFontHArrayText(file, group.ATTACH_TEXT_FONT_H); });
    WriteTaggedBlock(file, u"ATTACH_ZHU_FONT_H", [&] { WriteFontHArrayText(file, group.ATTACH_ZHU_FONT_H); });
}

void RichFontListPairFromText(QStringView text, int32_t version, TAttachRichFontGroup& group)
{
    if (version <= kLastVersionWithoutText)
        return;
    ReadRichListBlock(text, u"ATTACH_TEXT_FONT_H", version, group.ATTACH_TEXT_FONT_H);
    ReadRichListBlock(text, u"ATTACH_ZHU_FONT_H", version, group.ATTACH_ZHU_FONT_H);
}
