#pragma once
// Exports the contents (bookmarks) as indented text files: one for the shown
// text, or one "<title>TextMark.txt" per volume of the open book. UTF-16LE
// with a byte-order mark, lines ended by CR LF; line 1 is the title, then
// per node, depth first, TAB × depth, the title, TAB and the 1-based shown
// page.
#include <cstdint>
#include <vector>

#include <QString>

#include "typeset/book/Bookmarks.h"

class TTextFile;

// How text pages are counted as shown pages at the time of the export.
struct TShownPageRule {
    int32_t coverPages = 0;
    bool twoPage = false;
    bool fourInOne = false;
};

// The 1-based shown page of a text page.
int32_t BookmarkPageNumber(int32_t textPage, const TShownPageRule& rule);
// One node's line at depth, then its children one deeper.
void WriteBookmarkLine(const TBookmarkNode& node, TTextFile& file, int32_t depth, const TShownPageRule& rule);
// Writes a whole file; false when it could not be written.
bool WriteBookmarkFile(const QString& path, const QString& title, const TBookmarkTree& contents,
                       const TShownPageRule& rule);

// "<title>TextMark.txt"
QString BookmarkFileName(const QString& title);

// A volume to export: the file title of its text and its contents tree.
struct TVolumeBookmarks {
    QString title;
    const TBookmarkTree* contents = nullptr;
};

// The shown text: a save dialog in startFolder proposing textName +
// "TextMark"; the file, then the outcome told to the user.
void ExportTextBookmarks(const QString& textName, const TBookmarkTree& contents, const QString& startFolder,
                         const TShownPageRule& rule);
// A book: a folder dialog started in bookFolder, then one file per volume in
// order; the first file that cannot be written ends the export.
void ExportBookBookmarks(const QString& bookFolder, const std::vector<TVolumeBookmarks>& volumes,
                         const TShownPageRule& rule);
// The command (文件/導出文本書籤): the open book's volumes with their index
// trees, else the shown text's contents (g_VolumeContents), numbered by the
// display mode and g_CoverPages in force.
void ExportBookmarkFiles();
