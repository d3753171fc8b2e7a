#include <gtest/gtest.h>

#include "support/ScratchFiles.h"
#include "foundation/params/Box.h"

using namespace Qt::StringLiterals;

namespace {

TBoxSize Grid(int32_t width, int32_t height, int32_t lines, int32_t perLine, int32_t zhuPerLine, int32_t blank,
              int32_t split)
{
    TBoxSize size;
    size.BOX_WIDTH = width;
    size.BOX_HEIGHT = height;
    size.LINES = lines;
    size.TEXT_PER_LINE = perLine;
    size.ZHU_PER_LINE = zhuPerLine;
    size.TOP_SPACE = blank;
    size.BOTTOM_SPACE = blank;
    size.SPLIT_LINE_WIDTH = split;
    DeriveBoxSize(size);
    return size;
}

TBoxSize DefaultTextGrid() { return Grid(50000, 65000, 10, 21, 21, 100, 100); }

TFontStyle Font(const QString& face, int32_t size, const QString& mark = {})
{
    TFontStyle f;
    f.NAME = face;
    f.SIZE = size;
    f.WORD_HEIGHT = size;
    f.MARKSTRING = mark;
    return f;
}

TBoxPara SampleBox()
{
    TBoxPara box;
    box.size = DefaultTextGrid();
    box.DOUBLE_LINE_ZHU = true;
    box.AUTO_RICH_FONT = false;
    box.MFONT_GROUP.TEXT_FONT = Font(u"宋体"_s, 3085);
    box.MFONT_GROUP.ZHU_FONT = Font(u"黑体"_s, 3082);
    box.RICH_FONT_GROUP.TEXT_FONT_H.face = u"楷体"_s;
    box.RICH_FONT_GROUP.ZHU_FONT_H.size = 9;
    return box;
}

constexpr int32_t kSentinel = 0x5A5A5A5A;

// The form of a box before version 32: two font-style lists after the two
// font styles and two rich-font lists after the rich pair; then a sentinel.
QByteArray LegacyBox(ScratchFiles& files, const TBoxPara& box, const TAttachFontGroup& lists)
{
    return files.WrittenBin([&](TBinFile& f) {
        TRichFontList dropped;
        dropped.AddNew()->face = u"dropped"_s;
        return WriteBoxSize(f, box.size) + f.WriteInt32(box.DOUBLE_LINE_ZHU) + f.WriteInt32(box.AUTO_RICH_FONT) +
               WriteFontPair(f, box.MFONT_GROUP) + WriteAttachFontGroup(f, lists) +
               WriteRichFontPair(f, box.RICH_FONT_GROUP) + WriteFontArrayBin(f, dropped) +
               WriteFontArrayBin(f, dropped) + f.WriteInt32(kSentinel);
    });
}

TEST(BoxSizeTest, DerivedSizesDivideByTheCountsAndAZeroCountGivesZero)
{
    struct Case {
        const char* name;
        TBoxSize size;
        int32_t textChar, noteChar, pitch;
    };
    const Case cases[] = {
        {"default text box", DefaultTextGrid(), 3085, 3085, 4910},
        {"head box of height 0", Grid(50000, 0, 20, 6, 6, 500, 0), -166, -166, 2500},
        {"no columns", Grid(50000, 65000, 0, 21, 21, 100, 100), 3085, 3085, 0},
        {"no characters", Grid(50000, 65000, 10, 0, -3, 100, 100), 0, 0, 4910},
        {"damaged lengths", Grid(INT32_MAX, INT32_MIN, 1, 1, 1, INT32_MAX, INT32_MAX), INT32_MIN, INT32_MIN, INT32_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.size.textCharSize, c.textChar);
        EXPECT_EQ(c.size.noteCharSize, c.noteChar);
        EXPECT_EQ(c.size.pitch, c.pitch);
    }
}

TEST(BoxSizeTest, ScalingTruncatesLengthsKeepsCountsAndDerivesAgain)
{
    TBoxSize half;
    ScaleBoxSize(0.5, DefaultTextGrid(), half);
    EXPECT_EQ(half.BOX_WIDTH, 25000);
    EXPECT_EQ(half.BOX_HEIGHT, 32500);
    EXPECT_EQ(half.TOP_SPACE, 50);
    EXPECT_EQ(half.BOTTOM_SPACE, 50);
    EXPECT_EQ(half.SPLIT_LINE_WIDTH, 50);
    EXPECT_EQ(half.LINES, 10);
    EXPECT_EQ(half.TEXT_PER_LINE, 21);
    EXPECT_EQ(half.textCharSize, 1542);
    EXPECT_EQ(half.noteCharSize, 1542);
    EXPECT_EQ(half.pitch, 2455);

    TBoxSize odd;
    ScaleBoxSize(0.3, Grid(333, 333, 1, 1, 1, 3, 3), odd);
    EXPECT_EQ(odd.BOX_WIDTH, 99);  // 99.9 truncated
    EXPECT_EQ(odd.TOP_SPACE, 0);
}

TEST(BoxParaTest, ScaledBoxScalesLayoutFontsButNotRichFonts)
{
    TBoxPara box = SampleBox();
    box.kind = BoxKind::HEAD_BOX;
    TBoxPara out;
    ScaleBoxPara(box, out, 0.5);
    EXPECT_EQ(out.size.pitch, 2455);
    EXPECT_TRUE(out.DOUBLE_LINE_ZHU);
    EXPECT_FALSE(out.AUTO_RICH_FONT);
    EXPECT_EQ(out.kind, BoxKind::HEAD_BOX);
    EXPECT_EQ(out.MFONT_GROUP.TEXT_FONT.SIZE, 1542);
    EXPECT_EQ(out.MFONT_GROUP.ZHU_FONT.SIZE, 1541);
    EXPECT_EQ(out.RICH_FONT_GROUP, box.RICH_FONT_GROUP);
}

TEST(BoxParaTest, RichFontsFollowTheLayoutFonts)
{
    TBoxPara box = SampleBox();
    FontPairToRichFonts(box.MFONT_GROUP, box.RICH_FONT_GROUP);
    EXPECT_EQ(box.RICH_FONT_GROUP.TEXT_FONT_H.face, u"宋体"_s);
    EXPECT_EQ(box.RICH_FONT_GROUP.TEXT_FONT_H.size, 23);  // MulDiv(30, 72, 96)
    EXPECT_EQ(box.RICH_FONT_GROUP.ZHU_FONT_H.face, u"黑体"_s);
}

TEST(AttachedFontsTest, SyncAppendsAlwaysAndOverwritesOnlyWhenTold)
{
    for (const bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite ? "overwrite" : "keep");
        TAttachFontGroup fonts;
        fonts.ATTACH_TEXT_FONT.Append(std::make_unique<TFontStyle>(Font(u"甲"_s, 3000, u"a"_s)));
        fonts.ATTACH_TEXT_FONT.Append(std::make_unique<TFontStyle>(Font(u"乙"_s, 6000, u"b"_s)));
        fonts.ATTACH_ZHU_FONT.Append(std::make_unique<TFontStyle>(Font(u"丙"_s, 1500, u"c"_s)));
        TAttachRichFontGroup rich;
        rich.ATTACH_TEXT_FONT_H.AddNew()->face = u"old"_s;
        for (int i = 0; i < 3; ++i)
            rich.ATTACH_ZHU_FONT_H.AddNew()->face = u"beyond"_s;

        SyncAttachedRichFonts(rich, fonts, overwrite);

        ASSERT_EQ(rich.ATTACH_TEXT_FONT_H.Size(), 2);
        EXPECT_EQ(rich.ATTACH_TEXT_FONT_H[0].face, overwrite ? u"甲"_s : u"old"_s);
        EXPECT_EQ(rich.ATTACH_TEXT_FONT_H[1].face, u"乙"_s);  // appended either way
        EXPECT_EQ(rich.ATTACH_TEXT_FONT_H[1].size, 45);
        ASSERT_EQ(rich.ATTACH_ZHU_FONT_H.Size(), 3);  // entries beyond the fonts stay
        EXPECT_EQ(rich.ATTACH_ZHU_FONT_H[0].face, overwrite ? u"丙"_s : u"beyond"_s);
        EXPECT_EQ(rich.ATTACH_ZHU_FONT_H[2].face, u"beyond"_s);
    }
}

