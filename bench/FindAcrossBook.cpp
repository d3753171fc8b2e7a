// Finding and replacing across a generated typeset book of 900 volumes of
// 24 pages (about 4,600 characters a volume): the next hit of a frequent
// key (one character in twenty), a rare key that only the last volume holds
// found from the first volume (every volume read and searched on the way),
// and every occurrence of the frequent key replaced in all volumes, each
// volume written.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QRadioButton>

#include "app/find/FindDialog.h"
#include "app/find/FindReplace.h"
#include "bench/GeneratedBook.h"
#include "bench/QtBenchMain.h"
#include "platform/Prompter.h"

namespace {

const QString kFrequentKey = QStringLiteral("之");
const QString kRareKey = QStringLiteral("麒麟");
constexpr int32_t kVolumes = 900;

// Says yes to every question and keeps the last message.
class YesPrompter final : public Prompter {
public:
    Answer Ask(const QString&, Buttons) override { return Answer::Yes; }
    void Tell(const QString& text) override { told = text; }
    QString told;
};

// The generated book with the rare key put into a column of the last
// volume's page 20.
class SearchBook {
public:
    SearchBook() : book(QStringLiteral("九百冊"), kVolumes, 24)
    {
        const QString last = book.folder + QStringLiteral("/v%1.").arg(kVolumes - 1, 4, 10, QChar(u'0'))
            + g_Edition->Extension(FileKind::VolumeData);
        ReadVolumeDataFile(last);
        g_PageTable.pages[20].lines[3].text.prepend(kRareKey);
        WriteVolumeDataFile(last);
        g_PageTable = TPageTable();
    }
    GeneratedBook book;
};

struct Session {
    Session()
    {
        InstallPrompter(&prompter);
        static const SearchBook book;
        opened = OpenBook(view, book.book);
        dialog.findChildren<QRadioButton*>().at(CDlgFind::AllVolumes)->click();  // 所有冊
    }
    ~Session() { InstallPrompter(nullptr); }
    void BackToTheStart() { GoToVolumePage(0, view.data, g_CurrentBook, 0); }

    YesPrompter prompter;
    View view;
    CDlgFind dialog;
    bool opened = false;
};

void FindFrequentKey(benchmark::State& state)
{
    Session session;
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    session.dialog.SetFindText(kFrequentKey);
    for (auto _ : state)
        OnFindDown(session.view.data, session.dialog);
    state.SetLabel("volume " + std::to_string(g_CurrentVolume + 1) + " reached");
}
BENCHMARK(FindFrequentKey)->Unit(benchmark::kMicrosecond);

void FindRareKeyAcrossAllVolumes(benchmark::State& state)
{
    Session session;
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    session.dialog.SetFindText(kRareKey);
    for (auto _ : state) {
        state.PauseTiming();
        session.BackToTheStart();
        state.ResumeTiming();
        OnFindDown(session.view.data, session.dialog);
    }
    if (g_CurrentVolume != kVolumes - 1)
        state.SkipWithError("the key was not found in the last volume");
}
BENCHMARK(FindRareKeyAcrossAllVolumes)->Unit(benchmark::kMillisecond)->Iterations(3);

void ReplaceFrequentKeyInAllVolumes(benchmark::State& state)
{
    Session session;
    if (!session.opened)
        return state.SkipWithError("the book did not open");
    // Back and forth, so that every run has the same hits to replace.
    const QString keys[] = {kFrequentKey, QStringLiteral("乎")};
    int32_t run = 0;
    for (auto _ : state) {
        session.dialog.SetFindText(keys[run % 2]);
        session.dialog.ReplaceEdit().setText(keys[(run + 1) % 2]);
        ++run;
        ReplaceInAllVolumes(session.view.data, session.dialog);
    }
    state.SetLabel(session.prompter.told.toStdString());
}
BENCHMARK(ReplaceFrequentKeyInAllVolumes)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
