// Generating a typeset book end to end from a folder of generated texts of
// about 4,440 characters each (a volume name, a title every 20 lines, lines
// of 40 to 120 characters with punctuation): every text read, typeset,
// written as its volume-data file, and the typeset and index files written.
// Run for 90 and for 900 volumes (about 4 million characters); reports
// characters per second of CPU time (one core) and of wall time (which
// includes waiting for each safely written file to reach the disk), and the
// peak resident size, which should not grow with the number of volumes.
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
#include "app/books/BookGeneration.h"
#include "app/state/WorkingState.h"
#include "app/view/CollatorView.h"
#include "platform/Chooser.h"
#include "platform/Prompter.h"
#include "typeset/book/Book.h"

namespace {

constexpr int64_t kCharactersPerVolume = 4'440;

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
                                         QStringLiteral("卷%1").arg(v + 1), kCharactersPerVolume, seed);
    }

    QTemporaryDir dir_;
};

class FolderChooser final : public Chooser {
public:
    QString folder;
    QString OpenFile(const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(const QString&, const QString&) override { return folder; }
    bool Colour(ColorRef&) override { return false; }
    bool Font(QFont&) override { return false; }
};

class QuietPrompter final : public Prompter {
public:
    Answer Ask(const QString&, Buttons) override { return Answer::Yes; }
    void Tell(const QString&) override {}
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

void GenerateBook(benchmark::State& state)
{
    const TextFolder& texts = FolderOf(int32_t(state.range(0)));
    FolderChooser chooser;
    chooser.folder = texts.folder;
    QuietPrompter prompter;
    Chooser* previousChooser = InstallChooser(&chooser);
    Prompter* previousPrompter = InstallPrompter(&prompter);
    CollatorView view;
    std::chrono::steady_clock::duration wall{};
    for (auto _ : state) {
        state.PauseTiming();
        ResetProjectState(view);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<TBook> book = GenerateTypesetBook(view, [] { return true; });
        wall += std::chrono::steady_clock::now() - start;
        if (!book) {
            state.SkipWithError("the book was not generated");
            break;
        }
        LeaveBook(*book);
    }
    ResetProjectState(view);
    InstallPrompter(previousPrompter);
    InstallChooser(previousChooser);
    state.counters["chars/s"] =
        benchmark::Counter(double(texts.characters), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["wall_chars/s"] =
        double(texts.characters) * double(state.iterations()) / std::chrono::duration<double>(wall).count();
    state.counters["chars"] = double(texts.characters);
    state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(GenerateBook)->Arg(90)->Arg(900)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
