// The text columns, side notes and head-box lines of a leaf's pages.
#include <algorithm>

#include "foundation/params/Style.h"
#include "platform/Dc.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/RenderGlobals.h"
#include "render/batches/HitHighlight.h"
#include "render/frame/PageFrame.h"
#include "render/glyphs/GlyphText.h"
#include "render/pipeline/PagePipeline.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The x of column i of a box whose right edge is right.
int32_t ColumnX(const TBoxSize& box, int32_t right, int32_t i)
{
    return box.SPLIT_LINE_WIDTH + right -
           int32_t(int64_t(box.SPLIT_LINE_WIDTH + box.BOX_WIDTH) * (i + 1) / std::max(box.LINES, 1));
}

// Side notes keep a pixel away from the column's characters.
constexpr int32_t kSideNoteGap = 100;

int32_t GlyphWidth(const TFontStyle& font) { return font.WIDTH != 0 ? font.WIDTH : font.SIZE; }

// A side note stands in the margin right of the column's characters. A
// side-note font wider than that margin (the default one is made as big as
// a note's cell, which in many styles is a whole character's) is drawn
// smaller, its characters packed at their new size.
void FitBesideText(TFontStyle& note, const TFontStyle& text, int32_t pitch)
{
    const int32_t textWidth = GlyphWidth(text);
    const int32_t textRight = AlignAcross(text, HalfKinds::Main, pitch - textWidth) + textWidth;
    const int32_t margin = pitch - textRight - kSideNoteGap;
    const int32_t noteWidth = GlyphWidth(note);
    if (margin <= 0 || noteWidth <= margin)
        return;
    note.SIZE = int32_t(int64_t(note.SIZE) * margin / noteWidth);
    if (note.WIDTH != 0)
        note.WIDTH = margin;
    note.WORD_WIDTH = margin;
    note.WORD_HEIGHT = std::min(note.WORD_HEIGHT, note.SIZE);
}

void DrawSideNote(PageRenderer& view, Dc& dc, const TCollectedLine& note, int32_t x, int32_t y)
{
    TStyle& s = view.ScaledStyle;
    TFontStyle& textFont = s.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    const TFontStyle saved = textFont;
    const int32_t pitch = s.TEXT_BOX.size.pitch;
    // A font name missing from the list leaves the text font as it is.
    if (const TFontStyle* font = s.CE_PI_ARRAY.GetAtOrNull(FindFontStyleIndex(s.CE_PI_ARRAY, note.fontName))) {
        view.SideNoteFont = font;
        textFont = *font;
    }
    FitBesideText(textFont, saved, pitch);
    view.LineKind = LineKinds::SideNote;
    view.DrawTextLines(dc, x + pitch / 2, pitch, note.text, x, y);
    textFont = saved;
    view.SideNoteFont = nullptr;
}

}  // namespace

// The columns of the current page from TextRight, then its head box.
void RenderEdition::DrawPageColumns(PageRenderer& view, Dc& dc) const
{
    TStyle& s = view.ScaledStyle;
    const TPageRec& page = *view.CurrentPageRec;
    {
        ColumnCountOverride columns(s, &page);
        const TBoxSize& box = s.TEXT_BOX.size;
        const int32_t n = std::min(box.LINES, int32_t(page.lines.size()));
        for (int32_t i = 0; i < n; ++i) {
            const int32_t x = ColumnX(box, view.TextRight, i);
            view.LineKind = LineKinds::Body;
            view.CurrentLine = i;
            view.DrawTextLines(dc, x + box.pitch / 2, box.pitch, ExpandQdSpans(page.lines[size_t(i)].text), x,
                               view.TextTop);
            view.CurrentLine = -1;
            if (size_t(i) < page.collectedLines.size() && !page.collectedLines[size_t(i)].text.isEmpty())
                DrawSideNote(view, dc, page.collectedLines[size_t(i)], x, view.TextTop);
        }
    }
    const TBoxSize& head = s.HEAD_BOX.size;
    if (page.headLines.empty() || head.BOX_HEIGHT <= 0)
        return;
    view.UseBox(s.HEAD_BOX);
    view.LineKind = LineKinds::HeadBox;
    const int32_t y = view.PageRect.top + head.TOP_SPACE;
    const int32_t n = std::min(head.LINES, int32_t(page.headLines.size()));
    for (int32_t i = 0; i < n; ++i) {
        const int32_t x = ColumnX(head, view.TextRight, i);
        view.DrawTextLines(dc, x + head.pitch / 2, head.pitch, ExpandQdSpans(page.headLines[size_t(i)].text), x, y);
    }
    view.UseBox(s.TEXT_BOX);
}

void DrawPageText(PageRenderer& view, Dc& dc, int32_t firstPage, int32_t secondPage, QPoint origin)
{
    view.InsideBookTitle = false;
    view.InsideChapterTitle = false;
    if (!view.SelectPageStyle(firstPage, origin) || !g_CurrentStyle)
        return;
    view.FreeGlyphBatches();
    view.CurrentBatch = view.AddGlyphBatch();
    view.HitFlags.clear();
    view.HitIndex = 0;
    if (!dc.IsPrinting())
        FillHitFlags(view.HitFlags, firstPage);
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    view.UseBox(view.ScaledStyle.TEXT_BOX);
    view.LineKind = LineKinds::Body;
    view.TextRight = view.TextRightOf(PageRenderer::IsEvenPage(firstPage));
    CurrentDrawing().DrawPageColumns(view, dc);
    if (g_TwoPageMode || g_FourInOneMode) {
        view.UseBox(view.ScaledStyle.TEXT_BOX);
        view.LineKind = LineKinds::Body;
        view.CurrentBatch = view.AddGlyphBatch();
        const bool exists = g_CurrentPages && g_CurrentPages->pages.GetAtOrNull(secondPage);
        if (exists && view.SelectPageStyle(secondPage, origin) && g_CurrentStyle) {
            view.UseBox(view.ScaledStyle.TEXT_BOX);
            view.HitIndex = 0;
            if (!dc.IsPrinting())
                FillHitFlags(view.HitFlags, secondPage);
            view.TextRight = view.TextRightOf(false);
            CurrentDrawing().DrawPageColumns(view, dc);
        }
    }
    dc.SetBkMode(oldMode);
}
