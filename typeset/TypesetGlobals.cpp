#include "typeset/TypesetGlobals.h"

#include "typeset/book/Book.h"
#include "typeset/book/Bookmarks.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/HitTables.h"

std::vector<QString> g_TextLines;
TPageTable* g_TypesetTable = nullptr;
TPageRec* g_TypesetPage = nullptr;
QString g_TypesetStyleName;
int32_t g_CoverPages = 0;
int32_t g_BackPages = 0;
bool g_LoadingText = true;
TParaSet* g_CurrentParaSet = nullptr;

// Book model.
TBook* g_CurrentBook = nullptr;
TBookmarkTree g_VolumeContents;
std::vector<TBookmarkEntry> g_BookmarkList;
int32_t g_CurrentBookmark = -2;
T4in1Data g_4in1Data;
int32_t g_Current4in1Group = 0;
TPageTable* g_CurrentPages = nullptr;

// Find and replace.
OwningList<THitTable> g_HitTables;
THitTable* g_CurrentHitTable = nullptr;
QString g_FindText;
int32_t g_SearchMode = -1;

void ResetTypesetGlobals()
{
    g_TextLines.clear();
    g_TypesetTable = nullptr;
    g_TypesetPage = nullptr;
    g_TypesetStyleName.clear();
    g_CoverPages = 0;
    g_BackPages = 0;
    g_LoadingText = true;
    g_CurrentParaSet = nullptr;

    g_CurrentBook = nullptr;
    g_VolumeContents.Clear();
    g_BookmarkList.clear();
    g_CurrentBookmark = -2;
    g_4in1Data = T4in1Data();
    g_Current4in1Group = 0;
    g_CurrentPages = nullptr;

    ClearHitTables();
    g_FindText.clear();
    g_SearchMode = -1;
}
