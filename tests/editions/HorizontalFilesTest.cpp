// The horizontal program's files beside the other editions' in one process:
// its identity, its layout-parameter file, projects of another edition
// refused, and the page sizes after its settings are loaded.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/ProjectFile.h"
#include "app/settings/FrameSettings.h"
#include "foundation/params/ParaFile.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedPrompter.h"
#include "tests/editions/EditionTestHelpers.h"
#include "tests/editions/HorizontalFixture.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

namespace {

void ResetAll()
{
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
}

class HorizontalFilesTest : public HorizontalTest {
protected:
    void SetUp() override
    {
        HorizontalTest::SetUp();
        ResetAll();
    }
    void TearDown() override
    {
        ResetAll();
        HorizontalTest::TearDown();
    }
    QString Store(const QString& text) { return scratch_.Store(text); }
    QString Exported(const TParaSet& set) { return scratch_.Exported(set); }
    ParaFileScratch scratch_;
};

QString PageBarFile(const QString& items)
{
    return u"<HEAD><VERSION>00032</VERSION></HEAD><PARA_SP><STYLES><STYLE><FRAME>NAME=甲,</FRAME>"
           u"<PAGE_BAR><PAGE_BAR_PARA>%1</PAGE_BAR_PARA></PAGE_BAR></STYLE></STYLES></PARA_SP>"_s.arg(items);
}

TEST_F(HorizontalFilesTest, Identity)
{
    const Edition& e = *g_Edition;
    EXPECT_EQ(e.ProgramName(), u"VellumorHorz"_s);
    EXPECT_EQ(e.ParaBlockName(), u"PARA_SP"_s);
    const struct {
        FileKind kind;
        const char16_t* extension;
        const char16_t* magic;
    } rows[] = {
        {FileKind::Project, u"xmh", u"OBJECT_HP"},   {FileKind::ScanSettings, u"smh", u"TXT_SCAN_HP"},
        {FileKind::Typeset, u"pah", u"TYPE_MAIN_HP"}, {FileKind::Index, u"bth", u""},
        {FileKind::FourInOne, u"p4h", u"TYPE_4_1_HP"}, {FileKind::FourthCompanion, u"psh", u""},
        {FileKind::VolumeData, u"sjh", u"TYPE_DATA_HP"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(e.Extension(row.kind), QString::fromUtf16(row.extension));
        EXPECT_EQ(e.Magic(row.kind), QString::fromUtf16(row.magic));
    }
    EXPECT_EQ(e.TitleMagic(), u"TYPE_TITLE_HP"_s);
    EXPECT_EQ(e.ScanMagic(), u"TYPE_SCAN_HP"_s);
    EXPECT_FALSE(e.HasTwoPageCommand());
    EXPECT_EQ(e.MinParaFileVersion(), 28);
}

TEST_F(HorizontalFilesTest, ParameterFileExportImportExportIsIdentical)
{
    TParaSet set;
    EnsureOneStyle(set.styles, {});
    TStyle& s = set.styles[0];
    s.TEXT_BOX.size.LEFT_SPACE = 900;
    s.TEXT_BOX.size.ZHU_LINES = 33;
    s.PAGE_BAR.FOOT_HEIGHT = 3000;
    s.PAGE_BAR.TITLE_POS_TYPE = TBarPosType::TYPE_FOOT_SIDE;
    s.PAGE_BAR.SHOW_FOOT_LINE = true;
    UpdateStylePitch(s);
    const QString text = Exported(set);
    for (const QString& line : {u"<PARA_SP>"_s, u"<PAGE_BAR>"_s, u"LEFT_SPACE=900,"_s, u"WORD_LINES=28,"_s,
                                u"TITLE_POS_TYPE=TYPE_FOOT_SIDE,"_s, u"PAGE_POS_TYPE=TYPE_HEAD_SIDE,"_s,
                                u"SHOW_FOOT_LINE=TRUE,"_s})
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
    for (const QString& absent : {u"<SIDE_BOX>"_s, u"<HEAD_BOX>"_s, u"TOP_SPACE"_s, u"QUAN_DIAN_ARRAY"_s})
        EXPECT_FALSE(text.contains(absent)) << absent.toStdString();

    TParaSet back;
    ASSERT_TRUE(ImportParaFile(Store(text), back, {}));
    ASSERT_EQ(back.styles.Size(), 1);
    EXPECT_EQ(back.styles[0].PAGE_BAR, s.PAGE_BAR);
    EXPECT_EQ(back.styles[0].TEXT_BOX.size, s.TEXT_BOX.size);
    EXPECT_EQ(back.styles[0].pageHeight, 74000 + 4000 + 3000);
    EXPECT_EQ(Exported(back), text);
}

TEST_F(HorizontalFilesTest, PositionWords)
{
    struct Case {
        QString items;
        int32_t title, page;
    } cases[] = {
        {u"TITLE_POS_TYPE=TYPE_NO,PAGE_POS_TYPE=TYPE_FOOT_MID,"_s, TBarPosType::TYPE_NO, TBarPosType::TYPE_FOOT_MID},
        // An unknown word keeps the value.
        {u"TITLE_POS_TYPE=TYPE_LEFT,PAGE_POS_TYPE=type_no,"_s, TBarPosType::TYPE_HEAD_MID,
         TBarPosType::TYPE_HEAD_SIDE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items.toStdString());
        TParaSet set;
        ASSERT_TRUE(ImportParaFile(Store(PageBarFile(c.items)), set, {}));
        ASSERT_EQ(set.styles.Size(), 1);
        EXPECT_EQ(set.styles[0].PAGE_BAR.TITLE_POS_TYPE, c.title);
        EXPECT_EQ(set.styles[0].PAGE_BAR.PAGE_POS_TYPE, c.page);
    }
}

// Both modern programs write "<PARA_SP>": a vertical file read here is
// taken as horizontal, its frame items and text-box fonts read, its side
// and head boxes ignored, its top and bottom blanks no keys. What comes out
// is a mixed style, without a word. Pinned as the format has it.
TEST_F(HorizontalFilesTest, AVerticalParameterFileGivesAMixedStyleSilently)
{
    const Edition* horizontal = InstallEdition(&EditionFor(EditionKind::Vertical));
    TParaSet vertical;
    EnsureOneStyle(vertical.styles, {});
    vertical.styles[0].NAME = u"豎"_s;
    vertical.styles[0].NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_PAGE;
    const QString text = Exported(vertical);
    const TBoxSize verticalBox = vertical.styles[0].TEXT_BOX.size;
    InstallEdition(horizontal);

    TParaSet set;
    ScriptedPrompter prompter;  // no question, no message
    ASSERT_TRUE(ImportParaFile(Store(text), set, {}));
    EXPECT_TRUE(prompter.Done());
    ASSERT_EQ(set.styles.Size(), 1);
    const TStyle& s = set.styles[0];
    EXPECT_EQ(s.NAME, u"豎"_s);
    EXPECT_EQ(s.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(s.TEXT_BOX.size.BOX_WIDTH, verticalBox.BOX_WIDTH);       // the vertical box's size
    EXPECT_EQ(s.TEXT_BOX.size.TEXT_PER_LINE, verticalBox.TEXT_PER_LINE);
    EXPECT_EQ(s.TEXT_BOX.size.LEFT_SPACE, 200);  // the horizontal defaults where the file has no key
    EXPECT_EQ(s.PAGE_BAR, TStyle().PAGE_BAR);
    EXPECT_EQ(s.pageHeight, verticalBox.BOX_HEIGHT + 4000);
}

// A project saved by the vertical program, opened by the horizontal one in
// the same process, and the other way round.
TEST_F(HorizontalFilesTest, AnotherEditionsProjectIsNoProjectHere)
{
    const Edition& horizontal = *g_Edition;
    for (const Edition* writer : {&EditionFor(EditionKind::Vertical), &horizontal}) {
        const Edition* reader = writer == &horizontal ? &EditionFor(EditionKind::Vertical) : &horizontal;
        InstallEdition(writer);
        g_ParaSet.styles.AddNew()->NAME = u"排印"_s;
        g_ProjectName = scratch_.FilePath(writer->ProgramName());
        const QString path = ProjectFilePath();
        ASSERT_TRUE(SaveProjectFile());
        // Given the reader's extension: the magic decides.
        const QString renamed = g_ProjectName + u'.' + reader->Extension(FileKind::Project);
        ASSERT_TRUE(QFile::rename(path, renamed));
        InstallEdition(reader);
        ResetAll();
        ScriptedPrompter prompter;
        prompter.ExpectTell(u"不是項目文件！"_s);
        EXPECT_FALSE(ReadProjectFile(renamed));
        EXPECT_TRUE(prompter.Done());
    }
    InstallEdition(&horizontal);
}

TEST_F(HorizontalFilesTest, AHorizontalProjectRoundTrips)
{
    TStyle* style = g_ParaSet.styles.AddNew();
    style->NAME = u"排印"_s;
    style->PAGE_BAR.PAGE_POS_TYPE = TBarPosType::TYPE_FOOT_MID;
    style->TEXT_BOX.size.WORD_LINES = 20;
    g_ProjectName = scratch_.FilePath(u"書"_s);
    const QString path = ProjectFilePath();
    EXPECT_TRUE(path.endsWith(u".xmh"_s));
    ASSERT_TRUE(SaveProjectFile());
    ResetAll();
    ASSERT_TRUE(ReadProjectFile(path));
    const TStyle* back = g_ParaSet.styles.FindByName(&TStyle::NAME, u"排印"_s);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->PAGE_BAR.PAGE_POS_TYPE, TBarPosType::TYPE_FOOT_MID);
    EXPECT_EQ(back->TEXT_BOX.size.WORD_LINES, 20);
}

// After the settings are read every style's page is its text box between
// the two bands.
TEST_F(HorizontalFilesTest, PageSizesAfterLoadingTheSettings)
{
    TStyle* style = g_ParaSet.styles.AddNew();
    style->PAGE_BAR.FOOT_HEIGHT = 3000;
    style->pageHeight = 1;
    const QString oldProgram = g_ProgramPath;
    g_ProgramPath = scratch_.FilePath(u"VellumorHorz"_s);
    TFrameSettings settings;
    LoadFrameSettings(settings);
    g_ProgramPath = oldProgram;
    EXPECT_EQ(style->pageWidth, 52000);
    EXPECT_EQ(style->pageHeight, 81000);
}

// Deriving the rich fonts touches the text box only: the style has no head
// box whose fonts would follow.
TEST_F(HorizontalFilesTest, RichFontsOfTheTextBoxOnly)
{
    TStyle s;
    s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME = u"楷体"_s;
    SyncStyleFonts(s);
    EXPECT_EQ(s.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, u"楷体"_s);
    EXPECT_EQ(s.HEAD_BOX, TBoxPara());
}

}  // namespace
