#include <gtest/gtest.h>

#include "editions/horizontal/HorizontalBoxSize.h"
#include "editions/horizontal/PageBar.h"
#include "foundation/params/StyleBinary.h"
#include "support/ScratchFiles.h"
#include "tests/editions/HorizontalFixture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kSentinel = 0x5A5A5A5A;

// A horizontal style whose stored fields differ from the defaults.
TStyle SampleStyle()
{
    TStyle s;
    s.NAME = u"橫排"_s;
    s.NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_PAGE;
    TBoxSize& box = s.TEXT_BOX.size;
    box.LEFT_SPACE = 1200;
    box.RIGHT_SPACE = 800;
    box.WORD_LINES = 25;
    box.ZHU_LINES = 27;
    TPageBar& bar = s.PAGE_BAR;
    bar.HEAD_HEIGHT = 3000;
    bar.FOOT_HEIGHT = 2500;
    bar.SHOW_HEAD_LINE = false;
    bar.SHOW_FOOT_LINE = true;
    bar.TITLE_POS_TYPE = TBarPosType::TYPE_FOOT_SIDE;
    bar.PAGE_POS_TYPE = TBarPosType::TYPE_HEAD_MID;
    bar.PAGE_FONT.TEXT_FONT.NAME = u"楷体"_s;
    s.BIAO_DIAN = {TBiaoDianType::PUTONG, false, Rgb(0xFF, 0, 0), false};
    UpdateStylePitch(s);
    ComputeStylePageSize(s, {});
    return s;
}

class HorizontalStyleTest : public HorizontalTest {
protected:
    QByteArray Bytes(const std::function<int32_t(TBinFile&)>& write) { return files_.WrittenBin(write); }
    TStyle ReadOne(const QByteArray& bytes, int32_t version)
    {
        TStyle style;
        TBinFile in;
        files_.OpenBin(in, bytes);
        EXPECT_TRUE(ReadStyle(in, style, version, {}));
        int32_t next = 0;
        EXPECT_TRUE(in.ReadInt32(next));
        EXPECT_EQ(next, kSentinel);
        return style;
    }
    // A style as a file of an older version holds it, built by hand: no
    // attached lists apart from the text box, each pair with two empty
    // legacy lists; the line counts and the page bar from 30 (two side
    // boxes of the old form before), the new-volume rule from 31.
    QByteArray OldForm(const TStyle& s, int32_t version)
    {
        LeBytes none;
        none.I32(0).I32(0);
        const QByteArray empty = none.Data();
        const auto pair = [&](const TFontPair& p) {
            return Bytes([&](TBinFile& f) { return WriteFontPair(f, p); }) + empty;
        };
        LeBytes frame;
        frame.WStr(s.NAME).I32(s.kind).I32(0x04000000).I32(int32_t(s.BACK_COLOR)).U16(s.GROUND_IMAGE);
        frame.WStr(s.GROUND.name).I32(s.GROUND.folderKind);
        if (version >= 31)
            frame.I32(s.NEW_VOLUME_PAGE_TYPE);
        const TBoxSize& b = s.TEXT_BOX.size;
        LeBytes grid;
        grid.I32(b.BOX_WIDTH).I32(b.BOX_HEIGHT).I32(b.LEFT_SPACE).I32(b.RIGHT_SPACE);
        if (version >= 30)
            grid.I32(b.WORD_LINES).I32(b.ZHU_LINES);
        grid.I32(b.LINES).I32(b.TEXT_PER_LINE).I32(b.ZHU_PER_LINE).I32(b.SPLIT_LINE_WIDTH);
        grid.I32(s.TEXT_BOX.DOUBLE_LINE_ZHU).I32(s.TEXT_BOX.AUTO_RICH_FONT);
        const QByteArray box = grid.Data() + pair(s.TEXT_BOX.MFONT_GROUP) +
                               Bytes([&](TBinFile& f) { return WriteRichFontPair(f, s.TEXT_BOX.RICH_FONT_GROUP); }) +
                               empty;
        QByteArray between;
        if (version >= 30) {
            const TPageBar& bar = s.PAGE_BAR;
            LeBytes ints;
            ints.I32(bar.HEAD_HEIGHT).I32(bar.FOOT_HEIGHT).I32(bar.SHOW_HEAD_LINE).I32(bar.SHOW_FOOT_LINE);
            ints.I32(bar.TITLE_POS_TYPE).I32(bar.PAGE_POS_TYPE);
            between = ints.Data() + pair(bar.TITLE_FONT) + pair(bar.PAGE_FONT);
        } else {
            for (int i = 0; i < 2; ++i) {  // the old side boxes: width, title and page positions
                LeBytes side;
                side.I32(7777).I32(8888).I32(9999);
                between += side.Data() + pair(TFontPair()) + pair(TFontPair());
            }
        }
        LeBytes tail;
        tail.I32(0).I32(0);  // no techniques, no circles
        tail.I32(int32_t(s.BIAO_DIAN.BIAODIAN_TYPE)).U16(s.BIAO_DIAN.USE_TEXT_COLOR).I32(0);
        tail.I32(kSentinel);
        return frame.Data() + box + between + tail.Data();
    }
    ScratchFiles files_;
};

