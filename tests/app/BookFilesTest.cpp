// The files of a typeset book: the typeset file beside the folder, the index
// and 4-in-1 files inside it, and the scan-settings file of a text.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "app/files/BookLayoutCommands.h"
#include "app/files/CompanionPaths.h"
#include "app/files/FourInOneFile.h"
#include "app/files/IndexFile.h"
#include "app/files/ScanSettingsFile.h"
#include "foundation/params/StyleBinary.h"
#include "support/Editions.h"
#include "support/ScratchFiles.h"
#include "support/ScriptedPrompter.h"
#include "tests/app/BookFixture.h"

using namespace Qt::StringLiterals;

namespace {

// Another edition's magic for the same kind of file.
QString ForeignMagic(FileKind kind)
{
    const EditionKind other = g_Edition->Kind() == EditionKind::Woodblock ? EditionKind::Vertical : EditionKind::Woodblock;
    return EditionFor(other).Magic(kind);
}

class BookFilesTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        ResetWorkingState();
    }
    void TearDown() override
    {
        ResetWorkingState();
        EditionTest::TearDown();
    }
    QString Ext(FileKind kind) const { return edition().Extension(kind); }

    ScratchFiles scratch;
    ScriptedPrompter prompter;  // fails on any message a test does not expect
};

// A set with two styles and a cover, as a book's parameters.
void FillParameters(TParaSet& set)
{
    AddNewStyle(set.styles, {true, false})->NAME = u"正文"_s;
    TStyle* second = AddNewStyle(set.styles, {true, false});
    second->NAME = u"附錄"_s;
    second->TEXT_BOX.size.LINES = 7;
    set.covers.AddNew()->NAME = kCoverName;
}

TEST_P(BookFilesTest, TypesetFileFrameCountsThenTheSet)
{
    BookOnDisk disk({2});
    TBookList books;
    TBook& book = disk.Scan(books);
    FillParameters(book.parameters);
    book.coverPages = 1;
    ASSERT_TRUE(WriteTypesetFile(book));
    const QByteArray expected = LeBytes().I32(32).WStr(edition().Magic(FileKind::Typeset)).I32(1).I32(0).Data() +
                                scratch.WrittenBytes([&](TBinFile& f) { WriteParaSet(book.parameters, f); });
    EXPECT_EQ(Hex(FileBytes(disk.TypesetPath())), Hex(expected));
    EXPECT_EQ(g_ProjectFolder, disk.folder);
    EXPECT_EQ(g_LastTypesetFolder, disk.root.path());
}

TEST_P(BookFilesTest, TypesetFileRoundTripsAndMakesTheBookSetCurrent)
{
    BookOnDisk disk({2, 3});
    TBookList books;
    TBook& written = disk.Scan(books);
    FillParameters(written.parameters);
    written.coverPages = 1;
    written.backPages = 1;
    ASSERT_TRUE(WriteTypesetFile(written));
    const QByteArray bytes = FileBytes(disk.TypesetPath());

    TBook& read = disk.Scan(books);
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), read), kTypesetRead);
    EXPECT_EQ(read.coverPages, 1);
    EXPECT_EQ(read.backPages, 1);
    ASSERT_EQ(read.parameters.styles.Size(), 2);
    EXPECT_EQ(g_CurrentParaSet, &read.parameters);
    EXPECT_EQ(g_CurrentStyle, read.parameters.styles.First());
    ASSERT_TRUE(WriteTypesetFile(read));
    EXPECT_EQ(Hex(FileBytes(disk.TypesetPath())), Hex(bytes));

    // The same from the bytes of the file.
    TBook& fromBytes = disk.Scan(books);
    EXPECT_EQ(ReadTypesetFile(bytes, fromBytes), kTypesetRead);
    EXPECT_EQ(fromBytes.parameters.styles.Size(), 2);
}

struct TypesetGate {
    const char* name;
    int32_t version;
    enum { None, Own, Foreign } magic;
    int32_t styles;                    // entries of the style list (data-less before 25)
    const char16_t* messages[3];       // per edition; null: accepted silently
};

