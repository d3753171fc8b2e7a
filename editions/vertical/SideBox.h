#pragma once
// The side box of a vertical style (TSideBox): its zoomed copy and its
// binary and tagged-text forms. The horizontal edition reads and writes it
// too in files older than its page bar.
#include <cstdint>

#include <QStringView>

#include "foundation/params/Style.h"

class TBinFile;
class TTextFile;

// The four lengths multiplied by the zoom (truncated), the two pairs scaled.
TSideBox& ScaleSideBox(const TSideBox& source, TSideBox& out, double zoom);

// BOX_WIDTH, BOX_HEIGHT, BOX_TITLE_POS, BOX_PAGE_POS, the title pair and the
// page-number pair. BOX_HEIGHT is stored from version 30.
int32_t WriteSideBox(TBinFile& file, const TSideBox& box);
bool ReadSideBox(TBinFile& file, TSideBox& box, int32_t version);

// "<BOX_PARA>" with the four lengths, "<TITLE_MFONT_GROUP>" and
// "<PAGE_MFONT_GROUP>"; missing items keep their values.
void SideBoxToText(TTextFile& file, const TSideBox& box);
void SideBoxFromText(QStringView text, TSideBox& box, int32_t version);