TEST(BoxBinaryTest, CurrentFormRoundTripsAndDerivesRichFontsWhenAsked)
{
    ScratchFiles files;
    TBoxPara box = SampleBox();
    const QByteArray bytes = files.WrittenBin([&](TBinFile& f) { return WriteBoxPara(f, box); });
    LeBytes head;
    head.I32(50000).I32(65000).I32(100).I32(100).I32(10).I32(21).I32(21).I32(100).I32(1).I32(0);
    EXPECT_EQ(Hex(bytes.left(40)), Hex(head.Data()));

    for (const bool autoRich : {false, true}) {
        SCOPED_TRACE(autoRich ? "auto rich fonts" : "stored rich fonts");
        QByteArray data = bytes;
        data[36] = char(autoRich);
        TBinFile in;
        files.OpenBin(in, data);
        TBoxPara read;
        EXPECT_TRUE(ReadBoxPara(in, read, 32));
        EXPECT_EQ(read.size, box.size);
        EXPECT_EQ(read.MFONT_GROUP, box.MFONT_GROUP);
        EXPECT_EQ(read.RICH_FONT_GROUP.TEXT_FONT_H.face, autoRich ? u"宋体"_s : u"楷体"_s);
        EXPECT_EQ(read.AUTO_RICH_FONT, autoRich);
    }
}

