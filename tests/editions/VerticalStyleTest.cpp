#include <gtest/gtest.h>

#include "editions/vertical/SideBox.h"
#include "foundation/params/Box.h"
#include "foundation/params/CirclePara.h"
#include "foundation/params/StyleBinary.h"
#include "foundation/params/Technique.h"
#include "support/ScratchFiles.h"
#include "tests/editions/VerticalFixture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kSentinel = 0x5A5A5A5A;

// A vertical style whose stored fields differ from the defaults.
TStyle SampleStyle()
{
    TStyle s;
    s.NAME = u"正文"_s;
    s.SHOW_STAMP = true;
    s.BACK_COLOR = Rgb(0xF0, 0xE0, 0xC0);
    s.GROUND_IMAGE = true;
    s.GROUND = {4, u"宣紙"_s};
    s.NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_PAGE;
    s.TEXT_BOX.size.BOX_WIDTH = 40000;
    s.HEAD_BOX.size.BOX_WIDTH = 40000;
    s.HEAD_BOX.size.BOX_HEIGHT = 3000;
    s.SIDE_BOX.BOX_WIDTH = 5000;
    s.SIDE_BOX.BOX_HEIGHT = 7000;
    s.SIDE_BOX.BOX_TITLE_POS = 9000;
    s.SIDE_BOX.BOX_PAGE_POS = 50000;
    s.SIDE_BOX.PAGE_FONT.TEXT_FONT.NAME = u"楷体"_s;
    s.BIAO_DIAN = {TBiaoDianType::JUDOU, false, Rgb(0xFF, 0, 0), false};
    TTechnique* t = s.TECH_ARRAY.AddNew();
    t->MARK = u"框"_s;
    t->index = 0;
    TFontStyle* attached = s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.AddNew();
    attached->MARKSTRING = u"7"_s;
    attached->index = 0;
    SyncStyleFonts(s);
    UpdateStylePitch(s);
    return s;
}

class VerticalStyleTest : public VerticalTest {
protected:
    QByteArray Written(const TStyle& style)
    {
        return files_.WrittenBin([&](TBinFile& f) { return WriteStyle(style, f) + f.WriteInt32(kSentinel); });
    }
    QByteArray Bytes(const std::function<int32_t(TBinFile&)>& write) { return files_.WrittenBin(write); }
    // One style of the version, then the sentinel.
    TStyle ReadOne(const QByteArray& bytes, int32_t version, TStyle style = TStyle())
    {
        TBinFile in;
        files_.OpenBin(in, bytes);
        EXPECT_TRUE(ReadStyle(in, style, version, {}));
        int32_t next = 0;
        EXPECT_TRUE(in.ReadInt32(next));
        EXPECT_EQ(next, kSentinel);
        return style;
    }
    // The form of an older version: no attached lists apart from the text
    // box, each font pair with two empty legacy lists, the punctuation's
    // flag 16-bit; BOX_HEIGHT from 30, the new-volume rule from 31.
    QByteArray OldForm(const TStyle& s, int32_t version)
    {
        LeBytes none;
        none.I32(0).I32(0);
        const QByteArray empty = none.Data();
        const auto pair = [&](const TFontPair& p) {
            return Bytes([&](TBinFile& f) { return WriteFontPair(f, p); }) + empty;
        };
        const auto box = [&](const TBoxPara& b) {
            LeBytes flags;
            flags.I32(b.DOUBLE_LINE_ZHU).I32(b.AUTO_RICH_FONT);
            return Bytes([&](TBinFile& f) { return WriteBoxSize(f, b.size); }) + flags.Data() + pair(b.MFONT_GROUP) +
                   Bytes([&](TBinFile& f) { return WriteRichFontPair(f, b.RICH_FONT_GROUP); }) + empty;
        };
        LeBytes frame;
        frame.WStr(s.NAME).I32(s.kind).I32(0x04000000).I32(int32_t(s.BACK_COLOR)).U16(s.GROUND_IMAGE);
        frame.WStr(s.GROUND.name).I32(s.GROUND.folderKind);
        if (version >= 31)
            frame.I32(s.NEW_VOLUME_PAGE_TYPE);
        LeBytes side;
        side.I32(s.SIDE_BOX.BOX_WIDTH);
        if (version >= 30)
            side.I32(s.SIDE_BOX.BOX_HEIGHT);
        side.I32(s.SIDE_BOX.BOX_TITLE_POS).I32(s.SIDE_BOX.BOX_PAGE_POS);
        LeBytes tail;
        tail.I32(0).I32(0);  // no techniques, no circles
        if (version >= 29)
            tail.I32(int32_t(s.BIAO_DIAN.BIAODIAN_TYPE)).U16(s.BIAO_DIAN.USE_TEXT_COLOR).I32(0);
        tail.I32(kSentinel);
        return frame.Data() + box(s.TEXT_BOX) + box(s.HEAD_BOX) + side.Data() + pair(s.SIDE_BOX.TITLE_FONT) +
               pair(s.SIDE_BOX.PAGE_FONT) + tail.Data();
    }
    ScratchFiles files_;
};

