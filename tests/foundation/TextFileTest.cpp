#include <gtest/gtest.h>

#include "support/ScratchFiles.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "foundation/io/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompter.h"

namespace {
const QString kRefused = QStringLiteral("本程序不支持该编码！");

QByteArray Bytes(std::initializer_list<uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)), qsizetype(bytes.size()));
}

// An ASCII text in one of the encodings, with its byte-order mark.
QByteArray Encode(const char* text, TTextFile::Encoding encoding)
{
    QByteArray out;
    if (encoding == TTextFile::Utf16LE)
        out = "\xFF\xFE";
    else if (encoding == TTextFile::Utf16BE)
        out = "\xFE\xFF";
    else if (encoding == TTextFile::Utf8)
        out = "\xEF\xBB\xBF";
    for (const char* p = text; *p; ++p) {
        if (encoding == TTextFile::Utf16BE)
            out.append('\0');
        out.append(*p);
        if (encoding == TTextFile::Utf16LE)
            out.append('\0');
    }
    return out;
}

class TextFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("a.txt");
    ScriptedPrompter prompter;  // fails on any message a test does not expect

    void Store(const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    // Every line of the stored bytes; "failed" when the open fails.
    QStringList ReadLines(const QByteArray& bytes, int32_t chunk = TTextFile::kReadChunk)
    {
        Store(bytes);
        TTextFile file(chunk);
        if (!file.OpenRead(path))
            return {QStringLiteral("failed")};
        QStringList lines;
        QString line;
        while (file.ReadLine(line))
            lines << line;
        EXPECT_FALSE(file.ReadLine(line));  // the end stays the end
        EXPECT_TRUE(file.Close());
        return lines;
    }
};
}  // namespace

