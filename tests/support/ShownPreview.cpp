#include "support/ShownPreview.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "app/printing/PrintPreviewWindow.h"

PrintPreviewWindow* ShownPreview(QDialog& dialog)
{
    auto* preview = qobject_cast<PrintPreviewWindow*>(&dialog);
    EXPECT_NE(preview, nullptr);
    if (!preview)
        return nullptr;
    preview->resize(900, 700);
    preview->show();
    QTest::qWait(20);
    return preview;
}

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
