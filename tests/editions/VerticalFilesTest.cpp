#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/ProjectFile.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedPrompter.h"
#include "tests/editions/VerticalFixture.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

namespace {

void ResetAll()
{
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
}

class VerticalFilesTest : public VerticalTest {
protected:
    void SetUp() override
    {
        VerticalTest::SetUp();
        ResetAll();
    }
    void TearDown() override
    {
        ResetAll();
        VerticalTest::TearDown();
    }
    QTemporaryDir dir_;
};

TEST_F(VerticalFilesTest, Identity)
{
    const Edition& e = *g_Edition;
    EXPECT_EQ(e.ProgramName(), u"VellumorVert"_s);
    EXPECT_EQ(e.ParaBlockName(), u"PARA_SP"_s);
    const struct {
        FileKind kind;
        const char16_t* extension;
        const char16_t* magic;
    } rows[] = {
        {FileKind::Project, u"xms", u"OBJECT_SP"},   {FileKind::ScanSettings, u"sms", u"TXT_SCAN_SP"},
        {FileKind::Typeset, u"pas", u"TYPE_MAIN_SP"}, {FileKind::Index, u"bts", u""},
        {FileKind::FourInOne, u"p4s", u"TYPE_4_1_SP"}, {FileKind::FourthCompanion, u"pss", u""},
        {FileKind::VolumeData, u"sjs", u"TYPE_DATA_SP"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(e.Extension(row.kind), QString::fromUtf16(row.extension));
        EXPECT_EQ(e.Magic(row.kind), QString::fromUtf16(row.magic));
    }
    EXPECT_EQ(e.TitleMagic(), u"TYPE_TITLE_SP"_s);
    EXPECT_FALSE(e.HasTwoPageCommand());
    EXPECT_TRUE(EditionFor(EditionKind::Woodblock).HasTwoPageCommand());
    EXPECT_EQ(e.ScanMagic(), u"TYPE_SCAN_SP"_s);
}

// A project saved by the woodblock program, opened by the vertical one in
// the same process.
TEST_F(VerticalFilesTest, AWoodblockProjectIsNoProjectHere)
{
    const Edition* vertical = InstallEdition(&EditionFor(EditionKind::Woodblock));
    g_ParaSet.styles.AddNew()->NAME = u"刻本"_s;
    g_ProjectName = dir_.filePath(u"書"_s);
    const QString path = ProjectFilePath();
    ASSERT_TRUE(SaveProjectFile());
    InstallEdition(vertical);
    ResetAll();

    ScriptedPrompter prompter;
    prompter.ExpectTell(u"不是項目文件！"_s);
    EXPECT_FALSE(ReadProjectFile(path));
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(g_ProjectName, QString());
}

TEST_F(VerticalFilesTest, AVerticalProjectRoundTrips)
{
    TStyle* style = g_ParaSet.styles.AddNew();
    style->NAME = u"排印"_s;
    style->NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_PAGE;
    style->SIDE_BOX.BOX_TITLE_POS = 12000;
    g_ProjectName = dir_.filePath(u"書"_s);
    const QString path = ProjectFilePath();
    EXPECT_TRUE(path.endsWith(u".xms"_s));
    ASSERT_TRUE(SaveProjectFile());
    ResetAll();
    ASSERT_TRUE(ReadProjectFile(path));
    const TStyle* back = g_ParaSet.styles.FindByName(&TStyle::NAME, u"排印"_s);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(back->SIDE_BOX.BOX_TITLE_POS, 12000);
}

}  // namespace
