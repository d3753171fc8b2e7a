// Opening a generated typeset book of 900 volumes of about 4,600 characters
// each (24 pages of ten columns of 19 characters), with its index and with
// the index rebuilt from every volume, and switching between its volumes;
// then switching between the two volumes of 1,000 pages of another book.
// Each volume switch reads the volume-data file, rebuilds the contents and
// sections and shows the first page in a page view.
#include <benchmark/benchmark.h>

#include <QFile>

#include "bench/GeneratedBook.h"
#include "bench/QtBenchMain.h"

namespace {

const GeneratedBook& LargeBook()
{
    static const GeneratedBook book(QStringLiteral("九百冊"), 900, 24);
    return book;
}

const GeneratedBook& LongVolumes()
{
    static const GeneratedBook book(QStringLiteral("千頁"), 2, 1000);
    return book;
}

void OpenLargeBook(benchmark::State& state)
{
    const bool rebuild = state.range(0) != 0;
    const GeneratedBook& book = LargeBook();
    View view;
    for (auto _ : state) {
        if (rebuild) {
            state.PauseTiming();
            QFile::remove(book.folder + QStringLiteral("/九百冊.") + g_Edition->Extension(FileKind::Index));
            state.ResumeTiming();
        }
        if (!OpenBook(view, book))
            state.SkipWithError("the book did not open");
    }
    state.SetLabel(rebuild ? "index rebuilt" : "index read");
}
BENCHMARK(OpenLargeBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SwitchVolume(benchmark::State& state, const GeneratedBook& book)
{
    View view;
    if (!OpenBook(view, book)) {
        state.SkipWithError("the book did not open");
        return;
    }
    const int32_t volumes = g_CurrentBook->volumes.Size();
    int32_t next = 1;
    for (auto _ : state) {
        GoToVolumePage(next, view.data, g_CurrentBook, 0);
        next = (next + 1) % volumes;
    }
    state.SetLabel(std::to_string(g_PageTable.pages.Size()) + " pages a volume");
}
void SwitchSmallVolume(benchmark::State& state) { SwitchVolume(state, LargeBook()); }
void SwitchThousandPageVolume(benchmark::State& state) { SwitchVolume(state, LongVolumes()); }
BENCHMARK(SwitchSmallVolume)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SwitchThousandPageVolume)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
