#include "app/find/FindReplace.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/dialogs/ProgressReporter.h"
#include "app/files/IndexFile.h"
#include "app/files/SavePrompts.h"
#include "app/files/VolumeDataFile.h"
#include "app/find/FindDialog.h"
#include "app/navigation/PageNavigation.h"
#include "app/navigation/ViewData.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/state/WorkingState.h"
#include "app/view/ViewContents.h"
#include "foundation/io/Paths.h"
#include "foundation/text/StringUtils.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/Find.h"
#include "typeset/search/GridPositions.h"
#include "typeset/search/HitTables.h"
#include "typeset/search/Replace.h"
#include "typeset/search/SearchCursor.h"
#include "typeset/search/SearchSections.h"

namespace {

const QString kNotFound = QStringLiteral("沒有找到！");

QString ReplacedCount(int32_t n) { return QStringLiteral("共替換%1處").arg(n); }

// Where a search across volumes began, to come back to: the volume, the
// shown page kept as its text page (which every display mode can show
// again), the cursor and the current hit it steps from.
struct StartPoint {
    int32_t volume = -1;
    int32_t textPage = 0;
    int32_t findPage = 0;
    int32_t findLine = 0;
    int32_t findColumn = -1;
    OwningList<THitRecord> gridHits;
    OwningList<THitRecord> cellHits;
};

// The first text page of the shown page; in 4-in-1 display the page of the
// shown volume its sheet holds.
int32_t ShownTextPage()
{
    const int32_t first = std::max(ShownPageToTextPages(g_CurrentPage).first, 0);
    if (!g_FourInOneMode)
        return first;
    int32_t volume = 0, page = 0;
    return Decode4in1Entry(first, volume, page) && volume == g_CurrentVolume ? page : 0;
}

StartPoint Remember()
{
    StartPoint start{g_CurrentVolume, ShownTextPage()};
    if (g_CurrentPages) {
        start.findPage = g_CurrentPages->findPage;
        start.findLine = g_CurrentPages->findLine;
        start.findColumn = g_CurrentPages->findColumn;
        start.gridHits = g_CurrentPages->gridHits;
        start.cellHits = g_CurrentPages->cellHits;
    }
    return start;
}

void SetCursor(int32_t page, int32_t line, int32_t column)
{
    if (!g_CurrentPages)
        return;
    g_CurrentPages->findPage = page;
    g_CurrentPages->findLine = line;
    g_CurrentPages->findColumn = column;
}

// Back to the volume and page where a search began, its cursor and hit
// list again in the shown table.
void ReturnTo(ViewData& view, const StartPoint& start)
{
    GoToVolumePage(start.volume, view, g_CurrentBook, start.textPage);
    SetCursor(start.findPage, start.findLine, start.findColumn);
    if (g_CurrentPages && g_CurrentVolume == start.volume) {
        g_CurrentPages->gridHits = start.gridHits;
        g_CurrentPages->cellHits = start.cellHits;
    }
}

// The last text page of the shown page.
int32_t ShownLastTextPage()
{
    const TextPages shown = ShownPageToTextPages(g_CurrentPage);
    const bool hasSecond = g_CurrentPages && shown.second >= 0 && shown.second < g_CurrentPages->pages.Size();
    return hasSecond ? shown.second : shown.first;
}

// Volume v shown for a search walking down (its start) or up (its end).
bool EnterVolume(ViewData& view, int32_t v, bool down)
{
    if (!GoToVolumePage(v, view, g_CurrentBook, down ? 0 : kLastTextPage) || g_CurrentVolume != v)
        return false;
    if (down)
        SetCursor(g_CoverPages, 0, -1);
    else
        SetCursor(std::max(g_CurrentPages->pages.Size() - 1, 0), 0, 0);
    return true;
}

void Find(ViewData& view, CDlgFind& dialog, bool down)
{
    if (dialog.FindText().isEmpty())
        return;
    if (dialog.CurrentScope() == CDlgFind::ThisVolume || !g_CurrentBook) {
        if (!FindStep(view, dialog, down))
            TellUser(kNotFound);
        return;
    }
    if (!AskSaveText())
        return;
    const StartPoint start = Remember();
    if (FindStep(view, dialog, down))
        return;
    const int32_t step = down ? 1 : -1;
    for (int32_t v = start.volume + step; v >= 0 && v < g_CurrentBook->volumes.Size(); v += step)
        if (EnterVolume(view, v, down) && FindStep(view, dialog, down))
            return;
    ReturnTo(view, start);
    TellUser(kNotFound);
}

// The characters at the hit's places in the lines read the key: the lines
// were not edited since the find, nor the find text changed.
bool HitStillReads(const TPageTable& table, const THitRecord& hit, const QString& key)
{
    QString read;
    for (const THitPosition& at : hit.positions) {
        const TPageRec* page = table.pages.GetAtOrNull(at.page);
        if (!page || at.line < 0 || size_t(at.line) >= page->lines.size())
            return false;
        read += MidByCodePoints(page->lines[size_t(at.line)].text, at.column, 1);
    }
    return !key.isEmpty() && read == key;
}

// A replaced volume-name or title changes the contents and the index.
void AfterReplacing(bool titlesChanged)
{
    if (!titlesChanged)
        return;
    g_IndexDirty = true;
    Frame().RefreshPageTree();
}

// Every occurrence in the shown volume replaced; the count. titlesChanged:
// a volume name or title was among them.
int32_t ReplaceShownVolume(const CDlgFind& dialog, bool& titlesChanged)
{
    titlesChanged = false;
    if (!g_CurrentPages)
        return 0;
    const int32_t n = ReplaceHits(*g_CurrentPages, dialog.FindText(), dialog.ReplaceText(), &titlesChanged);
    if (n > 0)
        g_VolumeDirty = true;
    return n;
}

// One volume of a replacement across the book, written: its new titles go
// into the book's contents at once, the index and the directory tree wait
// for the last volume (rebuilding them per volume made the whole run grow
// with the square of the book). False when the volume could not be
// written: it stays changed in memory, and the way back asks about it.
bool SaveReplacedVolume(ViewData& view, bool titlesChanged)
{
    if (titlesChanged) {
        RebuildViewContents(*view.pages);
        if (TFile* volume = GetVolume(g_CurrentBook, g_CurrentVolume))
            CopyBookmarkTree(volume->contents, g_VolumeContents);
    }
    if (!g_VolumeDirty)
        return true;
    if (!WriteVolumeDataFile(view.volumeDataPath)) {
        g_IndexDirty = g_IndexDirty || titlesChanged;
        return false;
    }
    g_VolumeDirty = false;
    return true;
}

// How far a replacement across the book came before 取消.
QString StoppedAt(int32_t done, int32_t volumes, int32_t total)
{
    return QStringLiteral("替換已取消：已替換%1冊，共%2冊；共替換%3處").arg(done).arg(volumes).arg(total);
}

using DialogHandler = void (*)(ViewData&, CDlgFind&);

struct DialogCommand {
    int32_t button;
    DialogHandler run;
};

const DialogCommand kDialogCommands[] = {
    {CDlgFind::FindUp, OnFindUp},
    {CDlgFind::ReplaceChar, [](ViewData& view, CDlgFind& dialog) { ReplaceOne(view, dialog); }},
    {CDlgFind::ReplaceVolume, [](ViewData& view, CDlgFind& dialog) { ReplaceInVolume(view, dialog); }},
    {CDlgFind::ReplaceAllVolumes, [](ViewData& view, CDlgFind& dialog) { ReplaceInAllVolumes(view, dialog); }},
};

}  // namespace

