#include "app/view/CollatorView.h"

#include "render/RenderGlobals.h"

CollatorView::CollatorView(QWidget* parent) : PageView(parent) { g_VolumeShown = false; }
