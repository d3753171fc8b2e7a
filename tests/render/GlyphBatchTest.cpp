#include <gtest/gtest.h>

#include "GlyphFixture.h"
#include "render/batches/HitHighlight.h"

namespace {

using Batches = GlyphFixture;

// n body glyphs one pixel apart down the page, named by their order.
TGlyphBatch Column(int32_t n)
{
    TGlyphBatch batch;
    for (int32_t i = n - 1; i >= 0; --i)
        batch.body.push_back({QString::number(i), 10, i});
    return batch;
}

std::vector<QString> DrawnTexts(const RecordingDc& dc)
{
    std::vector<QString> texts;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut))
        texts.push_back(call.text);
    return texts;
}

TEST_F(Batches, ScreenDrawsBottomFirst)
{
    TGlyphBatch batch = Column(60);
    batch.notes = {{"n1", 5, 10}, {"n2", 6, 30}, {"n3", 5, 30}};
    view.CurrentBatch = &batch;
    view.DrawGlyphLists(dc);
    const std::vector<QString> texts = DrawnTexts(dc);
    ASSERT_EQ(texts.size(), 63u);
    for (int32_t i = 0; i < 60; ++i)
        EXPECT_EQ(texts[size_t(i)], QString::number(59 - i));
    // Notes: y then x descending, drawn first to last.
    EXPECT_EQ(std::vector<QString>(texts.begin() + 60, texts.end()), (std::vector<QString>{"n2", "n3", "n1"}));
    const std::vector<DcCall> calls = dc.CallsOf(DcCall::TextOut);
    EXPECT_EQ(calls.front().state.font.height, -20);
    EXPECT_EQ(calls.back().state.font.height, -10);
    EXPECT_EQ(calls.front().state.textColor, kTextColour);
}

TEST_F(Batches, PrinterDrawsAFixedRandomHalfFirst)
{
    RecordingDc printer(true);
    TGlyphBatch batch = Column(51);
    view.CurrentBatch = &batch;
    view.DrawGlyphLists(printer);
    const std::vector<QString> texts = DrawnTexts(printer);
    ASSERT_EQ(texts.size(), 51u);
    // Microsoft's rand from seed 100 gives 365, 1216, 5415, …: indices 15, 40, 39
    // of the shrinking list.
    EXPECT_EQ(texts[0], "15");
    EXPECT_EQ(texts[1], "41");
    EXPECT_EQ(texts[2], "40");
    // After 25 picks the rest, bottom first.
    for (size_t i = 26; i < texts.size(); ++i)
        EXPECT_GT(texts[i - 1].toInt(), texts[i].toInt()) << i;

    // 50 glyphs or fewer: no random pass.
    RecordingDc small(true);
    TGlyphBatch fifty = Column(50);
    view.CurrentBatch = &fifty;
    view.DrawGlyphLists(small);
    EXPECT_EQ(DrawnTexts(small).front(), "49");
}

TEST(HitFlags, UnionOfOverlappingHits)
{
    EXPECT_EQ(HitFlagsOf({1, 2}, u"甲乙丙"), (std::vector<int32_t>{0, 1, 1, 1, 1}));
    EXPECT_EQ(HitFlagsOf({3}, u"<TZ圖>"), (std::vector<int32_t>{0, 0, 0, 1}));
    EXPECT_TRUE(HitFlagsOf({1, 2}, u"").empty());
}

TEST_F(Batches, CentreColumnTextsTakeNoFlags)
{
    view.CurFontPair = &view.ScaledStyle.MID_UP_FONT;
    SetFont(view.ScaledStyle.MID_UP_FONT.TEXT_FONT, 2000, 0);
    view.HitFlags = {1, 1};
    view.LineKind = LineKinds::CentreTop;
    view.DrawStyledString(dc, kX, kPitch, u"版心", kX, kY);
    EXPECT_TRUE(dc.CallsOf(DcCall::Rectangle).empty());
    EXPECT_EQ(view.HitIndex, 0);
}

TEST_F(Batches, OnlyPlainTextWaitsForTheBatch)
{
    TGlyphBatch batch;
    view.CurrentBatch = &batch;
    view.DrawStyledString(dc, kX + kPitch / 2, kPitch, u"甲<ZW>注<-ZW><ZJ2-3>乙<-ZJ><TS反>丙<-TS>", kX, kY);
    EXPECT_EQ(batch.body, (std::vector<TGlyph>{{"甲", 105, 100}}));
    EXPECT_EQ(batch.notes, (std::vector<TGlyph>{{"注", 110, 120}}));
    EXPECT_EQ(Texts(), (std::vector<Out>{{"乙", 105, 130}, {"丙", 105, 150}}));
}

TEST_F(Batches, ReversedFormatsStayWhiteInEveryColumn)
{
    TTechnique* format = view.ScaledStyle.TECH_ARRAY.AddNew();
    format->MARK = "反";
    format->COLOR = Rgb(0, 0, 128);
    TGlyphBatch batch;
    view.CurrentBatch = &batch;
    // A run over three columns: begins, goes on, ends.
    const char16_t* columns[] = {u"<TS反>甲<+TS>", u"<TS+反>乙<+TS>", u"<TS+反>丙<-TS>"};
    for (const char16_t* column : columns)
        view.DrawTextLines(dc, kX + kPitch / 2, kPitch, QString::fromUtf16(column), kX, kY);
    EXPECT_TRUE(batch.body.empty());
    const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    for (const DcCall& call : texts)
        EXPECT_EQ(call.state.textColor, Rgb(255, 255, 255)) << call.text.toStdString();
}

}  // namespace
