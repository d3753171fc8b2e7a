#pragma once
// Drawing the shown units of the current volume: one page (single mode), a
// leaf of two facing pages, or a 4-in-1 sheet of two half sheets with a
// side column; each leaf in a fixed order: background, seals, pictures,
// frame, text, glyph batches.
#include <cstdint>

#include <QPoint>

#include "platform/WinTypes.h"

class Dc;
class PageRenderer;

// The view's paint: on the screen every shown unit that meets the client
// area (stacked by PagePitch, the view scrolled to scrollY), on a printer
// the current unit at the printable origin. It changes no state beyond the
// renderer's drawing state.
void DrawShownPages(PageRenderer& view, Dc& dc, int32_t scrollY);
// One shown unit with its top-left at origin (scaled).
void RenderPage(PageRenderer& view, Dc& dc, int32_t shown, QPoint origin);
void DrawPageBody(PageRenderer& view, Dc& dc, const WinRect& r1, const WinRect& r3, int32_t firstPage,
                  int32_t secondPage, QPoint origin);
void DrawPageText(PageRenderer& view, Dc& dc, int32_t firstPage, int32_t secondPage, QPoint origin);

// What the paint used to change: the shown page from the scroll position,
// and the text pages it shows. True when g_CurrentPage changed, so that the
// caller refreshes the status text, the page combo and the panes.
bool SyncShownPage(const PageRenderer& view, int32_t scrollY);
