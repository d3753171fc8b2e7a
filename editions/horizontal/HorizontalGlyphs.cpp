// The glyph engine turned by a quarter: runs walk along x, glyphs centred
// in their advance and aligned across the line, punctuation nudged into
// its half of the cell.
#include <string_view>
#include <vector>

#include "editions/horizontal/HorizontalDrawing.h"
#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "render/PageRenderer.h"
#include "render/glyphs/GlyphText.h"
#include "render/interpreter/DroppedMarks.h"
#include "typeset/TypesetEdition.h"

namespace {

// Marks drawn toward the start of their cell (opening) or its end
// (closing), by these parts of the character's width.
constexpr std::u16string_view kOpenings = u"《“‘「『｛［（【〖〔〘〚";
constexpr std::u16string_view kClosings = u"。，、？！：”’）》】";
constexpr double kOpeningShift = 0.4;
constexpr double kClosingShift = 0.1;

// Positions along the line in 64 bits, held to int32: a damaged file's
// sizes and pitches would overflow them.
int32_t Sum(int32_t at, int64_t step) { return SaturateToInt32(int64_t(at) + step); }

bool Holds(std::u16string_view set, QStringView glyph) { return glyph.size() == 1 && set.find(glyph[0].unicode()) != std::u16string_view::npos; }
bool IsMark(QStringView glyph) { return glyph.size() == 1 && IsPunctMark(glyph[0].unicode()); }
bool IsAscii(QStringView glyph) { return glyph.size() == 1 && glyph[0].unicode() < 0x7F; }
bool IsJuDouMode(TBiaoDianType mode) { return mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN; }
bool IsStopOrPause(QStringView glyph) { return glyph == u"。" || glyph == u"、"; }

int32_t PunctShift(const TFontStyle& font, QStringView glyph)
{
    if (Holds(kOpenings, glyph))
        return -int32_t(font.WORD_WIDTH * kOpeningShift);
    if (Holds(kClosings, glyph))
        return -int32_t(font.WORD_WIDTH * kClosingShift);
    return 0;
}

// In 句讀 and 句點 a stop or pause takes no cell: it is drawn at half size
// in the lower right quarter of the previous character's cell, whose glyph
// stood at (x, y), so that it neither leaves the line nor covers the next
// character.
void DrawIntoPreviousCell(PageRenderer& view, Dc& dc, const QString& glyph, int32_t kind, int32_t x, int32_t y)
{
    TFontStyle& font = view.CurFont;
    const TGlyph placed{glyph, Sum(x, int64_t(font.cellWidth) * 50) / 100, Sum(y, int64_t(font.cellHeight) * 50) / 100};
    if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
        view.DrawHitHighlight(dc, placed);
    const TFontStyle whole = font;
    font.SIZE /= 2;
    font.WIDTH /= 2;
    view.DrawGlyph(dc, placed, kind);
    font = whole;
}

}  // namespace

QPoint HorizontalDrawing::DrawFontRun(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t width,
                                      int32_t x, int32_t y) const
{
    return DrawFontRunAlong(view, dc, text, kind, width, x, y, true);
}

QPoint HorizontalDrawing::DrawDoubleLineNote(PageRenderer& view, Dc& dc, int32_t lineSize, int32_t centreY,
                                             QStringView text, int32_t x, int32_t y) const
{
    return DrawDoubleLineNoteAlong(view, dc, lineSize, centreY, text, x, y, true);
}

QPoint HorizontalDrawing::AlignInCell(const PageRenderer& view, int32_t lineSize, int32_t advance) const
{
    const TFontStyle& font = view.CurFont;
    return QPoint((advance - font.cellWidth * 100) / 2,
                  AlignAcross(font, view.HalfKind, lineSize - font.cellHeight * 100));
}

QPoint HorizontalDrawing::PlaceGlyphs(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t advance,
                                      int32_t lineSize, int32_t pitch, int32_t x, int32_t y) const
{
    if (text.isEmpty())
        return QPoint(x, y);
    const TFontStyle& font = view.CurFont;
    const TBiaoDianType mode = PageRenderer::PunctuationMode();
    const TypesetEdition& rules = CurrentTypesetEdition();
    const QPoint align = view.AlignInCell(lineSize, advance);
    // Split in one walk: taking the i-th glyph from the start each time
    // made a long line's drawing quadratic.
    const std::vector<QString> glyphs = SplitGlyphs(KeepGlyphTagsOnly(text));
    const size_t n = glyphs.size();
    for (size_t i = 0; i < n; ++i) {
        const QString& glyph = glyphs[i];
        if (IsDroppedMark(glyph)) {
            ++view.HitIndex;  // a mark the mode dropped still counts for the hits
            continue;
        }
        const bool picture = IsPictureGlyph(glyph);
        if (i == 0 && !picture && IsMark(glyph) && view.DeferPunctLift)
            x = Sum(x, -int64_t(view.LastPitch / 2));
        view.DeferPunctLift = false;
        view.LastPitch = 0;

        const bool intoPrevious = !picture && IsJuDouMode(mode) && IsStopOrPause(glyph);
        if (intoPrevious) {
            DrawIntoPreviousCell(view, dc, glyph, kind, Sum(x, int64_t(align.x()) - pitch), Sum(y, align.y()));
            continue;  // takes no room
        }
        const int32_t ox = picture ? 0 : PunctShift(font, glyph);
        const TGlyph placed{glyph, Sum(x, int64_t(ox) + align.x()) / 100, Sum(y, align.y()) / 100};
        if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
            view.DrawHitHighlight(dc, placed);
        if (picture)
            DrawPictureGlyph(view, dc, glyph, Sum(x, align.x()), Sum(y, align.y()));
        else
            view.DrawGlyph(dc, placed, kind);

        if (mode == TBiaoDianType::ZHINENG && glyph.size() == 1) {
            const char16_t c = glyph[0].unicode();
            if (rules.IsQuoteBracketPause(c)) {
                x = Sum(x, -((int64_t(font.WORD_WIDTH) + 1) / 2));
            } else if (rules.IsSentenceEnd(c)) {
                const QString next = i + 1 < n ? glyphs[i + 1] : QString();
                if (IsMark(next))
                    x = Sum(x, -int64_t(font.WORD_WIDTH / 2));
                else
                    view.DeferPunctLift = true;  // the next run's leading mark steps back instead
            }
        }
        view.LastPitch = pitch;
        x = Sum(x, !picture && IsAscii(glyph) ? pitch / 2 : pitch);
    }
    return QPoint(x, y);
}
