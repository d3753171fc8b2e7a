#pragma once
// Notes (夾注) set inside the column in the box's note font: in two small
// lines side by side when the note font has DOUBLE_LINE, the right line
// first, balanced or split where the text says ("<|>"); otherwise in one
// line. Written as "<ZW>", "<R>…<-R>", "<L>…<-L>", "<-ZW>". The steps are
// TLayoutContext members (LayoutContext.h); the editions' forms have their
// woodblock forms here.
struct TLayoutContext;

namespace Woodblock {

void PlaceNoteSegment(TLayoutContext& context);
// ZHINENG, single-line notes: the cells and length left measured again,
// giving back half a cell where a run that ends with 。 meets a mark.
void MeasureRemainingRuns(TLayoutContext& context);

}  // namespace Woodblock
