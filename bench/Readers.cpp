// Readers on big generated files, at doubling sizes, so that the time per
// entry shows whether a reader stays linear: a side-note font list in binary
// form whose entries are mostly unnamed (as a damaged set gives them), and a
// .pra import whose style holds long tagged lists.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "foundation/io/BinFile.h"
#include "foundation/params/ParaFile.h"
#include "foundation/params/SideNoteFonts.h"
#include "foundation/params/Style.h"
#include "foundation/params/StyleBinary.h"

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

// One entry in sixteen has a name.
TFontStyleList SideNoteFonts(int64_t entries)
{
    TFontStyleList fonts;
    for (int64_t i = 0; i < entries; ++i) {
        TFontStyle* font = fonts.AddNew();
        SetSizedFont(*font, QStringLiteral("宋体"), 1000 + int32_t(i % 500));
        if (i % 16 == 0)
            font->MARKSTRING = QStringLiteral("批%1").arg(i);
    }
    return fonts;
}

QString WriteSideNoteFonts(int64_t entries)
{
    const QString path = Folder().filePath(QStringLiteral("cepi-%1.bin").arg(entries));
    TBinFile out;
    out.OpenWrite(path);
    WriteFontStyleList(SideNoteFonts(entries), out);
    out.Close();
    return path;
}

void SideNoteFontsBinary(benchmark::State& state)
{
    const QString path = WriteSideNoteFonts(state.range(0));
    TFontStyleList read;
    for (auto _ : state) {
        TBinFile in;
        in.OpenRead(path);
        benchmark::DoNotOptimize(ReadCePiArrayBin(in, kParamFileVersion, read));
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
    state.counters["kept"] = read.Size();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

QString WriteParaFile(int64_t entries)
{
    const QString path = Folder().filePath(QStringLiteral("lists-%1.pra").arg(entries));
    TParaSet set;
    TStyle* style = set.styles.AddNew();
    style->NAME = QStringLiteral("大");
    style->CE_PI_ARRAY = SideNoteFonts(entries);
    ExportParaFile(path, set);
    return path;
}

void ParaImportTaggedLists(benchmark::State& state)
{
    const QString path = WriteParaFile(state.range(0));
    TParaSet set;
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportParaFile(path, set, {}));
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
    state.counters["entries"] = set.styles.IsEmpty() ? 0 : set.styles.First()->CE_PI_ARRAY.Size();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(SideNoteFontsBinary)->RangeMultiplier(2)->Range(1 << 16, 1 << 18)->Unit(benchmark::kMillisecond);
BENCHMARK(ParaImportTaggedLists)->RangeMultiplier(2)->Range(1 << 13, 1 << 15)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
