#include <gtest/gtest.h>

#include <optional>

#include "support/ScratchFiles.h"
#include "FontTestFiles.h"
#include "foundation/params/FontStyle.h"

using namespace Qt::StringLiterals;

namespace {

TFontStyle SampleStyle(int32_t align = FontAlign::MOVE)
{
    TFontStyle s;
    s.TEXT_TYPE = 1;
    s.MARKSTRING = u"7"_s;
    s.NAME = u"宋体"_s;
    s.COLOR = Rgb(0x12, 0x34, 0x56);
    s.SIZE = 3085;
    s.WIDTH = 3000;
    s.WORD_HEIGHT = 3200;
    s.WORD_WIDTH = 3100;
    s.OUTLINE_WIDTH = 50;
    s.TYPE = FontType::BOLD;
    s.ALIGN = align;
    s.DOUBLE_LINE = true;
    s.move = align == FontAlign::MOVE ? 150 : 0;
    return s;
}

// The binary form that a file of the given version holds.
LeBytes& AppendOldForm(LeBytes& b, const TFontStyle& s, int32_t version)
{
    b.WStr(s.NAME).I32(int32_t(s.COLOR)).I32(s.SIZE).I32(s.WIDTH).I32(s.WORD_HEIGHT);
    if (version >= 19)
        b.I32(s.WORD_WIDTH);
    if (version >= 26)
        b.I32(s.OUTLINE_WIDTH);
    b.I32(s.TYPE).I32(s.ALIGN);
    if (s.ALIGN == FontAlign::MOVE)
        b.I32(s.move);
    b.U16(s.DOUBLE_LINE ? 1 : 0).I32(s.TEXT_TYPE);
    if (version >= 27)
        b.WStr(s.MARKSTRING);
    else if (version >= 25)
        b.I32(s.MARKSTRING.toInt());
    return b;
}

// What a style read from a file of that version holds: the fields the file
// lacks keep the defaults.
TFontStyle ReadAs(TFontStyle s, int32_t version, int32_t index = -1)
{
    if (version < 19)
        s.WORD_WIDTH = 0;
    if (version < 26)
        s.OUTLINE_WIDTH = 0;
    if (version < 25)
        s.MARKSTRING.clear();
    s.index = index;
    return s;
}

constexpr int32_t kSentinel = 0x5A5A5A5A;

TEST(FontStyleTest, EqualityIgnoresTextTypeIndexMeasuresAndAnIdleMove)
{
    struct Case {
        const char* name;
        int32_t align;
        std::function<void(TFontStyle&)> change;
        bool equal;
    };
    const Case cases[] = {
        {"text type", FontAlign::MID, [](TFontStyle& s) { s.TEXT_TYPE = 3; }, true},
        {"index", FontAlign::MID, [](TFontStyle& s) { s.index = 5; }, true},
        {"measures", FontAlign::MID, [](TFontStyle& s) { s.cellWidth = 9; }, true},
        {"move with MID", FontAlign::MID, [](TFontStyle& s) { s.move = 9; }, true},
        {"move with MOVE", FontAlign::MOVE, [](TFontStyle& s) { s.move = 9; }, false},
        {"face case", FontAlign::MID, [](TFontStyle& s) { s.NAME = u"hanamina"_s; }, false},
        {"mark string", FontAlign::MID, [](TFontStyle& s) { s.MARKSTRING = u"8"_s; }, false},
        {"outline", FontAlign::MID, [](TFontStyle& s) { s.OUTLINE_WIDTH = 1; }, false},
        {"double line", FontAlign::MID, [](TFontStyle& s) { s.DOUBLE_LINE = false; }, false},
    };
    for (const Case& c : cases) {
        const TFontStyle a = SampleStyle(c.align);
        TFontStyle b = a;
        c.change(b);
        EXPECT_EQ(FontStyleEquals(a, b), c.equal) << c.name;

        TFontStyleList la;
        TFontStyleList lb;
        *la.AddNew() = a;
        *lb.AddNew() = b;
        EXPECT_EQ(FontStyleListEquals(la, lb), c.equal) << c.name;
        lb.AddNew();
        EXPECT_FALSE(FontStyleListEquals(la, lb)) << c.name;
    }
}

TEST(FontStyleTest, ScalingTruncatesTowardZero)
{
    TFontStyle source = SampleStyle();
    source.index = 3;
    source.SIZE = 1001;
    source.move = -7;
    source.textHeight = 33;
    TFontStyle expected = source;
    expected.index = -1;
    expected.SIZE = 1501;  // 1501.5
    expected.WIDTH = 4500;
    expected.WORD_HEIGHT = 4800;
    expected.WORD_WIDTH = 4650;
    expected.OUTLINE_WIDTH = 75;
    expected.move = -10;  // -10.5
    expected.textHeight = 49;

    TFontStyle out;
    EXPECT_EQ(ScaleFontStyle(out, 1.5, source), expected);

    TFontStyleList list;
    *list.AddNew() = source;
    *list.AddNew() = source;
    ScaleFontStyleArray(list, list, 1.5);  // into itself
    ASSERT_EQ(list.Size(), 2);
    expected.index = 1;
    EXPECT_EQ(list[1], expected);
    EXPECT_EQ(list[0].index, 0);

    EXPECT_EQ(ScaleLength(INT32_MAX, 2.0), INT32_MAX);
}

TEST(FontStyleTest, FindOrAddByMarkString)
{
    TFontStyleList list;
    const TFontStyle templ = SampleStyle();
    EXPECT_EQ(FindFontStyleIndex(list, u"A"_s), -1);

    TFontStyle* added = FindOrAddFontStyle(list, u"A"_s, templ);
    TFontStyle expected = templ;
    expected.MARKSTRING = u"A"_s;
    expected.index = 0;
    ASSERT_EQ(list.Size(), 1);
    EXPECT_EQ(*added, expected);

    EXPECT_EQ(FindOrAddFontStyle(list, u"A"_s, SampleStyle(FontAlign::LEFT)), added);
    // The template may be an entry of the list itself.
    TFontStyle* second = FindOrAddFontStyle(list, u"a"_s, *added);
    ASSERT_EQ(list.Size(), 2);
    EXPECT_EQ(second->index, 1);
    EXPECT_EQ(FindFontStyleIndex(list, u"a"_s), 1);
    EXPECT_EQ(FindFontStyleIndex(list, u"A"_s), 0);
}

TEST(FontStyleBinTest, WritesTheCurrentFormWithMoveOnlyForMoveAlign)
{
    for (const int32_t align : {FontAlign::MID, FontAlign::MOVE}) {
        TFontStyle style = SampleStyle(align);
        style.move = 150;  // written only with MOVE
        LeBytes expected;
        expected.WStr(u"宋体"_s).I32(0x563412).I32(3085).I32(3000).I32(3200).I32(3100).I32(50).I32(2).I32(align);
        if (align == FontAlign::MOVE)
            expected.I32(150);
        expected.U16(1).I32(1).WStr(u"7"_s);
        ScratchFiles files;
        EXPECT_EQ(Hex(files.WrittenBin([&](TBinFile& f) { return WriteFontStyle(f, style); })), Hex(expected.Data()))
            << align;
    }
}

TEST(FontStyleBinTest, ReadsEachVersionsFormAndWritesTheCurrentOne)
{
    // A version-18 file, spelled out: no cell width, no outline, no mark.
    const QByteArray v18 = QByteArray::fromHex("41000000"    // "A"
                                               "ff000000"    // COLOR
                                               "64000000"    // SIZE 100
                                               "5a000000"    // WIDTH 90
                                               "6e000000"    // WORD_HEIGHT 110
                                               "00000000"    // TYPE
                                               "04000000"    // ALIGN MOVE
                                               "0c000000"    // move 12
                                               "0100"        // DOUBLE_LINE
                                               "02000000");  // TEXT_TYPE
    {
        ScratchFiles files;
        TBinFile in;
        files.OpenBin(in, v18);
        TFontStyle read;
        ASSERT_TRUE(ReadFontStyle(18, in, read));
        EXPECT_EQ(read.NAME, u"A"_s);
        EXPECT_EQ(read.COLOR, Rgb(0xFF, 0, 0));
        EXPECT_EQ(read.WORD_HEIGHT, 110);
        EXPECT_EQ(read.move, 12);
        EXPECT_TRUE(read.DOUBLE_LINE);
        EXPECT_EQ(read.TEXT_TYPE, 2);
        uint8_t extra = 0;
        EXPECT_FALSE(in.ReadByte(extra));
    }

    for (const int32_t version : {18, 19, 24, 25, 26, 27, 32}) {
        for (const int32_t align : {FontAlign::MID, FontAlign::MOVE}) {
            SCOPED_TRACE(testing::Message() << "version " << version << " align " << align);
            const TFontStyle style = SampleStyle(align);
            LeBytes stored;
            AppendOldForm(stored, style, version).I32(kSentinel);

            ScratchFiles files;
            TBinFile in;
            files.OpenBin(in, stored.Data());
            TFontStyle read;
            ASSERT_TRUE(ReadFontStyle(version, in, read));
            int32_t after = 0;
            EXPECT_TRUE(in.ReadInt32(after));
            EXPECT_EQ(after, kSentinel);
            EXPECT_EQ(read, ReadAs(style, version));

            LeBytes current;
            AppendOldForm(current, read, 32);
            EXPECT_EQ(files.WrittenBin([&](TBinFile& f) { return WriteFontStyle(f, read); }), current.Data());
        }
    }
}

TEST(FontStyleBinTest, ListRoundTripsAndADamagedCountStops)
{
    TFontStyleList list;
    *list.AddNew() = SampleStyle(FontAlign::MID);
    *list.AddNew() = SampleStyle(FontAlign::MOVE);
    ScratchFiles files;
    const QByteArray bytes = files.WrittenBin([&](TBinFile& f) { return WriteFontStyleList(list, f); });

    TBinFile in;
    files.OpenBin(in, bytes);
    TFontStyleList read;
    read.AddNew();
    ASSERT_TRUE(ReadFontStyleList(in, 32, read));
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(read[1], ReadAs(list[1], 32, 1));
    EXPECT_EQ(files.WrittenBin([&](TBinFile& f) { return WriteFontStyleList(read, f); }), bytes);

    // A count far beyond the data: the whole entries come back, the cut one
    // does not, and nothing hangs.
    QByteArray damaged = bytes;
    damaged.replace(0, 4, QByteArray::fromHex("ffffff7f"));
    damaged.chop(3);
    TBinFile cut;
    files.OpenBin(cut, damaged);
    EXPECT_FALSE(ReadFontStyleList(cut, 32, read));
    ASSERT_EQ(read.Size(), 1);
    EXPECT_EQ(read[0], ReadAs(list[0], 32, 0));
}

TEST(FontStyleTextTest, WritesItsLinesAndReadsThemBack)
{
    ScratchFiles files;
    TFontStyle style = SampleStyle(FontAlign::MOVE);
    const QStringList lines = files.WrittenLines([&](TTextFile& f) { FontStyleToText(f, style); });
    const QStringList expected = {
        u"NAME=宋体,"_s,        u"TYPE=BOLD,"_s,          u"SIZE=3085,"_s,         u"WIDTH=3000,"_s,
        u"WORD_HEIGHT=3200,"_s, u"WORD_WIDTH=3100,"_s,    u"OUTLINE_WIDTH=50,"_s,  u"COLOR=123456,"_s,
        u"ALIGN=MOVE150,"_s,    u"DOUBLE_LINE=TRUE,"_s,   u"TEXT_TYPE=1,"_s,       u"MARKSTRING=7,"_s,
    };
    EXPECT_EQ(lines, expected);
    TFontStyle read;
    FontStyleFromText(read, lines.join(QString()));
    EXPECT_EQ(read, style);

    // No mark string, no line; an unknown ALIGN and TYPE write the defaults.
    style.MARKSTRING.clear();
    style.ALIGN = 9;
    style.TYPE = 7;
    const QStringList plain = files.WrittenLines([&](TTextFile& f) { FontStyleToText(f, style); });
    ASSERT_EQ(plain.size(), 11);
    EXPECT_EQ(plain[1], u"TYPE=NORMAL,"_s);
    EXPECT_EQ(plain[8], u"ALIGN=MID,"_s);
}

TEST(FontStyleTextTest, ReadsLeniently)
{
    struct Case {
        QString block;
        std::function<void(TFontStyle&)> change;
    };
    const Case cases[] = {
        {u"SHADOW=1,NAME=A,"_s, [](TFontStyle& s) { s.NAME = u"A"_s; }},
        {u"ALIGN=MOVE150,"_s, [](TFontStyle& s) { s.move = 150; }},
        {u"ALIGN=XMOVE5,"_s,
         [](TFontStyle& s) {
             s.ALIGN = FontAlign::MOVE;
             s.move = 0;
         }},
        {u"ALIGN=CLOSE,"_s, [](TFontStyle& s) { s.ALIGN = FontAlign::CLOSE; }},
        {u"ALIGN=SIDEWAYS,TYPE=HEAVY,"_s, [](TFontStyle&) {}},
        {u"TEXT_TYPE=9,"_s, [](TFontStyle& s) { s.TEXT_TYPE = 4; }},
        {u"TEXT_TYPE=-2,"_s, [](TFontStyle& s) { s.TEXT_TYPE = 0; }},
        {u"DOUBLE_LINE=true,"_s, [](TFontStyle& s) { s.DOUBLE_LINE = false; }},
        {u"HEIGHT=11,LINE_WIDTH=12,"_s,
         [](TFontStyle& s) {
             s.WORD_HEIGHT = 11;
             s.WORD_WIDTH = 12;
         }},
        {u"WORD_HEIGHT=13,HEIGHT=11,"_s, [](TFontStyle& s) { s.WORD_HEIGHT = 13; }},
        {u"MARK=07,"_s, [](TFontStyle& s) { s.MARKSTRING = u"7"_s; }},
        {u"MARKSTRING=側批,"_s, [](TFontStyle& s) { s.MARKSTRING = u"側批"_s; }},
        {u"SIZE=x,COLOR=FF0000,"_s,
         [](TFontStyle& s) {
             s.SIZE = 0;
             s.COLOR = Rgb(0xFF, 0, 0);
         }},
    };
    for (const Case& c : cases) {
        TFontStyle style = SampleStyle(FontAlign::MOVE);
        style.move = 3;
        TFontStyle expected = style;
        c.change(expected);
        FontStyleFromText(style, c.block);
        EXPECT_EQ(style, expected) << c.block.toStdString();
    }
}

TEST(FontStyleTextTest, ListRoundTripsAndStopsAtTheFirstMissingNumber)
{
    TFontStyleList list;
    *list.AddNew() = SampleStyle(FontAlign::MID);
    *list.AddNew() = SampleStyle(FontAlign::MOVE);
    ScratchFiles files;
    const QStringList lines = files.WrittenLines([&](TTextFile& f) { FontStyleListToText(f, list); });
    EXPECT_EQ(lines.first(), u"<FONT0>"_s);
    EXPECT_EQ(lines.last(), u"</FONT>"_s);

    TFontStyleList read;
    FontStyleListFromText(read, lines.join(QString()), 25);
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(read[1], ReadAs(list[1], 32, 1));

    FontStyleListFromText(read, u"<FONT0>SIZE=1,</FONT><FONT2>SIZE=3,</FONT>"_s, 32);
    ASSERT_EQ(read.Size(), 1);
    EXPECT_EQ(read[0].SIZE, 1);
    EXPECT_EQ(read[0].index, 0);

    FontStyleListFromText(read, QString(), 24);  // older files have no such lists
    EXPECT_EQ(read.Size(), 1);
}

TEST(FontStyleEditTest, TakesBackWhatTheFlagsAllow)
{
    const auto edit = [](TFontStyle& s) {
        s.NAME = u"HanaMinB"_s;
        s.SIZE = 1;
        s.WORD_HEIGHT = 2;
        s.WORD_WIDTH = 3;
        s.DOUBLE_LINE = false;
        s.ALIGN = 7;
        s.move = 4;
        s.TEXT_TYPE = 0;
        s.MARKSTRING = u"x"_s;
    };
    struct Case {
        bool installed;
        bool confirm;
        bool wordHeight;
        bool doubleLine;
        bool wordWidth;
        bool result;
    };
    const Case cases[] = {
        {false, true, true, true, true, false}, {true, false, true, true, true, false},
        {true, true, true, true, true, true},   {true, true, false, false, false, true},
        {true, true, false, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.installed << c.confirm << c.wordHeight << c.doubleLine << c.wordWidth);
        std::optional<FakeFontDialogs> dialogs;
        if (c.installed) {
            dialogs.emplace();
            dialogs->confirm = c.confirm;
            dialogs->editStyle = edit;
        }
        TFontStyle style = SampleStyle(FontAlign::MID);
        TFontStyle expected = style;
        if (c.installed && c.confirm) {
            expected.NAME = u"HanaMinA"_s;
            expected.SIZE = 1;
            expected.ALIGN = FontAlign::MOVE;
            expected.move = 4;
            if (c.wordHeight)
                expected.WORD_HEIGHT = 2;
            if (c.wordWidth)
                expected.WORD_WIDTH = 3;
            if (c.doubleLine)
                expected.DOUBLE_LINE = false;
        }
        EXPECT_EQ(EditFontStyle(style, c.wordHeight, c.doubleLine, c.wordWidth), c.result);
        EXPECT_EQ(style, expected);
        if (dialogs) {
            EXPECT_EQ(dialogs->seenFlags.wordHeightEditable, c.wordHeight);
            EXPECT_EQ(dialogs->seenFlags.doubleLineEditable, c.doubleLine);
            EXPECT_EQ(dialogs->seenFlags.wordWidthEditable, c.wordWidth);
        }
    }
}

TEST(FontStyleEditTest, ConfirmingWithoutAChangeStillReportsConfirmation)
{
    FakeFontDialogs dialogs;
    TFontStyle style = SampleStyle();
    const TFontStyle before = style;
    EXPECT_TRUE(EditFontStyle(style, true, true, true));
    EXPECT_EQ(style, before);
}

}  // namespace
