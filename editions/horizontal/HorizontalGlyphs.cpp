// The glyph engine turned by a quarter: runs walk along x, glyphs centred
// in their advance and aligned across the line, punctuation nudged into
// its half of the cell.
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "editions/horizontal/HorizontalDrawing.h"
#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "render/PageRenderer.h"
#include "render/glyphs/GlyphText.h"
#include "render/glyphs/MarkPlacement.h"
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
bool IsFullMode(TBiaoDianType mode) { return mode == TBiaoDianType::PUTONG || mode == TBiaoDianType::ZHINENG; }
bool IsStopOrPause(QStringView glyph) { return glyph == u"。" || glyph == u"、"; }

int32_t PunctShift(const TFontStyle& font, QStringView glyph)
{
    if (Holds(kOpenings, glyph))
        return -int32_t(font.WORD_WIDTH * kOpeningShift);
    if (Holds(kClosings, glyph))
        return -int32_t(font.WORD_WIDTH * kClosingShift);
    return 0;
}

int32_t EmWidth(const TFontStyle& font) { return font.WIDTH != 0 ? font.WIDTH : font.SIZE; }

// The em square of a glyph whose cell stands at (x, y) (units): the cell's
// width, centred across.
EmSquare EmAt(const TFontStyle& font, int32_t x, int32_t y)
{
    return {x, y + (font.cellHeight * 100 - font.SIZE) / 2, EmWidth(font), font.SIZE};
}

// The right edge of a character's ink drawn at `at` (pixels, exclusive), or fallback
// when it has none.
int32_t InkRight(Dc& dc, const QString& glyph, QPoint at, int32_t fallback)
{
    const WinRect ink = glyph.isEmpty() ? WinRect{} : dc.GetInkBox(glyph);
    return ink.IsEmpty() ? fallback : at.x() + ink.right;
}

void MoveTo(TGlyph& glyph, std::optional<QPoint> at)
{
    if (at) {
        glyph.x = at->x();
        glyph.y = at->y();
    }
}

// How far x steps back after a glyph in the partly-half-height mode, now or
// (after a run's closing sentence end) at the next run's leading mark.
struct HalfCellBack {
    int32_t now = 0;
    bool deferred = false;
};

HalfCellBack BackAfter(TBiaoDianType mode, const TFontStyle& font, const std::vector<QString>& glyphs, int32_t i)
{
    const QString& glyph = glyphs[size_t(i)];
    if (mode != TBiaoDianType::ZHINENG || glyph.size() != 1)
        return {};
    const TypesetEdition& rules = CurrentTypesetEdition();
    const char16_t c = glyph[0].unicode();
    if (rules.IsQuoteBracketPause(c))
        return {(font.WORD_WIDTH + 1) / 2, false};
    if (!rules.IsSentenceEnd(c))
        return {};
    const bool markNext = size_t(i) + 1 < glyphs.size() && IsMark(glyphs[size_t(i) + 1]);
    return markNext ? HalfCellBack{font.WORD_WIDTH / 2, false} : HalfCellBack{0, true};
}

