#pragma once
// The print preview: the shown units as the printer prints them, a sheet
// each, drawn only as they come into view (PreviewSheets), with page
// navigation, zoom and 打印. Accepted (true from the modal run) means 打印
// was pressed: the caller then runs the print command.
#include <cstdint>

#include <QDialog>

#include "app/printing/PreviewSheets.h"

class QLabel;
class QSpinBox;

class PrintPreviewWindow : public QDialog {
    Q_OBJECT

public:
    PrintPreviewWindow(int32_t count, QSizeF paperInches, PreviewSheets::DrawSheet draw, QWidget* parent = nullptr);

    PreviewSheets& Sheets() { return *sheets_; }

private:
    void AddCommands();
    void ShowSheet(int32_t sheet);
    void ShowZoom(double zoom);

    PreviewSheets* sheets_ = nullptr;
    QSpinBox* page_ = nullptr;
    QLabel* zoom_ = nullptr;
};
