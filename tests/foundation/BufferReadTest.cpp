// The readers read bytes held in memory as they read a file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringEncoder>
#include <QStringList>

#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"

using namespace Qt::StringLiterals;

TEST(BufferReadTest, BinaryStreamReadsValuesAndStringsToTheEnd)
{
    const QByteArray bytes("\x07\x00\x00\x00" "A\x00\x57\x5B\x00\x00" "\x01", 11);
    TBinFile file;
    ASSERT_TRUE(file.OpenReadBuffer(bytes));
    int32_t value = 0;
    QString text;
    EXPECT_TRUE(file.ReadInt32(value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(file.ReadString(text));
    EXPECT_EQ(text, u"A字"_s);
    uint16_t cut = 0;
    EXPECT_FALSE(file.ReadUInt16(cut));  // one byte left
    EXPECT_TRUE(file.AtEnd());

    EXPECT_FALSE(file.OpenReadBuffer({}));
}

TEST(BufferReadTest, TextReaderTakesEveryEncodingFromMemory)
{
    const QString text = u"關關雎鳩\r\n在河之洲\n君子好逑"_s;
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QByteArray gbk = QStringEncoder("GBK").encode(text);
    for (const QByteArray& bytes : {utf16, QByteArray("\xEF\xBB\xBF") + text.toUtf8(), gbk}) {
        TTextFile file;
        ASSERT_TRUE(file.OpenReadBuffer(bytes));
        QStringList lines;
        QString line;
        while (file.ReadLine(line))
            lines << line;
        EXPECT_EQ(lines, QStringList({u"關關雎鳩"_s, u"在河之洲"_s, u"君子好逑"_s}));
    }
    TTextFile empty;
    EXPECT_FALSE(empty.OpenReadBuffer({}));
}
