#include <gtest/gtest.h>

#include <chrono>

#include "support/ScratchFiles.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/StyleBinary.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kSentinel = 0x5A5A5A5A;

uint32_t Ror6(int32_t v) { return (uint32_t(v) >> 6) | (uint32_t(v) << 26); }

// Writes the forms that files of older versions hold, field by field, for
// the fixtures of the legacy readers.
class LegacyWriter {
public:
    explicit LegacyWriter(int32_t version) : v_(version) {}
    const QByteArray& Data() const { return b_.Data(); }
    LeBytes& Bytes() { return b_; }

    LegacyWriter& FontStyle(const TFontStyle& s)
    {
        b_.WStr(s.NAME).I32(int32_t(s.COLOR)).I32(s.SIZE).I32(s.WIDTH).I32(s.WORD_HEIGHT);
        if (v_ >= 19)
            b_.I32(s.WORD_WIDTH);
        if (v_ >= 26)
            b_.I32(s.OUTLINE_WIDTH);
        b_.I32(s.TYPE).I32(s.ALIGN);
        if (s.ALIGN == FontAlign::MOVE)
            b_.I32(s.move);
        b_.U16(s.DOUBLE_LINE).I32(s.TEXT_TYPE);
        if (v_ >= 27)
            b_.WStr(s.MARKSTRING);
        else if (v_ >= 25)
            b_.I32(s.MARKSTRING.toInt());
        return *this;
    }
    LegacyWriter& FontStyles(const TFontStyleList& list)
    {
        b_.I32(list.Size());
        for (const TFontStyle& s : list)
            FontStyle(s);
        return *this;
    }
    LegacyWriter& RichFont(const TFontAndColor& f)
    {
        b_.U8(f.charset).WStr(f.face).I32(f.size).I32(f.style).I32(f.underline);
        if (v_ < 25)
            b_.U16(0).I32(0);
        b_.I32(int32_t(f.textColor)).I32(int32_t(f.backColor)).I32(f.SYS_BKCOLOR);
        return *this;
    }
    LegacyWriter& RichFonts(const TRichFontList& list)
    {
        b_.I32(list.Size());
        for (const TRichEditFont& f : list)
            RichFont(f);
        return *this;
    }
    LegacyWriter& Pair(const TFontPair& p, const TFontStyleList& legacy = {})
    {
        FontStyle(p.TEXT_FONT).FontStyle(p.ZHU_FONT);
        if (v_ < 32)
            FontStyles(legacy).FontStyles(legacy);
        return *this;
    }
    // A box; before 32 the text box's inner lists are the attached group.
    LegacyWriter& Box(const TBoxPara& box, const TAttachFontGroup& inner)
    {
        const TBoxSize& z = box.size;
        b_.I32(z.BOX_WIDTH).I32(z.BOX_HEIGHT).I32(z.TOP_SPACE).I32(z.BOTTOM_SPACE);
        b_.I32(z.LINES).I32(z.TEXT_PER_LINE).I32(z.ZHU_PER_LINE).I32(z.SPLIT_LINE_WIDTH);
        b_.I32(box.DOUBLE_LINE_ZHU).I32(box.AUTO_RICH_FONT);
        FontStyle(box.MFONT_GROUP.TEXT_FONT).FontStyle(box.MFONT_GROUP.ZHU_FONT);
        if (v_ < 32)
            FontStyles(inner.ATTACH_TEXT_FONT).FontStyles(inner.ATTACH_ZHU_FONT);
        RichFont(box.RICH_FONT_GROUP.TEXT_FONT_H).RichFont(box.RICH_FONT_GROUP.ZHU_FONT_H);
        if (v_ < 32)
            RichFonts({}).RichFonts({});
        return *this;
    }
    LegacyWriter& Style(const TStyle& s)
    {
        if (v_ < 25)
            return *this;
        b_.WStr(s.NAME).I32(s.kind).I32(Ror6(s.OUT_BORDER)).I32(Ror6(s.IN_BORDER)).I32(Ror6(s.SPACE));
        b_.U16(s.raisedHead).I32(Ror6(s.MID_WIDTH)).I32(Ror6(s.UP_FISH_TYPE)).I32(Ror6(s.DOWN_FISH_TYPE));
        b_.I32(Ror6(s.MID_LINE)).I32(Ror6(s.MID_UP_HEIGHT)).I32(Ror6(s.MID_MID_HEIGHT));
        if (v_ >= 26)
            b_.I32(Ror6(s.SHOW_MID_DOWN));
        if (v_ < 29)
            Punctuation(s.BIAO_DIAN);
        b_.I32(Ror6(s.SHOW_STAMP)).I32(int32_t(s.BORDER_COLOR)).I32(int32_t(s.BACK_COLOR)).U16(s.GROUND_IMAGE);
        b_.WStr(s.GROUND.name).I32(s.GROUND.folderKind);
        Box(s.TEXT_BOX, s.ATTACH_FONT_GROUP).Box(s.HEAD_BOX, {});
        Pair(s.MID_UP_FONT).Pair(s.MID_MID_FONT).Pair(s.MID_DOWN_FONT);
        if (v_ >= 28) {
            b_.I32(s.TECH_ARRAY.Size());
            for (const TTechnique& t : s.TECH_ARRAY)
                b_.I32(t.TYPE).I32(t.WIDTH_TYPE).I32(t.LINES_WIDTH).I32(int32_t(t.COLOR)).I32(t.spare).WStr(t.MARK);
            b_.I32(s.CIRCLE_ARRAY.Size());
            for (const TCirclePara& c : s.CIRCLE_ARRAY) {
                b_.I32(c.TYPE).I32(c.LINES_WIDTH).I32(int32_t(c.COLOR)).WStr(c.MARK).I32(c.USE_TEXT_FONT);
                FontStyle(c.font);
            }
        }
        if (v_ >= 29)
            Punctuation(s.BIAO_DIAN);
        return *this;
    }

private:
    // Before 32: mode, 16-bit flag, colour; no bold flag.
    void Punctuation(const TBiaoDianPara& p)
    {
        b_.I32(int32_t(p.BIAODIAN_TYPE)).U16(p.USE_TEXT_COLOR).I32(int32_t(p.BIAO_DIAN_COLOR));
    }

