#include "editions/vertical/VerticalTypesetting.h"

#include "editions/vertical/VerticalDrawing.h"
#include "foundation/params/Style.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The width the drawing gives a column.
int64_t WidthOf(const VerticalTypesetting& rules, const TPageLine& line, const TStyle& style)
{
    return ColumnWidth(line, rules.PlainLineSize(style.TEXT_BOX));
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
            used += WidthOf(*this, line, *style);
        if (used + WidthOf(*this, next.lines.front(), *style) > PageLength(style->TEXT_BOX.size))
            page.usedSize = SaturateToInt32(used);
    }
}
