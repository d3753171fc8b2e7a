#pragma once
// What a page shows besides text: its background, pictures placed in its
// columns (registering where they break the column rules), seals, and the
// whole-page picture with grid-placed texts of cover pages.
#include <cstdint>

#include <QPoint>
#include <QString>

#include "platform/WinTypes.h"

class Dc;
class PageRenderer;
struct TPageItem;

// Written where a placed picture's file is missing.
inline constexpr char16_t kMissingPictureText[] = u"缺图片";

void DrawPageBackground(PageRenderer& view, Dc& dc, const WinRect& sheet);
void DrawPageSeals(PageRenderer& view, Dc& dc, int32_t firstPage, int32_t secondPage, QPoint origin);
void DrawPagePictures(PageRenderer& view, int32_t firstPage, Dc& dc, int32_t secondPage, QPoint origin);
// The scaled rectangle of the item's columns and cells in a text box whose
// cells start at base.
WinRect CellRect(int32_t lines, int32_t cellsPerLine, const TPageItem& item, int32_t columnStep, int32_t cellHeight,
                 const WinRect& base);
void DrawCoverPage(PageRenderer& view, WinRect rect, Dc& dc);

// The existing file of a picture name in the folder of a kind; empty when none.
QString ExistingPictureFile(const QString& name, int32_t kind);
