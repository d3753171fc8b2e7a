#include <gtest/gtest.h>

#include <string>

#include "GlyphFixture.h"

namespace {

using ShapeRuns = GlyphFixture;

constexpr ColorRef kFormatColour = Rgb(0, 0, 200);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

std::string Describe(const DcCall& call)
{
    static const char* const names[] = {"TextOut", "Line",    "Polyline",  "Rectangle", "RoundRect", "Ellipse",
                                        "Arc",     "Polygon", "ClipRect", "ClearClip", "StretchBlt"};
    std::string out = names[call.kind];
    // Appended piece by piece: "a" + std::string trips a false -Wrestrict in GCC 12.
    for (int32_t v : call.args)
        out.append(" ").append(std::to_string(v));
    for (const QPoint& p : call.points)
        out.append(" ").append(std::to_string(p.x())).append(",").append(std::to_string(p.y()));
    return out;
}

std::vector<std::string> ShapesOf(const RecordingDc& dc)
{
    std::vector<std::string> out;
    for (const DcCall& call : dc.Calls())
        if (call.kind != DcCall::TextOut)
            out.push_back(Describe(call));
    return out;
}

void AddFormat(TStyle& style, const QString& name, int32_t type, int32_t widthType)
{
    TTechnique* format = style.TECH_ARRAY.AddNew();
    format->MARK = name;
    format->TYPE = type;
    format->WIDTH_TYPE = widthType;
    format->COLOR = kFormatColour;
}

// "甲乙" from (10000, 10000) in a 3000-wide column: the box spans x 10500 to
// 12500 (the 2000-wide characters centred), y 10000 to 13999, corners 666.
TEST_F(ShapeRuns, SpecialFormatPiecesByKindAndType)
{
    AddFormat(view.ScaledStyle, "反", TechniqueType::TYPE_FANBAI, TechniqueWidthType::WIDTH_TYPE_BY_SIZE);
    AddFormat(view.ScaledStyle, "框", TechniqueType::TYPE_KUANG, TechniqueWidthType::WIDTH_TYPE_BY_SIZE);
    struct Case {
        int32_t kind;
        const char* format;
        std::vector<std::string> shapes;
    };
    const Case cases[] = {
        {0, "反", {"Rectangle 105 100 125 139"}},
        {0, "框", {"Line 105 100 105 139", "Line 125 100 125 139"}},
        {1, "反", {"RoundRect 105 100 125 113 6 6", "Rectangle 105 106 125 139"}},
        {1, "框", {"Polyline 105,139 105,103 108,100 121,100 125,103 125,139"}},
        {2, "反", {"RoundRect 105 126 125 139 6 6", "Rectangle 105 100 125 133"}},
        {2, "框", {"Polyline 125,100 125,136 121,139 108,139 105,136 105,100"}},
        {3, "反", {"RoundRect 105 100 125 139 6 6"}},
        {3, "框", {"Polyline 108,100 121,100 125,103 125,136 121,139 108,139 105,136 105,103 108,100"}},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        BeginMainText();
        const QPoint end = view.DrawBoxedRun(dc, u"甲乙", c.kind, QString::fromUtf8(c.format), kPitch, kX, kY);
        const std::string trace = std::to_string(c.kind) + c.format;
        EXPECT_EQ(ShapesOf(dc), c.shapes) << trace;
        EXPECT_EQ(end, QPoint(kX, kY + 4000)) << trace;
        const DcCall& shape = dc.Calls().front();
        EXPECT_EQ(shape.state.pen, (DcPen{1, kFormatColour})) << trace;
        const std::vector<DcCall> texts = dc.CallsOf(DcCall::TextOut);
        ASSERT_EQ(texts.size(), 2u) << trace;
        EXPECT_EQ(texts[0].state.textColor, c.format == std::string("反") ? kWhite : kTextColour) << trace;
    }
}

TEST_F(ShapeRuns, FullWidthFormatsAndMissingNames)
{
    AddFormat(view.ScaledStyle, "帶", TechniqueType::TYPE_FANBAI, TechniqueWidthType::WIDTH_TYPE_BY_WIDTH);
    AddFormat(view.ScaledStyle, "格", TechniqueType::TYPE_KUANG, TechniqueWidthType::WIDTH_TYPE_BY_WIDTH);
    struct Case {
        const char* format;
        std::vector<std::string> shapes;
        DcPen pen;  // of the first shape
        ColorRef text;
    };
    const Case cases[] = {
        // A band over the whole column, two cells long.
        {"帶", {"Rectangle 100 100 130 140"}, {1, kFormatColour}, kWhite},
        // Each cell framed, with the pen the Dc has by then (the format's is
        // put back before the text is drawn).
        {"格",
         {"Line 101 101 128 101", "Line 128 101 128 119", "Line 128 119 101 119", "Line 101 119 101 101",
          "Line 101 121 128 121", "Line 128 121 128 139", "Line 128 139 101 139", "Line 101 139 101 121"},
         DcPen(),
         kTextColour},
        // A name the style does not have: a one-pixel black band, white text.
        {"無", {"RoundRect 105 100 125 139 6 6"}, {1, 0}, kWhite},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        BeginMainText();
        view.DrawBoxedRun(dc, u"甲乙", 3, QString::fromUtf8(c.format), kPitch, kX, kY);
        EXPECT_EQ(ShapesOf(dc), c.shapes) << c.format;
        EXPECT_EQ(dc.Calls().front().state.pen, c.pen) << c.format;
        EXPECT_EQ(dc.CallsOf(DcCall::TextOut)[0].state.textColor, c.text) << c.format;
    }
}

TEST_F(ShapeRuns, CircledText)
{
    TCirclePara* outline = view.ScaledStyle.CIRCLE_ARRAY.AddNew();
    outline->MARK = "圈";
    outline->COLOR = kFormatColour;
    TCirclePara* disc = view.ScaledStyle.CIRCLE_ARRAY.AddNew();
    *disc = *outline;
    disc->MARK = "盤";
    disc->TYPE = CircleType::TYPE_FANBAI;
    struct Case {
        const char* text;
        const char* circle;
        int32_t width;
        std::vector<std::string> shapes;
        std::vector<Out> glyphs;
        int32_t fontHeight;
        ColorRef text_colour;
    };
    const Case cases[] = {
        // A circle 1800 across (2000 - 200), centred; one character at 3/4 size.
        {"甲", "圈", kPitch, {"Arc 106 101 123 118 106 101 123 118", "Arc 106 101 123 118 123 118 106 101"},
         {{"甲", 106, 102}}, -15, kTextColour},
        // Four characters: three drawn, each at 0.8 / 3 of that size.
        {"甲乙丙丁", "圈", kPitch, {"Arc 106 101 123 118 106 101 123 118", "Arc 106 101 123 118 123 118 106 101"},
         {{"甲", 106, 104}, {"乙", 106, 107}, {"丙", 106, 110}}, -4, kTextColour},
        // A narrow column bounds the circle: 1500 - 200.
        {"甲", "盤", 1500, {"Ellipse 101 103 113 116"}, {{"甲", 98, 102}}, -15, kWhite},
        // A name the style does not have: a black one-pixel outline.
        {"甲", "無", kPitch, {"Arc 106 101 123 118 106 101 123 118", "Arc 106 101 123 118 123 118 106 101"},
         {{"甲", 106, 102}}, -15, kTextColour},
    };
    for (const Case& c : cases) {
        dc.ClearCalls();
        BeginMainText();
        const QPoint end = view.DrawCircledText(dc, QString::fromUtf8(c.text), c.width, QString::fromUtf8(c.circle),
                                                kX, kY);
        EXPECT_EQ(end, QPoint(kX, kY + 2000)) << c.text << c.circle;
        EXPECT_EQ(ShapesOf(dc), c.shapes) << c.text << c.circle;
        EXPECT_EQ(Texts(), c.glyphs) << c.text << c.circle;
        const DcCall text = dc.CallsOf(DcCall::TextOut)[0];
        EXPECT_EQ(text.state.font.height, c.fontHeight) << c.text << c.circle;
        EXPECT_EQ(text.state.textColor, c.text_colour) << c.text << c.circle;
        EXPECT_EQ(dc.Calls()[0].state.pen.color, std::string(c.circle) == "無" ? ColorRef(0) : kFormatColour);
    }
}

TEST_F(ShapeRuns, CharactersBeyondACircleStillCountForTheHighlight)
{
    view.HitFlags = {0, 0, 0, 0, 1};  // the hit is 戊, after four circled characters
    view.DrawStyledString(dc, kX + kPitch / 2, kPitch, u"<YQ無>甲乙丙丁<-YQ>戊", kX, kY);
    const std::vector<DcCall> rects = dc.CallsOf(DcCall::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args[1], 120);
}

}  // namespace
