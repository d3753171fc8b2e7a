#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/VolumeDataFile.h"
#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"
#include "support/FileSizeLimit.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

namespace {

// A string in the scrambled form: each unit plus 100, 101, … 140, again from 100.
LeBytes& Scrambled(LeBytes& bytes, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes.U16(char16_t(text[i].unicode() + 100 + i % 41));
    return bytes.U16(0);
}

TPageItem Item(int32_t kind, const QString& name, int32_t a, int32_t b, int32_t c, int32_t d)
{
    return {kind, name, a, b, c, d};
}

// Two pages with something in every stored field.
void FillVolume()
{
    g_TextName = u"史記卷一"_s;
    TPageRec* first = AppendPageRecord(g_PageTable);
    first->styleName = u"FengMian"_s;
    *first->pictures.AddNew() = Item(TPageItemKind::WholePage, u"封面.png"_s, -1, -1, -1, -1);
    TPageRec* second = AppendPageRecord(g_PageTable);
    second->styleName = u"正文"_s;
    second->centreText = u"史記|卷一|"_s;
    second->linesOverride = 12;
    second->lines = {{u"<M=3000>\u3000天地玄黃<-P>"_s, 2100}, {u"宇宙洪荒"_s, 0}};
    *second->seals.AddNew() = Item(TPageItemKind::Seal, u"印"_s, 10, 20, 30, 40);
    *second->pictures.AddNew() = Item(TPageItemKind::PlacedCopy, u"圖"_s, 0, 1, 2, 5);
}

class VolumeDataFileTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
    }
    // A fresh start within a test.
    static void ResetAll()
    {
        ResetAppGlobals();
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }

    QString Path(const QString& name = u"卷一"_s) const
    {
        return dir.filePath(name + u'.' + edition().Extension(FileKind::VolumeData));
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;  // fails on any message a test does not expect
};

// "abc" is stored as C5 00, C7 00, C9 00, 00 00 after the edition's magic.
TEST_P(VolumeDataFileTest, FrameOfAnEmptyVolume)
{
    const QString magic[] = {u"TYPE_DATA_KB"_s, u"TYPE_DATA_SP"_s, u"TYPE_DATA_HP"_s};
    g_TextName = u"abc"_s;
    ASSERT_TRUE(WriteVolumeDataFile(Path()));
    const QByteArray expected =
        LeBytes().I32(32).WStr(magic[int(GetParam())]).Data() + QByteArray::fromHex("c500c700c9000000") +
        LeBytes().I32(0).Data();
    EXPECT_EQ(Hex(FileBytes(Path())), Hex(expected));
}

TEST_P(VolumeDataFileTest, RoundTripsByteForByte)
{
    FillVolume();
    QString viewPath;
    ASSERT_TRUE(WriteVolumeDataFile(Path(), &viewPath));
    EXPECT_EQ(viewPath, Path());
    const QByteArray written = FileBytes(Path());

    ResetAll();
    g_TextName = u"別卷"_s;
    AppendPageRecord(g_PageTable)->styleName = u"別"_s;
    ASSERT_TRUE(ReadVolumeDataFile(Path()));
    EXPECT_EQ(g_TextName, u"史記卷一"_s);
    ASSERT_EQ(g_PageTable.pages.Size(), 2);
    EXPECT_EQ(g_PageTable.pages[1].index, 1);
    EXPECT_EQ(g_PageTable.pages[1].linesOverride, 12);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].size, 2100);

    ASSERT_TRUE(WriteVolumeDataFile(Path(u"again"_s)));
    EXPECT_EQ(Hex(FileBytes(Path(u"again"_s))), Hex(written));
}

struct GateCase {
    const char* name;
    int32_t version;
    bool withMagic;
    bool foreignMagic;
    bool tooOld;
    bool accepted;
};

// A volume "卷" of one page "正" with one line "甲", in the form of the
// version (no override and no line sizes before 32).
QByteArray GateFile(const GateCase& c)
{
    LeBytes bytes;
    bytes.I32(c.version);
    if (c.withMagic)
        bytes.WStr(c.foreignMagic ? u"TYPE_MAIN_KB"_s : g_Edition->Magic(FileKind::VolumeData));
    Scrambled(bytes, u"卷"_s).I32(1);
    Scrambled(Scrambled(bytes, u"正"_s), {});
    if (c.version >= 32)
        bytes.I32(0);
    Scrambled(bytes.I32(1), u"甲"_s);
    if (c.version >= 32)
        bytes.I32(0);
    return bytes.I32(0).I32(0).Data();
}

TEST_P(VolumeDataFileTest, VersionGates)
{
    const GateCase cases[] = {
        {"v20 too old", 20, false, false, true, false},
        {"v28 without magic", 28, false, false, false, true},
        {"v29 foreign magic", 29, true, true, false, false},
        {"v31 own magic", 31, true, false, false, true},
        {"v32 own magic", 32, true, false, false, true},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile(Path(), GateFile(c));
        ResetAll();
        if (c.tooOld)
            prompter.ExpectTell(u"不支持此文件！"_s);
        EXPECT_EQ(ReadVolumeDataFile(Path()), c.accepted);
        EXPECT_TRUE(prompter.Done());
        if (!c.accepted)
            continue;
        EXPECT_EQ(g_TextName, u"卷"_s);
        ASSERT_EQ(g_PageTable.pages.Size(), 1);
        EXPECT_EQ(g_PageTable.pages[0].styleName, u"正"_s);
        ASSERT_EQ(g_PageTable.pages[0].lines.size(), 1u);
        EXPECT_EQ(g_PageTable.pages[0].lines[0].text, u"甲"_s);
    }
}

// A unit that the key would turn into 0 (U+FF9C at the first position) is
// stored as U+FFFD, and the user is told.
TEST_P(VolumeDataFileTest, AnUnstorableUnitIsReplacedAndReported)
{
    g_TextName = u"\uFF9C甲"_s;
    prompter.ExpectTell(u"有些字符無法存入文件，已換作\uFFFD。"_s);
    ASSERT_TRUE(WriteVolumeDataFile(Path()));
    ASSERT_TRUE(ReadVolumeDataFile(Path()));
    EXPECT_EQ(g_TextName, u"\uFFFD甲"_s);
}

TEST_P(VolumeDataFileTest, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    FillVolume();
    ASSERT_TRUE(WriteVolumeDataFile(Path()));
    const QByteArray old = FileBytes(Path());

    g_PageTable.pages[1].lines.push_back({u"續"_s, 0});
    prompter.ExpectTell(u"保存文件出錯！\n"_s + Path());
    {
        const FileSizeLimit limit(32);
        EXPECT_FALSE(WriteVolumeDataFile(Path()));
    }
    EXPECT_EQ(FileBytes(Path()), old);
}

// Reading a missing file fails silently; a file that cannot be created is
// reported, and the view does not take its path.
TEST_P(VolumeDataFileTest, MissingFilesAndFolders)
{
    EXPECT_FALSE(ReadVolumeDataFile(Path(u"none"_s)));
    QString viewPath;
    prompter.ExpectTell(u"保存文件出錯！\n"_s + dir.filePath(u"no/such/卷"_s));
    EXPECT_FALSE(WriteVolumeDataFile(dir.filePath(u"no/such/卷"_s), &viewPath));
    EXPECT_TRUE(viewPath.isEmpty());
}

}  // namespace

VELLUMOR_ALL_EDITIONS(VolumeDataFileTest);