TEST_F(HorizontalStyleTest, DefaultsOfANewStyle)
{
    const TStyle s;
    EXPECT_EQ(s.kind, StyleKind::HORIZONTAL);
    const TBoxSize& box = s.TEXT_BOX.size;
    EXPECT_EQ(box.textCharSize, 1720);  // (52000 - 200 - 200) / 30
    EXPECT_EQ(box.noteCharSize, 1612);  // 51600 / 32
    EXPECT_EQ(box.pitch, 493);          // 74000 / 150
    EXPECT_EQ(box.WORD_LINES, 28);
    EXPECT_EQ(box.ZHU_LINES, 30);
    EXPECT_EQ(s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT, 2650);
    EXPECT_EQ(s.TEXT_BOX.MFONT_GROUP.ZHU_FONT.WORD_WIDTH, 1612);
    EXPECT_EQ(s.PAGE_BAR.TITLE_FONT.TEXT_FONT.WORD_HEIGHT, 4000);
    EXPECT_EQ(s.PAGE_BAR.PAGE_FONT.TEXT_FONT.WORD_WIDTH, 2000);
    EXPECT_EQ(s.PAGE_BAR.PAGE_FONT.ZHU_FONT, TFontStyle());
    EXPECT_EQ(s.PAGE_BAR.TITLE_POS_TYPE, TBarPosType::TYPE_HEAD_MID);
    EXPECT_EQ(s.PAGE_BAR.PAGE_POS_TYPE, TBarPosType::TYPE_HEAD_SIDE);
    EXPECT_EQ(s.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::ZHINENG);
    EXPECT_EQ(s.HEAD_BOX.size.BOX_HEIGHT, 0);
}

TEST_F(HorizontalStyleTest, PageSizeIsTheTextBoxBetweenTheBands)
{
    struct Case {
        int32_t head, foot, height;
    } cases[] = {{4000, 0, 78000}, {4000, 3000, 81000}, {0, 0, 74000}};
    for (const Case& c : cases) {
        TStyle s;
        s.PAGE_BAR.HEAD_HEIGHT = c.head;
        s.PAGE_BAR.FOOT_HEIGHT = c.foot;
        ComputeStylePageSize(s, {});
        EXPECT_EQ(s.pageWidth, 52000);
        EXPECT_EQ(s.pageHeight, c.height);
    }
}

// Counts of 0 (a damaged file, a dialog) divide to 0.
TEST_F(HorizontalStyleTest, ZeroCountsDeriveZero)
{
    TBoxSize size = TStyle().TEXT_BOX.size;
    size.TEXT_PER_LINE = size.ZHU_PER_LINE = size.LINES = 0;
    DeriveBoxSize(size);
    EXPECT_EQ(size.textCharSize, 0);
    EXPECT_EQ(size.noteCharSize, 0);
    EXPECT_EQ(size.pitch, 0);
}

