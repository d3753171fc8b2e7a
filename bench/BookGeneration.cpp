// Generating a typeset book in the main window (文件/生成排版文件) from a
// folder of generated texts of real size: about 4,700 characters and 50
// titles a volume (a volume name, lines of 40 to 120 characters with
// punctuation). The command reads and typesets every text, writes each
// volume-data file, the typeset and index files, then opens the book and
// paints its first page with the directory tree. Run for 90 and for 900
// volumes (about 4.2 million characters); reports characters per second of
// CPU time (one core) and of wall time (which includes waiting for each
// safely written file to reach the disk), and the peak resident size, which
// should not grow with the number of volumes.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>

#include <QDir>
#include <QTemporaryDir>

#include "GeneratedText.h"
#include "QtBenchMain.h"
#include "app/commands/CommandIds.h"
#include "bench/BookWindow.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

namespace {

constexpr int64_t kCharactersPerVolume = 4'700;
constexpr int32_t kLinesPerTitle = 1;

// A folder of texts, made once per volume count.
class TextFolder {
public:
    explicit TextFolder(int32_t volumes)
    {
        QDir(dir_.path()).mkdir(QStringLiteral("書"));
        folder = dir_.filePath(QStringLiteral("書"));
        uint32_t seed = 11;
        for (int32_t v = 0; v < volumes; ++v)
            WriteVolume(v, seed);
    }
    QString folder;
    int64_t characters = 0;

private:
    void WriteVolume(int32_t v, uint32_t& seed)
    {
        characters += WriteGeneratedText(folder + QStringLiteral("/v%1.txt").arg(v, 4, 10, QChar(u'0')),
                                         QStringLiteral("卷%1").arg(v + 1), kCharactersPerVolume, seed,
                                         kLinesPerTitle);
    }

    QTemporaryDir dir_;
};

const TextFolder& FolderOf(int32_t volumes)
{
    static std::map<int32_t, std::unique_ptr<TextFolder>> folders;
    std::unique_ptr<TextFolder>& folder = folders[volumes];
    if (!folder)
        folder = std::make_unique<TextFolder>(volumes);
    return *folder;
}

double PeakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Titles in the open book's contents, over all volumes.
int64_t CountTitles(const TBookmarkTree& nodes)
{
    int64_t n = 0;
    for (const TBookmarkNode& node : nodes)
        n += 1 + CountTitles(node.children);
    return n;
}

void GenerateBook(benchmark::State& state)
{
    const TextFolder& texts = FolderOf(int32_t(state.range(0)));
    BookWindow window;
    std::chrono::steady_clock::duration wall{};
    for (auto _ : state) {
        state.PauseTiming();
        window.Run(Cmd::FileNew);
        window.prompter.told.clear();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        window.Run(Cmd::MakeTypeset, texts.folder);
        wall += std::chrono::steady_clock::now() - start;
        if (!g_CurrentBook || g_CurrentBook->volumes.Size() != state.range(0)) {
            state.SkipWithError("the book was not generated and opened");
            break;
        }
    }
    int64_t titles = 0, pages = 0;
    if (g_CurrentBook) {
        for (const TFile& volume : g_CurrentBook->volumes) {
            titles += CountTitles(volume.contents);
            pages += volume.pageCount;
        }
    }
    state.counters["chars/s"] =
        benchmark::Counter(double(texts.characters), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["wall_chars/s"] =
        double(texts.characters) * double(state.iterations()) / std::chrono::duration<double>(wall).count();
    state.counters["chars"] = double(texts.characters);
    state.counters["pages/vol"] = double(pages) / double(state.range(0));
    state.counters["titles/vol"] = double(titles) / double(state.range(0));
    state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(GenerateBook)->Arg(90)->Arg(900)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
