// The page's collected glyphs, drawn bottom first with one font per list.
#include "render/batches/GlyphBatch.h"

#include <algorithm>

#include "platform/Dc.h"
#include "platform/MsvcRandom.h"
#include "render/PageRenderer.h"
#include "render/state/DrawingScope.h"

namespace {

// The printer's first pass draws up to this many glyphs of a list in a
// fixed pseudo-random order before the rest.
constexpr size_t kRandomBodyGlyphs = 50;
constexpr size_t kRandomNoteGlyphs = 100;
constexpr uint32_t kRandomSeed = 100;

void DrawRandomPicks(Dc& dc, std::vector<TGlyph>& glyphs, size_t limit)
{
    if (glyphs.size() <= limit)
        return;
    MsvcRandom random(kRandomSeed);
    const size_t picks = std::min(limit, glyphs.size() / 2);
    for (size_t k = 0; k < picks; ++k) {
        const size_t r = size_t(random.Next()) % (glyphs.size() - 1);
        if (r < glyphs.size()) {
            TextOutGlyph(dc, glyphs[r]);
            glyphs.erase(glyphs.begin() + std::ptrdiff_t(r));
        }
    }
}

}  // namespace

void TextOutGlyph(Dc& dc, const TGlyph& glyph) { dc.TextOut(glyph.x, glyph.y, glyph.text); }

void SortGlyphLists(TGlyphBatch& batch)
{
    std::stable_sort(batch.body.begin(), batch.body.end(), [](const TGlyph& a, const TGlyph& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    std::stable_sort(batch.notes.begin(), batch.notes.end(), [](const TGlyph& a, const TGlyph& b) {
        return a.y != b.y ? a.y > b.y : a.x > b.x;
    });
}

TGlyphBatch* PageRenderer::AddGlyphBatch() { return GlyphBatches.AddNew(); }

void PageRenderer::FreeGlyphBatches()
{
    GlyphBatches.Clear();
    CurrentBatch = nullptr;
}

void PageRenderer::DrawGlyphLists(Dc& dc)
{
    if (!CurrentBatch)
        return;
    TGlyphBatch& batch = *CurrentBatch;
    SortGlyphLists(batch);
    TFontPair& fonts = ScaledStyle.TEXT_BOX.MFONT_GROUP;
    CurFont = fonts.TEXT_FONT;
    {
        const DrawingScope font(dc, MakeFontFromStyle(CurFont, dc));
        dc.SetTextColor(CurFont.COLOR);
        if (dc.IsPrinting())
            DrawRandomPicks(dc, batch.body, kRandomBodyGlyphs);
        for (auto it = batch.body.rbegin(); it != batch.body.rend(); ++it)
            TextOutGlyph(dc, *it);
    }
    TFontStyle noteFont = fonts.ZHU_FONT;
    const DrawingScope font(dc, MakeFontFromStyle(noteFont, dc));
    dc.SetTextColor(noteFont.COLOR);
    if (dc.IsPrinting())
        DrawRandomPicks(dc, batch.notes, kRandomNoteGlyphs);
    for (const TGlyph& glyph : batch.notes)
        TextOutGlyph(dc, glyph);
}
