#pragma once
// The commands that open a pre-processed text (40096) or its project file
// (40022), and typesetting the open text again after its parameters or its
// text changed.
#include <functional>

#include <QString>

struct ViewData;

// Asks for a file to open with a Qt name filter, starting in a folder; an
// empty path for Cancel.
using ChooseFileToOpen = std::function<QString(const QString& filter, const QString& startFolder)>;

// The open dialogs start in the project's folder, else in the program's.
QString OpenDialogFolder();

// 40096: chooses a text (*.txt) and opens it; the one open-text command.
void OnFileOpenText(ViewData& view, const ChooseFileToOpen& choose);
// 40022: chooses a project file and opens it with its text; a project or
// text that cannot be read ends with "打开项目文件出错！". The open
// project's own file asks nothing and reloads nothing.
void OnFileOpenProject(ViewData& view, const ChooseFileToOpen& choose);
// The project file's part of 40022, after the choice: false when it was
// cancelled or could not be opened.
bool OpenProjectPath(ViewData& view, const QString& path);

// Typesets the open text again under its set and shows the page that was
// shown; false when it cannot be typeset.
bool RetypesetText(ViewData& view);
// After a layout parameter of the current style changed: an open book is
// only drawn again at the zoom; a text is marked changed and typeset again.
void RefreshAfterSettings(ViewData& view);
