// Which cells of each column placed pictures take, and what a column
// offers around them.
#include <algorithm>
#include <limits>

#include "foundation/params/Box.h"
#include "typeset/TypesetEdition.h"
#include "typeset/layout/LayoutContext.h"

namespace {

// L × cells ÷ T rounded half up; 0 for a grid without cells.
int32_t Portion(int64_t length, int64_t cells, int32_t cellsPerColumn)
{
    if (cellsPerColumn <= 0)
        return 0;
    const double value = double(length) * double(cells) / double(cellsPerColumn) + 0.5;
    const double bounded = std::clamp(value, double(std::numeric_limits<int32_t>::min()),
                                      double(std::numeric_limits<int32_t>::max()));
    return int32_t(bounded);
}

bool Blocks(const TCellRange& cells, int32_t first, int32_t last)
{
    return !cells.IsFree() && cells.first <= last && cells.last >= first;
}

TCellRange Union(const TCellRange& cells, int32_t first, int32_t last)
{
    if (cells.IsFree())
        return {first, last};
    return {std::min(cells.first, first), std::max(cells.last, last)};
}

int32_t Saturate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace

void TypesetEdition::ResetOccupancy(TLayoutContext& context) const
{
    context.occupancy.assign(size_t(std::max(0, context.LinesPerPage())), TCellRange{});
}

int32_t TypesetEdition::AvailableLength(const TLayoutContext& context) const
{
    if (!context.box)
        return 0;
    const TBoxSize& size = context.box->size;
    return AvailableLengthIn(context, int64_t(size.BOX_HEIGHT) - size.TOP_SPACE - size.BOTTOM_SPACE);
}

int32_t TypesetEdition::AvailableLengthIn(const TLayoutContext& context, int64_t length) const
{
    if (!context.box)
        return 0;
    const int32_t cellsPerColumn = context.box->size.TEXT_PER_LINE;
    const TCellRange cells = context.CellsAt(context.column);
    const int64_t above = cells.first;
    const int64_t below = int64_t(cellsPerColumn) - cells.last - 1;
    if (context.IsLinePartlyOccupied(context.column)) {
        if (context.pass == TOccupancyPass::Upper)
            return Portion(length, above, cellsPerColumn);
        if (context.pass == TOccupancyPass::Lower)
            return Portion(length, below, cellsPerColumn);
        return Saturate(length);
    }
    if (cells.first < 0)
        return Saturate(length);
    return Portion(length, cells.first == 0 ? below : above, cellsPerColumn);
}

bool TypesetEdition::ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture) const
{
    // A picture of no columns or no cells (bad parameters) takes no room.
    if (picture.columns <= 0 || picture.height <= 0)
        return true;
    if (int64_t(context.column) + picture.columns > context.LinesPerPage())
        return false;
    const int32_t first = picture.start;
    const int32_t last = Saturate(int64_t(first) + picture.height - 1);
    // The box's columns, and no further than the table holds: an override
    // below LINES gives the page fewer columns.
    const int32_t boxColumns = context.box ? context.box->size.LINES : 0;
    const int32_t end = std::min(boxColumns, int32_t(context.occupancy.size()));
    int32_t runLength = 0;
    for (int32_t col = context.column; col < end; ++col) {
        runLength = Blocks(context.occupancy[size_t(col)], first, last) ? 0 : runLength + 1;
        if (runLength < picture.columns)
            continue;
        const int32_t runStart = col - picture.columns + 1;
        AddPlacedPicture(last, picture.name, runStart, col, first, picture.multiplied);
        for (int32_t c = runStart; c <= col; ++c)
            context.occupancy[size_t(c)] = Union(context.occupancy[size_t(c)], first, last);
        return true;
    }
    return false;
}
