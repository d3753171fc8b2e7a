#include <gtest/gtest.h>

#include <optional>

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>

#include "support/ScratchFiles.h"
#include "FontTestFiles.h"
#include "foundation/params/Font.h"
#include "foundation/params/FontStyle.h"
#include "platform/Archive.h"

using namespace Qt::StringLiterals;

namespace {

TFontAndColor SampleFont()
{
    TFontAndColor f;
    f.charset = 0x86;
    f.face = u"宋体"_s;
    f.size = 14;
    f.style = FontType::BOLD_ITALICS;
    f.underline = 1;
    f.faceSelectable = 0;
    f.textColor = Rgb(0x12, 0x34, 0x56);
    f.backColor = Rgb(0xAB, 0xCD, 0xEF);
    f.SYS_BKCOLOR = 0;
    return f;
}

// The binary form of a font, with the six bytes older files carry after it.
LeBytes& AppendFont(LeBytes& b, const TFont& f, bool oldTail = false)
{
    b.U8(f.charset).WStr(f.face).I32(f.size).I32(f.style).I32(f.underline);
    if (oldTail)
        b.U16(0xAAAA).I32(0x11111111);
    return b;
}
LeBytes& AppendFontColor(LeBytes& b, const TFontAndColor& f, bool oldTail = false)
{
    return AppendFont(b, f, oldTail).I32(int32_t(f.textColor)).I32(int32_t(f.backColor)).I32(f.SYS_BKCOLOR);
}

// What the binary and text forms carry: all but the face-selectable flag.
TFontAndColor Carried(TFontAndColor f)
{
    f.faceSelectable = 1;
    return f;
}

constexpr int32_t kSentinel = 0x5A5A5A5A;

TEST(FontBinTest, DefaultsAndAFontWriteTheirFixtures)
{
    ScratchFiles files;
    LeBytes defaults;
    defaults.U8(1).WStr(u"System"_s).I32(12).I32(0).I32(0).I32(0).I32(0xFFFFFF).I32(1);
    EXPECT_EQ(Hex(files.WrittenBin([](TBinFile& f) { return WriteFontColorBin(TRichEditFont(), f); })),
              Hex(defaults.Data()));

    const TFontAndColor font = SampleFont();
    LeBytes expected;
    AppendFontColor(expected, font);
    EXPECT_EQ(Hex(files.WrittenBin([&](TBinFile& f) { return WriteFontColorBin(font, f); })), Hex(expected.Data()));
}

TEST(FontBinTest, ReadsTheFormOfEachVersionAndWritesTheCurrentOne)
{
    const TFontAndColor font = SampleFont();
    LeBytes current;
    AppendFontColor(current, font);
    for (const int32_t version : {21, 24, 25, 32}) {
        SCOPED_TRACE(version);
        LeBytes stored;
        AppendFontColor(stored, font, version < 25).I32(kSentinel);

        ScratchFiles files;
        TBinFile in;
        files.OpenBin(in, stored.Data());
        TFontAndColor read;
        ASSERT_TRUE(ReadFontColorBin(version, in, read));
        int32_t after = 0;
        EXPECT_TRUE(in.ReadInt32(after));
        EXPECT_EQ(after, kSentinel);
        EXPECT_EQ(read, Carried(font));
        EXPECT_EQ(files.WrittenBin([&](TBinFile& f) { return WriteFontColorBin(read, f); }), current.Data());
    }
}

TEST(FontBinTest, ListRoundTripsByteForByte)
{
    TRichFontList list;
    list.AddNew();
    static_cast<TFontAndColor&>(*list.AddNew()) = SampleFont();
    ScratchFiles files;
    const QByteArray bytes = files.WrittenBin([&](TBinFile& f) { return WriteFontArrayBin(f, list); });
    LeBytes expected;
    expected.I32(2);
    for (const TRichEditFont& f : list)
        AppendFontColor(expected, f);
    ASSERT_EQ(bytes, expected.Data());

    TBinFile in;
    files.OpenBin(in, bytes);
    TRichFontList read;
    read.AddNew();
    ASSERT_TRUE(ReadFontArrayBin(read, in, 32));
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(files.WrittenBin([&](TBinFile& f) { return WriteFontArrayBin(f, read); }), bytes);
}

TEST(FontBinTest, DamagedCountGivesTheEntriesTheDataHolds)
{
    LeBytes damaged;
    damaged.I32(0x7FFFFFFF);
    AppendFontColor(damaged, SampleFont());
    AppendFont(damaged, SampleFont());  // the second entry stops inside
    ScratchFiles files;
    TBinFile in;
    files.OpenBin(in, damaged.Data());
    TRichFontList list;
    list.AddNew();
    list.AddNew();
    EXPECT_FALSE(ReadFontArrayBin(list, in, 32));
    ASSERT_EQ(list.Size(), 1);
    EXPECT_EQ(static_cast<TFontAndColor&>(list[0]), Carried(SampleFont()));
}

TEST(FontTextTest, WritesSixItemLinesAndReadsThemBack)
{
    ScratchFiles files;
    TFontAndColor font = SampleFont();
    const QStringList lines = files.WrittenLines([&](TTextFile& f) { WriteFontText(f, font); });
    const QStringList expected = {u"FACE_NAME=宋体,"_s,       u"TYPE=BOLD_ITALICS,"_s,    u"SIZE=14,"_s,
                                  u"TEXT_COLOR=123456,"_s,   u"BACK_COLOR=abcdef,"_s,    u"SYS_BKCOLOR=FALSE,"_s};
    EXPECT_EQ(lines, expected);

    TFontAndColor read;
    ReadFontText(read, lines.join(QString()));
    TFontAndColor carried = Carried(font);
    carried.charset = read.charset;  // charset and underline are not in the text
    carried.underline = read.underline;
    EXPECT_EQ(read, carried);

    font.style = 5;
    EXPECT_EQ(files.WrittenLines([&](TTextFile& f) { WriteFontText(f, font); }).value(1), u"TYPE=NORMAL,"_s);
}

TEST(FontTextTest, ReadsLeniently)
{
    struct Case {
        QString block;
        std::function<void(TFontAndColor&)> change;
    };
    const Case cases[] = {
        {u""_s, [](TFontAndColor&) {}},
        {u"COLOUR=ff0000,SIZE=20,"_s, [](TFontAndColor& f) { f.size = 20; }},
        {u"SIZE=abc,"_s, [](TFontAndColor& f) { f.size = 0; }},
        {u"TYPE=HEAVY,"_s, [](TFontAndColor&) {}},
        {u"TYPE=NORMAL,"_s, [](TFontAndColor& f) { f.style = FontType::NORMAL; }},
        {u"SYS_BKCOLOR=true,"_s, [](TFontAndColor& f) { f.SYS_BKCOLOR = 0; }},
        {u"TEXT_COLOR=0a0b0c,BACK_COLOR=FFFFFF,"_s,
         [](TFontAndColor& f) {
             f.textColor = Rgb(0x0A, 0x0B, 0x0C);
             f.backColor = 0xFFFFFF;
         }},
        {u"FACE_NAME=楷体,"_s, [](TFontAndColor& f) { f.face = u"楷体"_s; }},
    };
    for (const Case& c : cases) {
        TFontAndColor font = SampleFont();
        font.SYS_BKCOLOR = 1;
        TFontAndColor expected = font;
        c.change(expected);
        ReadFontText(font, c.block);
        EXPECT_EQ(font, expected) << c.block.toStdString();
    }
}

TEST(FontTextTest, RichListRoundTripsAndStopsAtTheFirstMissingNumber)
{
    TRichFontList list;
    static_cast<TFontAndColor&>(*list.AddNew()) = Carried(SampleFont());
    list.AddNew()->size = 9;
    ScratchFiles files;
    const QStringList lines = files.WrittenLines([&](TTextFile& f) { WriteFontHArrayText(f, list); });
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.first(), u"<FONT_H0>"_s);
    EXPECT_EQ(lines.value(8), u"<FONT_H1>"_s);
    EXPECT_EQ(lines.last(), u"</TFONT_H>"_s);

