#include "foundation/Edition.h"

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

// Versions up to 24 have no text form.
int32_t WoodblockEdition::MinParaFileVersion() const { return 25; }
// Versions 21 to 27 stored only styles, covers among them as "COVER"/"BACK".
int32_t WoodblockEdition::MinStyleListFileVersion() const { return 21; }
