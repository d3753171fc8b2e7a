#include <gtest/gtest.h>

#include "support/ScratchFiles.h"

#include <numeric>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "foundation/io/BinFile.h"
#include "support/FileSizeLimit.h"

namespace {
QByteArray Bytes(std::initializer_list<uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)), qsizetype(bytes.size()));
}

class BinFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("a.bin");
};
}  // namespace

TEST_F(BinFileTest, WritesValuesAndStringsAsTheyLieInMemory)
{
    TBinFile out;
    ASSERT_TRUE(out.OpenWrite(path));
    EXPECT_EQ(out.WriteInt32(0x11223344), 4);
    EXPECT_EQ(out.WriteUInt16(0xA1B2), 2);
    EXPECT_EQ(out.WriteByte(0x7F), 1);
    EXPECT_EQ(out.WriteString(QStringLiteral("山a")), 6);
    EXPECT_EQ(out.WriteString(QString()), 2);
    EXPECT_EQ(out.WriteWStr(u"b"), 4);
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(FileBytes(path), Bytes({0x44, 0x33, 0x22, 0x11, 0xB2, 0xA1, 0x7F,  //
                                    0x71, 0x5C, 0x61, 0x00, 0x00, 0x00,     //
                                    0x00, 0x00,                             //
                                    0x62, 0x00, 0x00, 0x00}));

    TBinFile in;
    ASSERT_TRUE(in.OpenRead(path));
    int32_t i = 0;
    uint16_t u = 0;
    uint8_t b = 0;
    QString s1, s2 = QStringLiteral("old"), s3 = QStringLiteral("x");
    EXPECT_TRUE(in.ReadInt32(i) && in.ReadUInt16(u) && in.ReadByte(b));
    EXPECT_TRUE(in.ReadString(s1));
    EXPECT_TRUE(in.ReadString(s2));
    EXPECT_TRUE(in.ReadString(s3, true));
    EXPECT_EQ(i, 0x11223344);
    EXPECT_EQ(u, 0xA1B2);
    EXPECT_EQ(b, 0x7F);
    EXPECT_EQ(s1, QStringLiteral("山a"));
    EXPECT_EQ(s2, QString());  // the empty string replaces the old value
    EXPECT_EQ(s3, QStringLiteral("xb"));
    EXPECT_TRUE(in.Close());
}

TEST_F(BinFileTest, OpeningAnEmptyOrMissingFileFails)
{
    PutFile(path, {});
    TBinFile in;
    EXPECT_FALSE(in.OpenRead(path));
    EXPECT_FALSE(in.IsOpen());
    EXPECT_FALSE(in.OpenRead(dir.filePath("missing.bin")));
    EXPECT_FALSE(in.IsOpen());
}

TEST_F(BinFileTest, WritesAroundAndAboveTheThresholdKeepTheirOrder)
{
    // Writes up to the threshold are gathered, one more byte sends them,
    // larger ones go out in threshold-sized pieces (4 + 4 + 2 MiB for 10).
    const struct { int32_t threshold; std::vector<int32_t> writes; } cases[] = {
        {16, {16, 1, 40, 0, 15, 16}},
        {TBinFile::kWriteThreshold, {10 * 1024 * 1024, 3}},
    };
    for (const auto& c : cases) {
        // Numbered words, so that any byte out of order shows.
        const int32_t total = std::accumulate(c.writes.begin(), c.writes.end(), 0);
        std::vector<int32_t> words((total + 3) / 4);
        std::iota(words.begin(), words.end(), 0);
        const QByteArray all(reinterpret_cast<const char*>(words.data()), total);
        TBinFile out(c.threshold);
        ASSERT_TRUE(out.OpenWrite(path));
        int32_t done = 0;
        for (int32_t n : c.writes) {
            EXPECT_EQ(out.Write(all.constData() + done, n), n);
            done += n;
        }
        ASSERT_TRUE(out.Close());
        EXPECT_TRUE(FileBytes(path) == all) << "threshold " << c.threshold;
    }
}

TEST_F(BinFileTest, ValuesAndStringsStraddlingAChunkEndAreReadWhole)
{
    // Each string starts at every offset around the 16-byte chunk ends, so
    // its units, its zero unit and the int32 after it fall across them at
    // even and odd positions.
    const QString texts[] = {QString(), QStringLiteral("abcdefghij"), QStringLiteral("山高水長abcdefghijklmnopqrstu")};
    for (const QString& text : texts) {
        for (int prefix = 0; prefix < 18; ++prefix) {
            TBinFile out;
            ASSERT_TRUE(out.OpenWrite(path));
            for (int i = 0; i < prefix; ++i)
                out.WriteByte(uint8_t(0xA0 + i));
            out.WriteString(text);
            out.WriteInt32(-123456789);
            ASSERT_TRUE(out.Close());

            TBinFile in(16, 16);
            ASSERT_TRUE(in.OpenRead(path));
            QByteArray head(prefix, 0);
            QString read = QStringLiteral("stale");
            int32_t value = 0;
            for (char& byte : head)
                EXPECT_TRUE(in.Read(&byte, 1));
            EXPECT_TRUE(in.ReadString(read));
            EXPECT_TRUE(in.ReadInt32(value));
            EXPECT_EQ(read, text) << "prefix " << prefix;
            EXPECT_EQ(value, -123456789) << "prefix " << prefix;
            EXPECT_EQ(head, FileBytes(path).left(prefix));
        }
    }
}