// Cover counts 0 and 0; from 28 an empty cover list; the style list.
QByteArray TypesetGateFile(const TypesetGate& c, ScratchFiles& scratch)
{
    LeBytes bytes;
    bytes.I32(c.version);
    if (c.magic != TypesetGate::None)
        bytes.WStr(c.magic == TypesetGate::Own ? g_Edition->Magic(FileKind::Typeset) : ForeignMagic(FileKind::Typeset));
    bytes.I32(0).I32(0);
    if (c.version >= 28)
        bytes.I32(0);
    if (c.version >= 25 && c.styles > 0) {
        TStyleList list;
        AddNewStyle(list, {true, false})->NAME = kDefaultStyleName;
        return bytes.Data() + scratch.WrittenBytes([&](TBinFile& f) { WriteStyleList(list, f); });
    }
    return bytes.I32(c.styles).Data();
}

TEST_P(BookFilesTest, TypesetVersionGates)
{
    const TypesetGate cases[] = {
        {"v20 too old", 20, TypesetGate::None, 1, {u"不支持此pak文件！", u"不支持此pas文件！", u"不支持此pah文件！"}},
        {"v21 styles only", 21, TypesetGate::None, 1, {nullptr, u"打開pas文件出錯！", u"打開pah文件出錯！"}},
        {"v27 no style", 27, TypesetGate::None, 0, {u"打開pak文件出錯！", u"打開pas文件出錯！", u"打開pah文件出錯！"}},
        {"v29 foreign", 29, TypesetGate::Foreign, 1, {u"不是排版文件！", u"不是排版文件！", u"不是排版文件！"}},
        {"v31 no style", 31, TypesetGate::Own, 0, {u"打開pak文件出錯！", u"打開pas文件出錯！", u"打開pah文件出錯！"}},
        {"v32 missing magic", 32, TypesetGate::None, 1, {u"不是排版文件！", u"不是排版文件！", u"不是排版文件！"}},
        {"v32", 32, TypesetGate::Own, 1, {nullptr, nullptr, nullptr}},
    };
    BookOnDisk disk({1});
    for (const TypesetGate& c : cases) {
        SCOPED_TRACE(c.name);
        const char16_t* message = c.messages[int(GetParam())];
        if (message)
            prompter.ExpectTell(QString::fromUtf16(message));
        TBookList books;
        TBook& book = disk.Scan(books);
        PutFile(disk.TypesetPath(), TypesetGateFile(c, scratch));
        EXPECT_EQ(ReadTypesetFile(disk.TypesetPath(), book), message ? kTypesetFailed : kTypesetRead);
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(g_CurrentParaSet == &book.parameters, !message);
        g_CurrentParaSet = nullptr;
        g_CurrentStyle = nullptr;
    }
}

TEST_P(BookFilesTest, AMissingTypesetFileFailsSilently)
{
    TBookList books;
    TBook& book = *AddNewBook(books);
    EXPECT_EQ(ReadTypesetFile(scratch.WrittenBytes([](TBinFile&) {}), book), kTypesetFailed);
    EXPECT_EQ(ReadTypesetFile(u"/none/書.pak"_s, book), kTypesetFailed);
}

// One volume: a tree 卷 > 甲 (page 1) > 乙 (page 2), two sections, its counts.
QByteArray IndexFixture()
{
    return LeBytes()
        .I32(1)
        .I32(1).WStr(u"卷"_s).I32(0)
        .I32(1).WStr(u"甲"_s).I32(1)
        .I32(1).WStr(u"乙"_s).I32(2).I32(0)
        .I32(2).WStr(u"上"_s).I32(3).WStr(u"下"_s).I32(2)
        .I32(5).I32(1).I32(0)
        .Data();
}

