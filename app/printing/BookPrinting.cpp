#include "app/printing/BookPrinting.h"

#include <memory>

#include <QPdfWriter>

#include "app/AppGlobals.h"
#include "app/dialogs/ProgressReporter.h"
#include "app/files/SavePrompts.h"
#include "app/files/VolumeDataFile.h"
#include "app/view/CollatorView.h"
#include "foundation/io/Paths.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "render/pipeline/ShownPages.h"
#include "render/printing/PrintCycle.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

constexpr int kPdfResolution = 600;

// The volume whose pages the 4-in-1 sheet shown shows; -1 for a cover or
// blank place, outside 4-in-1 display and without a book.
int32_t SheetVolume(int32_t shown)
{
    if (!g_FourInOneMode || !g_CurrentBook)
        return -1;
    const int32_t first = ShownPageToTextPages(shown).first;
    int32_t volume = -1, page = 0;
    if (first < 0 || !Decode4in1Entry(first, volume, page))
        return -1;
    return volume == k4in1CoverCode || volume == k4in1BlankCode ? -1 : volume;
}

bool IsOtherVolume(int32_t volume) { return volume >= 0 && volume != g_CurrentVolume; }

// Nothing to print: the current group's page order, else the pages in use,
// is empty.
bool NothingToPrint()
{
    if (g_FourInOneMode) {
        const int32_t group = g_Current4in1Group;
        return group < 0 || group >= int32_t(g_4in1Data.pageOrders.size()) ||
               g_4in1Data.pageOrders[size_t(group)].empty();
    }
    return !g_CurrentPages || g_CurrentPages->pages.Size() == 0;
}

// The shown volume while sheets of other volumes are printed: its table
// moved out (so no save can write another volume's pages over its file) and
// moved back with its number and title at the end.
class ShownVolumeAside {
public:
    explicit ShownVolumeAside(CollatorView& view) : view_(view) {}

    // Reads volume into g_PageTable for the sheets that follow; false when
    // it cannot be read (that sheet is then skipped).
    bool Load(int32_t volume)
    {
        if (!aside_) {
            table_ = std::move(g_PageTable);
            textName_ = g_TextName;
            volume_ = g_CurrentVolume;
            aside_ = true;
        }
        const TFile* file = g_CurrentBook->volumes.GetAtOrNull(volume);
        g_PageTable = TPageTable();
        // Until a read succeeds the table is no volume's.
        g_CurrentVolume = -1;
        if (!file || !ReadVolumeDataFile(file->name))
            return false;
        g_CurrentVolume = volume;
        Rebuild();
        return true;
    }
    bool Aside() const { return aside_; }
    // Back to the shown volume and the shown page; the zoom is already back.
    void Restore(int32_t savedPage)
    {
        if (aside_) {
            g_PageTable = std::move(table_);
            g_TextName = textName_;
            g_CurrentVolume = volume_;
            aside_ = false;
            Rebuild();
            view_.Refresh();
        }
        view_.GoToPage(savedPage);
    }

private:
    void Rebuild()
    {
        PageRenderer& renderer = view_.Renderer();
        renderer.CalcPageExtent();
        renderer.ApplyZoom();
        RebuildContents(renderer.LeafTexts, true, false);
    }

    CollatorView& view_;
    bool aside_ = false;
    TPageTable table_;
    QString textName_;
    int32_t volume_ = -1;
};

// Sheets of more than one volume show their progress by volume; after
// 取消 no sheet of a later volume is printed. The page view does not paint
// meanwhile: its drawing state is the printer's.
class VolumeProgress {
public:
    VolumeProgress(CollatorView& view, int32_t from, int32_t to) : view_(view)
    {
        for (int32_t unit = from; unit <= to; ++unit)
            Count(SheetVolume(unit - 1));
        if (volumes_ < 2)
            return;
        reporter_ = std::make_unique<ProgressReporter>(QStringLiteral("打印"), volumes_);
        view_.setUpdatesEnabled(false);
        last_ = -1;
    }
    ~VolumeProgress()
    {
        if (reporter_)
            view_.setUpdatesEnabled(true);
    }
    VolumeProgress(const VolumeProgress&) = delete;
    VolumeProgress& operator=(const VolumeProgress&) = delete;

    // A unit of volume (-1: a cover or blank place) is next; false: leave it.
    bool Reach(int32_t volume)
    {
        if (!reporter_ || reporter_->Cancelled())
            return !reporter_;
        if (volume < 0 || volume == last_)
            return true;
        last_ = volume;
        const TFile* file = g_CurrentBook->volumes.GetAtOrNull(volume);
        return reporter_->Step(reached_++, file ? GetFileTitlePart(file->name) : QString());
    }
    void TellWhereStopped() const
    {
        if (reporter_ && reporter_->Cancelled())
            TellUser(QStringLiteral("打印已取消：已打印%1冊，共%2冊").arg(reached_ - 1).arg(volumes_));
    }

private:
    void Count(int32_t volume)
    {
        if (volume >= 0 && volume != last_)
            ++volumes_;
        if (volume >= 0)
            last_ = volume;
    }

    CollatorView& view_;
    std::unique_ptr<ProgressReporter> reporter_;
    int32_t volumes_ = 0;
    int32_t reached_ = 0;
    int32_t last_ = -1;
};

}  // namespace

bool AskSaveBeforePrinting(int32_t from, int32_t to)
{
    for (int32_t unit = from; unit <= to; ++unit)
        if (IsOtherVolume(SheetVolume(unit - 1)))
            return AskSaveText();
    return true;
}

int32_t PrintBookUnits(CollatorView& view, QPagedPaintDevice& device, int32_t from, int32_t to)
{
    if (NothingToPrint())
        return 0;
    ShownVolumeAside shown(view);
    VolumeProgress progress(view, from, to);
    PrintSteps steps;
    steps.beforeUnit = [&shown, &progress](int32_t unit) {
        const int32_t volume = SheetVolume(unit);
        if (!progress.Reach(volume))
            return false;
        return !IsOtherVolume(volume) || shown.Load(volume);
    };
    steps.restore = [&shown](int32_t savedPage) { shown.Restore(savedPage); };
    const int32_t printed = PrintShownUnits(view.Renderer(), device, from, to, g_PrintMargins, steps);
    progress.TellWhereStopped();
    return printed;
}

void DrawPreviewSheet(CollatorView& view, QPainter& painter, int32_t unit)
{
    if (NothingToPrint())
        return;
    ShownVolumeAside shown(view);
    const int32_t savedPage = g_CurrentPage;
    DrawShownUnitOnSheet(view.Renderer(), painter, unit, g_PrintMargins, [&shown](int32_t shownUnit) {
        const int32_t volume = SheetVolume(shownUnit);
        return !IsOtherVolume(volume) || shown.Load(volume);
    });
    // Only a sheet of another volume moved the shown one aside.
    if (shown.Aside())
        shown.Restore(savedPage);
}

QPageLayout::Orientation StoredPrintOrientation()
{
    return g_PrintOrientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape;
}

void PreparePdfWriter(QPdfWriter& pdf)
{
    pdf.setResolution(kPdfResolution);
    pdf.setPageMargins(QMarginsF());
    pdf.setPageOrientation(StoredPrintOrientation());
}
