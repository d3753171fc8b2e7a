// Opening a long text in the main window, as the user does: generated
// volume texts of 10, 25 and 50 MB (UTF-8) read, typeset, mapped for the
// text pane and shown, each on a fresh window and working state. The
// counters give the size, the pages, and the time per MB, whose growth
// from size to size shows whether opening stays linear.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include <QFileInfo>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/frame/MainWindow.h"
#include "bench/GeneratedText.h"
#include "bench/QtBenchMain.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

namespace {

void ResetWorkingState()
{
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    ResetFoundationGlobals();
    g_ZoomIndex = 3;
}

void OpenText(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    uint32_t seed = 11;
    // UTF-8 Han characters take three bytes; the marks add about a tenth.
    WriteGeneratedText(path, QStringLiteral("卷一"), state.range(0) * 1000 * 1000 / 3 * 10 / 11, seed);
    const double megabytes = double(QFileInfo(path).size()) / 1e6;
    int32_t pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetWorkingState();
        auto window = std::make_unique<MainWindow>();
        window->resize(1400, 1000);
        window->show();
        state.ResumeTiming();
        if (!window->OpenText(path))
            state.SkipWithError("the text did not open");
        pages = g_PageTable.pages.Size();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    ResetWorkingState();
    state.counters["MB"] = megabytes;
    state.counters["pages"] = double(pages);
    state.counters["s_per_MB"] =
        benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(OpenText)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
