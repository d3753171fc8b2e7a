#pragma once
// Opening a pre-processed text and typesetting it: the text's lines are
// read into g_TextLines, typeset under g_ParaSet into g_PageTable, and the
// first page shown. The text is a project: its project file beside it (the
// same name, the project extension) holds its parameter set.
#include <QString>

class PageView;
class TTypesetter;

// Reads the project file of the text when there is one (else the text is
// typeset with the default set, or the parameter file its 【CS…】 lines
// name, and the project counts as modified), then loads, typesets and
// shows the text. The file read is path itself, whatever its extension;
// the project and companion names come from path without it. False when
// the text cannot be read or typeset.
bool OpenTextFile(const QString& path, PageView& view, TTypesetter& typesetter);

// The open project's text (the file it was opened from, else
// g_ProjectName + ".txt"): loads, typesets and
// shows its first page. False without a project.
bool OpenProjectText(PageView& view, TTypesetter& typesetter);
bool LoadAndShowText(PageView& view, TTypesetter& typesetter);

// Reads the project's text (as above) into g_TextLines and typesets it; says
// "打开预处理文本文件出错！" when the text cannot be read. While a book is
// generated (generating) the panes are left alone.
bool LoadTextLines(TTypesetter& typesetter, bool generating);
// Typesets g_TextLines under g_ParaSet into g_PageTable and makes them the
// set and pages in use; a book title found in the text names the text.
bool BuildPagesFromText(TTypesetter& typesetter, bool generating);
