#pragma once
// Opening a typeset book: its typeset file, its index (rebuilt when it
// cannot be read), the directory tree filled with it and its first volume
// shown.
#include <cstdint>
#include <functional>

#include <QString>

class CollatorView;

// What the frame does for an open book: the text pane hidden and the edit
// pane shown.
using ShowBookPanes = std::function<void()>;

// 40075: a typeset file chosen, the save questions, then OpenTypesetFile.
void OnFileOpenTypeset(CollatorView& view, const ShowBookPanes& showBookPanes);

// Resets the working state, loads the book and shows its first volume.
// False when the book could not be loaded (the view then shows nothing).
bool OpenTypesetFile(CollatorView& view, const QString& path, const ShowBookPanes& showBookPanes = {});

// Scans the book folder (path without extension) for volume-data files into
// a new book of the view's list and reads the typeset file. 0 on success;
// 2 after "没有找到豎排文件！" or a typeset file that could not be read,
// the book then removed again.
int32_t LoadTypesetBook(CollatorView& view, const QString& path);
