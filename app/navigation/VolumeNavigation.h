#pragma once
// Showing a page of a volume of the open book: activating the book, saving
// or discarding the shown volume's edits, loading the other volume's data
// file and placing the bookmark list.
#include <climits>
#include <cstdint>

#include <QString>

struct TBook;
struct ViewData;

// A text page beyond every volume's last: the loader takes the last page.
inline constexpr int32_t kLastTextPage = INT_MAX;

// Makes book the open book: its set and counts in use, its page sizes and
// the view's zoom computed again.
void ActivateBook(TBook& book, ViewData& view);

// Shows text page p of volume i of book. Another volume is loaded only
// after the shown one's edits were saved or discarded (Cancel keeps the
// shown volume and page); its name becomes the document title and is given
// in name. False without a book, and when Cancel or a failed load left the
// shown volume as it was.
bool GoToVolumePage(int32_t i, ViewData& view, TBook* book, int32_t p, QString* name = nullptr,
                    const QString& bookmarkTitle = {});

// Reads the volume-data file at path and shows its text page n (at most
// its last), in 4-in-1 display the group's sheet that holds it. With a
// bookmark title the current bookmark is that title's on page n, else the
// last one at or before n. False after "打開文件出錯！" when the file
// cannot be read (the shown pages stay); false for a negative n.
bool LoadAndShowVolume(int32_t n, const QString& path, ViewData& view, const QString& bookmarkTitle = {},
                       QString* name = nullptr);
