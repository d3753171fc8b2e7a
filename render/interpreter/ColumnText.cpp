// A column string cut into pieces, segments and tokens, each drawn from the
// position where the previous one ended.
#include <algorithm>

#include "foundation/text/TagUtils.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/interpreter/CentreNoteTags.h"
#include "render/state/DrawingScope.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

}  // namespace

void RenderEdition::DrawTextLines(PageRenderer& view, Dc& dc, int32_t centreX, int32_t pitch, QStringView column,
                                  int32_t x, int32_t y) const
{
    // Every piece starts from the column's top; its own offset places it.
    for (const QString& piece : SplitAtLineTags(column)) {
        const QString text = view.ParseLineTags(piece);
        if (text.isEmpty())
            continue;
        const int32_t raise = view.RaisedColumn && view.CurFontPair ? view.CurFontPair->TEXT_FONT.WORD_HEIGHT : 0;
        view.DrawStyledString(dc, centreX, pitch, text, x, y - raise + view.HeadOffset);
    }
}

QPoint PageRenderer::DrawStyledString(Dc& dc, int32_t centreX, int32_t pitch, QStringView text, int32_t x, int32_t y)
{
    DeferPunctLift = false;
    QPoint at(x, y);
    if (!CurFontPair)
        return at;
    for (const TZwSpan& segment : SplitZwSpans(CentreNotesAsColumnNotes(text))) {
        const bool note = segment.kind == TZwSpan::Note;
        CurFont = note ? CurFontPair->ZHU_FONT : CurFontPair->TEXT_FONT;
        CornerRadius = CurFont.WORD_HEIGHT / 3;
        const DrawingScope selected(dc, MakeFontFromStyle(CurFont, dc));
        at = note ? DrawDoubleLineNote(dc, pitch, centreX, segment.text, at.x(), at.y())
                  : DrawTokenRun(dc, pitch, segment.text, at.x(), at.y());
    }
    return at;
}

QPoint PageRenderer::DrawTokenRun(Dc& dc, int32_t pitch, QStringView text, int32_t x, int32_t y)
{
    HalfKind = HalfKinds::Main;
    return DrawTokens(dc, text, pitch, x, y);
}

QPoint PageRenderer::DrawDoubleLineNote(Dc& dc, int32_t pitch, int32_t centreX, QStringView text, int32_t x, int32_t y)
{
    return CurrentDrawing().DrawDoubleLineNote(*this, dc, pitch, centreX, text, x, y);
}

QPoint RenderEdition::DrawDoubleLineNote(PageRenderer& view, Dc& dc, int32_t pitch, int32_t centreX, QStringView text,
                                         int32_t x, int32_t y) const
{
    return DrawDoubleLineNoteAlong(view, dc, pitch, centreX, text, x, y, false);
}

QPoint RenderEdition::DrawDoubleLineNoteAlong(PageRenderer& view, Dc& dc, int32_t pitch, int32_t centre,
                                              QStringView text, int32_t x, int32_t y, bool alongX) const
{
    if (!text.contains(In::RightLineOpen) && !text.contains(In::LeftLineOpen))
        return view.DrawNoteLine(0, dc, text, pitch, x, y);
    // Both halves start level; the note ends after the longer one. Down a
    // column the first (right) half takes the column's right half, along a
    // line the first (upper) half its upper half.
    const QString right = ExtractBetweenMarkers(In::RightLineOpen, text, In::RightLineClose);
    const QString left = ExtractBetweenMarkers(In::LeftLineOpen, text, In::LeftLineClose);
    const auto Along = [alongX](QPoint p) { return alongX ? p.x() : p.y(); };
    int32_t end = alongX ? x : y;
    bool drawn = false;
    if (!right.isEmpty()) {
        end = Along(view.DrawNoteLine(1, dc, right, pitch, alongX ? x : centre, y));
        drawn = true;
    }
    if (!left.isEmpty()) {
        const int32_t leftEnd = Along(view.DrawNoteLine(2, dc, left, pitch, x, alongX ? centre : y));
        end = drawn ? std::max(end, leftEnd) : leftEnd;
    }
    return alongX ? QPoint(end, y) : QPoint(x, end);
}

QPoint PageRenderer::DrawNoteLine(int32_t k, Dc& dc, QStringView text, int32_t pitch, int32_t x, int32_t y)
{
    HalfKind = k == 2 ? HalfKinds::Left : HalfKinds::RightOrSingle;
    return DrawTokens(dc, text, k == 0 ? pitch : pitch / 2, x, y);
}

QPoint PageRenderer::DrawTokens(Dc& dc, QStringView text, int32_t width, int32_t x, int32_t y)
{
    QPoint at(x, y);
    for (const TTsSpan& token : SplitTsYqSpans(text)) {
        if (token.kind == TTsSpan::Plain)
            at = DrawFontRun(dc, token.text, token.kind, width, at.x(), at.y());
        else if (token.kind == TTsSpan::Circled)
            at = DrawCircledText(dc, token.text, width, token.param, at.x(), at.y());
        else
            at = DrawBoxedRun(dc, token.text, token.kind, token.param, width, at.x(), at.y());
    }
    return at;
}
