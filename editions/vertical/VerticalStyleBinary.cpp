// The binary form of the vertical style, as project and typeset files store
// it. Only SHOW_STAMP is stored rotated; later fields came with versions
// 29 (punctuation), 30 (the side box's height, in ReadSideBox), 31 (the
// new-volume rule) and 32 (the attached font lists apart from the box).
#include "editions/vertical/VerticalEdition.h"

#include "editions/vertical/SideBox.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/CirclePara.h"
#include "foundation/params/StyleBinary.h"
#include "foundation/params/Technique.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int32_t kStyleFrom = 28;
constexpr int32_t kPunctuationFrom = 29;
constexpr int32_t kNewVolumeFrom = 31;
constexpr int32_t kAttachedListsFrom = 32;

bool ReadFlag(TBinFile& file, bool& flag)
{
    uint16_t value = 0;
    const bool ok = file.ReadUInt16(value);
    flag = value != 0;
    return ok;
}

bool ReadRotatedFlag(TBinFile& file, bool& flag)
{
    int32_t value = 0;
    const bool ok = ReadRotatedInt(file, value);
    flag = value != 0;
    return ok;
}

bool ReadColor(TBinFile& file, ColorRef& color)
{
    int32_t value = 0;
    const bool ok = file.ReadInt32(value);
    color = ColorRef(value);
    return ok;
}

// The part up to the boxes: name, kind, stamp, background and new-volume rule.
bool ReadFrame(TBinFile& file, TStyle& style, int32_t version)
{
    return file.ReadString(style.NAME) && file.ReadInt32(style.kind) && ReadRotatedFlag(file, style.SHOW_STAMP) &&
           ReadColor(file, style.BACK_COLOR) && ReadFlag(file, style.GROUND_IMAGE) &&
           file.ReadString(style.GROUND.name) && file.ReadInt32(style.GROUND.folderKind) &&
           (version < kNewVolumeFrom || file.ReadInt32(style.NEW_VOLUME_PAGE_TYPE));
}

bool ReadLists(TBinFile& file, TStyle& style, int32_t version, int32_t punctuationFrom)
{
    return ReadTechniqueList(file, version, style.TECH_ARRAY) &&
           ReadCircleArrayBin(file, version, style.CIRCLE_ARRAY) &&
           (version < punctuationFrom || ReadBiaoDianBin(style.BIAO_DIAN, version, file)) &&
           (version < kAttachedListsFrom || (ReadAttachFontGroup(file, version, style.ATTACH_FONT_GROUP) &&
                                             ReadAttachRichFontGroup(file, version, style.ATTACH_RICH_FONT_GROUP)));
}

}  // namespace

bool VerticalEdition::ReadTextBox(TBinFile& file, TStyle& style, int32_t version)
{
    return version >= kAttachedListsFrom ? ReadBoxPara(file, style.TEXT_BOX, version)
                                         : ReadBoxParaOld(style.TEXT_BOX, file, version, style.ATTACH_FONT_GROUP);
}

int32_t VerticalEdition::WriteStyleBoxes(const TStyle& style, TBinFile& file) const
{
    return WriteBoxPara(file, style.TEXT_BOX) + WriteBoxPara(file, style.HEAD_BOX) + WriteSideBox(file, style.SIDE_BOX);
}

bool VerticalEdition::ReadStyleBoxes(TBinFile& file, TStyle& style, int32_t version) const
{
    const bool ok = ReadTextBox(file, style, version) && ReadBoxPara(file, style.HEAD_BOX, version) &&
                    ReadSideBox(file, style.SIDE_BOX, version);
    // What was read of a damaged file is made whole like a complete one.
    style.HEAD_BOX.size.BOX_WIDTH = style.TEXT_BOX.size.BOX_WIDTH;
    return ok;
}

int32_t VerticalEdition::PunctuationFromVersion() const { return kPunctuationFrom; }

int32_t VerticalEdition::WriteStyle(const TStyle& style, TBinFile& file) const
{
    const WaitCursor wait;
    return file.WriteString(style.NAME) + file.WriteInt32(style.kind) + WriteRotatedInt(file, style.SHOW_STAMP ? 1 : 0) +
           file.WriteInt32(int32_t(style.BACK_COLOR)) + file.WriteUInt16(style.GROUND_IMAGE ? 1 : 0) +
           file.WriteString(style.GROUND.name) + file.WriteInt32(style.GROUND.folderKind) +
           file.WriteInt32(style.NEW_VOLUME_PAGE_TYPE) + WriteStyleBoxes(style, file) + WriteTechniqueList(style.TECH_ARRAY, file) + WriteCircleArrayBin(style.CIRCLE_ARRAY, file) +
           WriteBiaoDianBin(file, style.BIAO_DIAN) + WriteAttachFontGroup(file, style.ATTACH_FONT_GROUP) +
           WriteAttachRichFontGroup(file, style.ATTACH_RICH_FONT_GROUP);
}

bool VerticalEdition::ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const
{
    const WaitCursor wait;
    if (version < kStyleFrom)
        return true;
    const bool ok = ReadFrame(file, style, version) && ReadStyleBoxes(file, style, version) &&
                    ReadLists(file, style, version, PunctuationFromVersion());
    SyncStyleFonts(style);
    ComputeStylePageSize(style, display);
    UpdateStylePitch(style);
    return ok;
}