TEST_F(VerticalStyleTest, DefaultsOfANewStyle)
{
    const TStyle s;
    EXPECT_EQ(s.kind, StyleKind::VERTICAL);
    EXPECT_EQ(s.TEXT_BOX.size.textCharSize, 1673);
    EXPECT_EQ(s.TEXT_BOX.size.noteCharSize, 1479);
    EXPECT_EQ(s.TEXT_BOX.size.pitch, 280);
    EXPECT_EQ(s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH, 2800);
    EXPECT_EQ(s.TEXT_BOX.MFONT_GROUP.ZHU_FONT.WORD_WIDTH, 2620);
    EXPECT_EQ(s.HEAD_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH, 280);
    EXPECT_EQ(s.HEAD_BOX.size.pitch, 280);
    EXPECT_EQ(s.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::ZHINENG);
    EXPECT_EQ(s.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_SINGLAR_PAGE);
    EXPECT_EQ(s.OUT_BORDER + s.IN_BORDER + s.SPACE, 0);
    EXPECT_EQ(s.SIDE_BOX.BOX_HEIGHT, 0);  // set by no default: 0, never garbage
    EXPECT_EQ(s.SIDE_BOX.TITLE_FONT.TEXT_FONT.WORD_WIDTH, 4000);
    EXPECT_EQ(s.SIDE_BOX.PAGE_FONT.TEXT_FONT.SIZE, 1300);
    EXPECT_EQ(s.SIDE_BOX.PAGE_FONT.ZHU_FONT, TFontStyle());
}

TEST_F(VerticalStyleTest, PageSizeIsTheBoxesSideBySideBelowTheHeadBox)
{
    struct Case {
        int32_t sideWidth, headHeight, width, height;
    } cases[] = {{4000, 0, 46000, 64000}, {6000, 0, 48000, 64000}, {4000, 3000, 46000, 67000}};
    for (const Case& c : cases) {
        TStyle s;
        s.SIDE_BOX.BOX_WIDTH = c.sideWidth;
        s.HEAD_BOX.size.BOX_HEIGHT = c.headHeight;
        ComputeStylePageSize(s, {});
        EXPECT_EQ(s.pageWidth, c.width);
        EXPECT_EQ(s.pageHeight, c.height);
    }
}

