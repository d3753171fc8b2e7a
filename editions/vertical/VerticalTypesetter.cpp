// The vertical line interpreter and the start of a new volume.
#include "editions/vertical/VerticalTypesetting.h"

#include <vector>

#include "foundation/params/Style.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/markup/MarkedSpans.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

// The next page would be even, and the style wants volumes on odd pages;
// or the current page holds a column.
bool NeedsNewPage(const TTypesetter& typesetter)
{
    const TLayoutContext& context = *typesetter.current;
    if (context.column > 0 || !context.heldColumns.empty())
        return true;
    const int32_t pages = (g_TypesetTable ? g_TypesetTable->pages.Size() : 0) + g_CoverPages;
    return pages % 2 == 0 && typesetter.style &&
           typesetter.style->NEW_VOLUME_PAGE_TYPE == TNewVolumePageType::NEXT_SINGLAR_PAGE;
}

}  // namespace

void VerticalTypesetting::ProcessLine(TTypesetter& typesetter, const QString& line) const
{
    // The notes are cut out as the woodblock form would, leaving their
    // anchors in the line, and not set anywhere.
    std::vector<QString> dropped;
    const QString withoutSideNotes = ExtractMarkedSpans(line, u"CP", dropped);
    TypesetEdition::ProcessLine(typesetter, ExtractMarkedSpans(withoutSideNotes, u"MP", dropped));
}

bool VerticalTypesetting::StartOnOddPage(TTypesetter& typesetter) const
{
    if (!NeedsNewPage(typesetter))
        return false;
    typesetter.current->NewPage();
    if (NeedsNewPage(typesetter))
        typesetter.current->NewPage();
    return true;
}
