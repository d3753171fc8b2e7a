#include "app/FrameServices.h"

namespace {

FrameServices* g_InstalledFrame = nullptr;

}  // namespace

FrameServices& Frame()
{
    static FrameServices none;
    return g_InstalledFrame ? *g_InstalledFrame : none;
}

FrameServices* InstallFrameServices(FrameServices* frame)
{
    FrameServices* previous = g_InstalledFrame;
    g_InstalledFrame = frame;
    return previous;
}
