#include "typeset/TypesetGlobals.h"

#include "typeset/book/Book.h"
#include "typeset/book/Bookmarks.h"

TPageRec* g_TypesetPage = nullptr;

// Book model.
TBook* g_CurrentBook = nullptr;
TBookmarkTree g_VolumeContents;
std::vector<TBookmarkEntry> g_BookmarkList;
int32_t g_CurrentBookmark = -2;

void ResetTypesetGlobals()
{
    g_TypesetPage = nullptr;

    g_CurrentBook = nullptr;
    g_VolumeContents.Clear();
    g_BookmarkList.clear();
    g_CurrentBookmark = -2;
}
