// The text pane with a text of 4 MiB (2,097,152 UTF-16 units in
// lines of 60 to 200 characters), typeset once under the default style:
// loading it whole (joining the lines, mapping the page ends, filling the
// editor), and showing it page by page in single-page display (each step
// shows the next page's lines, the edits check included).
#include <benchmark/benchmark.h>

#include <cstdint>


#include "bench/QtBenchMain.h"
#include "app/AppGlobals.h"
#include "app/panes/TextView.h"
#include "foundation/params/Style.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int64_t kUnits = 2 * 1024 * 1024;  // 4 MiB in UTF-16

const QString kVerse = u"山高月小水落石出曾日月之幾何而江山不可復識矣予乃攝衣而上履巉巖披蒙茸"_s;
const QString kMarks = u"，。、；：？！"_s;

std::vector<QString> Lines()
{
    std::vector<QString> lines;
    uint32_t seed = 7;
    int64_t units = 0;
    while (units < kUnits) {
        seed = seed * 1103515245u + 12345u;
        const int32_t length = 60 + int32_t((seed >> 16) % 141);
        QString line;
        for (int32_t i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            line += kVerse[qsizetype((seed >> 16) % uint32_t(kVerse.size()))];
            if ((seed >> 8) % 9 == 0)
                line += kMarks[qsizetype((seed >> 4) % uint32_t(kMarks.size()))];
        }
        units += line.size() + 2;
        lines.push_back(line);
    }
    return lines;
}

// The text in g_TextLines and its pages in g_PageTable.
struct TypesetText {
    TParaSet set;
    TTypesetter typesetter;
    int64_t units = 0;

    TypesetText()
    {
        g_TextLines = Lines();
        for (const QString& line : g_TextLines)
            units += line.size() + 2;
        set.styles.AddNew()->NAME = kDefaultStyleName;
        g_LoadingText = false;
        TypesetPages(set, g_PageTable, typesetter);
        g_CurrentPages = &g_PageTable;
        g_TwoPageMode = 0;
        g_FourInOneMode = 0;
        g_CurrentPage = 0;
    }
};

TypesetText& Text()
{
    static TypesetText text;
    return text;
}

void LoadWhole(benchmark::State& state)
{
    const TypesetText& text = Text();
    TTextView pane;
    for (auto _ : state) {
        pane.LoadText();
        benchmark::DoNotOptimize(pane.Editor().document()->characterCount());
    }
    state.counters["MB"] = double(text.units * 2) / (1024.0 * 1024.0);
    state.counters["pages"] = double(g_PageTable.pages.Size());
    state.counters["mapped_pages"] = double(pane.Text().PageEnds().size());
}
BENCHMARK(LoadWhole)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void ShowPageByPage(benchmark::State& state)
{
    Text();
    TTextView pane;
    pane.LoadText();
    pane.RunCommand(TTextView::ShowAllToggle);
    const int32_t pages = GetShownPageCount();
    int32_t shown = 0;
    for (auto _ : state) {
        g_CurrentPage = shown;
        pane.ShowText();
        shown = (shown + 1) % pages;
    }
    benchmark::DoNotOptimize(pane.Editor().document()->characterCount());
    state.counters["shown_pages"] = double(pages);
}
BENCHMARK(ShowPageByPage)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
