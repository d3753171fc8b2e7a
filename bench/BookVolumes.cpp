// Opening a generated typeset book of 900 volumes of about 4,600 characters
// each (24 pages of ten columns of 19 characters), with its index and with
// the index rebuilt from every volume, and switching between its volumes;
// then switching between the two volumes of 1,000 pages of another book.
// Each volume switch reads the volume-data file, rebuilds the contents and
// sections and shows the first page in a page view.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/CompanionPaths.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/ViewData.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/view/PageView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

namespace {

constexpr int32_t kColumns = 10;
constexpr int32_t kCellsPerColumn = 19;
const QString kPool = QStringLiteral("之天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往");

void FillVolume(int32_t pages, const QString& name, uint32_t& seed)
{
    g_TextName = name;
    g_PageTable = TPageTable();
    for (int32_t p = 0; p < pages; ++p) {
        TPageRec* page = AppendPageRecord(g_PageTable);
        page->styleName = kDefaultStyleName;
        if (p == 0)
            page->lines.push_back({QStringLiteral("<JM") + name + u'>', 0});
        for (int32_t c = 0; c < kColumns; ++c) {
            QString text = c == 0 && p % 8 == 1 ? QStringLiteral("<BT1-第%1>").arg(p) : QString();
            for (int32_t i = 0; i < kCellsPerColumn; ++i) {
                seed = seed * 1103515245u + 12345u;
                text += kPool[qsizetype((seed >> 16) % uint32_t(kPool.size()))];
            }
            page->lines.push_back({text + QStringLiteral("<-P>"), 0});
        }
    }
}

// A book folder of volumes of the given page count, with its typeset file.
class GeneratedBook {
public:
    GeneratedBook(const QString& name, int32_t volumes, int32_t pages)
    {
        QDir(dir_.path()).mkdir(name);
        folder = dir_.filePath(name);
        uint32_t seed = 100;
        const QString ext = g_Edition->Extension(FileKind::VolumeData);
        for (int32_t v = 0; v < volumes; ++v) {
            FillVolume(pages, QStringLiteral("卷%1").arg(v + 1), seed);
            WriteVolumeDataFile(folder + QStringLiteral("/v%1.").arg(v, 4, 10, QChar(u'0')) + ext);
        }
        TBookList list;
        TBook* book = AddNewBook(list);
        book->LoadFolder(folder, ext);
        AddNewStyle(book->parameters.styles, {true, false})->NAME = kDefaultStyleName;
        WriteTypesetFile(*book);
    }
    QString TypesetPath() const { return folder + u'.' + g_Edition->Extension(FileKind::Typeset); }

    QString folder;

private:
    QTemporaryDir dir_;
};

struct View {
    View() { data.pages = pages.get(); }
    std::unique_ptr<PageView> pages = std::make_unique<PageView>();
    ViewData data;
};

// As opening the typeset file does: scan, read (and index), show volume 1.
bool OpenBook(View& view, const GeneratedBook& book)
{
    ClearBooks(view.data.books);
    g_CurrentBook = nullptr;
    TBook* opened = AddNewBook(view.data.books);
    opened->LoadFolder(book.folder, g_Edition->Extension(FileKind::VolumeData));
    if (ReadTypesetFile(book.TypesetPath(), *opened) != kTypesetRead)
        return false;
    g_CurrentPages = &g_PageTable;
    g_CurrentVolume = -1;
    return GoToVolumePage(0, view.data, opened, 0);
}

const GeneratedBook& LargeBook()
{
    static const GeneratedBook book(QStringLiteral("九百冊"), 900, 24);
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
    View view;
    for (auto _ : state) {
        if (rebuild) {
            state.PauseTiming();
            QFile::remove(book.folder + QStringLiteral("/九百冊.") + g_Edition->Extension(FileKind::Index));
            state.ResumeTiming();
        }
        if (!OpenBook(view, book))
            state.SkipWithError("the book did not open");
    }
    state.SetLabel(rebuild ? "index rebuilt" : "index read");
}
BENCHMARK(OpenLargeBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SwitchVolume(benchmark::State& state, const GeneratedBook& book)
{
    View view;
    if (!OpenBook(view, book)) {
        state.SkipWithError("the book did not open");
        return;
    }
    const int32_t volumes = g_CurrentBook->volumes.Size();
    int32_t next = 1;
    for (auto _ : state) {
        GoToVolumePage(next, view.data, g_CurrentBook, 0);
        next = (next + 1) % volumes;
    }
    state.SetLabel(std::to_string(g_PageTable.pages.Size()) + " pages a volume");
}
void SwitchSmallVolume(benchmark::State& state) { SwitchVolume(state, LargeBook()); }
void SwitchThousandPageVolume(benchmark::State& state) { SwitchVolume(state, LongVolumes()); }
BENCHMARK(SwitchSmallVolume)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SwitchThousandPageVolume)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_ZoomIndex = 3;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
