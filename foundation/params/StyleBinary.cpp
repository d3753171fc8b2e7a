#include "foundation/params/StyleBinary.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/RecordListIo.h"
#include "platform/WaitCursor.h"

namespace {

// Versions before these store no style and no cover fields at all.
constexpr int32_t kStyleFrom = 25;
constexpr int32_t kCoverFrom = 28;
constexpr int32_t kNoLastVersion = INT32_MAX;

uint32_t RotateRight(uint32_t v, int bits) { return (v >> bits) | (v << (32 - bits)); }

bool ReadFlag16(TBinFile& file, bool& flag)
{
    uint16_t value = 0;
    if (!file.ReadUInt16(value))
        return false;
    flag = value != 0;
    return true;
}

bool ReadRotatedFlag(TBinFile& file, bool& flag)
{
    int32_t value = 0;
    if (!ReadRotatedInt(file, value))
        return false;
    flag = value != 0;
    return true;
}

bool ReadColor(TBinFile& file, ColorRef& color)
{
    int32_t value = 0;
    if (!file.ReadInt32(value))
        return false;
    color = ColorRef(value);
    return true;
}

// One stored piece of the woodblock style, present in the versions from
// `from` to `until`. The writer writes the pieces of the current version.
struct StylePiece {
    int32_t from;
    int32_t until;
    int32_t (*write)(TBinFile&, const TStyle&);
    bool (*read)(TBinFile&, TStyle&, int32_t version);
};

template <int32_t TStyle::*Field>
constexpr StylePiece Rotated(int32_t from = kStyleFrom)
{
    return {from, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteRotatedInt(f, s.*Field); },
            [](TBinFile& f, TStyle& s, int32_t) { return ReadRotatedInt(f, s.*Field); }};
}

template <bool TStyle::*Field>
constexpr StylePiece RotatedFlag(int32_t from = kStyleFrom)
{
    return {from, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteRotatedInt(f, s.*Field ? 1 : 0); },
            [](TBinFile& f, TStyle& s, int32_t) { return ReadRotatedFlag(f, s.*Field); }};
}

template <bool TStyle::*Field>
constexpr StylePiece Flag16()
{
    return {kStyleFrom, kNoLastVersion,
            [](TBinFile& f, const TStyle& s) { return f.WriteUInt16(s.*Field ? 1 : 0); },
            [](TBinFile& f, TStyle& s, int32_t) { return ReadFlag16(f, s.*Field); }};
}

template <ColorRef TStyle::*Field>
constexpr StylePiece Color()
{
    return {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return f.WriteInt32(int32_t(s.*Field)); },
            [](TBinFile& f, TStyle& s, int32_t) { return ReadColor(f, s.*Field); }};
}

template <TFontPair TStyle::*Field>
constexpr StylePiece CentreFonts()
{
    return {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteFontPair(f, s.*Field); },
            [](TBinFile& f, TStyle& s, int32_t v) { return ReadFontPair(s.*Field, v, f); }};
}

int32_t WriteNothing(TBinFile&, const TStyle&) { return 0; }

