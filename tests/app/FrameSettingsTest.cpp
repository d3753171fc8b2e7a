#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "app/settings/FrameSettings.h"
#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"
#include "support/ScratchFiles.h"

using namespace Qt::StringLiterals;

namespace {

// The archive string form of a short text: FF FEFF, one-byte length, units.
LeBytes& ArchiveString(LeBytes& bytes, const QString& text)
{
    bytes.U8(0xFF).U16(0xFFFE).U8(uint8_t(text.size()));
    for (const QChar c : text)
        bytes.U16(c.unicode());
    return bytes;
}

// The defaults of a program started without a settings file, by hand.
QByteArray DefaultBytes(bool withTwoPage)
{
    LeBytes b;
    b.I32(200).I32(200).I32(200).I32(200).U16(2).I32(3);
    ArchiveString(b, QString());
    if (withTwoPage)
        b.I32(1);
    ArchiveString(b, QString());
    b.I32(0).I32(0xFFFFFF).I32(1).U8(1);  // edit font: colours, system background, charset
    ArchiveString(b, u"System"_s);
    b.I32(12).I32(0).I32(0);
    ArchiveString(b, QString());  // text pane: face, charset, height, pitch, effects
    b.U8(1).I32(240).U8(0).I32(0);
    return b.Data();
}

QByteArray Written(const TFrameSettings& settings, bool withTwoPage = true)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteFrameSettings(buffer, settings, withTwoPage));
    return buffer.data();
}

bool ReadInto(TFrameSettings& settings, QByteArray bytes, bool withTwoPage = true)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadFrameSettings(buffer, settings, withTwoPage);
}

TFrameSettings Changed()
{
    TFrameSettings s;
    s.marginLeft = 1;
    s.marginRight = 2;
    s.marginTop = 3;
    s.marginBottom = 4;
    s.orientation = 1;
    s.zoomIndex = 7;
    s.projectFolder = u"/書/稿"_s;
    s.twoPage = 0;
    s.lastBookFolder = u"/books/史記"_s;
    s.editFont.face = u"HanaMinA"_s;
    s.editFont.size = 16;
    s.editFont.textColor = 0x123456;
    s.textFormat = {u"AR PL UMing TW"_s, 136, 280, 2, 0x40000000};
    return s;
}

TEST(FrameSettingsTest, DefaultsAreWrittenInTheArchiveLayout)
{
    EXPECT_EQ(Hex(Written(TFrameSettings())), Hex(DefaultBytes(true)));
    // Without the two-page field the file is 4 bytes shorter.
    EXPECT_EQ(Hex(Written(TFrameSettings(), false)), Hex(DefaultBytes(false)));
}

TEST(FrameSettingsTest, RoundTripKeepsEveryField)
{
    for (const bool twoPage : {true, false}) {
        TFrameSettings read;
        EXPECT_TRUE(ReadInto(read, Written(Changed(), twoPage), twoPage));
        TFrameSettings expected = Changed();
        if (!twoPage)
            expected.twoPage = TFrameSettings().twoPage;
        EXPECT_EQ(read, expected);
    }
}

TEST(FrameSettingsTest, ZoomIndexIsClampedOnRead)
{
    for (const auto& [stored, read] : {std::pair{12, 9}, {-3, 0}, {9, 9}, {0, 0}}) {
        TFrameSettings s;
        s.zoomIndex = stored;
        TFrameSettings in;
        EXPECT_TRUE(ReadInto(in, Written(s)));
        EXPECT_EQ(in.zoomIndex, read) << stored;
    }
}

TEST(FrameSettingsTest, LongStringsTakeTheLongerLengthForms)
{
    struct Case {
        int length;
        QByteArray prefix;
    };
    const Case cases[] = {
        {254, QByteArray::fromHex("fffeff" "fe")},
        {255, QByteArray::fromHex("fffeff" "ff" "ff00")},
        {300, QByteArray::fromHex("fffeff" "ff" "2c01")},
        {0, QByteArray::fromHex("fffeff" "00")},
    };
    for (const Case& c : cases) {
        TFrameSettings s;
        s.projectFolder = QString(c.length, u'字');
        const QByteArray bytes = Written(s);
        EXPECT_EQ(Hex(bytes.mid(22, c.prefix.size())), Hex(c.prefix)) << c.length;
        TFrameSettings in;
        EXPECT_TRUE(ReadInto(in, bytes));
        EXPECT_EQ(in.projectFolder, s.projectFolder);
    }
}

