#include <gtest/gtest.h>

#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"

class EditionIdentities : public EditionTest {};

TEST_P(EditionIdentities, FileNamesAndMagicsFollowTheEdition)
{
    struct Row { FileKind kind; const char* ext[3]; const char* magic[3]; };
    const Row rows[] = {
        {FileKind::Project, {"xmk", "xms", "xmh"}, {"OBJECT_KB", "OBJECT_SP", "OBJECT_HP"}},
        {FileKind::ScanSettings, {"smk", "sms", "smh"}, {"TXT_SCAN_KB", "TXT_SCAN_SP", "TXT_SCAN_HP"}},
        {FileKind::Typeset, {"pak", "pas", "pah"}, {"TYPE_MAIN_KB", "TYPE_MAIN_SP", "TYPE_MAIN_HP"}},
        {FileKind::Index, {"btk", "bts", "bth"}, {"", "", ""}},
        {FileKind::FourInOne, {"p4k", "p4s", "p4h"}, {"TYPE_4_1_KB", "TYPE_4_1_SP", "TYPE_4_1_HP"}},
        {FileKind::FourthCompanion, {"psk", "pss", "psh"}, {"", "", ""}},
        {FileKind::VolumeData, {"sjk", "sjs", "sjh"}, {"TYPE_DATA_KB", "TYPE_DATA_SP", "TYPE_DATA_HP"}},
    };
    const int e = int(GetParam());
    for (const Row& row : rows) {
        EXPECT_EQ(g_Edition->Extension(row.kind), QString::fromLatin1(row.ext[e]));
        EXPECT_EQ(g_Edition->Magic(row.kind), QString::fromLatin1(row.magic[e]));
    }
    const char* blocks[] = {"PARA_KB", "PARA_SP", "PARA_SP"};
    EXPECT_EQ(g_Edition->ParaBlockName(), QString::fromLatin1(blocks[e]));
    const int32_t minPara[] = {25, 28, 28};
    EXPECT_EQ(g_Edition->MinParaFileVersion(), minPara[e]);
    const int32_t minStyleList[] = {21, 28, 28};
    EXPECT_EQ(g_Edition->MinStyleListFileVersion(), minStyleList[e]);
    const char* programs[] = {"VellumorBlock", "VellumorVert", "VellumorHorz"};
    EXPECT_EQ(g_Edition->ProgramName(), QString::fromLatin1(programs[e]));
    const char* suffix[] = {"KB", "SP", "HP"};
    EXPECT_EQ(g_Edition->TitleMagic(), QStringLiteral("TYPE_TITLE_") + suffix[e]);
    EXPECT_EQ(g_Edition->ScanMagic(), QStringLiteral("TYPE_SCAN_") + suffix[e]);
}
VELLUMOR_ALL_EDITIONS(EditionIdentities);
