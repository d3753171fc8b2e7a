// The edit grid's load and paint: 300 rows of 40-character lines under a
// header row, in a 400 x 600 pane. Loading sets the counts and every row's
// text and format (and, as the edit pane does, sizes each row to its text
// and the column to the pane); painting draws the visible rows.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/QtBenchMain.h"
#include "grid/DrawTextFormat.h"
#include "grid/GridCtrl.h"

namespace {

constexpr int kRows = 300;

const QString kLine = QStringLiteral("天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往秋收冬藏閏餘成歲律呂調陽雲騰致雨露結為霜");

struct Pane {
    CGridCtrl grid;

    Pane()
    {
        grid.resize(400, 600);
        grid.SetGridFont(DcFont{-16, 0, kFontWeightNormal, false, QStringLiteral("宋体")});
        grid.SetListMode(true);
        grid.show();
    }

    void Load(bool autoSize)
    {
        grid.SetRowCount(0);
        grid.SetColumnCount(1);
        grid.SetRowCount(kRows + 1);
        grid.SetFixedRowCount(1);
        TGridItem item = InitGridItem();
        item.mask = kItemText | kItemFormat;
        item.text = QStringLiteral("第1頁");
        grid.SetItem(item);
        for (int r = 1; r <= kRows; ++r) {
            item.row = r;
            item.text = kLine;
            item.format = DT_LEFT | DT_WORDBREAK;
            grid.SetItem(item);
        }
        if (!autoSize)
            return;
        for (int r = 0; r <= kRows; ++r)
            grid.AutoSizeRow(r);
        grid.ExpandColumnsToFit();
    }
};

// Each benchmark has its own pane: a widget must go before the application.
void LoadGrid(benchmark::State& state)
{
    Pane pane;
    for (auto _ : state)
        pane.Load(state.range(0) != 0);
    benchmark::DoNotOptimize(pane.grid.GetRowCount());
    state.SetLabel(state.range(0) ? "rows auto-sized" : "texts only");
}
BENCHMARK(LoadGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PaintGrid(benchmark::State& state)
{
    Pane pane;
    pane.Load(true);
    pane.grid.SetFocusCell({3, 0});
    QWidget* viewport = pane.grid.viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        viewport->render(&image);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(viewport->width()) + " x " + std::to_string(viewport->height()));
}
BENCHMARK(PaintGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
