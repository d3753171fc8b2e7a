#pragma once
// Runs poured into columns: every column opens the font, spacing and
// special-format tags of what it holds and closes them again, ends with a
// count tag when it breaks with room left, and is emitted into the page.
// The steps are TLayoutContext members (LayoutContext.h); those the editions
// set their own way are TypesetEdition's.
//
// Placement always ends: a column that holds nothing yet, when no later
// column could offer more room, takes at least one cell (mustPlaceCell),
// overflowing as the line-end rules may.
#include <cstdint>
#include <vector>

#include <QStringView>

struct TLayoutContext;
struct TRunGroup;

// The advance of the cursor's run, or of the left half's when the right
// half is placed; 0 when no run is left.
int32_t CurrentAdvance(const TLayoutContext& context);

// At the start of a column of a segment's placement: whether it must take
// a cell. Only a fresh column free of pictures, and not the first column
// the placement visits (whose raise, side-note offset or picture may give
// it less room than the next), must: every later such column offers the
// same room, so if it takes nothing no column ever would.
void ArmProgress(TLayoutContext& context, bool firstColumnOfPlacement);

// The note font sets notes in two small lines, and a note is being placed.
bool PlacingDoubleLineNote(const TLayoutContext& context);