bool FindStep(ViewData& view, CDlgFind& dialog, bool down)
{
    if (!g_CurrentPages)
        return false;
    TPageTable& table = *g_CurrentPages;
    const bool moved = down ? StepCursorForward(table, std::max(ShownPageToTextPages(g_CurrentPage).first, 0))
                            : StepCursorBackward(table, ShownLastTextPage());
    if (!moved)
        return false;
    g_SearchMode = 2;
    if (!FindNextHit(table, dialog.FindText(), down))
        return false;
    if (dialog.IsOpen() && !dialog.Matched()) {
        dialog.SetMatched(true);
        dialog.FocusReplaceEdit();
    }
    ShowPage(view, TextPageToShownPage(table.findPage));
    return true;
}

void OnFindDown(ViewData& view, CDlgFind& dialog) { Find(view, dialog, true); }

void OnFindUp(ViewData& view, CDlgFind& dialog) { Find(view, dialog, false); }

void ReplaceOne(ViewData& view, const CDlgFind& dialog)
{
    if (!g_CurrentPages)
        return;
    TPageTable& table = *g_CurrentPages;
    g_VolumeDirty = true;
    const THitRecord* hit = table.gridHits.First();
    if (!hit || !HitStillReads(table, *hit, dialog.FindText()))
        return;
    bool titlesChanged = false;
    const bool replaced = ReplaceInLine(table, dialog.FindText(), dialog.ReplaceText(), *hit, &titlesChanged);
    // The hit is used up: the next press waits for another find.
    ClearCurrentHitList(table);
    ClearHitTables();
    BuildSectionIndex(table);
    AfterReplacing(titlesChanged);
    if (replaced)
        ShowPage(view, g_CurrentPage);
}

void ReplaceInVolume(ViewData& view, const CDlgFind& dialog)
{
    if (AskUser(QStringLiteral("是否替換所有在當前冊查找到的文字？")) != Prompter::Answer::Yes)
        return;
    bool titlesChanged = false;
    const int32_t n = ReplaceShownVolume(dialog, titlesChanged);
    AfterReplacing(titlesChanged);
    ShowPage(view, g_CurrentPage);
    TellUser(ReplacedCount(n));
}

void ReplaceInAllVolumes(ViewData& view, const CDlgFind& dialog)
{
    if (AskUser(QStringLiteral("是否替換所有查找到的文字？")) != Prompter::Answer::Yes)
        return;
    if (!g_CurrentBook || !AskSaveText() || !AskSaveLayoutParams())
        return;
    ClearSearchResults();
    const StartPoint start = Remember();
    TBook& book = *g_CurrentBook;
    const int32_t volumes = book.volumes.Size();
    ProgressReporter progress(QStringLiteral("替換所有冊"), volumes);
    int32_t total = 0;
    int32_t v = 0;
    bool titlesChanged = false;
    for (; v < volumes; ++v) {
        if (!progress.Step(v, GetFileTitlePart(book.volumes[v].name)))
            break;
        if (!GoToVolumePage(v, view, &book, 0) || g_CurrentVolume != v)
            continue;
        bool changed = false;
        total += ReplaceShownVolume(dialog, changed);
        titlesChanged = titlesChanged || changed;
        if (!SaveReplacedVolume(view, changed))
            break;
    }
    progress.Close();
    // Also after 取消 or a failed write: the index then matches the volume
    // files as they are.
    if (titlesChanged) {
        g_IndexDirty = !WriteIndexFile(book);
        Frame().FillBookTree();
    }
    ReturnTo(view, start);
    TellUser(progress.Cancelled() ? StoppedAt(v, volumes, total) : ReplacedCount(total));
}

void OnFindDialogCommand(ViewData& view, CDlgFind& dialog, int32_t button)
{
    for (const DialogCommand& command : kDialogCommands)
        if (command.button == button)
            command.run(view, dialog);
}