TEST_P(BookFilesTest, IndexFileReadsAndWritesItsFixture)
{
    BookOnDisk disk({5});
    TBookList books;
    TBook& book = disk.Scan(books);
    ASSERT_TRUE(ReadIndexFile(IndexFixture(), book));
    const TFile& volume = book.volumes[0];
    ASSERT_EQ(volume.contents.Size(), 1);
    EXPECT_EQ(volume.contents[0].children[0].children[0].title, u"乙"_s);
    EXPECT_EQ(volume.contents[0].children[0].children[0].page, 2);
    ASSERT_EQ(volume.sections.size(), 2u);
    EXPECT_EQ(volume.sections[1].name, u"下"_s);
    EXPECT_EQ(volume.pageCount, 5);
    EXPECT_EQ(volume.coverPages, 1);

    ASSERT_TRUE(WriteIndexFile(book));
    EXPECT_EQ(Hex(FileBytes(disk.IndexPath())), Hex(IndexFixture()));
    TBook& again = disk.Scan(books);
    ASSERT_TRUE(ReadIndexFile(again));
    ASSERT_TRUE(WriteIndexFile(again));
    EXPECT_EQ(Hex(FileBytes(disk.IndexPath())), Hex(IndexFixture()));
}

TEST_P(BookFilesTest, AnEmptyContentsTreeIsOneZero)
{
    TFile volume;
    EXPECT_EQ(Hex(scratch.WrittenBin([&](TBinFile& f) { return WriteVolumeIndexEntry(f, volume); })),
              Hex(LeBytes().I32(0).I32(0).I32(0).I32(0).I32(0).Data()));
}

// Another number of volumes, a short file or a count past the data: the
// index is not taken, and no volume beyond the book's is written.
TEST_P(BookFilesTest, AnIndexThatDoesNotFitTheBookIsRefused)
{
    BookOnDisk disk({5});
    TBookList books;
    TBook& book = disk.Scan(books);
    QByteArray twoVolumes = IndexFixture() + IndexFixture().mid(4);
    twoVolumes.replace(0, 4, LeBytes().I32(2).Data());
    const QByteArray cases[] = {
        twoVolumes,
        IndexFixture().left(30),
        LeBytes().I32(1).I32(0x7FFFFFFF).Data(),
        LeBytes().I32(1).I32(0).I32(0x7FFFFFFF).WStr(u"上"_s).I32(1).Data(),
    };
    for (const QByteArray& bytes : cases)
        EXPECT_FALSE(ReadIndexFile(bytes, book)) << Hex(bytes);
}

// Nested deeper than the reader allows: refused, without exhausting the stack.
TEST_P(BookFilesTest, ADeeplyNestedIndexIsRefused)
{
    BookOnDisk disk({1});
    TBookList books;
    TBook& book = disk.Scan(books);
    LeBytes bytes;
    bytes.I32(1);
    for (int i = 0; i < 100000; ++i)
        bytes.I32(1).WStr(u"深"_s).I32(0);
    EXPECT_FALSE(ReadIndexFile(bytes.Data(), book));
}

TEST_P(BookFilesTest, ADeletedIndexIsRecreatedAlike)
{
    BookOnDisk disk({3, 2});
    TBookList books;
    disk.WriteTypeset(disk.Scan(books));
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);  // writes the index
    const QByteArray index = FileBytes(disk.IndexPath());
    ASSERT_FALSE(index.isEmpty());
    TBook& first = books[1];
    EXPECT_EQ(first.volumes[1].pageCount, 2);
    EXPECT_EQ(first.volumes[0].sections.size(), 1u);
    EXPECT_EQ(first.volumes[0].contents[0].children.Size(), 1);

    ASSERT_TRUE(QFile::remove(disk.IndexPath()));
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);
    EXPECT_EQ(Hex(FileBytes(disk.IndexPath())), Hex(index));
}

// An index for another number of volumes is rebuilt; before version 25
// (read by the woodblock edition only) the index is rebuilt even when it fits.
TEST_P(BookFilesTest, StaleIndexesAndOldTypesetFilesRebuildTheIndex)
{
    BookOnDisk disk({3, 2});
    TBookList books;
    disk.WriteTypeset(disk.Scan(books));
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);
    const QByteArray rebuilt = FileBytes(disk.IndexPath());

    PutFile(disk.IndexPath(), LeBytes().I32(5).Data());
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);
    EXPECT_EQ(Hex(FileBytes(disk.IndexPath())), Hex(rebuilt));
    EXPECT_EQ(books.Last()->volumes[0].pageCount, 3);

    if (GetParam() != EditionKind::Woodblock)
        return;
    // Fits the book, but a version-24 typeset file does not trust it.
    QByteArray fitting = rebuilt;
    fitting.replace(fitting.size() - 12, 4, LeBytes().I32(99).Data());
    PutFile(disk.IndexPath(), fitting);
    PutFile(disk.TypesetPath(), LeBytes().I32(24).I32(0).I32(0).I32(1).Data());
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);
    EXPECT_EQ(Hex(FileBytes(disk.IndexPath())), Hex(rebuilt));
}

