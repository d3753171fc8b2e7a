#pragma once
// Working state of the typesetting engine and of the page tables. Every
// process-wide variable of this layer is declared here; ResetTypesetGlobals
// puts them back for tests. (The current-style list pointers g_Cur… are the
// foundation layer's, whose look-up-or-add operations extend them.)
#include <cstdint>

#include <vector>

#include <QString>
#include <QStringView>

struct TPageRec;
struct TPageTable;
struct TParaSet;

// Ends the last column of every source line (paragraph end).
inline constexpr QStringView g_LineEndMark = u"<-P>";

// The source lines of the open pre-processed text, one per line.
extern std::vector<QString> g_TextLines;

// The table being filled while a text is typeset.
extern TPageTable* g_TypesetTable;
// The page being filled while a text is typeset; null before the first page.
extern TPageRec* g_TypesetPage;
// The style name each new page gets.
extern QString g_TypesetStyleName;

// The cover and back-cover pages of the shown text or volume (0 or 1 each).
extern int32_t g_CoverPages;
extern int32_t g_BackPages;
// A text is being loaded for its first typesetting: 【CS…】 lines that name
// a parameter file are honoured only then.
extern bool g_LoadingText;

// The parameter set in use (the project's, or the open book's); page styles
// are looked up in it.
extern TParaSet* g_CurrentParaSet;

// --- Book model -------------------------------------------------------------
template <class T>
class OwningList;
struct TBook;
struct TBookmarkNode;
struct TBookmarkEntry;
struct T4in1Data;

// The open typeset book (owned by the view's book list); null when a text or
// a project is open.
extern TBook* g_CurrentBook;
// The shown volume's contents tree, its flat title list and the index of the
// current title in that list (-2 when none).
extern OwningList<TBookmarkNode> g_VolumeContents;
extern std::vector<TBookmarkEntry> g_BookmarkList;
extern int32_t g_CurrentBookmark;
// The 4-in-1 grouping of the open book and the index of the group shown.
extern T4in1Data g_4in1Data;
extern int32_t g_Current4in1Group;
// The page table in use (the shown text's or volume's), whose first and last
// pages the 4-in-1 groups take as cover and back cover; null when none.
extern TPageTable* g_CurrentPages;
// --- end of the book model ----------------------------------------------------

// --- Find and replace ---------------------------------------------------------
struct THitTable;

// One hit table per search; the one drawn (null when none).
extern OwningList<THitTable> g_HitTables;
extern THitTable* g_CurrentHitTable;
// Non-empty while the hits of g_CurrentHitTable are to be highlighted.
extern QString g_FindText;
// -1 until a find succeeds, then 2.
extern int32_t g_SearchMode;
// --- end of find and replace --------------------------------------------------

void ResetTypesetGlobals();
