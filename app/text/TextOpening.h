#pragma once
// Opening a pre-processed text and typesetting it: the text's lines are
// read into g_TextLines, typeset under g_ParaSet into g_PageTable, and the
// first page shown. The text is a project: its project file beside it (the
// same name, the project extension) holds its parameter set.
#include <QString>

class PageView;
class TTypesetter;
struct TScanSettings;

// Reads the project file of the text when there is one (else the text is
// typeset with the default set, or the parameter file its 【CS…】 lines
// name, and the project counts as modified), then loads, typesets and
// shows the text. The file read is path itself, whatever its extension;
// the project and companion names come from path without it. The text that
// is open already is left as it is (true); another is opened only after the
// save questions, on a reset state. False for Cancel and when the text
// cannot be read or typeset. A text that cannot be read or holds nothing,
// and a damaged project file, are told and leave what was open as it was.
// The text's scan settings, when it has any, go to scan.
bool OpenTextFile(const QString& path, PageView& view, TTypesetter& typesetter, TScanSettings* scan = nullptr);

// Opens the project file at path and its text, shown from the first page.
// When either cannot be read, "打开项目文件出错！" follows the reader's own
// message and what was open stays as it was.
bool OpenProjectFile(const QString& path, PageView& view, TTypesetter& typesetter, TScanSettings* scan = nullptr);

// The open project's text (the file it was opened from, else
// g_ProjectName + ".txt"): loads, typesets and shows its first page. False
// without a project, or what LoadAndShowText gave.
bool OpenProjectText(PageView& view, TTypesetter& typesetter, TScanSettings* scan = nullptr);
bool LoadAndShowText(PageView& view, TTypesetter& typesetter, TScanSettings* scan = nullptr);

// Reads the project's text (as above) into g_TextLines and typesets it; says
// "打开预处理文本文件出错！" when the text cannot be read, and that it is
// empty when it holds no line. While a book is
// generated (generating) the panes are left alone.
bool LoadTextLines(TTypesetter& typesetter, bool generating);
// Typesets g_TextLines, with what was typed in the text pane, under
// g_ParaSet into g_PageTable and makes them the set and pages in use; a
// book title found in the text names the text.
bool BuildPagesFromText(TTypesetter& typesetter, bool generating);