// In 句讀 and 句點 a stop or pause takes no cell: it is drawn at half size
// in the foot of the previous character's cell, whose glyph stood at
// (x, y), below that character's ink and within the line, so that it
// covers neither it nor the next character.
void DrawIntoPreviousCell(PageRenderer& view, Dc& dc, const QString& glyph, int32_t kind, int32_t x, int32_t y,
                          const WinRect& room)
{
    TFontStyle& font = view.CurFont;
    TGlyph placed{glyph, Sum(x, int64_t(font.cellWidth) * 50) / 100, Sum(y, int64_t(font.cellHeight) * 50) / 100};
    const TFontStyle whole = font;
    font.SIZE /= 2;
    font.WIDTH /= 2;
    TFontStyle song = ReadingMarkFont(font, view.ScaledStyle.BIAO_DIAN);
    const EmSquare em{placed.x * 100, placed.y * 100, EmWidth(song), song.SIZE};
    MoveTo(placed, PlaceMarkInFont(dc, PageRenderer::MakeFontFromStyle(song, dc), glyph, em, room, MarkFlow::Line));
    if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
        view.DrawHitHighlight(dc, placed);
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
    // Centred in the cell itself: the spacing a count tag spreads goes
    // between the glyphs, and the last ends at the end of the line.
    const QPoint align = view.AlignInCell(lineSize, advance - view.ExtraSpacing);
    const std::vector<QString> glyphs = SplitGlyphs(KeepGlyphTagsOnly(text));
    const int32_t n = int32_t(glyphs.size());
    QString previous;  // the glyph before when it was a character: marks keep clear of it
    QPoint previousAt;
    for (int32_t i = 0; i < n; ++i) {
        const QString& glyph = glyphs[size_t(i)];
        if (IsDroppedMark(glyph)) {
            ++view.HitIndex;  // a mark the mode dropped still counts for the hits
            continue;
        }
        const bool picture = IsPictureGlyph(glyph);
        if (i == 0 && !picture && IsMark(glyph) && view.DeferPunctLift)
            x = Sum(x, -int64_t(view.LastPitch / 2));
        view.DeferPunctLift = false;
        view.LastPitch = 0;

        if (!picture && IsJuDouMode(mode) && IsStopOrPause(glyph)) {
            const int32_t cellLeft = Sum(x, -int64_t(pitch));
            const WinRect room{cellLeft / 100, y / 100, x / 100, (y + lineSize) / 100};
            WinRect below = room;
            if (!previous.isEmpty()) {
                const WinRect ink = dc.GetInkBox(previous);
                if (!ink.IsEmpty())
                    below.top = std::max(room.top, previousAt.y() + ink.bottom);
            }
            DrawIntoPreviousCell(view, dc, glyph, kind, Sum(cellLeft, align.x()), Sum(y, align.y()), below);
            continue;  // takes no room
        }
        HalfCellBack back = picture ? HalfCellBack{} : BackAfter(mode, font, glyphs, i);
        const int32_t ox = picture ? 0 : PunctShift(font, glyph);
        TGlyph placed{glyph, Sum(x, int64_t(ox) + align.x()) / 100, Sum(y, align.y()) / 100};
        if (!picture && IsFullMode(mode) && IsMark(glyph)) {
            // Its cell (or the half the mode leaves it), narrowed to clear
            // the ink of the characters beside it.
            const int32_t end = x + pitch - back.now;
            WinRect cell{x / 100, y / 100, end / 100, (y + lineSize) / 100};
            cell.left = std::max(cell.left, InkRight(dc, previous, previousAt, cell.left));
            if (const QString next = NextCharacter(glyphs, i); !next.isEmpty()) {
                const WinRect ink = dc.GetInkBox(next);
                if (!ink.IsEmpty())
                    cell.right = std::min(cell.right, (end + align.x()) / 100 + ink.left);
            }
            MoveTo(placed, PlaceMarkByInk(dc, glyph, EmAt(font, x + ox + align.x(), y + align.y()), cell,
                                          MarkFlow::Line));
            // A face whose mark is wider than the half cell: the next
            // character steps back only as far as the mark's ink lets it.
            const int32_t over = InkRight(dc, glyph, QPoint(placed.x, placed.y), cell.right) - cell.right;
            if (over > 0)
                back.now = std::max(0, back.now - over * 100);
        }
        if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
            view.DrawHitHighlight(dc, placed);
        if (picture)
            DrawPictureGlyph(view, dc, glyph, Sum(x, align.x()), Sum(y, align.y()));
        else
            view.DrawGlyph(dc, placed, kind);
        previous = picture || IsMark(glyph) ? QString() : glyph;
        previousAt = QPoint(placed.x, placed.y);

        x = Sum(x, -int64_t(back.now));
        if (back.deferred)
            view.DeferPunctLift = true;  // the next run's leading mark steps back instead
        view.LastPitch = pitch;
        x = Sum(x, !picture && IsAscii(glyph) ? pitch / 2 : pitch);
    }
    return QPoint(x, y);
}
