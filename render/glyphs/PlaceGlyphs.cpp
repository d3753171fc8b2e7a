// A run's glyphs walked down their column: aligned in their cells, moved by
// the punctuation mode, framed, highlighted, marked and drawn.
#include <algorithm>

#include "foundation/io/DataFolders.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/StringUtils.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/glyphs/GlyphText.h"
#include "render/glyphs/MarkPlacement.h"
#include "render/interpreter/DroppedMarks.h"
#include "render/pictures/DrawPicture.h"

namespace {

constexpr QStringView kLineEndOpen = u"<-P";
constexpr QStringView kTagEnd = u">";

// Marks that take half a cell in the partly-half-height mode.
constexpr QStringView kHalfHeightMarks = u"﹃﹄︻︼︗︘﹁﹂︹︺︵︶，、";

bool IsJuDouMode(TBiaoDianType mode) { return mode == TBiaoDianType::JUDOU || mode == TBiaoDianType::JUDIAN; }
bool IsFullMode(TBiaoDianType mode) { return mode == TBiaoDianType::PUTONG || mode == TBiaoDianType::ZHINENG; }

bool IsMark(QStringView glyph) { return glyph.size() == 1 && IsPunctMark(glyph[0].unicode()); }

// A dash and the like stand upright in the column; one unit for one.
QString DrawnInColumn(const QString& glyph)
{
    return glyph.size() == 1 ? QString(QChar(VerticalDrawingForm(glyph[0].unicode()))) : glyph;
}
bool IsStopOrPause(QStringView glyph) { return glyph == u"。" || glyph == u"、"; }
bool IsHalfHeightMark(QStringView glyph) { return glyph.size() == 1 && kHalfHeightMarks.contains(glyph[0]); }

bool StartsWithAddedOpening(QStringView balanced, QStringView text)
{
    return !balanced.isEmpty() && (balanced[0] == u'︽' || balanced[0] == u'︿') &&
           (text.isEmpty() || balanced[0] != text[0]);
}

bool EndsWithAddedClosing(QStringView balanced, QStringView text)
{
    return !balanced.isEmpty() && (balanced.back() == u'︾' || balanced.back() == u'﹀') &&
           (text.isEmpty() || balanced.back() != text.back());
}

// The frame of one cell of a run boxed across the column's width.
void DrawCellBox(const PageRenderer& view, Dc& dc, int32_t advance, int32_t width, int32_t x, int32_t y)
{
    const int32_t m = std::max(view.InnerLinePx, 1);
    const int32_t left = x / 100 + 1;
    const int32_t top = y / 100 + 1;
    const int32_t right = (x + view.ScaledStyle.IN_BORDER + width) / 100 - m - 2;
    const int32_t bottom = (advance + y) / 100 - 1;
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
}

// How far the half-height mode pulls the next glyph up after this one, now
// or (after a run's closing 。) at the next run's opening mark.
struct HalfCellLift {
    int32_t now = 0;
    bool deferred = false;
};

HalfCellLift LiftAfter(TBiaoDianType mode, const TFontStyle& font, const std::vector<QString>& glyphs, int32_t i)
{
    if (mode != TBiaoDianType::ZHINENG)
        return {};
    const QString& glyph = glyphs[size_t(i)];
    if (IsHalfHeightMark(glyph))
        return {int32_t(font.WORD_HEIGHT * 0.5), false};
    if (glyph != u"。")
        return {};
    const QString next = size_t(i) + 1 < glyphs.size() ? glyphs[size_t(i) + 1] : QString();
    if (IsMark(next) && !IsBookTitleMark(next[0].unicode()))
        return {font.WORD_HEIGHT / 2, false};
    return {0, true};
}

// Whether a body glyph's cell, ending at bottom, reaches into the frame's
// inner line (pages only: a column drawn on its own has no frame).
bool BeyondTheFrame(const PageRenderer& view, int32_t bottom)
{
    const WinRect& frame = view.FrameRect;
    return view.LineKind == LineKinds::Body && frame.bottom > frame.top &&
           bottom > frame.bottom - view.ScaledStyle.IN_BORDER;
}

// The next position down a run, held far past the sheet.
int32_t StepDown(int32_t y, int32_t step)
{
    return int32_t(std::min<int64_t>(int64_t(y) + step, RenderEdition::kFarPastTheSheet));
}

// Letters and digits of the Latin and other narrow scripts stand in the
// middle of a cell made for a Chinese character.
int32_t NarrowGlyphShift(Dc& dc, const TFontStyle& font, QStringView glyph)
{
    if (glyph.size() != 1 || glyph[0].unicode() >= 0x2E80 || IsMark(glyph) || glyph[0].isSpace())
        return 0;
    const int32_t width = dc.GetTextExtent(glyph).width();
    return width < font.cellWidth ? (font.cellWidth - width) * 100 / 2 : 0;
}

int32_t EmWidth(const TFontStyle& font) { return font.WIDTH != 0 ? font.WIDTH : font.SIZE; }

// A stop or pause of the reading-mark modes: in the foot of the previous
// character's cell, right of that character's ink, in the face the marks
// are drawn in. cellTop and cellBottom bound the previous cell (units).
std::optional<QPoint> PlaceReadingMark(PageRenderer& view, Dc& dc, const TGlyph& placed, const QString& previous,
                        QPoint previousAt, int32_t width, int32_t x, int32_t cellTop, int32_t cellBottom)
{
    int32_t clearOf = x / 100;
    if (!previous.isEmpty()) {
        const WinRect ink = dc.GetInkBox(previous);
        if (!ink.IsEmpty())
            clearOf = previousAt.x() + ink.right + 1;
    }
    TFontStyle song = ReadingMarkFont(view.CurFont, view.ScaledStyle.BIAO_DIAN);
    const EmSquare em{placed.x * 100, placed.y * 100, EmWidth(song), song.SIZE};
    return PlaceMarkInFont(dc, PageRenderer::MakeFontFromStyle(song, dc), placed.text, em,
                           {clearOf, cellTop / 100, (x + width) / 100, cellBottom / 100});
}

void NoteCutLine(PageRenderer& view)
{
    if (!view.CurrentPageRec || view.CurrentLine < 0)
        return;
    const std::pair<const TPageRec*, int32_t> line{view.CurrentPageRec, view.CurrentLine};
    if (view.CutLines.empty() || view.CutLines.back() != line)
        view.CutLines.push_back(line);
}

void MoveTo(TGlyph& glyph, std::optional<QPoint> at)
{
    if (at) {
        glyph.x = at->x();
        glyph.y = at->y();
    }
}

}  // namespace

