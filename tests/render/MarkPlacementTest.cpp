// Punctuation placed by its ink, drawn with the installed faces: in every
// punctuation mode no mark (nor a title's side line) covers a character.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "GlyphFixture.h"
#include "foundation/params/PunctuationMarks.h"
#include "platform/FontSubstitutions.h"
#include "platform/GdiFont.h"
#include "render/glyphs/MarkPlacement.h"
#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"

namespace {

// Stored columns as the typesetter leaves them (vertical forms), with the
// marks a reader meets: stops after characters, commas, pauses, question
// and exclamation marks, colons, quotations, book and chapter titles.
const QString kColumns[] = {
    u"銀。蒿，鱗、問？答！曰：曰；書"_qs,
    u"曰﹁書﹂又﹃引﹄︵注︶文︽書名︾︿篇﹀終"_qs,
    u"甲。﹁乙，丙。﹂丁、︽戊︾己"_qs,
};

const QString kFaces[] = {u"宋体"_qs, u"AR PL UMing TW"_qs, u"AR PL UKai TW"_qs, u"Noto Serif CJK TC"_qs,
                          u"Noto Sans CJK TC"_qs, u"HanaMinA"_qs};

const TBiaoDianType kModes[] = {TBiaoDianType::JUDOU, TBiaoDianType::JUDIAN, TBiaoDianType::PUTONG,
                                TBiaoDianType::ZHINENG};

bool IsMarkOrLine(const QString& text)
{
    return text == u"︴" || text == u"︳" || ReferenceInk(text).has_value() ||
           ReferenceInk(text, MarkFlow::Line).has_value();
}

struct Inked {
    QString text;
    WinRect box;
};

class MarksByInk : public GlyphFixture {
protected:
    void SetUp() override
    {
        GlyphFixture::SetUp();
        InstallFontSubstitutions();
        dc.UseInstalledFaces();
    }

    void UseFace(const QString& face, int32_t size, int32_t columnWidth)
    {
        TFontStyle& font = TextFont();
        SetFont(font, size, size);
        font.NAME = face;
        font.WORD_WIDTH = columnWidth;
        view.CurFontPair = &view.ScaledStyle.TEXT_BOX.MFONT_GROUP;
    }

    std::vector<Inked> Drawn()
    {
        std::vector<Inked> out;
        for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
            const GdiFont made = MakeGdiFont(call.state.font, true);
            const WinRect ink = InkBoxOf(made.font, QFontMetrics(made.font).ascent(), made.emboldenStroke, call.text);
            out.push_back({call.text, {call.args[0] + ink.left, call.args[1] + ink.top, call.args[0] + ink.right,
                                       call.args[1] + ink.bottom}});
        }
        return out;
    }
};

