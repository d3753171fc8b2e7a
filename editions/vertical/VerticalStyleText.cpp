// The body of a vertical "<STYLE>" block in the layout-parameter file: no
// frame lines, centre column, emphasis-mark or side-note blocks; a side box
// and the new-volume rule instead.
#include "editions/vertical/VerticalEdition.h"

#include "editions/vertical/SideBox.h"
#include "foundation/io/DataFolders.h"
#include "foundation/params/Box.h"
#include "foundation/params/CirclePara.h"
#include "foundation/params/Punctuation.h"
#include "foundation/params/Style.h"
#include "foundation/params/TaggedBlock.h"
#include "foundation/params/Technique.h"

using namespace Qt::StringLiterals;

namespace {

// Files before this version have no "<PARA_SP>" styles to read.
constexpr int32_t kTextFrom = 28;

const QString kNextPage = u"NEXT_PAGE"_s;
const QString kNextOddPage = u"NEXT_SINGLAR_PAGE"_s;

struct FrameKey {
    QStringView key;
    void (*read)(TStyle&, QStringView value);
};

const FrameKey kFrameKeys[] = {
    {u"NAME", [](TStyle& s, QStringView v) { s.NAME = v.toString(); }},
    {u"SHOW_STAMP", [](TStyle& s, QStringView v) { s.SHOW_STAMP = TTextItems::ParseBool(v); }},
    {u"BACK_COLOR", [](TStyle& s, QStringView v) { s.BACK_COLOR = TTextItems::ParseRgbHex6(v); }},
    {u"GROUND_IMAGE", [](TStyle& s, QStringView v) { s.GROUND_IMAGE = TTextItems::ParseBool(v); }},
    // A background named in a file is looked for among the program's grounds.
    {u"GROUND_NAME", [](TStyle& s, QStringView v) { s.GROUND = {kGroundFolder, v.toString()}; }},
    {u"NEW_VOLUME_PAGE_TYPE",
     [](TStyle& s, QStringView v) {
         s.NEW_VOLUME_PAGE_TYPE =
             v == kNextPage ? TNewVolumePageType::NEXT_PAGE : TNewVolumePageType::NEXT_SINGLAR_PAGE;
     }},
};

void WriteFrame(TTextFile& file, const TStyle& style)
{
    WriteTaggedBlock(file, u"FRAME", [&] {
        TTextItems::WriteString(file, u"NAME"_s, style.NAME);
        TTextItems::WriteColor(file, u"BACK_COLOR"_s, style.BACK_COLOR);
        TTextItems::WriteBool(file, u"GROUND_IMAGE"_s, style.GROUND_IMAGE);
        TTextItems::WriteString(file, u"GROUND_NAME"_s, style.GROUND.name);
        TTextItems::WriteBool(file, u"SHOW_STAMP"_s, style.SHOW_STAMP);
        TTextItems::WriteString(file, u"NEW_VOLUME_PAGE_TYPE"_s,
                                style.NEW_VOLUME_PAGE_TYPE == TNewVolumePageType::NEXT_PAGE ? kNextPage
                                                                                            : kNextOddPage);
    });
}

}  // namespace

void VerticalEdition::ParseFrameKeys(TStyle& style, QStringView frame) const
{
    TTextItems::ForEachItem(frame, [&style](QStringView key, QStringView value) {
        for (const FrameKey& item : kFrameKeys)
            if (item.key == key)
                item.read(style, value);
    });
}

void VerticalEdition::StyleBoxesToText(TTextFile& file, const TStyle& style) const
{
    WriteTaggedBlock(file, u"TEXT_BOX", [&] { BoxParaToText(file, style.TEXT_BOX); });
    WriteTaggedBlock(file, u"HEAD_BOX", [&] { BoxParaToText(file, style.HEAD_BOX); });
    WriteTaggedBlock(file, u"SIDE_BOX", [&] { SideBoxToText(file, style.SIDE_BOX); });
}

void VerticalEdition::StyleBoxesFromText(QStringView text, TStyle& style, int32_t version) const
{
    BoxParaFromText(version, TaggedBlock(text, u"TEXT_BOX"), style.TEXT_BOX);
    BoxParaFromText(version, TaggedBlock(text, u"HEAD_BOX"), style.HEAD_BOX);
    SideBoxFromText(TaggedBlock(text, u"SIDE_BOX"), style.SIDE_BOX, version);
}

void VerticalEdition::StyleToText(TTextFile& file, const TStyle& style) const
{
    WriteFrame(file, style);
    StyleBoxesToText(file, style);
    WriteTaggedBlock(file, u"TECH_ARRAY", [&] { TechniqueListToText(file, style.TECH_ARRAY); });
    WriteTaggedBlock(file, u"CIRCLE_ARRAY", [&] { WriteCircleArrayText(file, style.CIRCLE_ARRAY); });
    WriteTaggedBlock(file, u"BIAO_DIAN", [&] { WriteBiaoDianText(file, style.BIAO_DIAN); });
    WriteTaggedBlock(file, u"ATTATCH_FONT_GROUP", [&] { FontStyleListPairToText(file, style.ATTACH_FONT_GROUP); });
    WriteTaggedBlock(file, u"ATTATCH_RICH_FONT_GROUP",
                     [&] { RichFontListPairToText(file, style.ATTACH_RICH_FONT_GROUP); });
}

void VerticalEdition::StyleFromText(QStringView text, TStyle& style, int32_t version,
                                    const TDisplayMode& display) const
{
    if (version < kTextFrom)
        return;
    ParseFrameKeys(style, TaggedBlock(text, u"FRAME"));
    StyleBoxesFromText(text, style, version);
    TechniqueListFromText(style.TECH_ARRAY, TaggedBlock(text, u"TECH_ARRAY"), version);
    ReadCircleArrayText(style.CIRCLE_ARRAY, TaggedBlock(text, u"CIRCLE_ARRAY"), version);
    ReadBiaoDianText(style.BIAO_DIAN, TaggedBlock(text, u"BIAO_DIAN"));
    FontStyleListPairFromText(TaggedBlock(text, u"ATTATCH_FONT_GROUP"), version, style.ATTACH_FONT_GROUP);
    RichFontListPairFromText(TaggedBlock(text, u"ATTATCH_RICH_FONT_GROUP"), version, style.ATTACH_RICH_FONT_GROUP);
    SyncStyleFonts(style);
    ComputeStylePageSize(style, display);
    UpdateStylePitch(style);
}
