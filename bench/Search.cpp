// Find and replace over a generated volume of 2,000 pages of ten columns
// (about 380,000 characters) under a volume name, with a title every 20
// pages: building the sections, a find from the first page that must cross
// the whole volume to reach a key that stands once near its end, every
// occurrence of that rare key and of a frequent one (one character in about
// twenty), and replacing every frequent one.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/Find.h"
#include "typeset/search/Replace.h"
#include "typeset/search/SearchSections.h"

namespace {

constexpr int32_t kPages = 2000;
constexpr int32_t kColumns = 10;
constexpr int32_t kCellsPerColumn = 19;
constexpr int32_t kPagesPerTitle = 20;
constexpr int32_t kRarePage = 1990;

const QString kRareKey = QStringLiteral("麒麟鳳凰");
const QString kFrequentKey = QStringLiteral("之");
// Twenty characters, the frequent key among them; none of the rare key's.
const QString kPool = QStringLiteral("之天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往");

QString Column(uint32_t& seed, int32_t page, int32_t column)
{
    QString text = QStringLiteral("<M=0>");
    if (column == 0 && page % kPagesPerTitle == 0)
        text += QStringLiteral("<BT第%1>").arg(page / kPagesPerTitle + 1);
    if (column % 4 == 1)
        text += QStringLiteral("　　");
    for (int32_t i = 0; i < kCellsPerColumn; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += kPool[qsizetype((seed >> 16) % uint32_t(kPool.size()))];
    }
    if (page == kRarePage && column == kColumns / 2)
        text += kRareKey;
    return text + QStringLiteral("<-P>");
}

TPageTable MakeVolume()
{
    TPageTable table;
    uint32_t seed = 100;
    for (int32_t p = 0; p < kPages; ++p) {
        TPageRec* page = AppendPageRecord(table);
        page->styleName = QStringLiteral("para0");
        if (p == 0)
            page->lines.push_back({QStringLiteral("<JM卷一>"), 0});
        for (int32_t c = 0; c < kColumns; ++c)
            page->lines.push_back({Column(seed, p, c), 0});
    }
    BuildSectionIndex(table);
    return table;
}

const TPageTable& Volume()
{
    static const TPageTable volume = MakeVolume();
    return volume;
}

void BuildSections(benchmark::State& state)
{
    TPageTable table = Volume();
    for (auto _ : state)
        BuildSectionIndex(table);
}

void FindRareFromStart(benchmark::State& state)
{
    TPageTable table = Volume();
    for (auto _ : state) {
        table.findPage = 0;
        table.findLine = 0;
        table.findColumn = 0;
        if (!FindNextHit(table, kRareKey, true) || table.findPage != kRarePage)
            state.SkipWithError("rare key not found where it stands");
    }
    ResetTypesetGlobals();
}

void FindAll(benchmark::State& state, const QString& key)
{
    const TPageTable& table = Volume();
    size_t hits = 0;
    for (auto _ : state) {
        const std::vector<THitRecord> found = FindAllInSections(table, key);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = double(hits);
}

void FindAllRare(benchmark::State& state) { FindAll(state, kRareKey); }
void FindAllFrequent(benchmark::State& state) { FindAll(state, kFrequentKey); }

void ReplaceAllFrequent(benchmark::State& state)
{
    int32_t replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TPageTable table = Volume();
        state.ResumeTiming();
        replaced = ReplaceHits(table, kFrequentKey, QStringLiteral("乎"));
    }
    state.counters["hits"] = double(replaced);
    ResetTypesetGlobals();
}

}  // namespace

BENCHMARK(BuildSections)->Unit(benchmark::kMillisecond);
BENCHMARK(FindRareFromStart)->Unit(benchmark::kMillisecond);
BENCHMARK(FindAllRare)->Unit(benchmark::kMillisecond);
BENCHMARK(FindAllFrequent)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAllFrequent)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
