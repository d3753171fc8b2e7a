#pragma once
// The woodblock forms of the layout context's operations that editions set
// their own way. TypesetEdition's defaults call these; the vertical and
// horizontal forms may call them for the steps they share.
#include <cstdint>

struct TLayoutContext;
struct TPendingPicture;

namespace Woodblock {

// One free range per column of the page (LinesPerPage entries).
void ResetOccupancy(TLayoutContext& context);

// The usable length of the box's column, or the part of it above (upper
// pass, or a picture at the foot) or below (lower pass, or a picture at the
// top) a picture: L × cells ÷ TEXT_PER_LINE in floating point, + 0.5,
// truncated. A column the table does not hold is free.
int32_t AvailableLength(const TLayoutContext& context);
// The same for a column whose whole usable length is length.
int32_t AvailableLength(const TLayoutContext& context, int64_t length);

// Places the picture on the first run of free columns of the page from the
// current column on, within the box's columns and the occupancy table;
// false when there is none.
bool ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture);

// Stores the line buffer as the next column (body, head-box or collected
// line by mode), leaving the page first when it is full. In the upper
// pass the column is only held: it is stored once, joined to its lower
// part.
void EmitLine(TLayoutContext& context);

// Moves to the next page of the table (appended when there is none) and
// places the pending pictures in order until one does not fit; a picture
// that does not fit the still free page is dropped (no page of the box
// could take it).
void NewPage(TLayoutContext& context);

}  // namespace Woodblock
