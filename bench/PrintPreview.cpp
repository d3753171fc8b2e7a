// The print preview of a huge volume, as the user opens it: a generated text
// of about 10,000 sheets is opened in the shown main window, then 打印預覽
// runs through the window's dispatcher; the preview window is shown and
// painted, and closed. Reports the time from the command to the painted
// window, the sheets it offers, and the peak resident memory of that span
// (the process's high-water mark is reset just before the command).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/dialogs/DialogServices.h"
#include "app/frame/MainWindow.h"
#include "bench/GeneratedText.h"
#include "bench/QtBenchMain.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The kernel's peak resident size of this process, in MB; ResetPeak starts
// a new peak from the present size.
double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Shows the preview, lets it paint, notes when it has, and closes it.
class ShowAndClose final : public DialogServices {
public:
    bool RunModal(QDialog& dialog) override
    {
        dialog.resize(1200, 900);
        dialog.show();
        QApplication::processEvents();
        dialog.repaint();
        painted = timer.nsecsElapsed() / 1e9;
        peak = PeakMegabytes();
        return false;
    }
    QElapsedTimer timer;
    double painted = 0;
    double peak = 0;
};

void PreviewHugeVolume(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    uint32_t seed = 5;
    WriteGeneratedText(path, QStringLiteral("卷一"), state.range(0), seed);
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    ResetFoundationGlobals();
    g_ZoomIndex = 3;
    auto window = std::make_unique<MainWindow>();
    window->resize(1400, 1000);
    window->show();
    if (!window->OpenText(path)) {
        state.SkipWithError("the text did not open");
        return;
    }
    QApplication::processEvents();
    ShowAndClose dialogs;
    DialogServices* previous = InstallDialogServices(&dialogs);
    const int32_t sheets = GetShownPageCount();
    for (auto _ : state) {
        ResetPeak();
        dialogs.timer.start();
        window->Dispatch(Cmd::PrintPreview);
        state.SetIterationTime(dialogs.painted);
    }
    InstallDialogServices(previous);
    window.reset();
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    state.counters["sheets"] = sheets;
    state.counters["open_s"] = dialogs.painted;
    state.counters["peak_MB"] = dialogs.peak;
}
// About 400,000 and 4,000,000 characters: about 1,000 and 10,000 woodblock
// leaves.
BENCHMARK(PreviewHugeVolume)->Arg(400'000)->Arg(4'000'000)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
