#include "foundation/params/ParaFile.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/DataFolders.h"
#include "foundation/io/TextFile.h"
#include "foundation/params/StyleBinary.h"
#include "foundation/params/TaggedBlock.h"
#include "platform/TextNumbers.h"

using namespace Qt::StringLiterals;

namespace {

// Files before this version keep their covers as styles.
constexpr int32_t kCoverBlocksFrom = 28;
constexpr int32_t kLastVersionWithoutText = 24;

const QString kStyleOpen = u"<STYLE>"_s;
const QString kStyleClose = u"</STYLE>"_s;

// One item of the "<FRAME>" block, in the order written; items without a
// writer are read only (older files).
struct FrameItem {
    QString key;
    QString (*write)(const TStyle&);
    void (*read)(TStyle&, QStringView value);
};

QString BoolWord(bool value) { return value ? u"TRUE"_s : u"FALSE"_s; }

template <int32_t TStyle::*Field>
FrameItem IntItem(const QString& key)
{
    return {key, [](const TStyle& s) { return QString::number(s.*Field); },
            [](TStyle& s, QStringView v) { s.*Field = TTextItems::ParseInt(v); }};
}

template <bool TStyle::*Field>
FrameItem BoolItem(const QString& key)
{
    return {key, [](const TStyle& s) { return BoolWord(s.*Field); },
            [](TStyle& s, QStringView v) { s.*Field = TTextItems::ParseBool(v); }};
}

template <ColorRef TStyle::*Field>
FrameItem ColorItem(const QString& key)
{
    return {key, [](const TStyle& s) { return TTextItems::FormatRgbHex6(s.*Field); },
            [](TStyle& s, QStringView v) { s.*Field = TTextItems::ParseRgbHex6(v); }};
}

// Older files give the centre line as a kind: 1 thin, 2 thick.
void ReadMidLineType(TStyle& style, QStringView value)
{
    switch (TTextItems::ParseInt(value)) {
    case 1:
        style.MID_LINE = 100;
        break;
    case 2:
        style.MID_LINE = 500;
        break;
    default:
        break;
    }
}

const FrameItem kFrameItems[] = {
    {u"NAME"_s, [](const TStyle& s) { return s.NAME; }, [](TStyle& s, QStringView v) { s.NAME = v.toString(); }},
    IntItem<&TStyle::OUT_BORDER>(u"OUT_BORDER"_s),
    IntItem<&TStyle::IN_BORDER>(u"IN_BORDER"_s),
    IntItem<&TStyle::SPACE>(u"SPACE"_s),
    IntItem<&TStyle::MID_WIDTH>(u"MID_WIDTH"_s),
    IntItem<&TStyle::MID_UP_HEIGHT>(u"MID_UP_HEIGHT"_s),
    IntItem<&TStyle::MID_MID_HEIGHT>(u"MID_MID_HEIGHT"_s),
    IntItem<&TStyle::MID_LINE>(u"MID_LINE"_s),
    IntItem<&TStyle::UP_FISH_TYPE>(u"UP_FISH_TYPE"_s),
    IntItem<&TStyle::DOWN_FISH_TYPE>(u"DOWN_FISH_TYPE"_s),
    BoolItem<&TStyle::SHOW_MID_DOWN>(u"SHOW_MID_DOWN"_s),
    ColorItem<&TStyle::BORDER_COLOR>(u"BORDER_COLOR"_s),
    ColorItem<&TStyle::BACK_COLOR>(u"BACK_COLOR"_s),
    BoolItem<&TStyle::GROUND_IMAGE>(u"GROUND_IMAGE"_s),
    // A background named in a file is looked for among the program's grounds.
    {u"GROUND_NAME"_s, [](const TStyle& s) { return s.GROUND.name; },
     [](TStyle& s, QStringView v) { s.GROUND = {kGroundFolder, v.toString()}; }},
    BoolItem<&TStyle::SHOW_STAMP>(u"SHOW_STAMP"_s),
    {u"MID_LINE_TYPE"_s, nullptr, ReadMidLineType},
};

// The text strictly between the first open tag at or after from and the
// first close tag after it; closeAt is where that close tag starts, -1 when
// either tag is missing.
QStringView BlockFrom(QStringView text, const QString& open, const QString& close, qsizetype from, qsizetype& closeAt)
{
    closeAt = -1;
    const qsizetype start = text.indexOf(open, from);
    if (start < 0)
        return {};
    const qsizetype body = start + open.size();
    const qsizetype end = text.indexOf(close, body);
    if (end < 0)
        return {};
    closeAt = end;
    return text.mid(body, end - body);
}

QString ReadJoinedLines(TTextFile& file)
{
    QString text;
    QString line;
    while (file.ReadLine(line))
        text += line;
    return text;
}

void ReadCoverBlock(QStringView text, const QString& tag, const QString& name, TCoverList& covers, int32_t version)
{
    const QString block = TaggedBlock(text, tag);
    if (block.isEmpty())
        return;
    TCoverPara* cover = covers.AddNew();
    FontPairFromText(version, block, cover->COVER_FONT);
    cover->NAME = name;
    cover->kind = StyleKind::COVER;
}

void WriteCoverBlock(TTextFile& file, const TCoverList& covers, const QString& name, QStringView tag)
{
    if (const TCoverPara* cover = covers.FindByName(&TCoverPara::NAME, name))
        WriteTaggedBlock(file, tag, [&] { FontPairToText(file, cover->COVER_FONT); });
}

void WriteFrame(TTextFile& file, const TStyle& style)
{
    WriteTaggedBlock(file, u"FRAME", [&] {
        for (const FrameItem& item : kFrameItems)
            if (item.write)
                TTextItems::WriteString(file, item.key, item.write(style));
    });
}

}  // namespace

