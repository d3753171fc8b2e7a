#include "app/FrameServices.h"

#include "app/AppGlobals.h"

FrameServices& Frame()
{
    static FrameServices none;
    FrameServices* installed = g_InstalledFrame.Get();
    return installed ? *installed : none;
}

FrameServices* InstallFrameServices(FrameServices* frame) { return g_InstalledFrame.Install(frame); }
