#include "support/PreviewInk.h"

#include <QImage>

#include "app/printing/PrintPreviewWindow.h"

int InkIn(PrintPreviewWindow& preview, const QRect& part)
{
    PreviewSheets& sheets = preview.Sheets();
    const QImage shot = sheets.viewport()->grab().toImage();
    const QRect place = sheets.SheetPlace(sheets.CurrentSheet());
    int dark = 0;
    const QRect inView = part.translated(place.topLeft()) & shot.rect();
    for (int y = inView.top(); y <= inView.bottom(); ++y)
        for (int x = inView.left(); x <= inView.right(); ++x)
            dark += qGray(shot.pixel(x, y)) < 128;
    return dark;
}
