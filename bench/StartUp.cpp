// Start-up as a user waits for it, run on a real display (DISPLAY set,
// QT_QPA_PLATFORM unset): the display check the program makes before
// anything else, timed before the application exists as in the program;
// then the program's window opening the sample text to its first painted
// page. Process launch and library loading are not in these figures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/DisplayCheck.h"
#include "app/RunProgram.h"
#include "app/frame/MainWindow.h"
#include "app/view/PageView.h"
#include "platform/FontSubstitutions.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The source file's name is relative to the build folder when the build
// makes it so (the benchmark lives in the build folder's bench/).
QString SamplePath()
{
    const QString source = QDir(QApplication::applicationDirPath() + QStringLiteral("/..")).filePath(QStringLiteral(__FILE__));
    return QFileInfo(source).dir().absoluteFilePath(QStringLiteral("../samples/sample.txt"));
}

// Counts the page view's paints.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void FirstPaintedPage(benchmark::State& state)
{
    QTemporaryDir profile;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
    const QStringList args{QStringLiteral("VellumorBlock"), SamplePath()};
    for (auto _ : state) {
        std::unique_ptr<MainWindow> window = MakeProgramWindow(args);
        auto* pages = window->findChild<PageView*>();
        PaintCounter counter;
        pages->viewport()->installEventFilter(&counter);
        while (!(g_VolumeShown && counter.paints > 0))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        window.reset();
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstPaintedPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The display check's median time over runs, in milliseconds.
double DisplayCheckMs()
{
    constexpr int kRuns = 15;
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!DisplayAvailable() || !DisplayOpens())
            return -1;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "run it with DISPLAY set and QT_QPA_PLATFORM unset\n");
        return 1;
    }
    std::printf("display check: %.2f ms (median of 15)\n", DisplayCheckMs());
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
