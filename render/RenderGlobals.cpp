#include "render/RenderGlobals.h"

TStyle* g_CurrentStyle = nullptr;
TCoverPara* g_CurrentCover = nullptr;
int32_t g_TwoPageMode = 1;
int32_t g_FourInOneMode = 0;
int32_t g_ZoomIndex = 0;
bool g_VolumeShown = false;
bool g_CellEditing = false;

void ResetRenderGlobals()
{
    g_CurrentStyle = nullptr;
    g_CurrentCover = nullptr;
    g_TwoPageMode = 1;
    g_FourInOneMode = 0;
    g_ZoomIndex = 0;
    g_VolumeShown = false;
    g_CellEditing = false;
}
