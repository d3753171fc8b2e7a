#pragma once
// The working state that the page drawing reads and, for the current style
// and cover, switches page by page. Every process-wide variable of this
// layer is declared here; ResetRenderGlobals puts them back for tests. (The
// parameter set in use, the page table in use and the cover-page count are
// the typesetting layer's: typeset/TypesetGlobals.h.)
#include <cstdint>

#include "platform/WinTypes.h"
#include "typeset/book/Bookmarks.h"

struct TStyle;
struct TCoverPara;

// Whichever style or cover of g_CurrentParaSet the page being drawn (or
// typeset) has; exactly one of the two is set while drawing.
extern TStyle* g_CurrentStyle;
extern TCoverPara* g_CurrentCover;

// Display modes: facing pairs (the default) and 4-in-1 sheets; neither is
// single mode.
extern int32_t g_TwoPageMode;
extern int32_t g_FourInOneMode;
// Index into the view's zoom table.
extern int32_t g_ZoomIndex;
// Pages are loaded and shown; a grid cell is being edited in place (the
// drawing then does nothing).
extern bool g_VolumeShown;
extern bool g_CellEditing;

// Page-setup values, kept in the settings archive: margins in 1/100 mm
// (left, top, right, bottom) and the orientation (1 portrait, 2 landscape).
extern WinRect g_PrintMargins;
extern int16_t g_PrintOrientation;

// --- Contents and the shown page ---------------------------------------------
// The shown volume's sections with their page counts (the index file's).
extern TNameNumberList g_SectionList;
// The shown unit (a shown page), and the text pages it shows (-1: none;
// the second also -99 in single display).
extern int32_t g_CurrentPage;
extern int32_t g_ShownTextPage;
extern int32_t g_ShownTextPage2;
// --- end of contents and the shown page --------------------------------------

void ResetRenderGlobals();
