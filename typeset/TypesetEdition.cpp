#include "typeset/TypesetEdition.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Box.h"
#include "foundation/params/PunctuationMarks.h"
#include "typeset/cells/Cells.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/layout/WoodblockLayout.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/markup/Spans.h"
#include "typeset/notes/Notes.h"
#include "typeset/placing/Placing.h"
#include "typeset/runs/Runs.h"
#include "typeset/sourcemap/SourceMap.h"
#include "typeset/typesetter/Typesetter.h"

int32_t TypesetEdition::ScaleByRatioText(const TZtSpan& run) const
{
    return ScaleByRatio(run.charHeight, run.spacing);
}

void TypesetEdition::Run(TTypesetter& typesetter) const { Woodblock::Run(typesetter); }

void TypesetEdition::ProcessLine(TTypesetter& typesetter, const QString& line) const
{
    Woodblock::ProcessLine(typesetter, line);
}

bool TypesetEdition::StartOnOddPage(TTypesetter& typesetter) const { return Woodblock::StartOnOddPage(typesetter); }

int32_t TypesetEdition::LinesPerPage(const TLayoutContext& context) const
{
    if (context.linesOverride > 0)
        return context.linesOverride;
    return context.box ? context.box->size.LINES : 0;
}

void TypesetEdition::ResetOccupancy(TLayoutContext& context) const { Woodblock::ResetOccupancy(context); }

int32_t TypesetEdition::AvailableLength(const TLayoutContext& context) const
{
    return Woodblock::AvailableLength(context);
}

bool TypesetEdition::ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture) const
{
    return Woodblock::ReserveBlockLines(context, picture);
}

void TypesetEdition::EmitLine(TLayoutContext& context) const { Woodblock::EmitLine(context); }

void TypesetEdition::NewPage(TLayoutContext& context) const { Woodblock::NewPage(context); }

int32_t TypesetEdition::CountCells(QStringView text) const { return Woodblock::CountCells(text); }

int32_t TypesetEdition::MeasureCells(QStringView text, int32_t advance) const
{
    return Woodblock::MeasureCells(text, advance);
}

int32_t TypesetEdition::FitChars(QStringView text, int32_t advance, int32_t& length, int32_t& cells) const
{
    return Woodblock::FitChars(text, advance, length, cells);
}

bool TypesetEdition::IsOpeningMark(char16_t c) const { return ::IsOpeningMark(c); }
bool TypesetEdition::IsClosingMark(char16_t c) const { return ::IsClosingMark(c); }
bool TypesetEdition::IsQuoteBracketPause(char16_t c) const { return ::IsQuoteBracketPause(c); }
bool TypesetEdition::IsSentenceEnd(char16_t c) const { return c == u'。'; }

QString TypesetEdition::StripNonLayoutTags(QStringView text) const { return Woodblock::StripNonLayoutTags(text); }

void TypesetEdition::LayoutInputLine(TLayoutContext& context, QStringView text) const
{
    Woodblock::LayoutInputLine(context, text);
}

void TypesetEdition::WriteLineHead(TLayoutContext& context) const { Woodblock::WriteLineHead(context); }

void TypesetEdition::IndentLine(TLayoutContext& context) const { Woodblock::IndentLine(context); }

void TypesetEdition::PlaceTextSegment(TLayoutContext& context) const { Woodblock::PlaceTextSegment(context); }

void TypesetEdition::PlaceRuns(TLayoutContext& context, int32_t available, const std::vector<TRunGroup>& groups,
                               bool mayBreak) const
{
    Woodblock::PlaceRuns(context, available, groups, mayBreak);
}

void TypesetEdition::OpenRunTags(TLayoutContext& context, QStringView piece) const
{
    Woodblock::OpenRunTags(context, piece);
}

void TypesetEdition::PlaceNoteSegment(TLayoutContext& context) const { Woodblock::PlaceNoteSegment(context); }

void TypesetEdition::MeasureRemainingRuns(TLayoutContext& context) const
{
    Woodblock::MeasureRemainingRuns(context);
}

void TypesetEdition::RestoreUsedSizes(TPageTable&, const TStyleList&) const {}

void TypesetEdition::MapPagesToSource(QStringView source, std::vector<int32_t>& map) const
{
    SourceMap::MapPagesToSource(source, map, kWoodblockSourceMap);
}

int32_t TypesetEdition::FindInTypesetText(int32_t start, QStringView text, QStringView key) const
{
    return SourceMap::FindInTypesetText(start, text, key, kWoodblockSourceMap);
}

QString TypesetEdition::StripTagsForDisplay(QStringView line) const
{
    return SourceMap::StripTagsForDisplay(line, kWoodblockSourceMap);
}

const TypesetEdition& CurrentTypesetEdition()
{
    static const TypesetEdition woodblock;
    const TypesetEdition* own = g_Edition ? g_Edition->Typesetting() : nullptr;
    return own ? *own : woodblock;
}