// The woodblock style in file order.
const StylePiece kWoodblockStyle[] = {
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return f.WriteString(s.NAME); },
     [](TBinFile& f, TStyle& s, int32_t) { return f.ReadString(s.NAME); }},
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return f.WriteInt32(s.kind); },
     [](TBinFile& f, TStyle& s, int32_t) { return f.ReadInt32(s.kind); }},
    Rotated<&TStyle::OUT_BORDER>(),
    Rotated<&TStyle::IN_BORDER>(),
    Rotated<&TStyle::SPACE>(),
    Flag16<&TStyle::raisedHead>(),
    Rotated<&TStyle::MID_WIDTH>(),
    Rotated<&TStyle::UP_FISH_TYPE>(),
    Rotated<&TStyle::DOWN_FISH_TYPE>(),
    Rotated<&TStyle::MID_LINE>(),
    Rotated<&TStyle::MID_UP_HEIGHT>(),
    Rotated<&TStyle::MID_MID_HEIGHT>(),
    RotatedFlag<&TStyle::SHOW_MID_DOWN>(26),
    // Older files keep the punctuation here: mode, 16-bit flag, colour.
    {kStyleFrom, 28, WriteNothing,
     [](TBinFile& f, TStyle& s, int32_t v) { return ReadBiaoDianBin(s.BIAO_DIAN, v, f); }},
    RotatedFlag<&TStyle::SHOW_STAMP>(),
    Color<&TStyle::BORDER_COLOR>(),
    Color<&TStyle::BACK_COLOR>(),
    Flag16<&TStyle::GROUND_IMAGE>(),
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return f.WriteString(s.GROUND.name); },
     [](TBinFile& f, TStyle& s, int32_t) { return f.ReadString(s.GROUND.name); }},
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return f.WriteInt32(s.GROUND.folderKind); },
     [](TBinFile& f, TStyle& s, int32_t) { return f.ReadInt32(s.GROUND.folderKind); }},
    // Before 32 the text box carries the attached font group.
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteBoxPara(f, s.TEXT_BOX); },
     [](TBinFile& f, TStyle& s, int32_t v) {
         return v >= 32 ? ReadBoxPara(f, s.TEXT_BOX, v) : ReadBoxParaOld(s.TEXT_BOX, f, v, s.ATTACH_FONT_GROUP);
     }},
    {kStyleFrom, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteBoxPara(f, s.HEAD_BOX); },
     [](TBinFile& f, TStyle& s, int32_t v) { return ReadBoxPara(f, s.HEAD_BOX, v); }},
    CentreFonts<&TStyle::MID_UP_FONT>(),
    CentreFonts<&TStyle::MID_MID_FONT>(),
    CentreFonts<&TStyle::MID_DOWN_FONT>(),
    {28, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteTechniqueList(s.TECH_ARRAY, f); },
     [](TBinFile& f, TStyle& s, int32_t v) { return ReadTechniqueList(f, v, s.TECH_ARRAY); }},
    {28, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteCircleArrayBin(s.CIRCLE_ARRAY, f); },
     [](TBinFile& f, TStyle& s, int32_t v) { return ReadCircleArrayBin(f, v, s.CIRCLE_ARRAY); }},
    // The emphasis marks, side-note fonts, punctuation and attached groups.
    {32, kNoLastVersion,
     [](TBinFile& f, const TStyle& s) {
         return WriteQuanDianArrayBin(s.QUAN_DIAN_ARRAY, f) + WriteFontStyleList(s.CE_PI_ARRAY, f);
     },
     [](TBinFile& f, TStyle& s, int32_t v) {
         return ReadQuanDianArrayBin(f, v, s.QUAN_DIAN_ARRAY) && ReadCePiArrayBin(f, v, s.CE_PI_ARRAY);
     }},
    {29, kNoLastVersion, [](TBinFile& f, const TStyle& s) { return WriteBiaoDianBin(f, s.BIAO_DIAN); },
     [](TBinFile& f, TStyle& s, int32_t v) { return ReadBiaoDianBin(s.BIAO_DIAN, v, f); }},
    {32, kNoLastVersion,
     [](TBinFile& f, const TStyle& s) {
         return WriteAttachFontGroup(f, s.ATTACH_FONT_GROUP) + WriteAttachRichFontGroup(f, s.ATTACH_RICH_FONT_GROUP);
     },
     [](TBinFile& f, TStyle& s, int32_t v) {
         return ReadAttachFontGroup(f, v, s.ATTACH_FONT_GROUP) &&
                ReadAttachRichFontGroup(f, v, s.ATTACH_RICH_FONT_GROUP);
     }},
};

bool Stores(const StylePiece& piece, int32_t version) { return version >= piece.from && version <= piece.until; }

// What a read style always gets, whatever the file holds.
void NormaliseReadStyle(const WoodblockEdition& edition, TStyle& style, const TDisplayMode& display)
{
    style.TEXT_BOX.size.SPLIT_LINE_WIDTH = style.IN_BORDER;
    style.HEAD_BOX.size.BOX_WIDTH = style.TEXT_BOX.size.BOX_WIDTH;
    SyncStyleFonts(style);
    edition.WoodblockEdition::ComputeStylePageSize(style, display);
    UpdateStylePitch(style);
}

// Versions whose entries store nothing still give a count; one default
// record stands for them all, so that a damaged count cannot make millions.
template <class T>
bool ReadDatalessList(TBinFile& file, OwningList<T>& list)
{
    list.Clear();
    int32_t count = 0;
    if (!file.ReadInt32(count))
        return false;
    if (count > 0)
        list.AddNew();
    return true;
}

}  // namespace

int32_t ScrambleStoredInt(int32_t value) { return int32_t(RotateRight(uint32_t(value), 6)); }
int32_t UnscrambleStoredInt(int32_t stored) { return int32_t(RotateRight(uint32_t(stored), 26)); }

int32_t WriteRotatedInt(TBinFile& file, int32_t value) { return file.WriteInt32(ScrambleStoredInt(value)); }

