// Typesetting throughput: a generated text of about a million characters
// (plain text with punctuation, font, spacing, special-format, circled and
// emphasis runs, and notes) laid out under the default style, through the
// layout context alone and through the whole typesetter with line tags
// (titles, indents, raised heads, volume names, pictures) and head and side
// notes, the latter also under the vertical and horizontal editions' rules
// and default styles. Reports characters per second, the peak resident size and the
// size of the pages' texts against the source's.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>
#include <iterator>
#include <vector>

#include <QString>

#include "editions/horizontal/HorizontalEdition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"
#include "tests/typeset/GeneratedLines.h"
#include "tests/typeset/PlainLineRun.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int64_t kCharacters = 1'000'000;

using generated_lines::Plain;

// Lines of 40 to 300 characters; every line mixes in runs and a note.
const std::vector<QString>& Lines(int64_t& shown)
{
    static int64_t total = 0;
    static const std::vector<QString> lines = GeneratedLines(kCharacters, total);
    shown = total;
    return lines;
}

int64_t PeakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void TypesetMillionCharacters(benchmark::State& state)
{
    int64_t shown = 0;
    const std::vector<QString>& lines = Lines(shown);
    TStyle style;
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::ZHINENG;
    int64_t pages = 0;
    for (auto _ : state) {
        TPageTable table;
        PlainLineRun run(style, table);
        for (const QString& line : lines)
            run.Line(line);
        run.Finish();
        pages = table.pages.Size();
        benchmark::DoNotOptimize(pages);
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }
    state.SetItemsProcessed(state.iterations() * shown);
    state.counters["characters"] = double(shown);
    state.counters["pages"] = double(pages);
    state.counters["peak_rss_MB"] = double(PeakResidentKilobytes()) / 1024.0;
}

// The same text with a line tag or a note on every line.
const std::vector<QString>& TaggedLines(int64_t& shown)
{
    static int64_t total = 0;
    static const std::vector<QString> lines = GeneratedTaggedLines(kCharacters, total);
    shown = total;
    return lines;
}

int64_t SourceBytes(const std::vector<QString>& lines)
{
    int64_t bytes = 0;
    for (const QString& line : lines)
        bytes += line.size() * 2;
    return bytes;
}

// The texts the pages hold, in bytes.
int64_t PageTextBytes(const TPageTable& table)
{
    int64_t bytes = 0;
    auto add = [&](const auto& lines) {
        for (const auto& line : lines)
            bytes += line.text.size() * 2;
    };
    for (const TPageRec& page : table.pages) {
        add(page.lines);
        add(page.headLines);
        add(page.collectedLines);
    }
    return bytes;
}

// g_TextLines through the whole typesetter under one ZHINENG style; the
// table is handed to take before it goes.
template <class Take>
void TypesetTextLines(Take take)
{
    TParaSet set;
    TStyle* style = set.styles.AddNew();
    style->NAME = u"para0"_s;
    style->BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::ZHINENG;
    TPageTable table;
    TTypesetter typesetter;
    g_LoadingText = false;
    TypesetPages(set, table, typesetter);
    take(table);
}

// The whole typesetter under the edition's rules and its default style.
void TypesetWholeText(benchmark::State& state, const Edition& edition)
{
    const Edition* previous = InstallEdition(&edition);
    int64_t shown = 0;
    g_TextLines = TaggedLines(shown);
    int64_t pages = 0;
    double ratio = 0;
    for (auto _ : state) {
        TypesetTextLines([&](const TPageTable& table) {
            pages = table.pages.Size();
            ratio = double(PageTextBytes(table)) / double(SourceBytes(g_TextLines));
        });
        benchmark::DoNotOptimize(pages);
    }
    state.SetItemsProcessed(state.iterations() * shown);
    state.counters["characters"] = double(shown);
    state.counters["pages"] = double(pages);
    state.counters["page_text_per_source"] = ratio;
    state.counters["peak_rss_MB"] = double(PeakResidentKilobytes()) / 1024.0;
    InstallEdition(previous);
}

// One long source line through the whole typesetter: plain text with marks
// (one run), or the generated lines joined (their runs and notes with them).
// The layout of a line must be linear in its length: twice the characters,
// twice the time.
void TypesetLongLine(benchmark::State& state)
{
    const int64_t kLineCharacters = state.range(1);
    QString line;
    int64_t shown = 0;
    if (state.range(0) == 0) {
        uint32_t seed = 11;
        line = Plain(seed, int32_t(kLineCharacters), shown);
    } else {
        const std::vector<QString>& lines = Lines(shown);
        for (size_t i = 0; i < lines.size() && line.size() < kLineCharacters; ++i)
            line += lines[i];
    }
    line.truncate(qsizetype(kLineCharacters));
    shown = line.size();
    state.SetLabel(state.range(0) == 0 ? "plain" : "runs and notes");
    g_TextLines = {line};
    int64_t pages = 0;
    for (auto _ : state) {
        TypesetTextLines([&](const TPageTable& table) { pages = table.pages.Size(); });
        benchmark::DoNotOptimize(pages);
    }
    state.SetItemsProcessed(state.iterations() * shown);
    state.counters["characters"] = double(shown);
    state.counters["pages"] = double(pages);
}

const WoodblockEdition kWoodblock;
const VerticalEdition kVertical;
const HorizontalEdition kHorizontal;

}  // namespace

BENCHMARK(TypesetLongLine)
    ->Args({0, 200'000})
    ->Args({0, 400'000})
    ->Args({1, 200'000})
    ->Args({1, 400'000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(TypesetWholeText, Woodblock, kWoodblock)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(TypesetWholeText, Vertical, kVertical)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(TypesetWholeText, Horizontal, kHorizontal)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TypesetMillionCharacters)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