// The file ---------------------------------------------------------------------

bool ExportParaFile(const QString& path, const TParaSet& set)
{
    TTextFile file;
    if (!file.OpenWrite(path))
        return false;
    WriteTaggedBlock(file, u"HEAD", [&] {
        TTextItems::WriteTag(file, QString::asprintf("<VERSION>%05d</VERSION>", int(kParamFileVersion)));
    });
    WriteTaggedBlock(file, u"PARA_COVER", [&] { CoverParasToText(file, set.covers); });
    WriteTaggedBlock(file, g_Edition->ParaBlockName(), [&] {
        WriteTaggedBlock(file, u"PARA_HEAD", [&] {
            TTextItems::WriteTag(file, u"FRAMES="_s + QString::number(set.styles.Size()));
        });
        WriteTaggedBlock(file, u"STYLES", [&] { StylesToText(file, set.styles); });
    });
    return file.Close();
}

bool ImportParaFile(const QString& path, TParaSet& set, const TDisplayMode& display)
{
    TTextFile file;
    return file.OpenRead(path) && ImportParaFile(file, set, display);
}

bool ImportParaFile(TTextFile& file, TParaSet& set, const TDisplayMode& display)
{
    const QString text = ReadJoinedLines(file);
    if (TaggedBlock(text, u"HEAD").isEmpty())
        return false;
    const int32_t version = ParseIntLikeAtoi(TaggedBlock(text, u"VERSION"));
    if (version < g_Edition->MinParaFileVersion())
        return false;

    if (version < kCoverBlocksFrom) {
        StylesFromText(set.styles, text, version, display);
        MoveLegacyCoverStyles(set);
    } else {
        const QString covers = TaggedBlock(text, u"PARA_COVER");
        if (!covers.isEmpty())
            CoverParasFromText(covers, set.covers, version);
        const QString styles = TaggedBlock(text, g_Edition->ParaBlockName());
        if (!styles.isEmpty())
            StylesFromText(set.styles, styles, version, display);
    }
    // A file without styles must not leave the typesetter without one.
    EnsureOneStyle(set.styles, display);
    ApplyCoverSizes(set);
    return true;
}

// Blocks -----------------------------------------------------------------------

void CoverParasToText(TTextFile& file, const TCoverList& covers)
{
    WriteCoverBlock(file, covers, kCoverName, u"STYLE_COVER");
    WriteCoverBlock(file, covers, kBackCoverName, u"STYLE_BACK");
}

void CoverParasFromText(QStringView text, TCoverList& covers, int32_t version)
{
    covers.Clear();
    ReadCoverBlock(text, u"STYLE_COVER"_s, kCoverName, covers, version);
    ReadCoverBlock(text, u"STYLE_BACK"_s, kBackCoverName, covers, version);
}

void StylesToText(TTextFile& file, const TStyleList& styles)
{
    for (const TStyle& style : styles)
        WriteTaggedBlock(file, u"STYLE", [&] { StyleToText(file, style); });
}

void StylesFromText(TStyleList& styles, QStringView text, int32_t version, const TDisplayMode& display)
{
    ClearStyles(styles);
    qsizetype closeAt = 0;
    for (qsizetype from = 0;; from = closeAt) {
        const QStringView body = BlockFrom(text, kStyleOpen, kStyleClose, from, closeAt);
        if (closeAt < 0)
            break;
        if (!body.isEmpty())
            StyleFromText(body, *styles.AddNew(), version, display);
    }
}

