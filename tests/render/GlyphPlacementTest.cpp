#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "GlyphFixture.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/text/TagUtils.h"
#include "render/glyphs/GlyphText.h"

namespace {

using Placement = GlyphFixture;

constexpr int32_t kMainX = 105;
constexpr int32_t kPlain = 32;

TEST(GlyphText, BalanceBookTitleMarks)
{
    struct Case {
        QString text;
        QString balanced;
    };
    const Case cases[] = {
        {u"書名︾字"_qs, u"︽書名︾字"_qs},
        {u"字︽書名"_qs, u"字︽書名︾"_qs},
        {u"︿篇﹀︽書"_qs, u"︿篇﹀︽書︾"_qs},
        {u"名﹀書︾"_qs, u"︽︿名﹀書︾"_qs},
        {u"︽書︾"_qs, u"︽書︾"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BalanceBookTitleMarks(c.text), c.balanced) << c.text.toStdString();
    EXPECT_EQ(KeepGlyphTagsOnly(u"甲<R><TZ圖>乙<-P>丙<"), u"甲<TZ圖>乙丙<");
}

// One walk gives the elements the indexed look-up gives one by one.
TEST(GlyphText, SplitGlyphsMatchesTheIndexedWalk)
{
    const QString texts[] = {u""_qs, u"甲<TZ圖>乙"_qs, u"𠀀a<TZ>丙"_qs, u"甲<TZ未完"_qs, u"<TZ一><TZ二>丙<"_qs};
    for (const QString& text : texts) {
        const std::vector<QString> glyphs = SplitGlyphs(text);
        EXPECT_EQ(int32_t(glyphs.size()), CountDisplayChars(text)) << text.toStdString();
        for (size_t i = 0; i <= glyphs.size(); ++i)
            EXPECT_EQ(i < glyphs.size() ? glyphs[i] : QString(), CharAtSkippingGlyphTags(int32_t(i), text))
                << text.toStdString() << " " << i;
    }
}

TEST_F(Placement, HalfCellsOfTheHalfHeightMode)
{
    SetMode(TBiaoDianType::ZHINENG);
    struct Case {
        const char* first;
        const char* second;  // a following run; empty: none
        int32_t end;         // where the last run ends
    };
    const Case cases[] = {
        {"甲乙", "", 14000},
        {"甲，乙", "", 15000},   // the comma takes half a cell
        {"。乙", "", 14000},     // a full stop before a character: a whole cell
        {"。，", "", 12000},     // before a mark: half a cell, and the comma half
        {"甲乙", "，乙", 17000},
        {"甲。", "，乙", 16000}, // a run ending in 。 lifts the next run's opening mark
        {"甲。", "乙丙", 18000}, // but not an ordinary character
    };
    for (const Case& c : cases) {
        BeginMainText();
        view.DeferPunctLift = false;
        QPoint end = view.PlaceGlyphs(dc, QString::fromUtf8(c.first), kPlain, 2000, kPitch, 2000, kX, kY);
        if (*c.second)
            end = view.PlaceGlyphs(dc, QString::fromUtf8(c.second), kPlain, 2000, kPitch, 2000, end.x(), end.y());
        EXPECT_EQ(end.y(), c.end) << c.first << c.second;
    }
}

// Dashes the vertical-form table lacks are drawn upright, one cell each, as
// the stored text counts them.
TEST_F(Placement, DashesStandUprightInTheColumn)
{
    BeginMainText();
    view.PlaceGlyphs(dc, u"明——長〔注〕", kPlain, 2000, kPitch, 2000, kX, kY);
    EXPECT_EQ(Texts(), (std::vector<Out>{{"明", kMainX, 100},
                                         {"︱", kMainX, 120},
                                         {"︱", kMainX, 140},
                                         {"長", kMainX, 160},
                                         {"︹", 107, 180},  // toward 注, by its ink
                                         {"注", kMainX, 200},
                                         {"︺", 103, 220}}));
}

TEST_F(Placement, BookTitleContinuedFromThePreviousColumn)
{
    // The stored column is 書 名 ︾ 字 and the hit is 字 (its fourth character).
    BeginMainText();
    view.HitFlags = {0, 0, 0, 1};
    view.PlaceGlyphs(dc, u"書名︾字", kPlain, 2000, kPitch, 2000, kX, kY);
    std::vector<Out> glyphs;
    std::vector<QString> highlighted;
    QString last;
    for (const DcCall& call : dc.Calls()) {
        if (call.kind == DcCall::TextOut && call.text != u"︴")
            glyphs.push_back({call.text, call.args[0], call.args[1]});
        if (call.kind == DcCall::TextOut)
            last = call.text;
        if (call.kind == DcCall::Rectangle)
            highlighted.push_back(last);
    }
    EXPECT_EQ(glyphs, (std::vector<Out>{{"書", kMainX, 100}, {"名", kMainX, 120}, {"字", kMainX, 140}}));
    // The highlight comes right before 字 (after 名 and its side line).
    EXPECT_EQ(highlighted, std::vector<QString>{u"︴"_qs});
    const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
    ASSERT_EQ(texts.size(), 5u);  // 書, ︴, 名, ︴, 字
    // The wavy line: 宋体 one tenth taller than the cell, its ink (here its
    // 22-pixel cell) ending a pixel left of the character's and centred on
    // the character's cell.
    EXPECT_EQ((Out{texts[1].text, texts[1].args[0], texts[1].args[1]}), (Out{"︴", kMainX - 1 - 22, 99}));
    EXPECT_EQ(texts[1].state.font.height, -22);
    EXPECT_FALSE(view.InsideBookTitle);
    EXPECT_EQ(view.HitIndex, 4);

    // A title left open: the appended ︾ takes back its count.
    view.HitIndex = 0;
    view.HitFlags = {0, 0, 0};
    view.PlaceGlyphs(dc, u"字︽書", kPlain, 2000, kPitch, 2000, kX, kY);
    EXPECT_EQ(view.HitIndex, 3);
}

TEST_F(Placement, DroppedMarksKeepTheHighlightInStep)
{
    SetMode(TBiaoDianType::NO);
    view.HitFlags = {0, 0, 1};  // 甲 ， 乙: the hit is 乙
    view.DrawTextLines(dc, kX + kPitch / 2, kPitch, u"甲，乙", kX, kY);
    const std::vector<DcCall> rects = dc.CallsOf(DcCall::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    // Over 乙's cell: (x, y, x + 20 - 1, y + 20 - 1), drawn before it.
    EXPECT_EQ(rects[0].args, (std::vector<int32_t>{kMainX, 120, kMainX + 19, 139}));
    EXPECT_EQ(rects[0].state.brush.color, Rgb(255, 192, 192));
    EXPECT_EQ(dc.Calls().back().text, u"乙");
}

TEST_F(Placement, PictureGlyphs)
{
    QTemporaryDir project;
    g_ProjectFolder = project.path();
    BeginMainText();
    view.PlaceGlyphs(dc, u"<TZ無此圖>甲", kPlain, 2000, kPitch, 2000, kX, kY);
    EXPECT_EQ(Texts(), (std::vector<Out>{{"甲", kMainX, 120}}));
    EXPECT_TRUE(dc.CallsOf(DcCall::StretchBlt).empty());
    // An empty glyph tag keeps its cell and draws nothing.
    dc.ClearCalls();
    view.PlaceGlyphs(dc, u"<TZ>甲", kPlain, 2000, kPitch, 2000, kX, kY);
    EXPECT_EQ(Texts(), (std::vector<Out>{{"甲", kMainX, 120}}));
    EXPECT_TRUE(dc.CallsOf(DcCall::StretchBlt).empty());
    g_ProjectFolder.clear();
}

TEST_F(Placement, HanaMinBForPlaneTwoBelowTheCompatibilityBlock)
{
    TGlyphBatch batch;
    view.CurrentBatch = &batch;
    TextFont().NAME = "HanaMinA";
    BeginMainText();
    view.PlaceGlyphs(dc, u"𠀀字丽", kPlain, 2000, kPitch, 2000, kX, kY);  // U+20000, U+5B57, U+2F800
    const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, u"𠀀");
    EXPECT_EQ(texts[0].state.font.face, u"HanaMinB");
    EXPECT_EQ(dc.State().font.face, u"HanaMinA");
    EXPECT_EQ(batch.body.size(), 2u);
}

TEST_F(Placement, EmphasisMarks)
{
    TQuanDian* one = view.ScaledStyle.QUAN_DIAN_ARRAY.AddNew();
    one->QD_MARK = "一";
    SetQdCharFont(*one->marks.AddNew(), 800);
    one->marks[0].QD_CHAR = u'○';
    TQuanDian* two = view.ScaledStyle.QUAN_DIAN_ARRAY.AddNew();
    two->QD_MARK = "二";
    for (int32_t i : {0, 1}) {
        TQdChar* mark = two->marks.AddNew();
        SetQdCharFont(*mark, 600);
        mark->QD_CHAR = u'、';
        mark->X_MOVE = 100 * (i + 1);
        mark->Y_MOVE = -100;
    }
    struct Case {
        const char* text;
        std::vector<Out> glyphs;
    };
    const Case cases[] = {
        // One mark: ((x + w - 800) / 100, (y + (2000 - 800) / 2) / 100) per character, none for a mark.
        {"<QD一>甲乙<-QD>", {{"甲", kMainX, 100}, {"○", 122, 106}, {"乙", kMainX, 120}, {"○", 122, 126}}},
        {"<QD一>、<-QD>", {{"、", 109, 100}}},  // a mark gets no emphasis mark
        // Two: above and below the cell's middle, right-aligned.
        {"<QD二>甲<-QD>", {{"甲", kMainX, 100}, {"、", 125, 103}, {"、", 126, 109}}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        BeginMainText();
        view.DrawFontRun(dc, QString::fromUtf8(c.text), kPlain, kPitch, kX, kY);
        EXPECT_EQ(Texts(), c.glyphs) << c.text;
    }
}

}  // namespace
