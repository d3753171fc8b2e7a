#include "typeset/TypesetGlobals.h"

TPageRec* g_TypesetPage = nullptr;

void ResetTypesetGlobals()
{
    g_TypesetPage = nullptr;
}
