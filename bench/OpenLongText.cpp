// Opening a long text in the main window, as the user does: 打開文本排版
// through the window's dispatcher on a generated volume text of 10, 25 and
// 50 MB, in UTF-8 with its mark and in GBK, read, typeset, loaded into the
// text pane and its first page painted, each on a fresh window and working
// state; then 最後一頁 on the 50 MB text. The counters give the size, the
// pages, and the time per MB, whose growth from size to size shows whether
// opening stays linear. ReadLongText times the reading alone, the first
// stage of the open.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "app/commands/CommandIds.h"
#include "bench/BookWindow.h"
#include "bench/GeneratedText.h"
#include "bench/QtBenchMain.h"
#include "foundation/io/TextFile.h"
#include "render/RenderGlobals.h"
#include "typeset/pages/PageRecord.h"

namespace {

enum TextEncoding : int64_t { Utf8 = 0, Gbk = 1 };

// A generated text of about megabytes MB in the encoding, in dir.
QString LongText(const QTemporaryDir& dir, int64_t megabytes, int64_t encoding)
{
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    uint32_t seed = 11;
    // Han characters take three bytes in UTF-8 and two in GBK; the marks add
    // about a tenth.
    const int64_t bytesPerCharacter = encoding == Gbk ? 2 : 3;
    WriteGeneratedText(path, QStringLiteral("卷一"), megabytes * 1000 * 1000 / bytesPerCharacter * 10 / 11, seed);
    if (encoding == Gbk) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return path;
        const QString text = QString::fromUtf8(file.readAll()).mid(1);  // without the mark: GBK
        file.close();
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QStringEncoder("GBK").encode(text));
    }
    return path;
}

void SizeCounters(benchmark::State& state, const QString& path)
{
    const double megabytes = double(QFileInfo(path).size()) / 1e6;
    state.counters["MB"] = megabytes;
    state.counters["s_per_MB"] =
        benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void OpenText(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = LongText(dir, state.range(0), state.range(1));
    int32_t pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<BookWindow>();
        g_ZoomIndex = 3;
        state.ResumeTiming();
        window->Run(Cmd::OpenText, path);
        pages = g_PageTable.pages.Size();
        state.PauseTiming();
        if (window->prompter.told.size() > 0 || pages == 0)
            state.SkipWithError("the text did not open");
        window.reset();
        state.ResumeTiming();
    }
    SizeCounters(state, path);
    state.counters["pages"] = double(pages);
}
BENCHMARK(OpenText)
    ->ArgNames({"MB", "gbk"})
    ->Args({10, Utf8})
    ->Args({25, Utf8})
    ->Args({50, Utf8})
    ->Args({50, Gbk})
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// The last page of the opened 50 MB text, painted.
void GoToLastPage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = LongText(dir, 50, Utf8);
    BookWindow window;
    g_ZoomIndex = 3;
    window.Run(Cmd::OpenText, path);
    for (auto _ : state) {
        state.PauseTiming();
        window.Run(Cmd::FirstPage);
        state.ResumeTiming();
        window.Run(Cmd::LastPage);
    }
    state.counters["page"] = double(g_CurrentPage);
}
BENCHMARK(GoToLastPage)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void ReadLongText(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = LongText(dir, state.range(0), state.range(1));
    size_t count = 0;
    for (auto _ : state) {
        TTextFile file;
        std::vector<QString> lines;
        if (file.OpenRead(path)) {
            QString line;
            while (file.ReadLine(line))
                lines.push_back(std::move(line));
        }
        count = lines.size();
    }
    SizeCounters(state, path);
    state.counters["lines"] = double(count);
}
BENCHMARK(ReadLongText)
    ->ArgNames({"MB", "gbk"})
    ->Args({50, Utf8})
    ->Args({50, Gbk})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
