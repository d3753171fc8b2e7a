#include "typeset/TypesetGlobals.h"

TPageTable* g_TypesetTable = nullptr;
TPageRec* g_TypesetPage = nullptr;
QString g_TypesetStyleName;
int32_t g_CoverPages = 0;
int32_t g_BackPages = 0;
bool g_LoadingText = true;
TParaSet* g_CurrentParaSet = nullptr;

void ResetTypesetGlobals()
{
    g_TypesetTable = nullptr;
    g_TypesetPage = nullptr;
    g_TypesetStyleName.clear();
    g_CoverPages = 0;
    g_BackPages = 0;
    g_LoadingText = true;
    g_CurrentParaSet = nullptr;
}