void DrawPictureGlyph(const PageRenderer& view, Dc& dc, QStringView glyph, int32_t x, int32_t y)
{
    const QString name = PictureGlyphName(glyph);
    const QString path = name.isEmpty() ? QString() : ResolveImagePath(name, kCharFolder);
    TPicture picture;
    if (path.isEmpty() || !LoadPicture(path, picture))
        return;
    const int32_t left = x / 100;
    const int32_t top = y / 100;
    DrawPictureMultiply({left, top, left + view.CurFont.cellWidth - 1, top + view.CurFont.cellHeight - 1}, picture,
                        dc);
}

QPoint RenderEdition::PlaceGlyphs(PageRenderer& view, Dc& dc, QStringView text, int32_t kind, int32_t advance,
                                  int32_t width, int32_t pitch, int32_t x, int32_t y) const
{
    if (text.isEmpty())
        return QPoint(x, y);
    const TFontStyle& font = view.CurFont;
    const TBiaoDianType mode = PageRenderer::PunctuationMode();
    QPoint align = view.AlignInCell(width, advance);
    if (view.LineKind == LineKinds::SideNote)  // side notes hug the column's right edge
        align.setX(width + (font.ALIGN == FontAlign::MOVE ? font.move : 0) - font.WORD_WIDTH);
    const int32_t dx = align.x();
    const int32_t dy = align.y();

    QString balanced = BalanceBookTitleMarks(text);
    bool addedFirst = StartsWithAddedOpening(balanced, text);
    const bool addedLast = EndsWithAddedClosing(balanced, text);
    RemoveMarkedSpans(balanced, kLineEndOpen, kTagEnd);
    const std::vector<QString> glyphs = SplitGlyphs(KeepGlyphTagsOnly(balanced));
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
        if ((kind & TokenBits::Outline) && (kind & TokenBits::FullWidth))
            DrawCellBox(view, dc, advance, width, x, y);
        if (i == 0 && !picture && IsMark(glyph) && view.DeferPunctLift)
            y -= view.LastPitch / 2;
        view.DeferPunctLift = false;
        view.LastPitch = 0;

        int32_t ox = 0;
        int32_t oy = 0;
        const bool readingMark = !picture && IsJuDouMode(mode) && IsStopOrPause(glyph);
        if (!picture && IsFullMode(mode)) {
            if (TrackBookTitleBracket(glyph, view.InsideBookTitle, view.InsideChapterTitle)) {
                // Title marks only switch the side lines; the one put in front
                // by the balancing is no character of the column.
                if (i == 0 && addedFirst)
                    addedFirst = false;
                else
                    ++view.HitIndex;
                continue;
            }
            if (mode == TBiaoDianType::PUTONG)
                PunctGlyphOffsetPutong(glyph, font.WIDTH, font.SIZE, ox, oy);
            else
                PunctGlyphOffsetZhineng(glyph, font.WIDTH, font.SIZE, ox, oy);
        } else if (readingMark) {
            // Set into the previous character's cell.
            ox = font.cellWidth * 80;
            oy = font.externalLeading * 100 + advance - font.cellHeight * 30;
        }
        const HalfCellLift lift = picture ? HalfCellLift{} : LiftAfter(mode, font, glyphs, i);

        TGlyph placed{DrawnInColumn(glyph), (x + ox + dx + NarrowGlyphShift(dc, font, glyph)) / 100,
                      (y + dy - oy) / 100};
        if (!picture && IsFullMode(mode)) {
            const EmSquare em{x + ox + dx, y + (advance - font.SIZE) / 2 - oy, EmWidth(font), font.SIZE};
            // Its cell, narrowed to clear the ink of the characters around it
            // (some faces reach a little beyond their cells).
            WinRect cell{x / 100, y / 100, (x + width) / 100, (y + pitch - lift.now) / 100};
            if (!previous.isEmpty())
                cell.top = std::max(cell.top, previousAt.y() + dc.GetInkBox(previous).bottom);
            if (const QString next = NextCharacter(glyphs, i); !next.isEmpty())
                cell.bottom = std::min(cell.bottom, (y + pitch - lift.now + dy) / 100 + dc.GetInkBox(next).top);
            MoveTo(placed, PlaceMarkByInk(dc, placed.text, em, cell));
        } else if (readingMark) {
            MoveTo(placed, PlaceReadingMark(view, dc, placed, previous, previousAt, width, x, y - pitch, y));
        }
        if (BeyondTheFrame(view, y + advance)) {
            // A line lengthened past its box (by an edit of the page) is cut
            // at the frame; the edit pane marks it.
            NoteCutLine(view);
            view.LastPitch = pitch;
            y = StepDown(y, pitch - lift.now);
            continue;
        }
        if (view.HitIndex >= 0 && size_t(view.HitIndex) < view.HitFlags.size())
            view.DrawHitHighlight(dc, placed);
        if (picture)
            DrawPictureGlyph(view, dc, glyph, x + dx, y + dy);
        else
            view.DrawGlyph(dc, placed, kind);
        if (IsFullMode(mode) && (view.InsideBookTitle || view.InsideChapterTitle))
            view.DrawSideLine(dc, placed);
        if (!view.RunQdMark.isEmpty() && !IsMark(glyph))
            view.DrawEmphasisMarks(dc, advance, width, x, y);
        previous = picture || IsMark(glyph) ? QString() : placed.text;
        previousAt = QPoint(placed.x, placed.y);

        y -= lift.now;
        if (lift.deferred)
            view.DeferPunctLift = true;  // the next run's opening mark is lifted instead
        if (readingMark)
            continue;  // takes no room
        view.LastPitch = pitch;
        y = StepDown(y, pitch);
    }
    if (addedLast)
        --view.HitIndex;
    return QPoint(x, y);
}