TEST_F(BinFileTest, TheEndOfTheFileIsSticky)
{
    PutFile(path, Bytes({1, 0, 0, 0, 0x61, 0x00}));
    TBinFile in(16, 4);
    ASSERT_TRUE(in.OpenRead(path));
    int32_t value = 0;
    uint16_t unit = 0;
    QString text = QStringLiteral("kept");
    EXPECT_TRUE(in.ReadInt32(value));
    EXPECT_FALSE(in.AtEnd());
    value = 77;
    EXPECT_FALSE(in.ReadInt32(value));  // only two bytes left
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(in.AtEnd());
    // The two bytes that were left are gone with the failed read.
    EXPECT_FALSE(in.ReadUInt16(unit));
    EXPECT_FALSE(in.ReadString(text));
    EXPECT_EQ(text, QStringLiteral("kept"));
    EXPECT_TRUE(in.Close());
    EXPECT_TRUE(in.Close());
}

TEST_F(BinFileTest, AStringCutByTheEndKeepsWhatWasRead)
{
    PutFile(path, Bytes({0x61, 0x00, 0x62, 0x00, 0x63}));
    TBinFile in(16, 2);
    ASSERT_TRUE(in.OpenRead(path));
    QString text = QStringLiteral("x");
    EXPECT_FALSE(in.ReadString(text));
    EXPECT_EQ(text, QStringLiteral("ab"));
}

TEST_F(BinFileTest, OperationsOnAStreamNotOpenForThemFail)
{
    PutFile(path, Bytes({1, 2, 3, 4}));
    TBinFile closed, reading, writing;
    ASSERT_TRUE(reading.OpenRead(path));
    ASSERT_TRUE(writing.OpenWrite(dir.filePath("b.bin")));
    int32_t value = 5;
    QString text = QStringLiteral("kept");
    for (TBinFile* stream : {&closed, &reading}) {
        EXPECT_EQ(stream->Write("ab", 2), -1);
        EXPECT_EQ(stream->WriteWStr(u"ab"), -1);
        EXPECT_EQ(stream->WriteString(text), -1);
        EXPECT_EQ(stream->WriteInt32(1), -1);
    }
    for (TBinFile* stream : {&closed, &writing}) {
        EXPECT_FALSE(stream->Read(&value, 4));
        EXPECT_FALSE(stream->ReadString(text));
    }
    EXPECT_EQ(value, 5);
    EXPECT_EQ(text, QStringLiteral("kept"));
    EXPECT_TRUE(closed.Close());
    EXPECT_TRUE(reading.ReadInt32(value));  // the failed writes changed nothing
    EXPECT_EQ(value, 0x04030201);
}

TEST_F(BinFileTest, OpeningAgainCommitsTheFileBeingWritten)
{
    TBinFile stream;
    ASSERT_TRUE(stream.OpenWrite(path));
    stream.WriteUInt16(0x0102);
    ASSERT_TRUE(stream.OpenRead(path));
    uint16_t unit = 0;
    EXPECT_TRUE(stream.ReadUInt16(unit));
    EXPECT_EQ(unit, 0x0102);
}

TEST_F(BinFileTest, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    PutFile(path, "old");
    // Failing while the blocks go out, and failing only at the close.
    for (int32_t threshold : {1024, TBinFile::kWriteThreshold}) {
        TBinFile out(threshold);
        ASSERT_TRUE(out.OpenWrite(path));
        {
            FileSizeLimit limit(4096);
            const QByteArray data(64 * 1024, 'x');
            EXPECT_EQ(out.Write(data.constData(), int32_t(data.size())), data.size());
            EXPECT_FALSE(out.Close()) << threshold;
        }
        EXPECT_TRUE(out.WriteFailed());
        EXPECT_EQ(FileBytes(path), "old");
    }
}

TEST_F(BinFileTest, AZeroUnitInsideAStringDoesNotSplitTheField)
{
    TBinFile out;
    ASSERT_TRUE(out.OpenWrite(path));
    EXPECT_EQ(out.WriteString(QString::fromUtf16(u"a\0b", 3)), 8);
    out.WriteInt32(7);
    ASSERT_TRUE(out.Close());

    TBinFile in;
    ASSERT_TRUE(in.OpenRead(path));
    QString text;
    int32_t next = 0;
    EXPECT_TRUE(in.ReadString(text) && in.ReadInt32(next));
    EXPECT_EQ(text, QString::fromUtf16(u"a\uFFFDb"));
    EXPECT_EQ(next, 7);
}
