// Printing 100 shown units of a generated, typeset text into a PDF file
// through the program's print cycle (the same one the printer and the
// preview use), one page to a sheet and a two-page spread to a sheet:
// reports sheets and text pages per second and the size of the PDF.
#include <benchmark/benchmark.h>

#include <memory>

#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "GeneratedText.h"
#include "QtBenchMain.h"
#include "app/printing/BookPrinting.h"
#include "app/state/WorkingState.h"
#include "app/text/TextOpening.h"
#include "app/view/CollatorView.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"

namespace {

constexpr int kUnits = 100;

class QuietPrompter final : public Prompter {
public:
    Answer Ask(const QString&, Buttons) override { return Answer::No; }
    void Tell(const QString&) override {}
};

// A text long enough for more than 100 shown units.
QString WriteLongText(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    uint32_t seed = 5;
    WriteGeneratedText(path, QStringLiteral("卷一"), 60'000, seed);
    return path;
}

void PrintHundredPages(benchmark::State& state)
{
    QuietPrompter prompter;
    Prompter* previous = InstallPrompter(&prompter);
    QTemporaryDir dir;
    const bool spreads = state.range(0) != 0;
    CollatorView view;
    view.resize(1200, 900);
    g_TwoPageMode = spreads ? 1 : 0;
    ResetProjectState(view);
    if (!OpenTextFile(WriteLongText(dir), view, view.Data.typesetter) || GetShownPageCount() < kUnits) {
        state.SkipWithError("the text gave too few pages");
        InstallPrompter(previous);
        return;
    }
    const QString pdfPath = dir.filePath(QStringLiteral("out.pdf"));
    int printed = 0;
    for (auto _ : state) {
        QPdfWriter pdf(pdfPath);
        PreparePdfWriter(pdf);
        printed = PrintBookUnits(view, pdf, 1, kUnits);
    }
    if (printed != kUnits)
        state.SkipWithError("not every page was printed");
    state.counters["sheets/s"] = benchmark::Counter(kUnits, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["pages/s"] =
        benchmark::Counter(spreads ? 2 * kUnits : kUnits, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(spreads ? "two pages a sheet" : "one page a sheet");
    state.counters["pdf_KB"] = double(QFileInfo(pdfPath).size()) / 1024.0;
    ResetProjectState(view);
    InstallPrompter(previous);
}
BENCHMARK(PrintHundredPages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
