#pragma once
// The renderer of RenderFixture with small fonts of round sizes on the
// scaled text box and a recording Dc: main text 2000 high (a 20-pixel
// cell), notes 1000 high and 500 wide (10 pixels), columns 3000 wide from
// (10000, 10000), full punctuation, no batch (glyphs are drawn at once).
#include <ostream>
#include <vector>

#include "RenderFixture.h"
#include "platform/RecordingDc.h"

struct Out {
    QString text;
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Out&) const = default;
};

inline void PrintTo(const Out& out, std::ostream* os)
{
    *os << out.text.toStdString() << "@(" << out.x << "," << out.y << ")";
}

class GlyphFixture : public RenderFixture {
protected:
    static constexpr int32_t kX = 10000;
    static constexpr int32_t kY = 10000;
    static constexpr int32_t kPitch = 3000;
    static constexpr ColorRef kTextColour = Rgb(10, 20, 30);

    void SetUp() override
    {
        RenderFixture::SetUp();
        Layout();
        TFontPair& fonts = view.ScaledStyle.TEXT_BOX.MFONT_GROUP;
        SetFont(fonts.TEXT_FONT, 2000, 0);
        SetFont(fonts.ZHU_FONT, 1000, 1000);
        view.UseBox(view.ScaledStyle.TEXT_BOX);
        view.TextTop = 0;
        SetMode(TBiaoDianType::PUTONG);
    }

    static void SetFont(TFontStyle& font, int32_t size, int32_t width)
    {
        font.SIZE = size;
        font.WIDTH = width;
        font.WORD_HEIGHT = size;
        font.ALIGN = FontAlign::MID;
        font.TYPE = FontType::NORMAL;
        font.COLOR = kTextColour;
        font.NAME = "face";
    }

    void SetMode(TBiaoDianType mode)
    {
        style->BIAO_DIAN.BIAODIAN_TYPE = mode;
        view.ScaledStyle.BIAO_DIAN.BIAODIAN_TYPE = mode;
    }

    TFontStyle& TextFont() { return view.ScaledStyle.TEXT_BOX.MFONT_GROUP.TEXT_FONT; }

    // A main-text segment as the interpreter starts it.
    void BeginMainText()
    {
        view.CurFont = TextFont();
        view.CornerRadius = view.CurFont.WORD_HEIGHT / 3;
        dc.SelectFont(PageRenderer::MakeFontFromStyle(view.CurFont, dc));
        view.HalfKind = HalfKinds::Main;
    }

    std::vector<Out> Texts() const
    {
        std::vector<Out> out;
        for (const DcCall& call : dc.CallsOf(DcCall::TextOut))
            out.push_back({call.text, call.args[0], call.args[1]});
        return out;
    }

    RecordingDc dc;
};
