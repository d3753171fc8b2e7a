#include "render/batches/HitHighlight.h"

#include "foundation/text/TagUtils.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/HitTables.h"

namespace {

constexpr ColorRef kHighlight = Rgb(255, 192, 192);

bool IsCentreColumnFont(const PageRenderer& view)
{
    const TStyle& s = view.ScaledStyle;
    const TFontPair* pair = view.CurFontPair;
    return pair == &s.MID_UP_FONT || pair == &s.MID_MID_FONT || pair == &s.MID_DOWN_FONT;
}

}  // namespace

std::vector<int32_t> HitFlagsOf(const std::vector<int32_t>& offsets, QStringView findText)
{
    std::vector<int32_t> flags;
    const int32_t length = CountDisplayChars(findText);
    if (length == 0)
        return flags;
    for (int32_t start : offsets) {
        if (start < 0)
            continue;
        // Overlapping hits do not rewrite flags already set.
        while (int32_t(flags.size()) < start)
            flags.push_back(0);
        for (int32_t j = start; j < start + length; ++j)
            if (j >= int32_t(flags.size()))
                flags.push_back(1);
    }
    return flags;
}

bool FillHitFlags(std::vector<int32_t>& flags, int32_t page)
{
    if (page < 0 || !g_CurrentPages || page >= g_CurrentPages->pages.Size() || g_FindText.isEmpty()
        || !g_CurrentHitTable)
        return false;
    const THitGroup* group = FindHitGroup(*g_CurrentHitTable, page - g_CoverPages);
    flags = group ? HitFlagsOf(group->offsets, g_FindText) : std::vector<int32_t>();
    return true;
}

void RenderEdition::DrawHitHighlight(PageRenderer& view, Dc& dc, const TGlyph& glyph) const
{
    // Centre-column texts are not part of the page's text: no flag of theirs.
    if (IsCentreColumnFont(view))
        return;
    const int32_t i = view.HitIndex;
    if (i >= 0 && size_t(i) < view.HitFlags.size() && view.HitFlags[size_t(i)] == 1) {
        const DcPen oldPen = dc.SelectPen({1, kHighlight});
        const DcBrush oldBrush = dc.SelectBrush({kHighlight});
        dc.Rectangle(glyph.x, glyph.y, glyph.x + view.CurFont.cellWidth - 1, glyph.y + view.CurFont.cellHeight - 1);
        dc.SelectBrush(oldBrush);
        dc.SelectPen(oldPen);
    }
    ++view.HitIndex;
}
