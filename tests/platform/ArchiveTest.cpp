#include <gtest/gtest.h>

#include <functional>

#include <QBuffer>
#include <QByteArray>

#include "platform/Archive.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray Stored(const std::function<void(Archive&)>& store)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Archive archive(buffer, Archive::Mode::Store);
    store(archive);
    EXPECT_FALSE(archive.Failed());
    return bytes;
}

// "你" and then letters, so that byte order and the length both show.
QString TextOfLength(int length)
{
    QString text(length, u'a');
    if (length > 0)
        text[0] = QChar(0x4F60);
    return text;
}

struct LengthCase {
    int length;
    QByteArray prefix;
};

class ArchiveStringTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ArchiveStringTest, PrefixUnitsAndRoundTrip)
{
    const LengthCase& c = GetParam();
    const QString text = TextOfLength(c.length);
    const QByteArray bytes = Stored([&](Archive& a) { a.WriteString(text); });

    ASSERT_EQ(bytes.size(), c.prefix.size() + 2 * c.length);
    EXPECT_EQ(bytes.left(c.prefix.size()).toHex(' '), c.prefix.toHex(' '));
    if (c.length > 0) {
        EXPECT_EQ(bytes.mid(c.prefix.size(), 4), QByteArray::fromHex("604f6100"));
    }

    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Archive archive(buffer, Archive::Mode::Load);
    QString read = u"old"_s;
    ASSERT_TRUE(archive.ReadString(read));
    EXPECT_EQ(read, text);
    EXPECT_TRUE(buffer.atEnd());
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchiveStringTest,
                         ::testing::Values(LengthCase{0, QByteArray::fromHex("fffeff00")},
                                           LengthCase{254, QByteArray::fromHex("fffefffe")},
                                           LengthCase{255, QByteArray::fromHex("fffeffffff00")},
                                           LengthCase{300, QByteArray::fromHex("fffeffff2c01")},
                                           LengthCase{0xFFFD, QByteArray::fromHex("fffeff" "ff" "fdff")},
                                           LengthCase{0xFFFE, QByteArray::fromHex("fffeff" "ffffff" "feff0000")}));

struct LoadCase {
    const char* name;
    QByteArray bytes;
    bool ok;
    QString text;
};

TEST(ArchiveTest, LoadsStringsOfEveryFormAndFailsOnDamagedOnes)
{
    const LoadCase cases[] = {
        {"8-bit text is code page 936", QByteArray::fromHex("02c4e3"), true, u"你"_s},
        {"8-bit text with a 16-bit length", QByteArray::fromHex("ff" "0001") + QByteArray(256, 'x'), true,
         QString(256, u'x')},
        {"wide text ends early", QByteArray::fromHex("fffeff03610062"), false, u"old"_s},
        {"prefix ends early", QByteArray::fromHex("fffeffff"), false, u"old"_s},
        {"32-bit length far beyond the data", QByteArray::fromHex("fffeff" "ffffff" "0000f07f") + "ab", false,
         u"old"_s},
        {"64-bit length", QByteArray::fromHex("fffeff" "ffffff" "ffffffff" "ffffffffffffffff"), false, u"old"_s},
    };
    for (const LoadCase& c : cases) {
        QByteArray data = c.bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        Archive archive(buffer, Archive::Mode::Load);
        QString text = u"old"_s;
        EXPECT_EQ(archive.ReadString(text), c.ok) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(archive.Failed(), !c.ok) << c.name;
    }
}

TEST(ArchiveTest, ExchangeFollowsTheDirectionAndFailureSticks)
{
    int32_t i32 = 0x01020304;
    int16_t i16 = 2;
    uint8_t u8 = 0xAB;
    QString s = u"ab"_s;
    const QByteArray bytes = Stored([&](Archive& a) {
        a.Exchange(i32);
        a.Exchange(i16);
        a.Exchange(u8);
        a.Exchange(s);
    });
    EXPECT_EQ(bytes, QByteArray::fromHex("04030201" "0200" "ab" "fffeff02" "61006200"));

    // Loading the same bytes without the last unit: every value up to the
    // string comes back, the string fails, and so does every read after it.
    QByteArray data = bytes.chopped(1);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Archive archive(buffer, Archive::Mode::Load);
    int32_t i32b = 0;
    int16_t i16b = 0;
    uint8_t u8b = 0;
    QString sb = u"kept"_s;
    archive.Exchange(i32b);
    archive.Exchange(i16b);
    archive.Exchange(u8b);
    archive.Exchange(sb);
    EXPECT_EQ(i32b, i32);
    EXPECT_EQ(i16b, i16);
    EXPECT_EQ(u8b, u8);
    EXPECT_EQ(sb, u"kept"_s);
    EXPECT_TRUE(archive.Failed());
    buffer.seek(0);
    EXPECT_FALSE(archive.Read(i32b));
}

}  // namespace