void StyleToText(TTextFile& file, const TStyle& style) { g_Edition->StyleToText(file, style); }

void StyleFromText(QStringView text, TStyle& style, int32_t version, const TDisplayMode& display)
{
    g_Edition->StyleFromText(text, style, version, display);
}

void ParseFrameKeys(TStyle& style, QStringView frame)
{
    TTextItems::ForEachItem(frame, [&style](QStringView key, QStringView value) {
        for (const FrameItem& item : kFrameItems)
            if (item.key == key)
                item.read(style, value);
    });
}

void WoodblockEdition::StyleToText(TTextFile& file, const TStyle& style) const
{
    WriteFrame(file, style);
    WriteTaggedBlock(file, u"TEXT_BOX", [&] { BoxParaToText(file, style.TEXT_BOX); });
    WriteTaggedBlock(file, u"HEAD_BOX", [&] { BoxParaToText(file, style.HEAD_BOX); });
    WriteTaggedBlock(file, u"MID_UP_FONT", [&] { FontPairToText(file, style.MID_UP_FONT); });
    WriteTaggedBlock(file, u"MID_MID_FONT", [&] { FontPairToText(file, style.MID_MID_FONT); });
    WriteTaggedBlock(file, u"MID_DOWN_FONT", [&] { FontPairToText(file, style.MID_DOWN_FONT); });
    WriteTaggedBlock(file, u"TECH_ARRAY", [&] { TechniqueListToText(file, style.TECH_ARRAY); });
    WriteTaggedBlock(file, u"CIRCLE_ARRAY", [&] { WriteCircleArrayText(file, style.CIRCLE_ARRAY); });
    WriteTaggedBlock(file, u"QUAN_DIAN_ARRAY", [&] { WriteQuanDianArrayText(file, style.QUAN_DIAN_ARRAY); });
    WriteTaggedBlock(file, u"CE_PI_ARRAY", [&] { WriteCePiArrayText(file, style.CE_PI_ARRAY); });
    WriteTaggedBlock(file, u"BIAO_DIAN", [&] { WriteBiaoDianText(file, style.BIAO_DIAN); });
    WriteTaggedBlock(file, u"ATTATCH_FONT_GROUP", [&] { FontStyleListPairToText(file, style.ATTACH_FONT_GROUP); });
    WriteTaggedBlock(file, u"ATTATCH_RICH_FONT_GROUP",
                     [&] { RichFontListPairToText(file, style.ATTACH_RICH_FONT_GROUP); });
}

void WoodblockEdition::StyleFromText(QStringView text, TStyle& style, int32_t version,
                                     const TDisplayMode& display) const
{
    if (version <= kLastVersionWithoutText)
        return;
    ParseFrameKeys(style, TaggedBlock(text, u"FRAME"));
    BoxParaFromText(version, TaggedBlock(text, u"TEXT_BOX"), style.TEXT_BOX);
    BoxParaFromText(version, TaggedBlock(text, u"HEAD_BOX"), style.HEAD_BOX);
    FontPairFromText(version, TaggedBlock(text, u"MID_UP_FONT"), style.MID_UP_FONT);
    FontPairFromText(version, TaggedBlock(text, u"MID_MID_FONT"), style.MID_MID_FONT);
    FontPairFromText(version, TaggedBlock(text, u"MID_DOWN_FONT"), style.MID_DOWN_FONT);
    TechniqueListFromText(style.TECH_ARRAY, TaggedBlock(text, u"TECH_ARRAY"), version);
    ReadCircleArrayText(style.CIRCLE_ARRAY, TaggedBlock(text, u"CIRCLE_ARRAY"), version);
    ReadQuanDianArrayText(style.QUAN_DIAN_ARRAY, TaggedBlock(text, u"QUAN_DIAN_ARRAY"));
    ReadCePiArrayText(style.CE_PI_ARRAY, TaggedBlock(text, u"CE_PI_ARRAY"));
    ReadBiaoDianText(style.BIAO_DIAN, TaggedBlock(text, u"BIAO_DIAN"));
    FontStyleListPairFromText(TaggedBlock(text, u"ATTATCH_FONT_GROUP"), version, style.ATTACH_FONT_GROUP);
    RichFontListPairFromText(TaggedBlock(text, u"ATTATCH_RICH_FONT_GROUP"), version, style.ATTACH_RICH_FONT_GROUP);
    SyncStyleFonts(style);
    WoodblockEdition::ComputeStylePageSize(style, display);
    UpdateStylePitch(style);
}
