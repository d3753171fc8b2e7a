#include <gtest/gtest.h>

#include "support/ScratchFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include "foundation/io/BinFile.h"
#include "foundation/text/ScrambledString.h"

namespace {

// Writes the strings scrambled and returns the bytes of the file.
QByteArray WriteScrambled(const QString& path, const std::vector<QString>& texts)
{
    TBinFile file;
    EXPECT_TRUE(file.OpenWrite(path));
    for (const QString& text : texts)
        EXPECT_EQ(WriteScrambledString(file, text), 2 * text.size() + 2);
    EXPECT_TRUE(file.Close());
    return FileBytes(path);
}

std::vector<QString> ReadScrambled(const QString& path, size_t count)
{
    TBinFile file;
    EXPECT_TRUE(file.OpenRead(path));
    std::vector<QString> texts(count);
    for (QString& text : texts)
        EXPECT_TRUE(ReadScrambledString(file, text));
    return texts;
}

uint16_t UnitAt(const QByteArray& bytes, qsizetype index)
{
    return uint16_t(uint8_t(bytes[2 * index]) | uint8_t(bytes[2 * index + 1]) << 8);
}

}  // namespace

TEST(ScrambledString, StoresEachUnitPlusItsKeyAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.bin");
    // The key restarts at 100 for the second string.
    const QByteArray expected("\xC5\x00\xC7\x00\xC9\x00\x00\x00" "\xC5\x00\x00\x00", 12);
    EXPECT_EQ(WriteScrambled(path, {"abc", "a"}), expected);
    EXPECT_EQ(ReadScrambled(path, 2), (std::vector<QString>{"abc", "a"}));
}

TEST(ScrambledString, KeyRunsFrom100To140ThenStartsAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.bin");
    const QString text(42, u'x');
    const QByteArray bytes = WriteScrambled(path, {text});
    ASSERT_EQ(bytes.size(), 86);
    EXPECT_EQ(UnitAt(bytes, 0), u'x' + 100);
    EXPECT_EQ(UnitAt(bytes, 40), u'x' + 140);
    EXPECT_EQ(UnitAt(bytes, 41), u'x' + 100);
    EXPECT_EQ(UnitAt(bytes, 42), 0);
    EXPECT_EQ(ReadScrambled(path, 1), std::vector<QString>{text});
}

TEST(ScrambledString, AUnitThatWouldBeStoredAsZeroBecomesAReplacementCharacter)
{
    // U+FF80 at position 28 meets key 128 and would scramble to 0, ending the
    // string early and shifting every later field; at position 0 it is fine.
    QTemporaryDir dir;
    const QString path = dir.filePath("v.bin");
    QString colliding = QString(28, u'a') + QChar(0xFF80) + u'b';
    const QString safe = QString(QChar(0xFF80)) + u'c';
    const QByteArray bytes = WriteScrambled(path, {colliding, safe});
    ASSERT_EQ(bytes.size(), 62 + 6);
    EXPECT_EQ(UnitAt(bytes, 28), uint16_t(0xFFFD + 128));
    EXPECT_EQ(UnitAt(bytes, 30), 0);

    colliding[28] = QChar(0xFFFD);
    EXPECT_EQ(ReadScrambled(path, 2), (std::vector<QString>{colliding, safe}));
}

TEST(ScrambledString, AStringCutOffByTheEndOfTheFileIsAFailedRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\xC5\x00\xC7\x00", 4));  // no terminating zero
    }
    TBinFile file;
    ASSERT_TRUE(file.OpenRead(path));
    QString text = "kept";
    EXPECT_FALSE(ReadScrambledString(file, text));
    EXPECT_EQ(text, "kept");
}
