#pragma once
// The working state that the page drawing reads and, for the current style
// and cover, switches page by page. Every process-wide variable of this
// layer is declared here; ResetRenderGlobals puts them back for tests.
#include <cstdint>

#include <QString>

struct TParaSet;
struct TStyle;
struct TCoverPara;
struct TPageTable;

// The parameter set in use, and whichever of its style or cover the page
// being drawn (or typeset) has; exactly one of the two is set while drawing.
extern TParaSet* g_CurrentParaSet;
extern TStyle* g_CurrentStyle;
extern TCoverPara* g_CurrentCover;
// The pages in use.
extern TPageTable* g_CurrentPages;

// Display modes: facing pairs (the default) and 4-in-1 sheets; neither is
// single mode.
extern int32_t g_TwoPageMode;
extern int32_t g_FourInOneMode;
// Leading cover pages of the shown text or volume (0 or 1): the page p is
// even when p - g_CoverPages is even.
extern int32_t g_CoverPages;
// Index into the view's zoom table.
extern int32_t g_ZoomIndex;
// Pages are loaded and shown; a grid cell is being edited in place (the
// drawing then does nothing).
extern bool g_VolumeShown;
extern bool g_CellEditing;

// The find text whose hits are highlighted (empty: none), and the page of
// the volume's first page in the hit table's numbering.
extern QString g_FindText;
extern int32_t g_HitPageOffset;

void ResetRenderGlobals();