// A generation or save that stopped before the index leaves volumes newer
// than it: their entries are read again on opening, the others kept.
TEST_P(BookFilesTest, VolumesWrittenAfterTheIndexAreIndexedAgain)
{
    BookOnDisk disk({3, 2});
    TBookList books;
    disk.WriteTypeset(disk.Scan(books));
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), disk.Scan(books)), kTypesetRead);  // writes the index
    const QDateTime indexed = QFileInfo(disk.IndexPath()).lastModified();

    WriteVolume(disk.VolumePath(1), u"卷2"_s, 5);
    QFile volume(disk.VolumePath(1));
    ASSERT_TRUE(volume.open(QIODevice::ReadWrite));
    ASSERT_TRUE(volume.setFileTime(indexed.addSecs(10), QFileDevice::FileModificationTime));
    volume.close();
    TBook& book = disk.Scan(books);
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), book), kTypesetRead);
    EXPECT_EQ(book.volumes[0].pageCount, 3);
    EXPECT_EQ(book.volumes[1].pageCount, 5);
    TBook& again = disk.Scan(books);
    ASSERT_EQ(ReadIndexFile(again), true);
    EXPECT_EQ(again.volumes[1].pageCount, 5) << "the index was written again";
}

TEST_P(BookFilesTest, AVolumeThatCannotBeReadStopsTheRebuild)
{
    BookOnDisk disk({3, 2});
    TBookList books;
    TBook& book = disk.Scan(books);
    disk.WriteTypeset(book);
    ASSERT_TRUE(QFile::remove(disk.VolumePath(1)));  // gone after the scan
    prompter.ExpectTell(u"打開文件出錯！"_s);
    EXPECT_EQ(ReadTypesetFile(disk.TypesetPath(), book), kTypesetFailed);
    EXPECT_FALSE(QFile::exists(disk.IndexPath()));
}

TEST_P(BookFilesTest, FourInOneFileLayout)
{
    BookOnDisk disk({1});
    TBookList books;
    TBook& book = disk.Scan(books);
    g_4in1Data.groupEnds = {0};
    const std::vector<int32_t> order = {int32_t(0xFFFF0000u), 1, 2, 3, 4, 5, 6, int32_t(0x99990000u),
                                        int32_t(0x99990000u), int32_t(0xFFFF0001u)};
    g_4in1Data.pageOrders = {order};
    TPara4in1 para;
    para.continuousPages = true;
    para.halfGap = 500;
    para.titleWidth = 4000;
    const QString path = GetCompanionPath(&book, kFourInOneCompanion);
    ASSERT_TRUE(Write4in1File(path, para));

    LeBytes head;
    head.I32(32).WStr(edition().Magic(FileKind::FourInOne)).I32(1).I32(0).I32(1).I32(10);
    for (const int32_t entry : order)
        head.I32(entry);
    head.I32(0).I32(1);
    const QByteArray rotated = QByteArray::fromHex("070000d0 3e000080") +
                               scratch.WrittenBytes([&](TBinFile& f) {
                                   for (const int32_t v : {para.titlePos, para.pageNumberPos})
                                       WriteRotatedInt(f, v);
                               });
    const QByteArray fonts = scratch.WrittenBytes([&](TBinFile& f) { WritePara4in1(para, f); }).mid(20);
    EXPECT_EQ(Hex(FileBytes(path)), Hex(head.Data() + rotated + fonts));
    EXPECT_TRUE(path.endsWith(u"/書/書."_s + Ext(FileKind::FourInOne)));
}