TEST(FrameSettingsTest, TruncatedFileKeepsDefaultsFromTheBrokenFieldOn)
{
    const QByteArray whole = Written(Changed());
    const TFrameSettings changed = Changed();
    const TFrameSettings defaults;
    // Field ends: margins 4..16, orientation 18, zoom 22, then the folder.
    const int folderEnd = 22 + 4 + 2 * int(changed.projectFolder.size());
    struct Case {
        int cut;
        int fieldsTaken;
    };
    for (const Case c : {Case{0, 0}, {3, 0}, {4, 1}, {17, 4}, {18, 5}, {22, 6}, {folderEnd - 1, 6},
                         {folderEnd, 7}, {folderEnd + 4, 8}, {int(whole.size()) - 1, 10}}) {
        TFrameSettings in;
        EXPECT_FALSE(ReadInto(in, whole.left(c.cut)));
        const int32_t* margins[] = {&in.marginLeft, &in.marginRight, &in.marginTop, &in.marginBottom};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(*margins[i], i < c.fieldsTaken ? i + 1 : 200) << c.cut;
        EXPECT_EQ(in.orientation, c.fieldsTaken > 4 ? changed.orientation : defaults.orientation) << c.cut;
        EXPECT_EQ(in.zoomIndex, c.fieldsTaken > 5 ? changed.zoomIndex : defaults.zoomIndex) << c.cut;
        EXPECT_EQ(in.projectFolder, c.fieldsTaken > 6 ? changed.projectFolder : QString()) << c.cut;
        EXPECT_EQ(in.twoPage, c.fieldsTaken > 7 ? changed.twoPage : defaults.twoPage) << c.cut;
        EXPECT_EQ(in.editFont, c.fieldsTaken > 9 ? changed.editFont : defaults.editFont) << c.cut;
        EXPECT_EQ(in.textFormat, defaults.textFormat) << c.cut;
    }
}

TEST(FrameSettingsTest, UnsoundValuesEndTheRead)
{
    // A negative margin, then an orientation of 3.
    QByteArray negative = Written(Changed());
    negative.replace(4, 4, LeBytes().I32(-5).Data());
    TFrameSettings in;
    EXPECT_FALSE(ReadInto(in, negative));
    EXPECT_EQ(in.marginLeft, 1);
    EXPECT_EQ(in.marginRight, 200);
    EXPECT_EQ(in.zoomIndex, 3);

    QByteArray orientation = Written(Changed());
    orientation.replace(16, 2, LeBytes().U16(3).Data());
    TFrameSettings in2;
    EXPECT_FALSE(ReadInto(in2, orientation));
    EXPECT_EQ(in2.marginBottom, 4);
    EXPECT_EQ(in2.orientation, 2);
    EXPECT_EQ(in2.projectFolder, QString());
}

TEST(FrameSettingsTest, DefaultsFixtureFileReadsAsTheDefaults)
{
    QFile fixture(QStringLiteral(VELLUMOR_TEST_DATA "/settings/VellumorBlock.ini"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixture.readAll();
    EXPECT_EQ(Hex(bytes), Hex(DefaultBytes(true)));
    TFrameSettings in = Changed();
    EXPECT_TRUE(ReadInto(in, bytes));
    EXPECT_EQ(in, TFrameSettings());
}

class FrameSettingsFileTest : public EditionTest {};

TEST_P(FrameSettingsFileTest, SaveThenLoadThroughTheSettingsFile)
{
    QTemporaryDir dir;
    const QString oldProgram = g_ProgramPath;
    g_ProgramPath = dir.filePath(edition().ProgramName());
    EXPECT_EQ(FrameSettingsPath(), dir.filePath(edition().ProgramName() + u".ini"_s));
    TFrameSettings missing = Changed();
    LoadFrameSettings(missing);  // no file: nothing read
    EXPECT_EQ(missing, Changed());

    ASSERT_TRUE(SaveFrameSettings(Changed()));
    const bool woodblock = edition().Kind() == EditionKind::Woodblock;
    EXPECT_EQ(FileBytes(FrameSettingsPath()), Written(Changed(), woodblock));
    TFrameSettings in;
    LoadFrameSettings(in);
    EXPECT_EQ(in.lastBookFolder, Changed().lastBookFolder);
    EXPECT_EQ(in.twoPage, woodblock ? 0 : 1);
    g_ProgramPath = oldProgram;
}

VELLUMOR_ALL_EDITIONS(FrameSettingsFileTest);

}  // namespace
