#pragma once
// What the print preview window shows of its current sheet, read from the
// window's own picture.
#include <QRect>

class PrintPreviewWindow;

// Dark pixels of the current sheet in the window's picture inside part
// (sheet pixels).
int InkIn(PrintPreviewWindow& preview, const QRect& part);
