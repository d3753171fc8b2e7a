// Finding and replacing across generated typeset books of real-size volumes
// (25 pages, about 4,750 characters and 50 titles each) in the main window,
// through its find window: the next hit of a frequent key (one character in
// twenty; F3), a rare key that only the last of 900 volumes holds found
// from the first volume (every volume read and searched on the way), and
// every occurrence of the frequent key replaced in all volumes (替換所有冊),
// each volume written, for 100, 300 and 900 volumes: the time should grow
// linearly with the volumes.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/commands/CommandIds.h"
#include "app/find/FindDialog.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/view/CollatorView.h"
#include "bench/BookWindow.h"
#include "bench/GeneratedBook.h"
#include "bench/QtBenchMain.h"

namespace {

const QString kFrequentKey = QStringLiteral("之");
const QString kRareKey = QStringLiteral("麒麟");
constexpr int32_t kVolumes = 900;

// A generated book with the rare key put into a column of the last
// volume's page 20; one per volume count.
class SearchBook {
public:
    explicit SearchBook(int32_t volumes) : book(QStringLiteral("書%1").arg(volumes), volumes)
    {
        const QString last = book.folder + QStringLiteral("/v%1.").arg(volumes - 1, 4, 10, QChar(u'0')) +
                             g_Edition->Extension(FileKind::VolumeData);
        ReadVolumeDataFile(last);
        g_PageTable.pages[20].lines[3].text.prepend(kRareKey);
        WriteVolumeDataFile(last);
        g_PageTable = TPageTable();
    }
    GeneratedBook book;
};

const SearchBook& BookOf(int32_t volumes)
{
    static std::map<int32_t, std::unique_ptr<SearchBook>> books;
    std::unique_ptr<SearchBook>& book = books[volumes];
    if (!book)
        book = std::make_unique<SearchBook>(volumes);
    return *book;
}

// The book open in the window and its find window open on 所有冊.
struct Session {
    explicit Session(int32_t volumes)
    {
        window.Run(Cmd::OpenTypeset, BookOf(volumes).book.TypesetPath());
        opened = g_CurrentBook != nullptr;
        window.Run(Cmd::Find);
        dialog().findChildren<QRadioButton*>().at(CDlgFind::AllVolumes)->click();  // 所有冊
    }
    CDlgFind& dialog() { return window.window->FindDialog(); }
    void Press(int button)
    {
        dialog().ButtonOf(button)->click();
        BookWindow::Painted();
    }
    void BackToTheStart()
    {
        GoToVolumePage(0, window.window->View().Data, g_CurrentBook, 0);
        BookWindow::Painted();
    }

    BookWindow window;
    bool opened = false;
};

void FindFrequentKey(benchmark::State& state)
{
    Session session(kVolumes);
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    session.dialog().SetFindText(kFrequentKey);
    for (auto _ : state)
        session.window.Run(Cmd::FindDown);
    state.SetLabel("volume " + std::to_string(g_CurrentVolume + 1) + " reached");
}
BENCHMARK(FindFrequentKey)->Unit(benchmark::kMicrosecond)->UseRealTime();

void FindRareKeyAcrossAllVolumes(benchmark::State& state)
{
    Session session(kVolumes);
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    session.dialog().SetFindText(kRareKey);
    for (auto _ : state) {
        state.PauseTiming();
        session.BackToTheStart();
        state.ResumeTiming();
        session.window.Run(Cmd::FindDown);
    }
    if (g_CurrentVolume != kVolumes - 1)
        state.SkipWithError("the key was not found in the last volume");
}
BENCHMARK(FindRareKeyAcrossAllVolumes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void ReplaceFrequentKeyInAllVolumes(benchmark::State& state)
{
    Session session(int32_t(state.range(0)));
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    // Back and forth, so that every run has the same hits to replace.
    const QString keys[] = {kFrequentKey, QStringLiteral("乎")};
    int32_t run = 0;
    for (auto _ : state) {
        session.dialog().SetFindText(keys[run % 2]);
        session.dialog().ReplaceEdit().setText(keys[(run + 1) % 2]);
        ++run;
        session.Press(CDlgFind::ReplaceAllVolumes);
    }
    state.SetLabel(session.window.prompter.told.toStdString());
}
BENCHMARK(ReplaceFrequentKeyInAllVolumes)
    ->Arg(100)
    ->Arg(300)
    ->Arg(900)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