TEST(BoxBinaryTest, ZeroCountsAndShortDataReadWithoutFault)
{
    ScratchFiles files;
    LeBytes zero;
    zero.I32(50000).I32(65000).I32(100).I32(100).I32(0).I32(0).I32(0).I32(100);
    TBinFile in;
    files.OpenBin(in, zero.Data());
    TBoxSize size;
    EXPECT_TRUE(ReadBoxSize(size, in));
    EXPECT_EQ(size.pitch, 0);
    EXPECT_EQ(size.textCharSize, 0);

    TBinFile shortFile;
    files.OpenBin(shortFile, zero.Data().left(10));
    TBoxPara box;
    EXPECT_FALSE(ReadBoxPara(shortFile, box, 32));
    EXPECT_EQ(box.size.BOX_WIDTH, 50000);
}

TEST(BoxBinaryTest, LegacyTextBoxKeepsItsListsAsTheAttachedGroupAndHeadBoxDropsThem)
{
    ScratchFiles files;
    const TBoxPara box = SampleBox();
    TAttachFontGroup lists;
    lists.ATTACH_TEXT_FONT.Append(std::make_unique<TFontStyle>(Font(u"甲"_s, 3000, u"a"_s)));
    lists.ATTACH_ZHU_FONT.Append(std::make_unique<TFontStyle>(Font(u"乙"_s, 1500, u"b"_s)));
    const QByteArray legacy = LegacyBox(files, box, lists);

    {
        TBinFile in;
        files.OpenBin(in, legacy);
        TBoxPara text;
        TAttachFontGroup attached;
        EXPECT_TRUE(ReadBoxParaOld(text, in, 31, attached));
        EXPECT_EQ(text.MFONT_GROUP, box.MFONT_GROUP);
        EXPECT_EQ(text.RICH_FONT_GROUP, box.RICH_FONT_GROUP);
        ASSERT_EQ(attached.ATTACH_TEXT_FONT.Size(), 1);
        EXPECT_EQ(attached.ATTACH_TEXT_FONT[0].MARKSTRING, u"a"_s);
        EXPECT_EQ(attached.ATTACH_ZHU_FONT[0].NAME, u"乙"_s);
        int32_t next = 0;
        EXPECT_TRUE(in.ReadInt32(next));
        EXPECT_EQ(next, kSentinel);
    }
    {
        TBinFile in;
        files.OpenBin(in, legacy);
        TBoxPara head;
        EXPECT_TRUE(ReadBoxPara(in, head, 31));
        EXPECT_EQ(head.MFONT_GROUP, box.MFONT_GROUP);
        EXPECT_EQ(head.RICH_FONT_GROUP, box.RICH_FONT_GROUP);
        int32_t next = 0;
        EXPECT_TRUE(in.ReadInt32(next));
        EXPECT_EQ(next, kSentinel);
    }
}

TEST(BoxTextTest, WritesTheBlocksInOrder)
{
    ScratchFiles files;
    TBoxPara box = SampleBox();
    const QStringList lines = files.WrittenLines([&](TTextFile& f) { BoxParaToText(f, box); });
    const QStringList head = {u"<BOX_SIZE>"_s,     u"BOX_WIDTH=50000,"_s,   u"BOX_HEIGHT=65000,"_s,
                              u"TOP_SPACE=100,"_s, u"BOTTOM_SPACE=100,"_s,  u"LINES=10,"_s,
                              u"TEXT_PER_LINE=21,"_s, u"ZHU_PER_LINE=21,"_s, u"SPLIT_LINE_WIDTH=100,"_s,
                              u"</BOX_SIZE>"_s,    u"<MFONT_GROUP>"_s,      u"<TEXT_FONT>"_s};
    EXPECT_EQ(lines.mid(0, head.size()), head);
    const QStringList tail = {u"<BOX_PARA>"_s, u"DOUBLE_LINE_ZHU=TRUE,"_s, u"AUTO_RICH_FONT=FALSE,"_s,
                              u"</BOX_PARA>"_s};
    EXPECT_EQ(lines.mid(lines.size() - tail.size()), tail);
    EXPECT_TRUE(lines.contains(u"<RICH_FONT_GROUP>"_s));
    EXPECT_TRUE(lines.contains(u"</ZHU_FONT_H>"_s));
}

