#include "foundation/Edition.h"

#include "foundation/params/Box.h"
#include "foundation/params/ParaFile.h"
#include "foundation/params/Style.h"
#include "foundation/params/StyleBinary.h"

namespace {

struct FileIdentityRow {
    FileKind kind;
    const char* extensionStem;  // the edition's letter is appended
    const char* magicStem;      // the edition's suffix is appended; null: no magic
};

constexpr FileIdentityRow kFileIdentities[] = {
    {FileKind::Project, "xm", "OBJECT_"},
    {FileKind::ScanSettings, "sm", "TXT_SCAN_"},
    {FileKind::Typeset, "pa", "TYPE_MAIN_"},
    {FileKind::Index, "bt", nullptr},
    {FileKind::FourInOne, "p4", "TYPE_4_1_"},
    {FileKind::FourthCompanion, "ps", nullptr},
    {FileKind::VolumeData, "sj", "TYPE_DATA_"},
};

const FileIdentityRow& RowOf(FileKind kind)
{
    for (const FileIdentityRow& row : kFileIdentities)
        if (row.kind == kind)
            return row;
    return kFileIdentities[0];
}

}  // namespace

QString Edition::Extension(FileKind kind) const
{
    return QString::fromLatin1(RowOf(kind).extensionStem) + ExtensionLetter();
}

QString Edition::Magic(FileKind kind) const
{
    const char* stem = RowOf(kind).magicStem;
    return stem ? QString::fromLatin1(stem) + MagicSuffix() : QString();
}

QString Edition::TitleMagic() const { return QStringLiteral("TYPE_TITLE_") + MagicSuffix(); }
QString Edition::ScanMagic() const { return QStringLiteral("TYPE_SCAN_") + MagicSuffix(); }

QString WoodblockEdition::ProgramName() const { return QStringLiteral("VellumorBlock"); }
QString WoodblockEdition::Title() const { return QStringLiteral("墨衡中文仿刻本排版系統"); }
QString WoodblockEdition::ParaBlockName() const { return QStringLiteral("PARA_KB"); }
QString WoodblockEdition::MagicSuffix() const { return QStringLiteral("KB"); }
QChar WoodblockEdition::ExtensionLetter() const { return u'k'; }

int32_t WoodblockEdition::MinParaFileVersion() const { return Woodblock::kMinParaFileVersion; }
// Versions 21 to 27 stored only styles, covers among them as "COVER"/"BACK".
int32_t WoodblockEdition::MinStyleListFileVersion() const { return 21; }

void WoodblockEdition::SetStyleDefaults(TStyle& style, const TDisplayMode& display) const
{
    Woodblock::SetStyleDefaults(style, display);
}
void WoodblockEdition::ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const
{
    Woodblock::ComputeStylePageSize(style, display);
}
TStyle& WoodblockEdition::ScaleStyle(const TStyle& source, TStyle& out, double zoom) const
{
    return Woodblock::ScaleStyle(source, out, zoom);
}
int32_t WoodblockEdition::WriteStyle(const TStyle& style, TBinFile& file) const
{
    return Woodblock::WriteStyle(style, file);
}
bool WoodblockEdition::ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const
{
    return Woodblock::ReadStyle(file, style, version, display);
}
void WoodblockEdition::StyleToText(TTextFile& file, const TStyle& style) const { Woodblock::StyleToText(file, style); }
void WoodblockEdition::StyleFromText(QStringView text, TStyle& style, int32_t version,
                                     const TDisplayMode& display) const
{
    Woodblock::StyleFromText(text, style, version, display);
}

void WoodblockEdition::DeriveBoxSize(TBoxSize& size) const { Woodblock::DeriveBoxSize(size); }
int32_t WoodblockEdition::WriteBoxSize(TBinFile& file, const TBoxSize& size) const
{
    return Woodblock::WriteBoxSize(file, size);
}
bool WoodblockEdition::ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t) const
{
    return Woodblock::ReadBoxSize(size, file);
}
void WoodblockEdition::BoxSizeToText(TTextFile& file, const TBoxSize& size) const
{
    Woodblock::BoxSizeToText(file, size);
}
void WoodblockEdition::BoxSizeFromText(QStringView block, TBoxSize& size) const
{
    Woodblock::BoxSizeFromText(block, size);
}
