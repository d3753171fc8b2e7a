// The forms every edition shares, the page-to-source seam and the edition
// in force. The woodblock forms of the other operations are defined beside
// their concerns.
#include "typeset/TypesetEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/markup/Spans.h"

int32_t TypesetEdition::ScaleByRatioText(const TZtSpan& run) const
{
    return ScaleByRatio(run.charHeight, run.spacing);
}

int32_t TypesetEdition::LinesPerPage(const TLayoutContext& context) const
{
    if (context.linesOverride > 0)
        return context.linesOverride;
    return context.box ? context.box->size.LINES : 0;
}

bool TypesetEdition::IsOpeningMark(char16_t c) const { return ::IsOpeningMark(c); }
bool TypesetEdition::IsClosingMark(char16_t c) const { return ::IsClosingMark(c); }
bool TypesetEdition::IsQuoteBracketPause(char16_t c) const { return ::IsQuoteBracketPause(c); }
bool TypesetEdition::IsSentenceEnd(char16_t c) const { return c == u'。'; }

TSourceMapForm TypesetEdition::SourceMapForm() const { return kWoodblockSourceMap; }

void TypesetEdition::RestoreUsedSizes(TPageTable&, const TStyleList&) const {}

void TypesetEdition::MapPagesToSource(QStringView source, std::vector<int32_t>& map) const
{
    SourceMap::MapPagesToSource(source, map, SourceMapForm());
}

int32_t TypesetEdition::FindInTypesetText(int32_t start, QStringView text, QStringView key) const
{
    return SourceMap::FindInTypesetText(start, text, key, SourceMapForm());
}

QString TypesetEdition::StripTagsForDisplay(QStringView line) const
{
    return SourceMap::StripTagsForDisplay(line, SourceMapForm());
}

const TypesetEdition& CurrentTypesetEdition()
{
    static const TypesetEdition woodblock;
    const TypesetEdition* own = g_Edition ? g_Edition->Typesetting() : nullptr;
    return own ? *own : woodblock;
}
