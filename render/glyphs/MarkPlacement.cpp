#include "render/glyphs/MarkPlacement.h"

#include <cmath>
#include <string_view>

#include "foundation/params/FontStyle.h"
#include "foundation/params/Punctuation.h"
#include "foundation/params/PunctuationMarks.h"
#include "platform/Dc.h"

namespace {

enum FlowMask : unsigned { kColumn = 1, kLine = 2, kBoth = kColumn | kLine };

struct MarkInk {
    std::u16string_view marks;
    WinRect ink;
    unsigned flows;
};

// Where the face the offsets were made for keeps its marks.
constexpr MarkInk kReferenceInks[] = {
    {u"。", {5, 70, 30, 95}, kBoth},
    {u"、", {5, 72, 30, 95}, kBoth},
    {u"，", {8, 75, 22, 98}, kBoth},
    {u"？", {8, 15, 42, 85}, kBoth},
    {u"！", {20, 15, 30, 85}, kBoth},
    {u"：", {15, 30, 25, 80}, kBoth},
    {u"；", {15, 30, 27, 88}, kBoth},
    {u"﹁﹃︻︵︹︗︷", {25, 55, 95, 90}, kColumn},  // opening: toward the character below
    {u"﹂﹄︼︶︺︘︸", {5, 10, 75, 45}, kColumn},    // closing: toward the character above
    // Along a line: openings toward the character after, closings toward
    // the one before; quotation marks high.
    {u"“‘", {60, 5, 90, 35}, kLine},
    {u"”’", {10, 5, 40, 35}, kLine},
    {u"「『", {55, 5, 90, 60}, kLine},
    {u"」』", {10, 40, 45, 95}, kLine},
    {u"《〈", {45, 5, 90, 95}, kLine},
    {u"》〉", {10, 5, 55, 95}, kLine},
    {u"（［｛【〔〖〘〚", {55, 5, 90, 95}, kLine},
    {u"）］｝】〕〗〙〛", {10, 5, 45, 95}, kLine},
};
constexpr WinRect kCentred{0, 0, 100, 100};
// Marks the drawing stands upright in the column besides the table's.
constexpr std::u16string_view kUprightMarks = u"︱︙…";

const QString kSongFace = QStringLiteral("宋体");

int32_t Scaled(int32_t hundredths, int32_t length) { return int32_t(int64_t(hundredths) * length / 100); }

}  // namespace

std::optional<WinRect> ReferenceInk(QStringView glyph, MarkFlow flow)
{
    if (glyph.size() != 1)
        return std::nullopt;
    const char16_t c = glyph[0].unicode();
    const unsigned mask = flow == MarkFlow::Column ? kColumn : kLine;
    for (const MarkInk& entry : kReferenceInks)
        if ((entry.flows & mask) && entry.marks.find(c) != std::u16string_view::npos)
            return entry.ink;
    if (IsPunctMark(c) || kUprightMarks.find(c) != std::u16string_view::npos)
        return kCentred;
    return std::nullopt;
}

WinRect MovedInto(WinRect box, const WinRect& room)
{
    int32_t dx = 0;
    int32_t dy = 0;
    if (box.right > room.right)
        dx = room.right - box.right;
    if (box.left + dx < room.left)
        dx = room.left - box.left;
    if (box.bottom > room.bottom)
        dy = room.bottom - box.bottom;
    if (box.top + dy < room.top)
        dy = room.top - box.top;
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

std::optional<QPoint> PlaceMarkByInk(Dc& dc, QStringView glyph, const EmSquare& em, const WinRect& room,
                                     MarkFlow flow)
{
    const std::optional<WinRect> reference = ReferenceInk(glyph, flow);
    if (!reference)
        return std::nullopt;
    const WinRect ink = dc.GetInkBox(glyph);
    if (ink.IsEmpty())
        return std::nullopt;
    // Centre on centre, in pixels.
    const double wantX = (em.left + Scaled(reference->left + reference->right, em.width) / 2.0) / 100.0;
    const double wantY = (em.top + Scaled(reference->top + reference->bottom, em.height) / 2.0) / 100.0;
    const int32_t x = int32_t(std::lround(wantX - (ink.left + ink.right) / 2.0));
    const int32_t y = int32_t(std::lround(wantY - (ink.top + ink.bottom) / 2.0));
    const WinRect placed = MovedInto({x + ink.left, y + ink.top, x + ink.right, y + ink.bottom}, room);
    return QPoint(placed.left - ink.left, placed.top - ink.top);
}

std::optional<QPoint> PlaceMarkInFont(Dc& dc, const DcFont& font, QStringView glyph, const EmSquare& em,
                                      const WinRect& room, MarkFlow flow)
{
    const DcFont old = dc.SelectFont(font);
    const std::optional<QPoint> at = PlaceMarkByInk(dc, glyph, em, room, flow);
    dc.SelectFont(old);
    return at;
}

TFontStyle ReadingMarkFont(const TFontStyle& font, const TBiaoDianPara& marks)
{
    TFontStyle song = font;
    song.NAME = kSongFace;
    const bool bold = song.TYPE == FontType::BOLD || song.TYPE == FontType::BOLD_ITALICS;
    if (bold != bool(marks.BOLD))
        song.TYPE ^= FontType::BOLD;
    if (song.SIZE > 0)
        song.WIDTH = song.SIZE;
    return song;
}