TEST_F(HorizontalStyleTest, BoxSizeEqualsIgnoresTheDerivedValues)
{
    const TBoxSize a = TStyle().TEXT_BOX.size;
    TBoxSize b = a;
    b.pitch = 1;
    b.textCharSize = 2;
    EXPECT_TRUE(BoxSizeEquals(a, b));
    b.ZHU_LINES = 31;
    EXPECT_FALSE(BoxSizeEquals(a, b));
}

TEST_F(HorizontalStyleTest, ScalingByTwo)
{
    const TStyle s = SampleStyle();
    TStyle twice;
    ScaleStyle(s, twice, 2.0);
    EXPECT_EQ(twice.PAGE_BAR.HEAD_HEIGHT, 6000);
    EXPECT_EQ(twice.PAGE_BAR.FOOT_HEIGHT, 5000);
    EXPECT_FALSE(twice.PAGE_BAR.SHOW_HEAD_LINE);
    EXPECT_EQ(twice.PAGE_BAR.TITLE_POS_TYPE, TBarPosType::TYPE_FOOT_SIDE);
    EXPECT_EQ(twice.PAGE_BAR.PAGE_POS_TYPE, TBarPosType::TYPE_HEAD_MID);
    EXPECT_EQ(twice.PAGE_BAR.TITLE_FONT.TEXT_FONT.WORD_HEIGHT, 8000);
    EXPECT_EQ(twice.TEXT_BOX.size.LEFT_SPACE, 2400);
    EXPECT_EQ(twice.TEXT_BOX.size.WORD_LINES, 25);  // counts are kept
    EXPECT_EQ(twice.TEXT_BOX.size.TEXT_PER_LINE, 30);
    EXPECT_EQ(twice.TEXT_BOX.size.textCharSize, (104000 - 2400 - 1600) / 30);
    EXPECT_EQ(twice.pageHeight, 2 * s.pageHeight);
}

TEST_F(HorizontalStyleTest, BinaryFormRoundTrips)
{
    const TStyle s = SampleStyle();
    const QByteArray bytes = files_.WrittenBin([&](TBinFile& f) { return WriteStyle(s, f) + f.WriteInt32(kSentinel); });
    const TStyle back = ReadOne(bytes, 32);
    EXPECT_EQ(back.TEXT_BOX, s.TEXT_BOX);
    EXPECT_EQ(back.PAGE_BAR, s.PAGE_BAR);
    EXPECT_EQ(back.NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(back.BIAO_DIAN, s.BIAO_DIAN);
    EXPECT_EQ(back.pageHeight, 74000 + 3000 + 2500);
    EXPECT_EQ(Hex(files_.WrittenBin([&](TBinFile& f) { return WriteStyle(back, f) + f.WriteInt32(kSentinel); })),
              Hex(bytes));
}

TEST_F(HorizontalStyleTest, VersionGatesOfTheBinaryForm)
{
    const TStyle s = SampleStyle();
    const TStyle defaults;
    struct Case {
        int32_t version;
        bool pageBar;    // and the line counts
        bool newVolume;  // read
    } cases[] = {{28, false, false}, {29, false, false}, {30, true, false}, {31, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const TStyle back = ReadOne(OldForm(s, c.version), c.version);
        EXPECT_EQ(back.NAME, s.NAME);
        EXPECT_EQ(back.TEXT_BOX.size.LEFT_SPACE, 1200);
        EXPECT_EQ(back.TEXT_BOX.size.WORD_LINES, c.pageBar ? 25 : 28);
        EXPECT_EQ(back.PAGE_BAR, c.pageBar ? s.PAGE_BAR : defaults.PAGE_BAR);
        EXPECT_EQ(back.NEW_VOLUME_PAGE_TYPE, c.newVolume ? TNewVolumePageType::NEXT_PAGE
                                                         : TNewVolumePageType::NEXT_SINGLAR_PAGE);
        // Read from its place after the skipped side boxes, at every version.
        EXPECT_EQ(back.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::PUTONG);
    }
    TStyle untouched;
    TBinFile in;
    files_.OpenBin(in, OldForm(s, 27));
    EXPECT_TRUE(ReadStyle(in, untouched, 27, {}));
    EXPECT_EQ(untouched.NAME, QString());
}

}  // namespace
