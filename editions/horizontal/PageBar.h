#pragma once
// The page bar of a horizontal style (TPageBar): its zoomed copy and its
// binary and tagged-text forms.
#include <cstdint>

#include <QStringView>

#include "foundation/params/Style.h"

class TBinFile;
class TTextFile;

// The two band heights multiplied by the zoom (truncated), flags and
// positions copied, the two pairs scaled.
TPageBar& ScalePageBar(const TPageBar& source, TPageBar& out, double zoom);

// Six ints (HEAD_HEIGHT, FOOT_HEIGHT, SHOW_HEAD_LINE, SHOW_FOOT_LINE,
// TITLE_POS_TYPE, PAGE_POS_TYPE), the title pair and the page-number pair.
// Files before version 30 hold two old side boxes in its place: they are
// read and dropped, and the bar keeps its values.
int32_t WritePageBar(TBinFile& file, const TPageBar& bar);
bool ReadPageBar(TBinFile& file, TPageBar& bar, int32_t version);

// "<PAGE_BAR_PARA>" with the six items, "<TITLE_MFONT_GROUP>" and
// "<PAGE_MFONT_GROUP>". A position outside TYPE_NO … TYPE_FOOT_SIDE writes
// no line; an unknown position word keeps the value.
void PageBarToText(TTextFile& file, const TPageBar& bar);
void PageBarFromText(QStringView text, TPageBar& bar, int32_t version);