    TRichFontList read;
    ReadFontHArrayText(read, lines.join(QString()), 25);
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(static_cast<TFontAndColor&>(read[1]).size, 9);
    EXPECT_EQ(read[0].face, list[0].face);
    EXPECT_EQ(read[0].textColor, list[0].textColor);

    const QString gap = u"<FONT_H0>SIZE=10,</TFONT_H><FONT_H1>SIZE=11,</TFONT_H><FONT_H3>SIZE=13,</TFONT_H>"_s;
    ReadFontHArrayText(read, gap, 32);
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(read[1].size, 11);
    EXPECT_EQ(read[1].face, u"System"_s);

    ReadFontHArrayText(read, u""_s, 24);  // older files have no such lists
    EXPECT_EQ(read.Size(), 2);
}

TEST(FontConversionTest, RichFontFromStyle)
{
    struct Case {
        int32_t size;
        int32_t points;
    };
    for (const Case c : {Case{3085, 23}, Case{99, 0}, Case{1600, 12}}) {
        TFontStyle style;
        style.NAME = u"HanaMinA"_s;
        style.SIZE = c.size;
        style.TYPE = FontType::BOLD;
        style.COLOR = Rgb(1, 2, 3);
        TFontAndColor rich = SampleFont();
        TFontAndColor expected = rich;
        expected.face = style.NAME;
        expected.size = c.points;
        expected.style = style.TYPE;
        expected.textColor = style.COLOR;
        RichFontFromStyle(rich, style);
        EXPECT_EQ(rich, expected) << c.size;
    }
}

