#pragma once
// The main of a benchmark that needs widgets: an offscreen application, the
// view's first zoom, then the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "render/RenderGlobals.h"

inline int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_ZoomIndex = 3;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
