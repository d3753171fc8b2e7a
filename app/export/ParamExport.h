#pragma once
// Exports the layout parameters in use as a parameter file (.pra).
#include <QString>

struct TParaSet;

// A save dialog in the folder of projectName (else of volumeDataPath; with
// neither nothing happens) proposing projectName's file name; the set is
// written to the chosen file and the outcome told: "参数保存结束！" when it
// was written, "打開文件寫出錯！" when not.
void ExportParams(const QString& projectName, const QString& volumeDataPath, const TParaSet& set);

// The command (文件/導出版式參數), while pages are shown and no cell is being
// edited: the project's name and the shown volume's data file (empty
// without a book), the set in use (g_CurrentParaSet).
void OnExportParams(const QString& volumeDataPath);
