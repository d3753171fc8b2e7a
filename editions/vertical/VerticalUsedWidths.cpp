#include "editions/vertical/VerticalTypesetting.h"

#include "editions/vertical/VerticalDrawing.h"
#include "foundation/params/Style.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The width the drawing gives a column.
int64_t WidthOf(const TPageLine& line, const TStyle& style)
{
    return ColumnWidth(line, style.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WORD_WIDTH);
}

}  // namespace

void VerticalTypesetting::RestoreUsedSizes(TPageTable& table, const TStyleList& styles) const
{
    for (int32_t i = 0; i + 1 < table.pages.Size(); ++i) {
        TPageRec& page = table.pages[i];
        const TPageRec& next = table.pages[i + 1];
        const TStyle* style = styles.FindByName(&TStyle::NAME, page.styleName);
        if (page.usedSize != 0 || !style || page.lines.empty() || next.lines.empty() ||
            next.styleName != page.styleName)
            continue;
        int64_t used = 0;
        for (const TPageLine& line : page.lines)
            used += WidthOf(line, *style);
        if (used + WidthOf(next.lines.front(), *style) > style->TEXT_BOX.size.BOX_WIDTH)
            page.usedSize = SaturateToInt32(used);
    }
}
