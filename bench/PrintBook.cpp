// Printing every volume of a real-size book into one PDF file, per edition,
// through the window: a folder of generated texts (about 4,700 characters
// and 50 titles a volume) is made a book by the window's own command, then
// each volume is shown in turn and its pages printed by the program's print
// cycle into one document. Reports text pages per second, pages per volume
// and the size of the PDF. With VELLUMOR_BENCH_PDF_DIR set, each edition's
// PDF is kept there (book-0.pdf for the woodblock edition, and so on), to
// compare its pages between builds.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSettings>
#include <QTemporaryDir>

#include "QtBenchMain.h"
#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/frame/MainWindow.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/printing/BookPrinting.h"
#include "app/view/CollatorView.h"
#include "editions/horizontal/HorizontalEdition.h"
#include "foundation/FoundationGlobals.h"
#include "platform/Chooser.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "render/printing/PrintCycle.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int32_t kVolumes = 40;
constexpr int32_t kCharactersPerVolume = 4'700;
constexpr int32_t kTitlesPerVolume = 50;

const WoodblockEdition kWoodblock;
const VerticalEdition kVertical;
const HorizontalEdition kHorizontal;
const Edition* const kEditions[] = {&kWoodblock, &kVertical, &kHorizontal};

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

// A volume text: its name, then 50 titled sections of about 94 characters
// with punctuation.
void WriteVolume(const QString& path, int32_t volume, uint32_t& seed)
{
    static const QString verse = u"山高月小水落石出曾日月之幾何而江山不可復識矣予乃攝衣而上履巉巖披蒙茸"_s;
    static const QString marks = u"，。、；：「」？！"_s;
    QString text = u"\uFEFF【JM卷%1】\n"_s.arg(volume + 1);
    for (int32_t t = 0; t < kTitlesPerVolume; ++t) {
        text += u"【BT1-第%1篇】\n"_s.arg(t + 1);
        for (int32_t i = 0; i < kCharactersPerVolume / kTitlesPerVolume; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += verse[qsizetype((seed >> 16) % uint32_t(verse.size()))];
            if ((seed >> 8) % 9 == 0)
                text += marks[qsizetype((seed >> 4) % uint32_t(marks.size()))];
        }
        text += u'\n';
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

void PrintEveryVolume(benchmark::State& state)
{
    const Edition* previousEdition = InstallEdition(kEditions[state.range(0)]);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QDir(dir.path()).mkdir(u"書"_s);
    FolderChooser chooser;
    chooser.folder = dir.filePath(u"書"_s);
    uint32_t seed = 3;
    for (int32_t v = 0; v < kVolumes; ++v)
        WriteVolume(chooser.folder + u"/v%1.txt"_s.arg(v, 4, 10, QChar(u'0')), v, seed);
    QuietPrompter prompter;
    Chooser* previousChooser = InstallChooser(&chooser);
    Prompter* previousPrompter = InstallPrompter(&prompter);
    {
        MainWindow window;
        window.resize(1200, 900);
        window.Dispatch(Cmd::MakeTypeset);
        CollatorView& view = window.View();
        if (!g_CurrentBook || g_CurrentBook->volumes.Size() != kVolumes) {
            state.SkipWithError("the book was not generated");
        } else {
            const QString pdfPath = dir.filePath(u"book.pdf"_s);
            int32_t printed = 0;
            int32_t textPages = 0;
            for (auto _ : state) {
                QPdfWriter pdf(pdfPath);
                PreparePdfWriter(pdf);
                PrintJob job(view.Renderer(), pdf, g_PrintMargins);
                printed = textPages = 0;
                for (int32_t v = 0; v < kVolumes; ++v) {
                    GoToVolumePage(v, view.Data, g_CurrentBook, 0);
                    printed += job.PrintUnits(1, GetShownPageCount());
                    textPages += g_PageTable.pages.Size();
                }
            }
            state.counters["sheets/s"] = benchmark::Counter(printed, benchmark::Counter::kIsIterationInvariantRate);
            state.counters["pages/s"] = benchmark::Counter(textPages, benchmark::Counter::kIsIterationInvariantRate);
            state.counters["pages_per_volume"] = double(textPages) / kVolumes;
            state.counters["pdf_MB"] = double(QFileInfo(pdfPath).size()) / (1024.0 * 1024.0);
            const QString keep = qEnvironmentVariable("VELLUMOR_BENCH_PDF_DIR");
            if (!keep.isEmpty()) {
                const QString kept = keep + u"/book-%1.pdf"_s.arg(state.range(0));
                QFile::remove(kept);
                QFile::copy(pdfPath, kept);
            }
        }
    }
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    InstallPrompter(previousPrompter);
    InstallChooser(previousChooser);
    InstallEdition(previousEdition);
}
BENCHMARK(PrintEveryVolume)
    ->ArgName("edition")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
