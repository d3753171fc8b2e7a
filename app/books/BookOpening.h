#pragma once
// Opening a typeset book: its typeset file, its index (rebuilt when it
// cannot be read), the directory tree filled with it and its first volume
// shown.
#include <cstdint>
#include <functional>
#include <memory>

#include <QString>

class CollatorView;
struct TBook;

// What the frame does for an open book: the text pane hidden and the edit
// pane shown.
using ShowBookPanes = std::function<void()>;

// 40075: a typeset file chosen, the save questions, then OpenTypesetFile.
void OnFileOpenTypeset(CollatorView& view, const ShowBookPanes& showBookPanes);

// Reads the book aside, then resets the working state, loads the book and
// shows its first volume. False when the book could not be read: what was
// open then stays open; or when it could not be loaded after the reset (the
// view then shows nothing).
bool OpenTypesetFile(CollatorView& view, const QString& path, const ShowBookPanes& showBookPanes = {});

// Scans the book folder (path without extension) for volume-data files
// into a new book and reads the typeset file's counts and set into it,
// touching nothing else; null after "没有找到豎排文件！" or the typeset
// file's own message.
std::unique_ptr<TBook> ReadTypesetBookAside(const QString& path, int32_t& version);

// Makes the book read aside the one of the view's list and the set in use
// and reads or rebuilds its index. 0 on success; 2 when the index could not
// be rebuilt, the book then removed again.
int32_t LoadTypesetBook(CollatorView& view, const QString& path, std::unique_ptr<TBook> read, int32_t version);
