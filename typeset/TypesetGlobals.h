#pragma once
// Working state of the typesetting engine. Every process-wide variable of
// this layer is declared here; ResetTypesetGlobals puts them back for tests.
#include <cstdint>
#include <vector>

#include <QStringView>

struct TPageRec;

// Ends the last column of every source line (paragraph end).
inline constexpr QStringView g_LineEndMark = u"<-P>";

// The page being filled while a text is typeset; null before the first page.
extern TPageRec* g_TypesetPage;

// --- Book model -------------------------------------------------------------
template <class T>
class OwningList;
struct TBook;
struct TBookmarkNode;
struct TBookmarkEntry;

// The open typeset book (owned by the view's book list); null when a text or
// a project is open.
extern TBook* g_CurrentBook;
// The shown volume's contents tree, its flat title list and the index of the
// current title in that list (-2 when none).
extern OwningList<TBookmarkNode> g_VolumeContents;
extern std::vector<TBookmarkEntry> g_BookmarkList;
extern int32_t g_CurrentBookmark;
// --- end of the book model ----------------------------------------------------

void ResetTypesetGlobals();
