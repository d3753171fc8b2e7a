#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/CompanionPaths.h"
#include "app/files/ProjectFile.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "support/Editions.h"
#include "support/FileSizeLimit.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

const QString kOverwrite = u"文件已存在，是否覆蓋？"_s;

// The project magic of an edition other than the one in force.
QString ForeignProjectMagic()
{
    return g_Edition->Kind() == EditionKind::Woodblock ? u"OBJECT_SP"_s : u"OBJECT_KB"_s;
}

class ProjectFileTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        g_ProjectName = dir.filePath(u"書"_s);
    }
    // A fresh start within a test.
    static void ResetAll()
    {
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }

    // The set held before a read: one style named "舊".
    static void HoldOldSet()
    {
        TParaSet old;
        old.styles.AddNew()->NAME = u"舊"_s;
        ReplaceProjectParaSet(std::move(old));
    }

    QString Path() const { return ProjectFilePath(); }

    QTemporaryDir dir;
    ScriptedPrompter prompter;  // fails on any message a test does not expect
};

TEST_P(ProjectFileTest, StartsWithVersionMagicAndCoverCount)
{
    g_ParaSet.styles.AddNew()->NAME = u"正文"_s;
    ASSERT_TRUE(SaveProjectFile());

    const QString magic[] = {u"OBJECT_KB"_s, u"OBJECT_SP"_s, u"OBJECT_HP"_s};
    const QByteArray head = LeBytes().I32(32).WStr(magic[int(GetParam())]).I32(0).Data();
    EXPECT_EQ(Hex(FileBytes(Path()).left(head.size())), Hex(head));
}

// Read back and written again, a project gives the same bytes; the read makes
// its set the one in use and re-points the current style into it. The save
// after the read asks before it overwrites.
TEST_P(ProjectFileTest, RoundTripsByteForByte)
{
    g_ParaSet.styles.AddNew()->NAME = u"正文"_s;
    g_ParaSet.styles.AddNew()->NAME = u"注疏"_s;
    GetCoverPara(g_ParaSet)->COVER_FONT.TEXT_FONT.SIZE = 4321;
    ApplyCoverSizes(g_ParaSet);
    g_ProjectDirty = true;
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_FALSE(g_ProjectDirty);
    const QByteArray written = FileBytes(Path());
    const QString path = Path();

    ResetAll();
    HoldOldSet();
    g_CurrentStyle = g_ParaSet.styles.First();
    PointCurrentListsAt(g_CurrentStyle);
    g_ProjectDirty = true;
    ASSERT_TRUE(ReadProjectFile(path));

    EXPECT_EQ(g_ProjectName, dir.filePath(u"書"_s));
    EXPECT_EQ(g_ProjectFolder, dir.path());
    EXPECT_EQ(g_CurrentParaSet, &g_ParaSet);
    EXPECT_FALSE(g_ProjectDirty);
    ASSERT_EQ(g_ParaSet.styles.Size(), 2);
    EXPECT_EQ(g_CurrentStyle, g_ParaSet.styles.First());  // "舊" is gone: the first
    EXPECT_EQ(g_CurTechList, nullptr);                     // released with the old style
    EXPECT_EQ(g_ParaSet.covers[0].COVER_FONT.TEXT_FONT.SIZE, 4321);

    prompter.ExpectAsk(kOverwrite, Prompter::Answer::Yes);
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_EQ(Hex(FileBytes(path)), Hex(written));
}

TEST_P(ProjectFileTest, ReReadingKeepsTheCurrentStyleAndCoverByName)
{
    g_ParaSet.styles.AddNew()->NAME = u"甲"_s;
    g_ParaSet.styles.AddNew()->NAME = u"乙"_s;
    GetBackCoverPara(g_ParaSet);
    ASSERT_TRUE(SaveProjectFile());
    g_CurrentStyle = &g_ParaSet.styles[1];
    g_CurrentCover = g_ParaSet.covers.First();

    ASSERT_TRUE(ReadProjectFile(Path()));
    EXPECT_EQ(g_CurrentStyle, &g_ParaSet.styles[1]);
    EXPECT_EQ(g_CurrentCover, g_ParaSet.covers.First());
}

struct GateCase {
    const char* name;
    int32_t version;
    bool withMagic;
    bool foreignMagic;
    const char16_t* message;  // null: none
    bool accepted;
};

// Versions 21 to 27 carry styles only (here one entry of the older forms, or
// none); from 28 an empty cover list comes first.
QByteArray GateFile(const GateCase& c)
{
    LeBytes bytes;
    bytes.I32(c.version);
    if (c.withMagic)
        bytes.WStr(c.foreignMagic ? ForeignProjectMagic() : g_Edition->Magic(FileKind::Project));
    if (c.version >= 28)
        bytes.I32(0);
    return bytes.I32(c.version < 25 ? 1 : 0).Data();
}