TEST(BoxTextTest, ReaderIsLenient)
{
    struct Case {
        const char* name;
        QString text;
        int32_t version;
        std::function<void(const TBoxPara&)> check;
    };
    const Case cases[] = {
        {"zero columns", u"<BOX_SIZE>LINES=0,TEXT_PER_LINE=x,</BOX_SIZE>"_s, 32,
         [](const TBoxPara& b) {
             EXPECT_EQ(b.size.LINES, 0);
             EXPECT_EQ(b.size.pitch, 0);
             EXPECT_EQ(b.size.textCharSize, 0);
             EXPECT_EQ(b.size.BOX_WIDTH, 50000);
         }},
        {"lower-case true", u"<BOX_PARA>DOUBLE_LINE_ZHU=true,AUTO_RICH_FONT=TRUE,</BOX_PARA>"_s, 32,
         [](const TBoxPara& b) {
             EXPECT_FALSE(b.DOUBLE_LINE_ZHU);
             EXPECT_TRUE(b.AUTO_RICH_FONT);
         }},
        {"no blocks derives anyway", u"nothing"_s, 32,
         [](const TBoxPara& b) {
             EXPECT_EQ(b.size.pitch, 4910);
             EXPECT_EQ(b.MFONT_GROUP.TEXT_FONT.NAME, u"宋体"_s);
         }},
        {"fonts and rich fonts",
         u"<MFONT_GROUP><ZHU_FONT>NAME=楷体,</ZHU_FONT></MFONT_GROUP>"
         u"<RICH_FONT_GROUP><TEXT_FONT_H>SIZE=30,</TEXT_FONT_H></RICH_FONT_GROUP>"_s,
         32,
         [](const TBoxPara& b) {
             EXPECT_EQ(b.MFONT_GROUP.ZHU_FONT.NAME, u"楷体"_s);
             EXPECT_EQ(b.MFONT_GROUP.TEXT_FONT.NAME, u"宋体"_s);
             EXPECT_EQ(b.RICH_FONT_GROUP.TEXT_FONT_H.size, 30);
             EXPECT_EQ(b.RICH_FONT_GROUP.TEXT_FONT_H.face, u"楷体"_s);  // not derived here
         }},
        {"version 24 reads nothing", u"<BOX_SIZE>LINES=3,</BOX_SIZE><BOX_PARA>DOUBLE_LINE_ZHU=FALSE,</BOX_PARA>"_s, 24,
         [](const TBoxPara& b) {
             EXPECT_EQ(b.size.LINES, 10);
             EXPECT_TRUE(b.DOUBLE_LINE_ZHU);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBoxPara box = SampleBox();
        box.size.pitch = -1;
        BoxParaFromText(c.version, c.text, box);
        c.check(box);
    }
}

TEST(BoxTextTest, AttachedGroupsReadOnlyTheBlocksThatAreThere)
{
    TAttachFontGroup group;
    group.ATTACH_TEXT_FONT.Append(std::make_unique<TFontStyle>(Font(u"old"_s, 1)));
    group.ATTACH_ZHU_FONT.Append(std::make_unique<TFontStyle>(Font(u"kept"_s, 1)));
    FontStyleListPairFromText(
        u"<ATTACH_TEXT_FONT><FONT0>NAME=甲,</FONT><FONT1>NAME=乙,</FONT></ATTACH_TEXT_FONT>", 32, group);
    ASSERT_EQ(group.ATTACH_TEXT_FONT.Size(), 2);
    EXPECT_EQ(group.ATTACH_TEXT_FONT[1].NAME, u"乙"_s);
    EXPECT_EQ(group.ATTACH_TEXT_FONT[1].index, 1);
    ASSERT_EQ(group.ATTACH_ZHU_FONT.Size(), 1);
    EXPECT_EQ(group.ATTACH_ZHU_FONT[0].NAME, u"kept"_s);

    TAttachRichFontGroup rich;
    RichFontListPairFromText(u"<ATTACH_ZHU_FONT_H><FONT_H0>FACE_NAME=丙,</TFONT_H></ATTACH_ZHU_FONT_H>", 32, rich);
    EXPECT_TRUE(rich.ATTACH_TEXT_FONT_H.IsEmpty());
    ASSERT_EQ(rich.ATTACH_ZHU_FONT_H.Size(), 1);
    EXPECT_EQ(rich.ATTACH_ZHU_FONT_H[0].face, u"丙"_s);
}

}  // namespace
