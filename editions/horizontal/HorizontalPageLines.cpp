// The lines of a horizontal page and the pictures placed over them: from the
// text box's top down, each as tall as stored plus the gap.
#include "editions/horizontal/HorizontalDrawing.h"

#include <algorithm>

#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

// Unscaled measures of the current style: the gap is shared out of the
// stored box height, before the zoom.
int32_t UnscaledBoxHeight() { return g_CurrentStyle ? g_CurrentStyle->TEXT_BOX.size.BOX_HEIGHT : 0; }
int32_t UnscaledLineHeight() { return g_CurrentStyle ? g_CurrentStyle->TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT : 0; }

int64_t Step(const TPageRec& page, size_t i, int32_t gap) { return LineStep(page, i, gap, UnscaledLineHeight()); }

}  // namespace

void HorizontalDrawing::DrawPageColumns(PageRenderer& view, Dc& dc) const
{
    const TPageRec& page = *view.CurrentPageRec;
    if (page.lines.empty())
        return;
    const int32_t x = view.FrameRect.left + view.ScaledStyle.TEXT_BOX.size.LEFT_SPACE;
    int32_t y = view.TextTop;
    const int32_t gap = ColumnGap(page, UnscaledBoxHeight());
    // A damaged file may hold more lines than any page: those a page side
    // and more past the page are left out, the positions kept in range.
    const int32_t farthest = SaturatingSum({view.PageRect.bottom, view.LongestPageLength()});
    for (size_t i = 0; i < page.lines.size() && y < farthest; ++i) {
        QString text = page.lines[i].text;
        if (page.lines[i].size == 0 && text.contains(u"<W="_s))
            text.truncate(text.indexOf(u"<W="_s));
        const int32_t step = Zoomed(Step(page, i, gap), view.ZoomFactor);
        view.LineKind = LineKinds::Body;
        view.DrawTextLines(dc, y + step / 2, step, text, x, y);
        y += step;
    }
}

WinRect HorizontalDrawing::PlacePictureInTextBox(PageRenderer& view, const TPageItem& item, const WinRect&) const
{
    const TPageRec& page = *view.CurrentPageRec;
    const TStyle& s = view.ScaledStyle;
    const TBoxSize& box = s.TEXT_BOX.size;
    const WinRect& f = view.FrameRect;
    const WinRect base{f.left + box.LEFT_SPACE + s.IN_BORDER, f.top + s.PAGE_BAR.HEAD_HEIGHT + s.IN_BORDER,
                       f.right - box.RIGHT_SPACE - s.IN_BORDER, f.bottom - s.IN_BORDER};
    const int32_t lastLine = std::max(box.LINES - 1, 0);
    const int32_t lastCell = std::max(box.TEXT_PER_LINE - 1, 0);
    const int32_t first = std::clamp(item.a, 0, lastLine), last = std::clamp(item.b, 0, lastLine);
    const int32_t from = std::clamp(item.c, 0, lastCell), to = std::clamp(item.d, 0, lastCell);
    // The gap of the lines as DrawPageColumns sets them.
    const int32_t gap = ColumnGap(page, UnscaledBoxHeight());
    int64_t above = 0, over = 0;
    for (int32_t i = 0; i <= last; ++i)
        (i < first ? above : over) += Step(page, size_t(i), gap);
    WinRect r;
    r.top = base.top + Zoomed(above, view.ZoomFactor);
    r.bottom = std::min(r.top + Zoomed(over, view.ZoomFactor), base.bottom);
    r.left = base.left + box.textCharSize * from;
    r.right = base.left + box.textCharSize * (to + 1);
    return r;
}

QString HorizontalDrawing::ParseLineTags(PageRenderer& view, QStringView piece) const
{
    const bool pieceOffset = piece.contains(MarkupTagsInternal::PieceOffsetOpen);
    QString text = VerticalDrawing::ParseLineTags(view, piece);
    if (pieceOffset && view.CurFontPair) {
        const int32_t n = ParseIntLikeAtoi(GetTagValue(piece, MarkupTagsInternal::PieceOffsetOpen.mid(1)));
        view.HeadOffset = view.HeldToPage(int64_t(n) * view.CurFontPair->TEXT_FONT.WORD_WIDTH);
    }
    return text;
}

void HorizontalDrawing::DrawTextLines(PageRenderer& view, Dc& dc, int32_t centreY, int32_t lineSize,
                                      QStringView line, int32_t x, int32_t y) const
{
    for (const QString& piece : SplitAtLineTags(line)) {
        const QString text = view.ParseLineTags(piece);
        if (!text.isEmpty())
            view.DrawStyledString(dc, centreY, lineSize, text, x + view.HeadOffset, y);
    }
}
