#pragma once
// The main of a benchmark that needs widgets: an application (offscreen
// unless told otherwise) with the program's face substitutions, the view's
// first zoom (100 %), then the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/FontSubstitutions.h"
#include "render/RenderGlobals.h"

inline int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    g_ZoomIndex = 3;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