bool ReadRotatedInt(TBinFile& file, int32_t& value)
{
    int32_t stored = 0;
    if (!file.ReadInt32(stored))
        return false;
    value = UnscrambleStoredInt(stored);
    return true;
}

// Styles -----------------------------------------------------------------------

int32_t WriteStyle(const TStyle& style, TBinFile& file) { return g_Edition->WriteStyle(style, file); }

bool ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display)
{
    return g_Edition->ReadStyle(file, style, version, display);
}

int32_t WoodblockEdition::WriteStyle(const TStyle& style, TBinFile& file) const
{
    const WaitCursor wait;
    int32_t bytes = 0;
    for (const StylePiece& piece : kWoodblockStyle)
        if (Stores(piece, kParamFileVersion))
            bytes += piece.write(file, style);
    return bytes;
}

bool WoodblockEdition::ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const
{
    const WaitCursor wait;
    if (version < kStyleFrom) {
        // Nothing stored: the defaults stand, sized for the display in force.
        WoodblockEdition::ComputeStylePageSize(style, display);
        return true;
    }
    for (const StylePiece& piece : kWoodblockStyle)
        if (Stores(piece, version) && !piece.read(file, style, version))
            return false;
    NormaliseReadStyle(*this, style, display);
    return true;
}

int32_t WriteStyleList(const TStyleList& list, TBinFile& file)
{
    return WriteCountedList(file, list, [](TBinFile& f, const TStyle& s) { return WriteStyle(s, f); });
}

bool ReadStyleList(TBinFile& file, int32_t version, TStyleList& list, const TDisplayMode& display)
{
    ClearStyles(list);
    if (version < kStyleFrom) {
        const bool ok = ReadDatalessList(file, list);
        for (TStyle& style : list)
            ComputeStylePageSize(style, display);
        return ok;
    }
    return ReadCountedList(file, list, [version, &display](TBinFile& f, TStyle& s, int32_t) {
        return ReadStyle(f, s, version, display);
    });
}

// Covers -----------------------------------------------------------------------

int32_t WriteCoverPara(TBinFile& file, const TCoverPara& cover)
{
    const WaitCursor wait;
    return file.WriteString(cover.NAME) + file.WriteInt32(cover.kind) + WriteFontPair(file, cover.COVER_FONT);
}

bool ReadCoverPara(TBinFile& file, TCoverPara& cover, int32_t version)
{
    const WaitCursor wait;
    if (version < kCoverFrom)
        return true;
    return file.ReadString(cover.NAME) && file.ReadInt32(cover.kind) && ReadFontPair(cover.COVER_FONT, version, file);
}

int32_t WriteCoverParaList(const TCoverList& list, TBinFile& file)
{
    return WriteCountedList(file, list, [](TBinFile& f, const TCoverPara& c) { return WriteCoverPara(f, c); });
}

bool ReadCoverParaList(TBinFile& file, int32_t version, TCoverList& list)
{
    if (version < kCoverFrom)
        return ReadDatalessList(file, list);
    return ReadCountedList(file, list,
                           [version](TBinFile& f, TCoverPara& c, int32_t) { return ReadCoverPara(f, c, version); });
}

// Parameter sets -----------------------------------------------------------------

int32_t WriteParaSet(const TParaSet& set, TBinFile& file)
{
    return WriteCoverParaList(set.covers, file) + WriteStyleList(set.styles, file);
}

bool ReadParaSet(TBinFile& file, int32_t version, TParaSet& set, const TDisplayMode& display)
{
    // Files older than the edition's first style list hold none of its styles.
    if (version < g_Edition->MinStyleListFileVersion())
        return false;
    bool ok = false;
    if (version >= kCoverFrom) {
        ok = ReadCoverParaList(file, version, set.covers) && ReadStyleList(file, version, set.styles, display);
    } else {
        ok = ReadStyleList(file, version, set.styles, display);
        MoveLegacyCoverStyles(set);
    }
    ApplyCoverSizes(set);
    return ok;
}

// 4-in-1 -----------------------------------------------------------------------

int32_t WritePara4in1(const TPara4in1& para, TBinFile& file)
{
    const WaitCursor wait;
    int32_t bytes = file.WriteInt32(para.continuousPages ? 1 : 0);
    for (const int32_t value : {para.halfGap, para.titleWidth, para.titlePos, para.pageNumberPos})
        bytes += WriteRotatedInt(file, value);
    return bytes + WriteFontPair(file, para.titleFont) + WriteFontPair(file, para.pageNumberFont);
}
