// Opening a generated typeset book of 900 real-size volumes (25 pages,
// about 4,750 characters and 50 titles each) in the main window
// (文件/打開排版文件) to its first painted page with the directory tree,
// with its index and with the index rebuilt from every volume; switching
// between its volumes with 下一冊 and 上一冊; then switching between the two
// volumes of 1,000 pages of another book. Each volume switch reads the
// volume-data file, rebuilds the contents and sections and paints the first
// page.
#include <benchmark/benchmark.h>

#include <QFile>

#include "app/commands/CommandIds.h"
#include "bench/BookWindow.h"
#include "bench/GeneratedBook.h"
#include "bench/QtBenchMain.h"
#include "typeset/book/Book.h"

namespace {

const GeneratedBook& LargeBook()
{
    static const GeneratedBook book(QStringLiteral("九百冊"), 900);
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
    BookWindow window;
    window.Run(Cmd::OpenTypeset, book.TypesetPath());  // writes the index
    for (auto _ : state) {
        state.PauseTiming();
        if (rebuild)
            QFile::remove(book.IndexPath());
        window.Run(Cmd::FileNew);
        state.ResumeTiming();
        window.Run(Cmd::OpenTypeset, book.TypesetPath());
        if (!g_CurrentBook || g_CurrentVolume != 0)
            state.SkipWithError("the book did not open");
    }
    state.SetLabel(rebuild ? "index rebuilt" : "index read");
}
BENCHMARK(OpenLargeBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void SwitchVolume(benchmark::State& state, const GeneratedBook& book)
{
    BookWindow window;
    window.Run(Cmd::OpenTypeset, book.TypesetPath());
    if (!g_CurrentBook) {
        state.SkipWithError("the book did not open");
        return;
    }
    bool forward = true;
    for (auto _ : state) {
        window.Run(forward ? Cmd::NextVolume : Cmd::PreviousVolume);
        forward = !forward;
    }
    state.SetLabel(std::to_string(g_PageTable.pages.Size()) + " pages a volume");
}
void SwitchSmallVolume(benchmark::State& state) { SwitchVolume(state, LargeBook()); }
void SwitchThousandPageVolume(benchmark::State& state) { SwitchVolume(state, LongVolumes()); }
BENCHMARK(SwitchSmallVolume)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SwitchThousandPageVolume)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