TEST_P(BookFilesTest, EditingFourInOneWritesOnlyForABook)
{
    BookOnDisk disk({2});
    TBookList books;
    TPara4in1 para;
    int edits = 0;
    const FourInOneEditor confirm = [&](TPara4in1& p) { ++edits; p.halfGap = 700; return true; };
    OnEditFourInOne(para, confirm);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(para.halfGap, 700);
    EXPECT_EQ(QDir(disk.folder).entryList(QDir::Files).size(), 1);  // the volume alone

    g_CurrentBook = &disk.Scan(books);
    OnEditFourInOne(para, [](TPara4in1&) { return false; });
    EXPECT_FALSE(QFile::exists(GetCompanionPath(g_CurrentBook, kFourInOneCompanion)));
    OnEditFourInOne(para, confirm);
    EXPECT_TRUE(QFile::exists(GetCompanionPath(g_CurrentBook, kFourInOneCompanion)));
}

TEST_P(BookFilesTest, SavingTheLayoutForgetsTheChangeOnlyWhenWritten)
{
    BookOnDisk disk({1});
    TBookList books;
    TBook& book = disk.Scan(books);
    AddNewStyle(book.parameters.styles, {true, false});
    g_CurrentBook = &book;
    g_VolumeShown = true;
    g_LayoutDirty = true;
    EXPECT_TRUE(CanSaveLayout());
    book.bookFolder = disk.root.filePath(u"無/書"_s);  // a folder that is not there
    prompter.ExpectTell(u"保存文件出錯！\n"_s + QDir::toNativeSeparators(disk.root.filePath(u"無/書."_s + Ext(FileKind::Typeset))));
    OnFileSaveLayout();
    EXPECT_TRUE(g_LayoutDirty);
    book.bookFolder = disk.folder;
    OnFileSaveLayout();
    EXPECT_FALSE(g_LayoutDirty);
    EXPECT_TRUE(QFile::exists(disk.TypesetPath()));
    EXPECT_FALSE(CanSaveLayout());
}

struct ScanGate {
    const char* name;
    int32_t version;
    enum { None, Own, Foreign } magic;
    int cut;  // bytes cut off the end
    bool read;
};

TEST_P(BookFilesTest, ScanSettingsGates)
{
    const ScanGate cases[] = {
        {"v20 read", 20, ScanGate::None, 0, true},
        {"v28 without magic", 28, ScanGate::None, 0, true},
        {"v29 own magic", 29, ScanGate::Own, 0, true},
        {"v32 foreign magic", 32, ScanGate::Foreign, 0, false},
        {"v32 cut short", 32, ScanGate::Own, 2, false},
    };
    for (const ScanGate& c : cases) {
        SCOPED_TRACE(c.name);
        LeBytes bytes;
        bytes.I32(c.version);
        if (c.magic != ScanGate::None)
            bytes.WStr(c.magic == ScanGate::Own ? g_Edition->Magic(FileKind::ScanSettings)
                                                : ForeignMagic(FileKind::ScanSettings));
        const QByteArray file = bytes.WStr(u"掃描"_s).I32(7).I32(8).I32(9).Data().chopped(c.cut);
        TScanSettings settings;
        EXPECT_EQ(ReadScanSettingsFile(file, settings), c.read);
        EXPECT_EQ(settings.text, c.read ? u"掃描"_s : QString());
        EXPECT_EQ(settings.values[2], c.read ? 9 : 1);
    }
}

TEST_P(BookFilesTest, ScanSettingsBesideTheText)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(u"史.記.txt"_s);
    TScanSettings settings;
    EXPECT_FALSE(ReadScanSettingsFile(text, settings));
    PutFile(dir.filePath(u"史.記."_s + Ext(FileKind::ScanSettings)), LeBytes().I32(28).WStr(u"甲"_s).I32(1).I32(2).I32(3).Data());
    ASSERT_TRUE(ReadScanSettingsFile(text, settings));
    EXPECT_EQ(settings.values[0], 1);
}

}  // namespace

VELLUMOR_ALL_EDITIONS(BookFilesTest);