TEST_P(ProjectFileTest, VersionGates)
{
    const GateCase cases[] = {
        {"v20 too old", 20, false, false, u"不支持此項目文件！", false},
        {"v21 styles only", 21, false, false, nullptr, true},
        {"v27 styles only", 27, false, false, nullptr, true},
        {"v28 without magic", 28, false, false, nullptr, true},
        {"v29 foreign magic", 29, true, true, u"不是項目文件！", false},
        {"v31 own magic", 31, true, false, nullptr, true},
        {"v32 missing magic", 32, false, false, u"不是項目文件！", false},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(u"gate.xm"_s);
        PutFile(path, GateFile(c));
        g_ProjectName.clear();
        g_ProjectDirty = true;
        HoldOldSet();
        if (c.message)
            prompter.ExpectTell(QString::fromUtf16(c.message));

        EXPECT_EQ(ReadProjectFile(path), c.accepted);
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(g_ProjectDirty, !c.accepted);
        EXPECT_EQ(g_ProjectName.isEmpty(), !c.accepted);
        // The lists are read from 28 on, and before that by the woodblock
        // edition only; the others keep the set they held.
        const bool listsRead = c.accepted && (c.version >= 28 || GetParam() == EditionKind::Woodblock);
        const bool keptOld = g_ParaSet.styles.Size() == 1 && g_ParaSet.styles[0].NAME == u"舊"_s;
        EXPECT_EQ(keptOld, !listsRead);
        if (listsRead) {
            EXPECT_EQ(g_ParaSet.styles.Size(), c.version < 25 ? 1 : 0);
        }
    }
}

TEST_P(ProjectFileTest, AMissingFileFailsSilently)
{
    EXPECT_FALSE(ReadProjectFile(dir.filePath(u"none.xm"_s)));
    EXPECT_EQ(g_CurrentParaSet, nullptr);
}

// The question comes on every save over an existing file; No keeps the file.
TEST_P(ProjectFileTest, AsksBeforeEveryOverwrite)
{
    g_ParaSet.styles.AddNew()->NAME = u"甲"_s;
    ASSERT_TRUE(SaveProjectFile());
    const QByteArray first = FileBytes(Path());

    g_ParaSet.styles.AddNew()->NAME = u"乙"_s;
    g_ProjectDirty = true;
    prompter.ExpectAsk(kOverwrite, Prompter::Answer::No);
    EXPECT_FALSE(SaveProjectFile());
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_EQ(FileBytes(Path()), first);

    prompter.ExpectAsk(kOverwrite, Prompter::Answer::Yes);
    EXPECT_TRUE(SaveProjectFile());
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_NE(FileBytes(Path()), first);
}

TEST_P(ProjectFileTest, WithoutAProjectNameNothingIsSaved)
{
    g_ProjectName.clear();
    g_ProjectDirty = true;
    EXPECT_FALSE(SaveProjectFile());
    EXPECT_TRUE(g_ProjectDirty);
}

// A save that fails on the disk is reported, keeps the project dirty and
// leaves the old file as it was.
TEST_P(ProjectFileTest, AFailedSaveIsReportedAndKeepsTheProjectDirty)
{
    g_ParaSet.styles.AddNew()->NAME = u"甲"_s;
    ASSERT_TRUE(SaveProjectFile());
    const QByteArray old = FileBytes(Path());

    g_ParaSet.styles.AddNew()->NAME = u"乙"_s;
    g_ProjectDirty = true;
    prompter.ExpectAsk(kOverwrite, Prompter::Answer::Yes).ExpectTell(u"保存文件出錯！\n"_s + Path());
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(SaveProjectFile());
    }
    EXPECT_TRUE(g_ProjectDirty);
    EXPECT_EQ(FileBytes(Path()), old);
}

TEST_P(ProjectFileTest, CompanionPaths)
{
    const QString typeset = edition().Extension(FileKind::Typeset);
    const QString index = edition().Extension(FileKind::Index);
    const QString sheets = edition().Extension(FileKind::FourInOne);
    const QString fourth = edition().Extension(FileKind::FourthCompanion);
    struct Case {
        QString folder;
        int32_t kind;
        QString expected;
    };
    const Case cases[] = {
        {u"/書/史記"_s, kTypesetCompanion, u"/書/史記."_s + typeset},
        {u"/書/史記"_s, kIndexCompanion, u"/書/史記/史記."_s + index},
        {u"/書/史記"_s, kFourInOneCompanion, u"/書/史記/史記."_s + sheets},
        {u"/書/史記"_s, kFourthCompanion, u"/書/史記/史記."_s + fourth},
        {u"/書/史記"_s, 4, {}},
        {u"/書/史記"_s, -1, {}},
        {u"/書/史記//"_s, kIndexCompanion, u"/書/史記/史記."_s + index},
        {u"/書/史記.v1"_s, kTypesetCompanion, u"/書/史記.v1."_s + typeset},
        {u"/書/史記.v1"_s, kIndexCompanion, u"/書/史記.v1/史記.v1."_s + index},
        {u"/"_s, kIndexCompanion, {}},
        {{}, kTypesetCompanion, {}},
    };
    TBook book;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder.toStdString() + " kind " + std::to_string(c.kind));
        book.bookFolder = c.folder;
        EXPECT_EQ(GetCompanionPath(&book, c.kind), c.expected);
    }
    EXPECT_EQ(GetCompanionPath(nullptr, kTypesetCompanion), QString());
}

}  // namespace

VELLUMOR_ALL_EDITIONS(ProjectFileTest);
