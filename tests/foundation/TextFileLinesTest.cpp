// The lines a text file gives, byte for byte the same through the line
// reader and through the reading of a whole text with its progress, for the
// edge cases of the encodings: marks, line ends, a last line without its
// end, bytes that are not text in the file's encoding, zeros.
#include <gtest/gtest.h>

#include <vector>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "foundation/io/TextFile.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QString kBad = u"\uFFFD"_s;

struct LinesCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;  // {"failed"} when the file does not open
};

// The cases, each with the lines the reader has always given for it.
std::vector<LinesCase> Cases()
{
    return {
        {"empty file", {}, {u"failed"_s}},
        {"UTF-8 mark only", kUtf8Mark, {}},
        {"UTF-8, CR LF", kUtf8Mark + "\xE5\xB1\xB1\r\n\xE9\xAB\x98", {u"山"_s, u"高"_s}},
        {"UTF-8, the last line ended", kUtf8Mark + "a\r\n", {u"a"_s}},
        {"UTF-8, the last line without its end", kUtf8Mark + "a\nb", {u"a"_s, u"b"_s}},
        {"UTF-8, lone CR", kUtf8Mark + "a\rb\r\rc", {u"a"_s, u"b"_s, u""_s, u"c"_s}},
        {"UTF-8, empty lines", kUtf8Mark + "\r\n\n\r\n", {u""_s, u""_s, u""_s}},
        {"UTF-8, marks starting later lines", kUtf8Mark + "x\n" + kUtf8Mark + "y\n" + kUtf8Mark + kUtf8Mark + "z",
         {u"x"_s, u"y"_s, u"\uFEFFz"_s}},
        {"UTF-8, a mark inside a line", kUtf8Mark + "a" + kUtf8Mark + "b", {u"a\uFEFFb"_s}},
        {"UTF-8, stray continuation bytes", kUtf8Mark + "\x80" "a\xBF\xBF", {kBad + u"a"_s + kBad + kBad}},
        {"UTF-8, a sequence cut by the line end", kUtf8Mark + "\xE5\xB1\n\xE5\xB1\r\nb", {kBad + kBad, kBad + kBad, u"b"_s}},
        {"UTF-8, a sequence cut by the file's end", kUtf8Mark + "a\n\xE5\xB1", {u"a"_s, kBad + kBad}},
        {"UTF-8, overlong, surrogate and out of range",
         kUtf8Mark + "\xC0\xAF\n\xED\xA0\x80\n\xF4\x90\x80\x80\n\xFF" "b",
         {kBad + kBad, kBad + kBad + kBad, kBad + kBad + kBad + kBad, kBad + u"b"_s}},
        {"UTF-8, a zero ends the line's text", kUtf8Mark + QByteArray("a\0b\nc", 5), {u"a"_s, u"c"_s}},
        {"UTF-8, outside the basic plane", kUtf8Mark + "\xF0\xA0\x80\x80\n", {u"\U00020000"_s}},
        {"GBK, CR LF", "\xC9\xBD\xB8\xDF\r\n\xB8\xDF", {u"山高"_s, u"高"_s}},
        {"GBK, the last line ended", "\xC9\xBD\n", {u"山"_s}},
        {"GBK, only a line end", "\n", {u""_s}},
        {"GBK, a lead byte before a space, a line end and the file's end", "\xC9\x20" "a\xC9\r\n\xB8",
         {kBad + u" a"_s + kBad, kBad}},
        {"GBK, bytes outside GBK", "\x80\n\xFF\n\xC9\x7F", {u"€"_s, u"\uF8F5"_s, kBad + u"\x7F"_s}},
        {"GBK, a zero ends the line's text", QByteArray("a\0\xC9\xBD\nc", 6), {u"a"_s, u"c"_s}},
        {"GBK, UTF-8 bytes without their mark", "\xE5\xB1\xB1\n", {u"灞"_s + kBad}},
        {"UTF-16LE, CR LF and a lone surrogate",
         QByteArray("\xFF\xFE\x71\x5C\x0D\x00\x0A\x00\x00\xD8\x61\x00", 12), {u"山"_s, QString(QChar(0xD800)) + u"a"_s}},
        {"UTF-16BE, lone CR", QByteArray("\xFE\xFF\x00\x61\x00\x0D\x00\x62", 8), {u"a"_s, u"b"_s}},
    };
}

class TextFileLinesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"lines.txt"_s);

    void Store(const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QStringList LineByLine(int32_t chunk)
    {
        TTextFile file(chunk);
        if (!file.OpenRead(path))
            return {u"failed"_s};
        QStringList lines;
        QString line;
        while (file.ReadLine(line))
            lines << line;
        return lines;
    }
};

}  // namespace

TEST_F(TextFileLinesTest, EachCaseGivesItsLines)
{
    for (const LinesCase& c : Cases()) {
        Store(c.bytes);
        EXPECT_EQ(LineByLine(TTextFile::kReadChunk), c.lines) << c.name;
    }
}

// A line longer than the whole buffer comes in buffer-sized pieces, a
// character cut between two pieces giving U+FFFD on both sides.
TEST_F(TextFileLinesTest, ALineLongerThanTheBufferComesInPieces)
{
    Store(kUtf8Mark + u"山高水長\n月小"_s.toUtf8());
    EXPECT_EQ(LineByLine(8), QStringList({u"山高"_s + kBad + kBad, kBad + u"長"_s, u"月小"_s}));
}
