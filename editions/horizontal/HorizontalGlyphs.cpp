// The glyph engine turned by a quarter: runs walk along x, glyphs centred
// in their advance and aligned across the line, punctuation nudged into
// its half of the cell.
#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "editions/horizontal/HorizontalDrawing.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/TagUtils.h"
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
constexpr std::u16string_view kLowMarks = u"。，、";
constexpr double kOpeningShift = 0.4;
constexpr double kClosingShift = 0.1;

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
    const TGlyph placed{glyph, (x + font.cellWidth * 50) / 100, (y + font.cellHeight * 50) / 100};
    if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
        view.DrawHitHighlight(dc, placed);
    const TFontStyle whole = font;
    font.SIZE /= 2;
    font.WIDTH /= 2;
    view.DrawGlyph(dc, placed, kind);
    font = whole;
}

// How far x moves after a glyph: its pitch, less what a ZHINENG mark gives
// back (half a cell for quotes, brackets and pauses, and for a sentence end
// before another mark).
int32_t StepAfter(TBiaoDianType mode, const TFontStyle& font, QStringView glyph, QStringView next, int32_t pitch)
{
    const int32_t along = IsAscii(glyph) ? pitch / 2 : pitch;
    if (mode != TBiaoDianType::ZHINENG || glyph.size() != 1)
        return along;
    const TypesetEdition& rules = CurrentTypesetEdition();
    const char16_t c = glyph[0].unicode();
    if (rules.IsQuoteBracketPause(c))
        return along - (font.WORD_WIDTH + 1) / 2;
    if (rules.IsSentenceEnd(c) && IsMark(next))
        return along - font.WORD_WIDTH / 2;
    return along;
}

// A mark whose ink reaches over a neighbour's (the shifts above were made
// for faces that keep marks elsewhere in their em square) is moved into the
// room between the ink before it and the ink of the character after it,
// when it fits there: an opening mark a little before the character it
// opens, any other mark a little after the character it follows (a third
// of the room left over on that side). A mark wider than the room stays.
void KeepMarkClear(Dc& dc, TGlyph& placed, int32_t clearOf, int32_t roomRight)
{
    const WinRect ink = dc.GetInkBox(placed.text);
    if (ink.IsEmpty())
        return;
    const int32_t left = placed.x + ink.left, right = placed.x + ink.right;
    const int64_t spare = int64_t(roomRight) - clearOf - (int64_t(right) - left);
    if (spare < 0 || (left >= clearOf && right <= roomRight))
        return;
    const bool opening = Holds(kOpenings, placed.text);
    const int64_t gap = std::min<int64_t>(spare, int64_t(ink.right - ink.left)) / 3;
    const int64_t newLeft = opening ? int64_t(roomRight) - gap - (right - left) : int64_t(clearOf) + gap;
    placed.x = int32_t(newLeft - ink.left);
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
    // Centred in the cell itself: the spacing a count tag spreads goes
    // between the glyphs, and the last ends at the end of the line.
    const QPoint align = view.AlignInCell(lineSize, advance - view.ExtraSpacing);
    const QString r = KeepGlyphTagsOnly(text);
    const int32_t n = CountDisplayChars(r);
    // The right edge of the ink drawn before (pixels), for the marks.
    int32_t clearOf = std::numeric_limits<int32_t>::min();
    for (int32_t i = 0; i < n; ++i) {
        const QString glyph = CharAtSkippingGlyphTags(i, r);
        if (IsDroppedMark(glyph)) {
            ++view.HitIndex;  // a mark the mode dropped still counts for the hits
            continue;
        }
        const bool picture = IsPictureGlyph(glyph);
        if (i == 0 && !picture && IsMark(glyph) && view.DeferPunctLift)
            x -= view.LastPitch / 2;
        view.DeferPunctLift = false;
        view.LastPitch = 0;

        const bool intoPrevious = !picture && IsJuDouMode(mode) && IsStopOrPause(glyph);
        if (intoPrevious) {
            DrawIntoPreviousCell(view, dc, glyph, kind, x - pitch + align.x(), y + align.y());
            continue;  // takes no room
        }
        const int32_t ox = picture ? 0 : PunctShift(font, glyph);
        TGlyph placed{glyph, (x + ox + align.x()) / 100, (y + align.y()) / 100};
        const QString next = i + 1 < n ? CharAtSkippingGlyphTags(i + 1, r) : QString();
        if (!picture && IsMark(glyph)) {
            // The room ends at the next character's ink, else at the end of
            // the mark's own step.
            const int32_t stepEnd = x + StepAfter(mode, font, glyph, next, pitch);
            int32_t roomRight = stepEnd / 100;
            if (!next.isEmpty() && !IsMark(next) && !IsPictureGlyph(next)) {
                const WinRect ink = dc.GetInkBox(next);
                if (!ink.IsEmpty())
                    roomRight = (stepEnd + align.x()) / 100 + ink.left;
            }
            // Stops, commas and pauses where the face the shifts were made
            // for keeps them (low at the left of the cell), within the room;
            // other marks only clear of their neighbours.
            const EmSquare em{x + ox + align.x(), y + align.y(), font.WIDTH != 0 ? font.WIDTH : font.SIZE, font.SIZE};
            const WinRect room{clearOf, y / 100, roomRight, (y + lineSize) / 100};
            const std::optional<QPoint> at =
                Holds(kLowMarks, glyph) ? PlaceMarkByInk(dc, glyph, em, room) : std::nullopt;
            if (at) {
                placed.x = at->x();
                placed.y = at->y();
            } else {
                KeepMarkClear(dc, placed, clearOf, roomRight);
            }
        }
        if (!picture) {
            const WinRect ink = dc.GetInkBox(glyph);
            if (!ink.IsEmpty())
                clearOf = placed.x + ink.right;
        }
        if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
            view.DrawHitHighlight(dc, placed);
        if (picture)
            DrawPictureGlyph(view, dc, glyph, x + align.x(), y + align.y());
        else
            view.DrawGlyph(dc, placed, kind);

        // The next run's leading mark steps back instead.
        if (mode == TBiaoDianType::ZHINENG && glyph.size() == 1 && rules.IsSentenceEnd(glyph[0].unicode()) &&
            !IsMark(next))
            view.DeferPunctLift = true;
        view.LastPitch = pitch;
        x += picture ? pitch : StepAfter(mode, font, glyph, next, pitch);
    }
    return QPoint(x, y);
}