TEST_F(TextFileTest, ReadsEachEncodingByItsMark)
{
    const QStringList shanGao = {QStringLiteral("山高"), QStringLiteral("a")};
    const struct { const char* name; QByteArray bytes; QStringList lines; } cases[] = {
        {"UTF-16LE", Bytes({0xFF, 0xFE, 0x71, 0x5C, 0xD8, 0x9A, 0x0D, 0x00, 0x0A, 0x00, 0x61, 0x00}), shanGao},
        {"UTF-16BE", Bytes({0xFE, 0xFF, 0x5C, 0x71, 0x9A, 0xD8, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x61}), shanGao},
        {"UTF-8", Bytes({0xEF, 0xBB, 0xBF, 0xE5, 0xB1, 0xB1, 0xE9, 0xAB, 0x98, 0x0D, 0x0A, 0x61}), shanGao},
        {"GBK", Bytes({0xC9, 0xBD, 0xB8, 0xDF, 0x0D, 0x0A, 0x61}), shanGao},
        {"one byte", Bytes({0x61}), {"a"}},
        {"mark only", Bytes({0xFF, 0xFE}), {}},
        {"odd last byte of UTF-16", Bytes({0xFF, 0xFE, 0x61, 0x00, 0x62}), {"a"}},
        // A zero ends the line's text; the line end after it still counts.
        {"zero unit", Bytes({0xFF, 0xFE, 0x61, 0x00, 0x00, 0x00, 0x62, 0x00, 0x0A, 0x00, 0x63, 0x00}), {"a", "c"}},
        {"zero byte", Bytes({0x61, 0x00, 0x62, 0x0A, 0x63}), {"a", "c"}},
        // Bytes that are not GBK become U+FFFD, also a lead byte without its
        // second byte at the end of a line or of the file.
        {"bad GBK", Bytes({0xC9, 0x20, 0x61, 0xC9, 0x0D, 0x0A, 0xB8}),
         {QStringLiteral("\uFFFD a\uFFFD"), QStringLiteral("\uFFFD")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLines(c.bytes), c.lines) << c.name;
}

TEST_F(TextFileTest, RefusesUnknownMarksWithAMessage)
{
    const QByteArray cases[] = {Bytes({0xEF, 0xBB, 0x41}), Bytes({0xEF, 0xBB}), Bytes({0xFF, 0xFF, 0x61, 0x00})};
    for (const QByteArray& bytes : cases) {
        prompter.ExpectTell(kRefused);
        Store(bytes);
        TTextFile file;
        EXPECT_FALSE(file.OpenRead(path));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(file.encoding(), TTextFile::Refused);
        EXPECT_TRUE(prompter.Done());
    }
}

TEST_F(TextFileTest, AnEmptyOrMissingFileFailsSilently)
{
    EXPECT_EQ(ReadLines({}), QStringList{"failed"});
    TTextFile file;
    EXPECT_FALSE(file.OpenRead(dir.filePath("missing.txt")));
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(TextFileTest, CrLfAndCrLfEachEndALine)
{
    const struct { const char* text; QStringList lines; } cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"\r\n", {""}},
        {"ab", {"ab"}},
    };
    // Every encoding, and chunks small enough to cut each text at every place.
    const TTextFile::Encoding encodings[] = {TTextFile::Ansi, TTextFile::Utf8, TTextFile::Utf16LE, TTextFile::Utf16BE};
    for (const auto& c : cases)
        for (TTextFile::Encoding encoding : encodings)
            for (int32_t chunk : {4, 5, 6, 7, TTextFile::kReadChunk})
                EXPECT_EQ(ReadLines(Encode(c.text, encoding), chunk), c.lines)
                    << "text " << QByteArray(c.text).toPercentEncoding().constData() << " encoding " << encoding
                    << " chunk " << chunk;
}

TEST_F(TextFileTest, LinesMeetTheEndOfAChunk)
{
    const struct { const char* text; int32_t chunk; QStringList lines; } cases[] = {
        {"abc\r\nd", 4, {"abc", "d"}},  // the CR ends the first chunk, its LF starts the next
        {"abc\rd", 4, {"abc", "d"}},
        {"ab\ncdef\ng", 4, {"ab", "cdef", "g"}},
        // A line longer than the whole buffer comes in buffer-sized pieces;
        // the line end after the last piece ends it.
        {"abcdefghij\nk", 4, {"abcd", "efgh", "ij", "k"}},
        {"abcdefgh\r\nk", 4, {"abcd", "efgh", "k"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLines(Encode(c.text, TTextFile::Ansi), c.chunk), c.lines) << c.text;
}

TEST_F(TextFileTest, WritesUtf16WithAMarkAndCrLfBetweenLines)
{
    const struct { QStringList lines; QByteArray bytes; } cases[] = {
        {{}, Bytes({0xFF, 0xFE})},
        {{"a", "b"}, Bytes({0xFF, 0xFE, 0x61, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x62, 0x00})},
        {{"", ""}, Bytes({0xFF, 0xFE, 0x0D, 0x00, 0x0A, 0x00})},
        {{QStringLiteral("山")}, Bytes({0xFF, 0xFE, 0x71, 0x5C})},
    };
    for (const auto& c : cases) {
        TTextFile file;
        ASSERT_TRUE(file.OpenWrite(path));
        for (const QString& line : c.lines)
            file.WriteLine(line);
        ASSERT_TRUE(file.Close());
        EXPECT_EQ(FileBytes(path), c.bytes) << c.lines.join('|').toStdString();
    }
}

TEST_F(TextFileTest, AZeroInTheTextIsWrittenAsZerosToTheGivenLength)
{
    TTextFile file;
    ASSERT_TRUE(file.OpenWrite(path));
    file.WriteLine(u"a\0b", 3);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(FileBytes(path), Bytes({0xFF, 0xFE, 0x61, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(TextFileTest, LinesLongerThanTheBufferGiveTheSameFile)
{
    const QStringList lines = {QStringLiteral("abcdefghij"), QStringLiteral("k"), QString(), QStringLiteral("山高水長")};
    QByteArray expected;
    for (int32_t threshold : {TTextFile::kWriteThreshold, 2, 3, 4}) {
        TTextFile file(TTextFile::kReadChunk, threshold);
        ASSERT_TRUE(file.OpenWrite(path));
        for (const QString& line : lines)
            file.WriteLine(line);
        ASSERT_TRUE(file.Close());
        if (expected.isEmpty())
            expected = FileBytes(path);
        EXPECT_EQ(FileBytes(path), expected) << threshold;
    }
    EXPECT_EQ(ReadLines(expected), lines);
}

TEST_F(TextFileTest, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    Store("old");
    for (int32_t threshold : {1024, TTextFile::kWriteThreshold}) {
        TTextFile file(TTextFile::kReadChunk, threshold);
        ASSERT_TRUE(file.OpenWrite(path));
        {
            FileSizeLimit limit(4096);
            for (int i = 0; i < 1000; ++i)
                file.WriteLine(QStringLiteral("a line of text"));
            EXPECT_FALSE(file.Close()) << threshold;
        }
        EXPECT_EQ(FileBytes(path), "old");
    }
}

TEST_F(TextFileTest, AClosedFileReadsAndWritesNothing)
{
    TTextFile file;
    QString line = QStringLiteral("kept");
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(line, QStringLiteral("kept"));
    file.WriteLine(QStringLiteral("x"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Close());
}
