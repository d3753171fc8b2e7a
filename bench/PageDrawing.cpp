// Drawing one full default two-page spread of text into an image at zoom 1
// and 2: ten columns of main text with punctuation and a double-line note on
// each page, through the column interpreter, glyph placement and the batch.
// Once in the style's face (宋体, as substituted) and once in AR PL UMing:
// Qt draws the CFF outlines of Noto CJK about three times slower.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "foundation/params/Style.h"
#include "platform/FontSubstitutions.h"
#include "platform/PainterDc.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

// A full column of the default style: 21 cells with a note of 6 small cells.
const QString kColumn =
    QStringLiteral("天地玄黃，宇宙洪荒。日月盈昃<ZW><R>辰宿列<-R><L>張寒來<-L><-ZW>，辰宿列張。寒來暑往<-P>");

struct Page {
    TParaSet set;
    PageRenderer view;

    Page(double zoom, const QString& face)
    {
        ResetRenderGlobals();
        ResetTypesetGlobals();
        TStyle* style = set.styles.AddNew();
        style->NAME = kDefaultStyleName;
        style->BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::ZHINENG;
        g_CurrentParaSet = &set;
        if (!face.isEmpty()) {
            style->TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME = face;
            style->TEXT_BOX.MFONT_GROUP.ZHU_FONT.NAME = face;
        }
        g_CurrentStyle = style;
        g_VolumeShown = true;
        view.CalcPageExtent();
        view.ZoomFactor = zoom;
        view.ApplyZoom();
    }

    // Both pages of the spread, each column from its right edge leftward.
    void Draw(Dc& dc)
    {
        dc.SetBkMode(BkMode::Transparent);
        const TBoxSize& box = view.ScaledStyle.TEXT_BOX.size;
        view.ComputePageRects(0, QPoint(), false);
        for (const bool first : {true, false}) {
            view.FreeGlyphBatches();
            view.CurrentBatch = view.AddGlyphBatch();
            view.UseBox(view.ScaledStyle.TEXT_BOX);
            const int32_t right = view.TextRightOf(first);
            for (int32_t i = 0; i < box.LINES; ++i) {
                const int32_t x = box.SPLIT_LINE_WIDTH + right - (box.SPLIT_LINE_WIDTH + box.BOX_WIDTH) * (i + 1) / box.LINES;
                view.DrawTextLines(dc, x + box.pitch / 2, box.pitch, kColumn, x, view.TextTop);
            }
            view.DrawGlyphLists(dc);
        }
    }
};

void DrawPage(benchmark::State& state)
{
    const double zoom = double(state.range(0));
    const bool uming = state.range(1) != 0;
    Page page(zoom, uming ? QStringLiteral("AR PL UMing TW") : QString());
    QImage image(page.view.ScaledExtent.Width() / 100, page.view.ScaledExtent.Height() / 100, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterDc dc(painter);
        page.Draw(dc);
    }
    state.SetLabel("zoom " + std::to_string(int(zoom)) + (uming ? ", UMing" : ", 宋体"));
}
BENCHMARK(DrawPage)->ArgsProduct({{1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

// Glyph placement down one column of n characters with marks, onto a
// recording Dc: the walk must take each column once, so the time per glyph
// stays the same as the column grows.
void PlaceColumnGlyphs(benchmark::State& state)
{
    const int32_t n = int32_t(state.range(0));
    Page page(1, QString());
    const QString verse = QStringLiteral("天地玄黃，宇宙洪荒。日月盈昃");
    QString column;
    while (column.size() < n)
        column += verse;
    column.truncate(n);
    const TBoxSize& box = page.view.ScaledStyle.TEXT_BOX.size;
    page.view.UseBox(page.view.ScaledStyle.TEXT_BOX);
    RecordingDc dc;
    for (auto _ : state) {
        page.view.HitIndex = 0;
        benchmark::DoNotOptimize(page.view.PlaceGlyphs(dc, column, 0, box.pitch, box.pitch, box.pitch, 0, 0));
        dc.ClearCalls();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(PlaceColumnGlyphs)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