    int32_t v_;
    LeBytes b_;
};

// A style whose every stored field differs from the defaults.
TStyle SampleStyle()
{
    TStyle s;
    s.NAME = u"卷首"_s;
    s.OUT_BORDER = 600;
    s.IN_BORDER = 120;
    s.SPACE = 450;
    s.raisedHead = true;
    s.MID_WIDTH = 4200;
    s.UP_FISH_TYPE = 2;
    s.DOWN_FISH_TYPE = 3;
    s.MID_LINE = 500;
    s.MID_UP_HEIGHT = 11000;
    s.MID_MID_HEIGHT = 30000;
    s.SHOW_MID_DOWN = false;
    s.SHOW_STAMP = false;
    s.BORDER_COLOR = Rgb(0x80, 0, 0);
    s.BACK_COLOR = Rgb(0xF0, 0xE0, 0xC0);
    s.GROUND_IMAGE = true;
    s.GROUND = {4, u"宣紙"_s};
    s.BIAO_DIAN = {TBiaoDianType::JUDIAN, false, Rgb(0xFF, 0, 0), true};
    s.TEXT_BOX.size.LINES = 12;
    s.TEXT_BOX.AUTO_RICH_FONT = false;
    s.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face = u"楷体"_s;
    s.HEAD_BOX.size.BOX_HEIGHT = 3000;
    s.MID_MID_FONT.TEXT_FONT.NAME = u"黑体"_s;
    TTechnique* t = s.TECH_ARRAY.AddNew();
    t->TYPE = 1;
    t->MARK = u"框"_s;
    t->index = 0;
    TCirclePara* c = s.CIRCLE_ARRAY.AddNew();
    c->MARK = u"圈"_s;
    c->font.NAME = u"宋体"_s;
    c->index = 0;
    TQuanDian* q = s.QUAN_DIAN_ARRAY.AddNew();
    q->QD_MARK = u"點"_s;
    q->index = 0;
    q->marks.AddNew()->QD_CHAR = 0x25CB;
    TFontStyle* side = s.CE_PI_ARRAY.AddNew();
    side->MARKSTRING = u"批"_s;
    side->index = 0;
    TFontStyle* attached = s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    attached->MARKSTRING = u"7"_s;
    attached->NAME = u"楷体"_s;
    attached->index = 0;
    s.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.AddNew()->face = u"楷体"_s;
    UpdateStylePitch(s);
    return s;
}

