#pragma once
// The print preview window as a test meets it, and what it shows of its
// current sheet, read from the window's own picture.
#include <QRect>

class PrintPreviewWindow;
class QDialog;

// The dialog run as the print preview, shown at 900 x 700 and painted; null,
// with a failure, when it is another dialog.
PrintPreviewWindow* ShownPreview(QDialog& dialog);

// Dark pixels of the current sheet in the window's picture inside part
// (sheet pixels).
int InkIn(PrintPreviewWindow& preview, const QRect& part);
