// One glyph drawn at once or collected in the page's batch, and the side
// line of a title.
#include <algorithm>
#include <utility>

#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/glyphs/MarkPlacement.h"
#include "render/state/DrawingScope.h"
#include "typeset/markup/Spans.h"

namespace {

const QString kHanaMinA = QStringLiteral("HanaMinA");
const QString kHanaMinB = QStringLiteral("HanaMinB");
const QString kSongFace = QStringLiteral("宋体");
const QString kPictureRunName = QStringLiteral("B");
constexpr QStringView kWavyLine = u"︴";
constexpr QStringView kStraightLine = u"︳";

// HanaMinA holds the plane-2 characters below U+2F800 only in its second
// face, HanaMinB.
bool NeedsHanaMinB(const TFontStyle& font, QStringView glyph)
{
    if (font.NAME != kHanaMinA || glyph.size() != 2 || !glyph[0].isHighSurrogate())
        return false;
    const char16_t high = glyph[0].unicode();
    const char16_t low = glyph[1].unicode();
    return high < 0xD87E || (high == 0xD87E && low < 0xDC00);
}

// Only plain main text and plain notes wait for the batch; everything else
// (fitted or attached fonts, special formats in white or framed) is drawn at
// once in the colour its run set.
bool WaitsForBatch(const PageRenderer& view, int32_t kind)
{
    return view.LineKind == LineKinds::Body && kind == TTsSpan::Plain && view.RunFontName.isEmpty() &&
           view.RunFitParam.isEmpty() && view.CurrentBatch;
}

}  // namespace

void PageRenderer::DrawGlyph(Dc& dc, TGlyph glyph, int32_t kind)
{
    const DrawingScope scope(*this, dc, DrawingScope::RunName::Kept);
    if (NeedsHanaMinB(CurFont, glyph.text)) {
        const int32_t oldLeading = CurFont.internalLeading;
        CurFont.NAME = kHanaMinB;
        dc.SelectFont(MakeFontFromStyle(CurFont, dc));
        glyph.y += oldLeading - 2 * CurFont.internalLeading;
        RunFontName = kPictureRunName;  // drawn at once, in this face
    }
    const TBiaoDianType mode = PunctuationMode();
    if ((mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN) &&
        (glyph.text == u"。" || glyph.text == u"、")) {
        const TBiaoDianPara& marks = ScaledStyle.BIAO_DIAN;
        TFontStyle song = ReadingMarkFont(CurFont, marks);
        dc.SelectFont(MakeFontFromStyle(song, dc));
        if (!marks.USE_TEXT_COLOR)
            dc.SetTextColor(marks.BIAO_DIAN_COLOR);
        TextOutGlyph(dc, glyph);
        return;
    }
    if (!WaitsForBatch(*this, kind)) {
        TextOutGlyph(dc, glyph);
        return;
    }
    if (HalfKind == HalfKinds::Main)
        CurrentBatch->body.push_back(std::move(glyph));
    else
        CurrentBatch->notes.push_back(std::move(glyph));
}

// The line stands at the left of the character's cell, clear of its ink,
// and down the middle of the cell, wherever the face keeps the line in its
// em square.
void PageRenderer::DrawSideLine(Dc& dc, const TGlyph& glyph)
{
    const WinRect charInk = dc.GetInkBox(glyph.text);
    const int32_t clearLeft = charInk.IsEmpty() ? glyph.x : std::min(glyph.x, glyph.x + charInk.left);
    const DcFont font{int32_t(-CurFont.WORD_HEIGHT * 1.1 / 100), -(CurFont.WIDTH / 200), kFontWeightNormal, false,
                      kSongFace};
    const DcFont old = dc.SelectFont(font);
    const QStringView line = InsideBookTitle ? kWavyLine : kStraightLine;
    const WinRect ink = dc.GetInkBox(line);
    int32_t x = int32_t(glyph.x - CurFont.WIDTH * 0.1 / 100);
    int32_t y = glyph.y;
    if (!ink.IsEmpty()) {
        x = clearLeft - 1 - ink.right;
        y = glyph.y + CurFont.cellHeight / 2 - (ink.top + ink.bottom) / 2;
    }
    dc.TextOut(x, y, line);
    dc.SelectFont(old);
}