TEST(FontConversionTest, ToQFont)
{
    struct Case {
        QString face;
        int32_t size;
        int32_t style;
        int32_t underline;
        int pixels;
        QFont::Weight weight;
        bool italic;
        bool underlined;
    };
    const Case cases[] = {
        {u"AR PL UMing TW"_s, 12, FontType::NORMAL, 0, 16, QFont::Normal, false, false},
        {u"AR PL UMing TW"_s, 9, FontType::ITALICS, 0, 12, QFont::Normal, true, false},
        {u"AR PL UMing TW"_s, 10, FontType::BOLD, 1, 13, QFont::Bold, false, true},
        {u"AR PL UMing TW"_s, 12, FontType::BOLD_ITALICS, 0x100, 16, QFont::Bold, true, false},
        {u"AR PL UMing TW"_s, 12, 5, 0, 16, QFont::Normal, false, false},
        {u"System"_s, 12, FontType::NORMAL, 0, 16, QFont::Normal, false, false},
    };
    for (const Case& c : cases) {
        TFont font;
        font.face = c.face;
        font.size = c.size;
        font.style = c.style;
        font.underline = c.underline;
        const QFont q = FontToQFont(font);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(q.pixelSize(), c.pixels);
        EXPECT_EQ(q.weight(), c.weight);
        EXPECT_EQ(q.italic(), c.italic);
        EXPECT_EQ(q.underline(), c.underlined);
        const QString family =
            c.face == u"System" ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : c.face;
        EXPECT_EQ(q.family(), family);
    }
}

TEST(FontConversionTest, WindowsFacesFindInstalledFonts)
{
    struct Case {
        QString face;
        QString family;
    };
    const Case cases[] = {
        {u"宋体"_s, u"AR PL UMing TW"_s},
        {u"SimHei"_s, u"Noto Sans CJK TC"_s},
        {u"標楷體"_s, u"AR PL UKai TW"_s},
        {u"MS Sans Serif"_s, QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family()},
    };
    for (const Case& c : cases) {
        TFont font;
        font.face = c.face;
        EXPECT_EQ(QFontInfo(FontToQFont(font)).family().toStdString(), c.family.toStdString());
    }
}

TEST(FontArchiveTest, StoresTheFrameworkFormAndLoadsIt)
{
    TFontAndColor font = SampleFont();
    font.face = u"AB"_s;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        Archive archive(buffer, Archive::Mode::Store);
        SerializeFontAndColor(archive, font);
    }
    EXPECT_EQ(Hex(bytes), Hex(QByteArray::fromHex("12345600"     // text colour
                                                  "abcdef00"     // back colour
                                                  "00000000"     // SYS_BKCOLOR
                                                  "86"           // charset
                                                  "fffeff02"     // wide tag, 2 units
                                                  "41004200"     // "AB"
                                                  "0e000000"     // size
                                                  "03000000"     // style
                                                  "01000000")));  // underline

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Archive archive(buffer, Archive::Mode::Load);
    TFontAndColor loaded;
    SerializeFontAndColor(archive, loaded);
    EXPECT_FALSE(archive.Failed());
    EXPECT_EQ(loaded, Carried(font));  // the face-selectable flag is not stored
}

TEST(FontEditTest, TakesBackOnlyAChangeTheUserConfirmed)
{
    struct Case {
        const char* name;
        bool installed;
        bool confirm;
        uint8_t faceSelectable;
        std::function<void(TFontAndColor&)> edit;
        bool changed;
        std::function<void(TFontAndColor&)> expect;
    };
    const auto none = [](TFontAndColor&) {};
    const auto newFace = [](TFontAndColor& f) { f.face = u"黑体"_s; };
    const Case cases[] = {
        {"no dialogs", false, true, 1, newFace, false, none},
        {"cancelled", true, false, 1, newFace, false, none},
        {"confirmed unchanged", true, true, 1, none, false, none},
        {"face locked", true, true, 0, newFace, false, none},
        {"face free", true, true, 1, newFace, true, newFace},
        {"underline is not the dialog's", true, true, 1, [](TFontAndColor& f) { f.underline = 0; }, false, none},
        {"size with the face locked", true, true, 0,
         [](TFontAndColor& f) {
             f.size = 30;
             f.face = u"黑体"_s;
         },
         true, [](TFontAndColor& f) { f.size = 30; }},
        {"back colour and system background", true, true, 1,
         [](TFontAndColor& f) {
             f.backColor = 0;
             f.SYS_BKCOLOR = 0;
         },
         true,
         [](TFontAndColor& f) {
             f.backColor = 0;
             f.SYS_BKCOLOR = 0;
         }},
    };
    for (const Case& c : cases) {
        std::optional<FakeFontDialogs> dialogs;
        if (c.installed) {
            dialogs.emplace();
            dialogs->confirm = c.confirm;
            dialogs->editFont = c.edit;
        }
        TFontAndColor font = SampleFont();
        font.faceSelectable = c.faceSelectable;
        TFontAndColor expected = font;
        c.expect(expected);
        EXPECT_EQ(EditFontColor(font), c.changed) << c.name;
        EXPECT_EQ(font, expected) << c.name;
    }
}

}  // namespace