bool Overlap(const WinRect& a, const WinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string Describe(const Inked& d)
{
    return d.text.toStdString() + "[" + std::to_string(d.box.left) + "," + std::to_string(d.box.top) + "," +
           std::to_string(d.box.right) + "," + std::to_string(d.box.bottom) + "]";
}

// Each mark's ink against every character's; how many marks were drawn.
size_t ExpectNoMarkOverACharacter(const std::vector<Inked>& drawn, const std::string& where)
{
    size_t marks = 0;
    for (const Inked& mark : drawn) {
        if (!IsMarkOrLine(mark.text))
            continue;
        ++marks;
        for (const Inked& character : drawn) {
            if (!IsMarkOrLine(character.text)) {
                EXPECT_FALSE(Overlap(mark.box, character.box))
                    << where << ": " << Describe(mark) << " over " << Describe(character);
            }
        }
    }
    return marks;
}

TEST_F(MarksByInk, NoMarkCoversACharacterInAnyModeOrFace)
{
    // A column a fifth wider than the characters, as the default style has.
    constexpr int32_t kSizes[] = {2000, 6000};
    for (const QString& face : kFaces) {
        for (const int32_t size : kSizes) {
            for (const TBiaoDianType mode : kModes) {
                SetMode(mode);
                UseFace(face, size, size * 6 / 5);
                for (const QString& column : kColumns) {
                    dc.ClearCalls();
                    view.InsideBookTitle = view.InsideChapterTitle = false;
                    view.DrawTextLines(dc, kX + size * 3 / 5, size * 6 / 5, column, kX, kY);
                    const size_t marks = ExpectNoMarkOverACharacter(
                        Drawn(), face.toStdString() + " size " + std::to_string(size) + " mode " +
                                     std::to_string(int(mode)));
                    EXPECT_TRUE(marks > 0 || mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN)
                        << column.toStdString();
                }
            }
        }
    }
}

// In the full modes each mark stays in its own cell: the stop after 銀
// stands below 銀's cell, not on it.
TEST_F(MarksByInk, FullStopStaysInItsOwnCell)
{
    for (const QString& face : kFaces) {
        SetMode(TBiaoDianType::PUTONG);
        UseFace(face, 4000, 4800);
        dc.ClearCalls();
        view.DrawTextLines(dc, kX + 2400, 4800, u"銀。蒿"_qs, kX, kY);
        const std::vector<Inked> drawn = Drawn();
        ASSERT_EQ(drawn.size(), 3u);
        EXPECT_GE(drawn[1].box.top, (kY + 4000) / 100) << face.toStdString();
        EXPECT_LE(drawn[1].box.bottom, (kY + 8000) / 100) << face.toStdString();
        // Toward the right of the column, where the mode puts it.
        EXPECT_GT(drawn[1].box.left + drawn[1].box.right, 2 * (kX + 2400) / 100) << face.toStdString();
    }
}

TEST(MarkInk, MovedIntoItsRoomRightAndBottomFirst)
{
    EXPECT_EQ(MovedInto({5, -3, 15, 7}, {0, 0, 20, 20}), (WinRect{5, 0, 15, 10}));
    EXPECT_EQ(MovedInto({15, 15, 25, 25}, {0, 0, 20, 20}), (WinRect{10, 10, 20, 20}));
    // Too big: keeps its left and top edges in the room.
    EXPECT_EQ(MovedInto({-5, -5, 30, 30}, {0, 0, 20, 20}), (WinRect{0, 0, 35, 35}));
    EXPECT_FALSE(ReferenceInk(u"國").has_value());
    EXPECT_TRUE(ReferenceInk(u"︙").has_value());
}

// A Latin letter stands in the middle of its column like the characters.
TEST_F(MarksByInk, LatinLettersStandInTheMiddleOfTheColumn)
{
    SetMode(TBiaoDianType::NO);
    UseFace(u"AR PL UMing TW"_qs, 4000, 4800);
    view.DrawTextLines(dc, kX + 2400, 4800, u"國Ai"_qs, kX, kY);
    const std::vector<Inked> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 3u);
    const int32_t middle = 2 * (kX + 2400) / 100;
    for (const Inked& d : drawn)
        EXPECT_NEAR(d.box.left + d.box.right, middle, 4) << d.text.toStdString();
}

// Lines of the horizontal program: the horizontal forms of the marks,
// brackets and quotations lying on their sides.
const QString kLines[] = {
    u"銀。蒿，鱗、問？答！曰：曰；書"_qs,
    u"曰「書」又『引』（注）文《書名》〈篇〉終“引”‘單’【注】"_qs,
    u"甲。「乙，丙。」丁、《戊》己？」"_qs,
};

class HorizontalMarksByInk : public MarksByInk {
protected:
    void SetUp() override
    {
        previous_ = InstallEdition(&EditionFor(EditionKind::Horizontal));
        MarksByInk::SetUp();
        view.LineKind = LineKinds::CentreTop;  // drawn at once
    }
    void TearDown() override
    {
        MarksByInk::TearDown();
        InstallEdition(previous_);
    }
    // Characters of `size` set side by side at `advance`, lines half as
    // tall again as the characters (as the default style has them).
    void UseLineFace(const QString& face, int32_t size, int32_t advance)
    {
        TFontStyle& font = TextFont();
        SetFont(font, size, size);
        font.NAME = face;
        font.WORD_WIDTH = advance;
        font.WORD_HEIGHT = size * 3 / 2;
        view.CurFontPair = &view.ScaledStyle.TEXT_BOX.MFONT_GROUP;
    }
    std::vector<Inked> DrawLine(const QString& line, int32_t lineSize)
    {
        dc.ClearCalls();
        view.DrawTextLines(dc, kY + lineSize / 2, lineSize, line, kX, kY);
        return Drawn();
    }

private:
    const Edition* previous_ = nullptr;
};

