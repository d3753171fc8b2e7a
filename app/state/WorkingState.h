#pragma once
// The reset every opening command performs after its save questions, and the
// small accessors of the working state.
#include <cstdint>

#include <QString>

class CollatorView;
class PageRenderer;
struct TBook;
class TFile;
struct TBookmarkNode;
template <class T>
class OwningList;

// Clears the open text, project or book: one default style "para0" and no
// cover, no pages, no names, no books, no volume shown, the frame's panes
// emptied. The set in use becomes g_ParaSet with its new style current, and
// 4-in-1 display goes off, so that nothing points into what was freed.
void ResetProjectState(CollatorView& view);

// Volume i of book; null when i is out of range.
TFile* GetVolume(TBook* book, int32_t i);
QString GetTextName();
// g_ProgramPath, found first when it is still empty.
QString GetProgramPath();
// The view's zoom-table entry at g_ZoomIndex; 1.0 past the table.
double GetZoomFactor(const PageRenderer& view);

// The flat title list from tree, with no current title (-2).
void RebuildBookmarkList(const OwningList<TBookmarkNode>& tree);
void SetCurrentBookmark(int32_t i);