TEST_F(VerticalStyleTest, ScalingKeepsTheStoredPageSizeAndTheNewVolumeRule)
{
    TStyle s = SampleStyle();
    s.pageWidth = 1001;  // not the boxes' sum: the scaled copy must not recompute it
    s.QUAN_DIAN_ARRAY.AddNew();
    TStyle half;
    ScaleStyle(s, half, 0.5);
    EXPECT_EQ(half.pageWidth, 500);
    EXPECT_EQ(half.pageHeight, s.pageHeight / 2);
    EXPECT_EQ(half.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(half.SIDE_BOX.BOX_WIDTH, 2500);
    EXPECT_EQ(half.SIDE_BOX.BOX_PAGE_POS, 25000);
    EXPECT_EQ(half.SIDE_BOX.TITLE_FONT.TEXT_FONT.SIZE, 650);
    EXPECT_EQ(half.TEXT_BOX.size.BOX_WIDTH, 20000);
    EXPECT_EQ(half.QUAN_DIAN_ARRAY.Size(), 0);
}

TEST_F(VerticalStyleTest, BinaryFormStartsWithTheFrameAndRoundTrips)
{
    const TStyle s = SampleStyle();
    const QByteArray bytes = Written(s);
    LeBytes frame;
    frame.WStr(u"正文"_s).I32(1).I32(0x04000000).I32(int32_t(Rgb(0xF0, 0xE0, 0xC0))).U16(1).WStr(u"宣紙"_s).I32(4).I32(0);
    EXPECT_EQ(Hex(bytes.left(frame.Data().size())), Hex(frame.Data()));
    EXPECT_EQ(Hex(bytes.mid(bytes.indexOf(QByteArray("\x00\x00\x00\x04", 4)), 4)), "00 00 00 04");

    const TStyle back = ReadOne(bytes, 32);
    EXPECT_EQ(back.NAME, s.NAME);
    EXPECT_EQ(back.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(back.SIDE_BOX, s.SIDE_BOX);
    EXPECT_EQ(back.BIAO_DIAN, s.BIAO_DIAN);
    EXPECT_EQ(back.TECH_ARRAY.Size(), 1);
    EXPECT_EQ(back.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.Size(), 1);
    EXPECT_EQ(back.pageWidth, 45000);
    EXPECT_EQ(back.pageHeight, 67000);
    EXPECT_EQ(back.TEXT_BOX, s.TEXT_BOX);
    EXPECT_EQ(Hex(Written(back)), Hex(bytes));
}

TEST_F(VerticalStyleTest, VersionGatesOfTheBinaryForm)
{
    TStyle s = SampleStyle();
    s.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.Clear();
    struct Case {
        int32_t version;
        int32_t newVolume;   // expected
        int32_t sideHeight;  // expected
        TBiaoDianType mode;  // expected
    } cases[] = {
        {29, TNewVolumePageType::NEXT_SINGLAR_PAGE, 0, TBiaoDianType::JUDOU},
        {30, TNewVolumePageType::NEXT_SINGLAR_PAGE, 7000, TBiaoDianType::JUDOU},
        {31, TNewVolumePageType::NEXT_PAGE, 7000, TBiaoDianType::JUDOU},
        {28, TNewVolumePageType::NEXT_SINGLAR_PAGE, 0, TBiaoDianType::ZHINENG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const TStyle back = ReadOne(OldForm(s, c.version), c.version);
        EXPECT_EQ(back.NAME, s.NAME);
        EXPECT_EQ(back.NEW_VOLUME_PAGE_TYPE, c.newVolume);
        EXPECT_EQ(back.SIDE_BOX.BOX_HEIGHT, c.sideHeight);
        EXPECT_EQ(back.SIDE_BOX.BOX_PAGE_POS, 50000);
        EXPECT_EQ(back.BIAO_DIAN.BIAODIAN_TYPE, c.mode);
    }
}

TEST_F(VerticalStyleTest, Version27ReadsNothing)
{
    TStyle kept;
    kept.NAME = u"舊"_s;
    TBinFile in;
    files_.OpenBin(in, Written(SampleStyle()));
    EXPECT_TRUE(ReadStyle(in, kept, 27, {}));
    EXPECT_EQ(kept.NAME, u"舊"_s);
    int32_t first = 0;
    EXPECT_TRUE(in.ReadInt32(first));  // still at the start
    EXPECT_NE(first, kSentinel);
}

TEST_F(VerticalStyleTest, SideBoxText)
{
    TSideBox box = SampleStyle().SIDE_BOX;
    const QStringList lines = files_.WrittenLines([&](TTextFile& f) { SideBoxToText(f, box); });
    EXPECT_EQ(lines.mid(0, 6), QStringList({u"<BOX_PARA>"_s, u"BOX_WIDTH=5000,"_s, u"BOX_HEIGHT=7000,"_s,
                                            u"BOX_TITLE_POS=9000,"_s, u"BOX_PAGE_POS=50000,"_s, u"</BOX_PARA>"_s}));
    EXPECT_EQ(lines[6], u"<TITLE_MFONT_GROUP>"_s);
    TSideBox back;
    SideBoxFromText(lines.join(QString()), back, 32);
    EXPECT_EQ(back, box);
    // Unknown keys and items without "=" are skipped; missing ones keep their value.
    TSideBox partial;
    SideBoxFromText(u"<BOX_PARA>BOX_WIDTH=6000,WIDTH=1,=5,BOX_TITLE_POS</BOX_PARA>"_s, partial, 32);
    EXPECT_EQ(partial.BOX_WIDTH, 6000);
    EXPECT_EQ(partial.BOX_TITLE_POS, 8000);
}

}  // namespace