TEST_F(HorizontalMarksByInk, NoMarkCoversACharacterInAnyModeOrFace)
{
    constexpr int32_t kSizes[] = {1800, 7200};  // 100 % and 400 % of the default
    for (const QString& face : kFaces) {
        for (const int32_t size : kSizes) {
            for (const int32_t advance : {size, size * 21 / 20}) {
                for (const TBiaoDianType mode : kModes) {
                    SetMode(mode);
                    UseLineFace(face, size, advance);
                    for (const QString& line : kLines) {
                        const size_t marks = ExpectNoMarkOverACharacter(
                            DrawLine(line, size * 3 / 2), face.toStdString() + " size " + std::to_string(size) +
                                                              " advance " + std::to_string(advance) + " mode " +
                                                              std::to_string(int(mode)) + " " + line.toStdString());
                        // The reading-mark modes keep only stops and pauses.
                        EXPECT_TRUE(marks > 0 || mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN)
                            << line.toStdString();
                    }
                }
            }
        }
    }
}

// Each mark stands in the cell its mode gives it: a whole cell in
// 標點(全高), the first half of one for pauses and brackets in 標點(部分半高),
// and in the foot of the character before in 句讀; a stop low in the line,
// a quotation mark high.
TEST_F(HorizontalMarksByInk, EachMarkInTheCellItsModeGivesIt)
{
    constexpr int32_t kSize = 4000;
    constexpr int32_t kLineSize = 6000;
    const struct {
        TBiaoDianType mode;
        QString line;
        int32_t cellLeft, cellRight;  // of the mark (glyph 1), in units; the next cell starts at the right
        bool low;
    } cases[] = {
        {TBiaoDianType::PUTONG, u"銀。蒿"_qs, kSize, 2 * kSize, true},
        {TBiaoDianType::PUTONG, u"銀，蒿"_qs, kSize, 2 * kSize, true},
        {TBiaoDianType::ZHINENG, u"銀，蒿"_qs, kSize, kSize * 3 / 2, true},
        {TBiaoDianType::ZHINENG, u"銀「蒿"_qs, kSize, kSize * 3 / 2, false},
        {TBiaoDianType::ZHINENG, u"銀“蒿"_qs, kSize, kSize * 3 / 2, false},
        {TBiaoDianType::JUDOU, u"銀。蒿"_qs, 0, kSize, true},
    };
    for (const QString& face : kFaces) {
        for (const auto& c : cases) {
            SetMode(c.mode);
            UseLineFace(face, kSize, kSize);
            const std::vector<Inked> drawn = DrawLine(c.line, kLineSize);
            ASSERT_EQ(drawn.size(), 3u);
            const Inked& mark = drawn[1];
            const std::string where = face.toStdString() + " " + c.line.toStdString() + " mode " +
                                      std::to_string(int(c.mode)) + " " + Describe(mark);
            EXPECT_GE(mark.box.left, (kX + c.cellLeft) / 100) << where;
            EXPECT_LE(mark.box.right, (kX + c.cellRight) / 100 + 1) << where;
            // The character after it in the next cell, not pushed on.
            EXPECT_GE(drawn[2].box.left, (kX + c.cellRight) / 100) << where;
            EXPECT_LT(drawn[2].box.left, (kX + c.cellRight + kSize / 2) / 100) << where;
            const int32_t middle = (kY + kLineSize / 2) / 100;
            if (c.low)
                EXPECT_GT(mark.box.top + mark.box.bottom, 2 * middle) << where;
            else
                EXPECT_LT(mark.box.top + mark.box.bottom, 2 * middle) << where;
        }
    }
}

}  // namespace
