#include "render/RenderGlobals.h"

TStyle* g_CurrentStyle = nullptr;
TCoverPara* g_CurrentCover = nullptr;
int32_t g_TwoPageMode = 1;
int32_t g_FourInOneMode = 0;
int32_t g_ZoomIndex = 0;
bool g_VolumeShown = false;
bool g_CellEditing = false;
WinRect g_PrintMargins = {200, 200, 200, 200};
int16_t g_PrintOrientation = 2;
TNameNumberList g_SectionList;
int32_t g_CurrentPage = -1;
int32_t g_ShownTextPage = -1;
int32_t g_ShownTextPage2 = -1;

void ResetRenderGlobals()
{
    g_CurrentStyle = nullptr;
    g_CurrentCover = nullptr;
    g_TwoPageMode = 1;
    g_FourInOneMode = 0;
    g_ZoomIndex = 0;
    g_VolumeShown = false;
    g_CellEditing = false;
    g_PrintMargins = {200, 200, 200, 200};
    g_PrintOrientation = 2;
    g_SectionList.clear();
    g_CurrentPage = -1;
    g_ShownTextPage = -1;
    g_ShownTextPage2 = -1;
}