class StyleBinaryTest : public ::testing::Test {
protected:
    QByteArray Written(const std::function<int32_t(TBinFile&)>& write) { return files_.WrittenBin(write); }
    // Reads one style of the version from the bytes and checks that what
    // follows it is the sentinel.
    TStyle ReadOne(const QByteArray& bytes, int32_t version, TDisplayMode display = {})
    {
        TBinFile in;
        files_.OpenBin(in, bytes);
        TStyle style;
        EXPECT_TRUE(ReadStyle(in, style, version, display));
        int32_t next = 0;
        EXPECT_TRUE(in.ReadInt32(next));
        EXPECT_EQ(next, kSentinel);
        return style;
    }
    ScratchFiles files_;
};

TEST_F(StyleBinaryTest, RotatedIntegers)
{
    struct Case {
        int32_t value;
        const char* bytes;
    };
    const Case cases[] = {
        {500, "07 00 00 d0"}, {4000, "3e 00 00 80"}, {1, "00 00 00 04"}, {-1, "ff ff ff ff"}, {-500, "f8 ff ff 33"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const QByteArray bytes = Written([&](TBinFile& f) { return WriteRotatedInt(f, c.value); });
        EXPECT_EQ(Hex(bytes), c.bytes);
        TBinFile in;
        files_.OpenBin(in, bytes);
        int32_t back = 0;
        EXPECT_TRUE(ReadRotatedInt(in, back));
        EXPECT_EQ(back, c.value);
    }
    // In a style the frame follows the name and the kind.
    const QByteArray style = Written([](TBinFile& f) { return WriteStyle(TStyle(), f); });
    EXPECT_EQ(Hex(style.mid(6, 8)), "07 00 00 d0 01 00 00 90");  // empty name, kind 0, OUT_BORDER, IN_BORDER
    EXPECT_EQ(Hex(style.mid(18, 6)), "00 00 3e 00 00 80");       // raised-head flag, MID_WIDTH
}

TEST_F(StyleBinaryTest, CurrentFormIsStableFromTheSecondGeneration)
{
    const TStyle sample = SampleStyle();
    const QByteArray first = Written([&](TBinFile& f) { return WriteStyle(sample, f) + f.WriteInt32(kSentinel); });
    const TStyle once = ReadOne(first, 32);
    const QByteArray second = Written([&](TBinFile& f) { return WriteStyle(once, f) + f.WriteInt32(kSentinel); });
    EXPECT_NE(Hex(first), Hex(second));  // the first read normalises
    const TStyle twice = ReadOne(second, 32);
    const QByteArray third = Written([&](TBinFile& f) { return WriteStyle(twice, f) + f.WriteInt32(kSentinel); });
    EXPECT_EQ(Hex(second), Hex(third));

    EXPECT_EQ(once.NAME, sample.NAME);
    EXPECT_TRUE(once.raisedHead);
    EXPECT_FALSE(once.SHOW_STAMP);
    EXPECT_EQ(once.GROUND.name, u"宣紙"_s);
    EXPECT_EQ(once.GROUND.folderKind, 4);
    EXPECT_EQ(once.BIAO_DIAN, sample.BIAO_DIAN);
    EXPECT_EQ(once.TECH_ARRAY[0].MARK, u"框"_s);
    EXPECT_EQ(once.CIRCLE_ARRAY[0].MARK, u"圈"_s);
    EXPECT_EQ(once.QUAN_DIAN_ARRAY[0].marks[0].QD_CHAR, 0x25CB);
    EXPECT_EQ(once.CE_PI_ARRAY[0].MARKSTRING, u"批"_s);
    EXPECT_EQ(once.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT[0].MARKSTRING, u"7"_s);
    EXPECT_EQ(once.MID_MID_FONT, sample.MID_MID_FONT);
    EXPECT_EQ(once.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, u"楷体"_s);  // not derived: AUTO_RICH_FONT off
    // Normalised on reading.
    EXPECT_EQ(once.TEXT_BOX.size.SPLIT_LINE_WIDTH, 120);
    EXPECT_EQ(once.TEXT_BOX.size.pitch, (50000 + 120) / 12 - 120);
    EXPECT_EQ(once.HEAD_BOX.size.BOX_WIDTH, 50000);
    EXPECT_EQ(once.HEAD_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, u"宋体"_s);
    EXPECT_EQ(once.pageWidth, 2 * (600 + 240 + 450 + 50000) + 4200);
    EXPECT_EQ(once.pageHeight, 3000 + 2 * (600 + 120 + 450) + 65000);
}

TEST_F(StyleBinaryTest, ReadingNormalisesTheRuleAndTheHeadBoxWidth)
{
    TStyle style = SampleStyle();
    style.TEXT_BOX.size.SPLIT_LINE_WIDTH = 7;
    style.HEAD_BOX.size.BOX_WIDTH = 1;
    style.TEXT_BOX.AUTO_RICH_FONT = true;
    const QByteArray bytes = Written([&](TBinFile& f) { return WriteStyle(style, f) + f.WriteInt32(kSentinel); });
    const TStyle read = ReadOne(bytes, 32, {false, false});
    EXPECT_EQ(read.TEXT_BOX.size.SPLIT_LINE_WIDTH, 120);
    EXPECT_EQ(read.HEAD_BOX.size.BOX_WIDTH, 50000);
    EXPECT_EQ(read.HEAD_BOX.size.pitch, 2500);
    EXPECT_EQ(read.TEXT_BOX.RICH_FONT_GROUP.TEXT_FONT_H.face, u"宋体"_s);  // derived anew
    EXPECT_EQ(read.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H[0].face, u"楷体"_s);
    EXPECT_EQ(read.pageWidth, 4200 / 2 + 600 + 240 + 450 + 50000);
}

TEST_F(StyleBinaryTest, ScaledCopyAtZoomOneWritesTheSameBytes)
{
    const TStyle sample = SampleStyle();
    TStyle copy;
    ScaleStyle(sample, copy, 1.0);
    EXPECT_EQ(Hex(Written([&](TBinFile& f) { return WriteStyle(copy, f); })),
              Hex(Written([&](TBinFile& f) { return WriteStyle(sample, f); })));
    EXPECT_EQ(copy.pageWidth, sample.pageWidth);
}

TEST_F(StyleBinaryTest, Version24HoldsNothing)
{
    LegacyWriter w(24);
    w.Bytes().I32(2);
    w.Style(SampleStyle()).Style(SampleStyle());
    w.Bytes().I32(kSentinel);
    TBinFile in;
    files_.OpenBin(in, w.Data());
    TStyleList list;
    list.AddNew()->NAME = u"old"_s;
    EXPECT_TRUE(ReadStyleList(in, 24, list, {false, false}));
    ASSERT_EQ(list.Size(), 1);  // the entries hold no data: one default stands for them
    EXPECT_EQ(list[0].NAME, QString());
    EXPECT_EQ(list[0].OUT_BORDER, 500);
    EXPECT_EQ(list[0].pageWidth, 53200);
    int32_t next = 0;
    EXPECT_TRUE(in.ReadInt32(next));
    EXPECT_EQ(next, kSentinel);
}

TEST_F(StyleBinaryTest, Version25HasInlinePunctuationAndNoLists)
{
    LegacyWriter w(25);
    const TStyle sample = SampleStyle();
    w.Style(sample).Bytes().I32(kSentinel);
    const TStyle read = ReadOne(w.Data(), 25);
    EXPECT_EQ(read.NAME, sample.NAME);
    EXPECT_EQ(read.MID_MID_HEIGHT, 30000);
    EXPECT_TRUE(read.SHOW_MID_DOWN);  // not stored before 26
    EXPECT_FALSE(read.SHOW_STAMP);
    EXPECT_EQ(read.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::JUDIAN);
    EXPECT_FALSE(read.BIAO_DIAN.USE_TEXT_COLOR);
    EXPECT_EQ(read.BIAO_DIAN.BIAO_DIAN_COLOR, Rgb(0xFF, 0, 0));
    EXPECT_FALSE(read.BIAO_DIAN.BOLD);
    EXPECT_TRUE(read.TECH_ARRAY.IsEmpty());
    ASSERT_EQ(read.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.Size(), 1);
    EXPECT_EQ(read.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT[0].MARKSTRING, u"7"_s);  // an int32 in 25
    EXPECT_EQ(read.GROUND.name, u"宣紙"_s);
}

TEST_F(StyleBinaryTest, Version28HasInlinePunctuationAndTheFirstLists)
{
    LegacyWriter w(28);
    w.Style(SampleStyle()).Bytes().I32(kSentinel);
    const TStyle read = ReadOne(w.Data(), 28);
    EXPECT_FALSE(read.SHOW_MID_DOWN);
    EXPECT_EQ(read.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::JUDIAN);
    ASSERT_EQ(read.TECH_ARRAY.Size(), 1);
    EXPECT_EQ(read.TECH_ARRAY[0].TYPE, 1);
    ASSERT_EQ(read.CIRCLE_ARRAY.Size(), 1);
    EXPECT_EQ(read.CIRCLE_ARRAY[0].MARK, u"圈"_s);
    EXPECT_TRUE(read.QUAN_DIAN_ARRAY.IsEmpty());
    EXPECT_TRUE(read.CE_PI_ARRAY.IsEmpty());
}

TEST_F(StyleBinaryTest, Version31TakesTheAttachedGroupFromTheTextBox)
{
    LegacyWriter w(31);
    w.Style(SampleStyle()).Bytes().I32(kSentinel);
    const TStyle read = ReadOne(w.Data(), 31);
    EXPECT_EQ(read.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::JUDIAN);
    EXPECT_EQ(read.BIAO_DIAN.BIAO_DIAN_COLOR, Rgb(0xFF, 0, 0));
    EXPECT_FALSE(read.BIAO_DIAN.BOLD);
    ASSERT_EQ(read.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.Size(), 1);
    EXPECT_EQ(read.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT[0].NAME, u"楷体"_s);
    ASSERT_EQ(read.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.Size(), 1);  // synced from it
    EXPECT_EQ(read.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H[0].face, u"楷体"_s);
    EXPECT_EQ(read.TECH_ARRAY.Size(), 1);
    EXPECT_TRUE(read.CE_PI_ARRAY.IsEmpty());
}

TEST_F(StyleBinaryTest, DamagedCountsStopAtTheEndOfTheData)
{
    const QByteArray one = Written([](TBinFile& f) {
        TStyleList list;
        list.AddNew()->NAME = u"只此"_s;
        return WriteStyleList(list, f);
    });
    QByteArray damaged = one;
    damaged.replace(0, 4, QByteArray("\xff\xff\xff\x7f", 4));
    damaged.append("\x01\x00", 2);

    const auto start = std::chrono::steady_clock::now();
    TBinFile in;
    files_.OpenBin(in, damaged);
    TStyleList list;
    EXPECT_FALSE(ReadStyleList(in, 32, list, {}));
    ASSERT_EQ(list.Size(), 1);
    EXPECT_EQ(list[0].NAME, u"只此"_s);

    for (const int32_t version : {27, 32}) {
        SCOPED_TRACE(version);
        TBinFile covers;
        files_.OpenBin(covers, QByteArray("\xff\xff\xff\x7f", 4));
        TCoverList read;
        ReadCoverParaList(covers, version, read);
        EXPECT_LE(read.Size(), 1);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(StyleBinaryTest, CoversAndSets)
{
    TParaSet set;
    GetCoverPara(set)->COVER_FONT.TEXT_FONT.NAME = u"封"_s;
    GetBackCoverPara(set);
    set.styles.AddNew()->NAME = u"para0"_s;
    const QByteArray bytes = Written([&](TBinFile& f) { return WriteParaSet(set, f); });
    const QByteArray cover = Written([&](TBinFile& f) { return WriteCoverPara(f, set.covers[0]); });
    EXPECT_EQ(Hex(bytes.mid(4, 22)), "46 00 65 00 6e 00 67 00 4d 00 69 00 61 00 6e 00 00 00 03 00 00 00");
    EXPECT_EQ(bytes.mid(4, cover.size()), cover);

    TBinFile in;
    files_.OpenBin(in, bytes);
    TParaSet read;
    EXPECT_TRUE(ReadParaSet(in, 32, read, {false, false}));
    ASSERT_EQ(read.covers.Size(), 2);
    EXPECT_EQ(read.covers[0].COVER_FONT.TEXT_FONT.NAME, u"封"_s);
    EXPECT_EQ(read.covers[1].NAME, kBackCoverName);
    EXPECT_EQ(read.covers[1].pageWidth, 53200);  // the largest style page
    ASSERT_EQ(read.styles.Size(), 1);

    // Before 28 covers are styles named "COVER" and "BACK".
    LegacyWriter w(27);
    TStyle legacyCover;
    legacyCover.NAME = u"COVER"_s;
    legacyCover.TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME = u"封面"_s;
    TStyle body;
    body.NAME = u"正文"_s;
    w.Bytes().I32(2);
    w.Style(legacyCover).Style(body);
    TBinFile old;
    files_.OpenBin(old, w.Data());
    TParaSet legacy;
    EXPECT_TRUE(ReadParaSet(old, 27, legacy, {}));
    ASSERT_EQ(legacy.styles.Size(), 1);
    EXPECT_EQ(legacy.styles[0].NAME, u"正文"_s);
    ASSERT_EQ(legacy.covers.Size(), 1);
    EXPECT_EQ(legacy.covers[0].NAME, kCoverName);
    EXPECT_EQ(legacy.covers[0].COVER_FONT.TEXT_FONT.NAME, u"封面"_s);
    EXPECT_EQ(legacy.covers[0].pageWidth, 106400);
}

TEST_F(StyleBinaryTest, ReadingAListReleasesThePointersIntoTheOldStyles)
{
    TStyleList list;
    PointCurrentListsAt(list.AddNew());
    TBinFile in;
    files_.OpenBin(in, QByteArray("\x00\x00\x00\x00", 4));
    EXPECT_TRUE(ReadStyleList(in, 32, list, {}));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(g_CurTechList, nullptr);
    EXPECT_EQ(g_CurAttachFonts, nullptr);
}

TEST_F(StyleBinaryTest, FourInOneSheet)
{
    TPara4in1 sheet;
    const QByteArray bytes = Written([&](TBinFile& f) { return WritePara4in1(sheet, f); });
    EXPECT_EQ(Hex(bytes.left(20)), "01 00 00 00 00 00 00 00 3e 00 00 80 7d 00 00 00 1a 06 00 80");
    const QByteArray fonts = Written([&](TBinFile& f) {
        return WriteFontPair(f, sheet.titleFont) + WriteFontPair(f, sheet.pageNumberFont);
    });
    EXPECT_EQ(bytes.mid(20), fonts);
}

}  // namespace
