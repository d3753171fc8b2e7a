#include "app/view/PageView.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "app/FrameServices.h"
#include "platform/PainterDc.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "app/AppGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {

enum : int { kFitWidth = 7, kFitPage = 9, kZoomCount = 10 };

bool IsFitIndex(int index) { return index >= kFitWidth && index <= kFitPage; }

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
}

bool PageView::Active() { return g_VolumeShown && !g_CellEditing; }

void PageView::Refresh()
{
    view_.ClientSize = viewport()->size();
    view_.ShownPageCount = GetShownPageCount();
    view_.CalcPageExtent();
    view_.CalcFitZooms();
    view_.ZoomFactor = view_.GetZoomFactor();
    view_.ApplyZoom();
    ApplyScrollSizes();
    horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    GoToPage(std::max(0, g_CurrentPage));
    UpdateCursor();
}

void PageView::Relayout()
{
    if (g_CurrentParaSet) {
        const TDisplayMode display{g_TwoPageMode != 0, g_FourInOneMode != 0};
        for (TStyle& style : g_CurrentParaSet->styles)
            ComputeStylePageSize(style, display);
        ApplyCoverSizes(*g_CurrentParaSet);
    }
    Refresh();
}

void PageView::GoToPage(int s)
{
    const int previous = g_CurrentPage;
    if (!g_FourInOneMode)
        s = std::min(s, GetShownPageCount() - 1);
    if (s < 0) {
        g_CurrentPage = s;
        Frame().EmptyDirectoryTree();
        g_VolumeShown = false;
        viewport()->update();
        UpdateCursor();
        if (previous != s)
            emit currentPageChanged(s);
        return;
    }
    verticalScrollBar()->setValue(s * (view_.PagePitch() / 100));
    SyncState(previous);
    viewport()->update();
}

void PageView::ApplyZoomIndex(int index)
{
    g_ZoomIndex = std::clamp(index, 0, kZoomCount - 1);
    view_.ZoomFactor = view_.GetZoomFactor();
    view_.ApplyZoom();
    view_.ShownPageCount = GetShownPageCount();
    ApplyScrollSizes();
    GoToPage(g_CurrentPage);
}

int NextZoomIndex(const std::vector<double>& table, int current, double zoom, bool larger)
{
    int best = current;
    double bestGap = 100;
    for (int i = 0; i < int(table.size()); ++i) {
        const double gap = larger ? table[size_t(i)] - zoom : zoom - table[size_t(i)];
        if (i != current && gap > 0 && gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    return best;
}

int PageView::NextZoomIn() const { return NextZoomIndex(view_.ZoomTable, g_ZoomIndex, view_.ZoomFactor, true); }
int PageView::NextZoomOut() const { return NextZoomIndex(view_.ZoomTable, g_ZoomIndex, view_.ZoomFactor, false); }

void PageView::ToggleTwoPage()
{
    const int a = g_CoverPages;
    int s = g_CurrentPage;
    g_TwoPageMode = !g_TwoPageMode;
    if (s > 0)
        s = g_TwoPageMode ? (s + a) / 2 : 2 * s - a;
    g_CurrentPage = s;
    Frame().FillPageCombo(g_CurrentPages ? g_CurrentPages->pages.Size() : 0);
    Relayout();
    // The status names the pages now shown, which the relayout has set.
    Frame().ShownPageChanged(g_CurrentPage);
}

namespace {

// The shown page of text page p of the shown volume, outside 4-in-1 display.
int ShownPageOfVolumePage(int p) { return p == 0 ? 0 : TextPageToShownPage(p); }

// Leaving 4-in-1 display: the entry of the sheet's first slot names a volume
// and a page; the view lands on that page. Returns the shown page, or -1
// when the page lies in another volume (shown by the navigation instead).
int ShownPageLeavingFourInOne(int slot, int& volume, int& page)
{
    if (slot <= 0 || !Decode4in1Entry(slot, volume, page))
        return 0;
    if (volume == k4in1CoverCode)
        return page % 2 == 0 ? 0 : GetShownPageCount() - 1;
    if (volume == k4in1BlankCode || volume == g_CurrentVolume)
        return volume == k4in1BlankCode ? 0 : ShownPageOfVolumePage(page);
    return -1;
}

}  // namespace

bool PageView::ToggleFourInOne()
{
    const int a = g_CoverPages;
    if (!g_FourInOneMode && g_4in1Data.pageOrders.empty())
        return false;
    const int slot = ShownPageToTextPages(g_CurrentPage).first;
    g_FourInOneMode = !g_FourInOneMode;
    int volume = -1;
    int page = 0;
    int shown = 0;
    if (g_FourInOneMode) {
        int group = 0;
        int groupSlot = 0;
        Locate4in1Page(g_CurrentVolume, std::max(0, slot), group, groupSlot);
        g_Current4in1Group = group;
        shown = groupSlot == 0 ? 0 : a + (groupSlot - a) / 4;
    } else {
        g_Current4in1Group = 0;
        shown = ShownPageLeavingFourInOne(slot, volume, page);
    }
    g_CurrentPage = std::max(0, shown);
    Frame().FillPageCombo(g_CurrentPages ? g_CurrentPages->pages.Size() : 0);
    Frame().FillBookTree();
    Relayout();
    if (shown < 0)
        ShowVolumePage(volume, page);
    return true;
}

void PageView::ApplyScrollSizes()
{
    // New ranges may move the bars; the page stays the one that was current
    // until the caller scrolls to it.
    const QScopedValueRollback<bool> hold(holdPage_, true);
    const ScrollSizes& sizes = view_.Scroll;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, sizes.total.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(std::max(1, sizes.line.width()));
    // Every shown page can be scrolled to the top, the last one too.
    const int pitch = view_.PagePitch() / 100;
    const int last = std::max(0, view_.ShownPageCount - 1) * pitch;
    verticalScrollBar()->setRange(0, std::max({0, sizes.total.height() - client.height(), last}));
    verticalScrollBar()->setPageStep(std::max(1, sizes.page.height()));
    verticalScrollBar()->setSingleStep(std::max(1, sizes.line.height()));
}

void PageView::SyncState(int previous)
{
    SyncShownPage(view_, verticalScrollBar()->value());
    if (g_CurrentPage != previous)
        emit currentPageChanged(g_CurrentPage);
}

void PageView::UpdateCursor()
{
    if (!Active())
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(dragActive_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    PainterDc dc(painter);
    dc.SetViewportOrg(QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
    DrawShownPages(view_, dc, verticalScrollBar()->value());
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    view_.ClientSize = viewport()->size();
    if (view_.Printing)
        return;
    view_.CalcFitZooms();
    if (IsFitIndex(g_ZoomIndex) && Active()) {
        view_.ZoomFactor = view_.GetZoomFactor();
        view_.ApplyZoom();
    } else {
        view_.UpdateScrollSizes();
    }
    ApplyScrollSizes();
    if (Active())
        GoToPage(std::max(0, g_CurrentPage));
}

void PageView::scrollContentsBy(int, int)
{
    if (!holdPage_)
        SyncState(g_CurrentPage);
    viewport()->update();
}

void PageView::keyPressEvent(QKeyEvent* event)
{
    if (Active()) {
        switch (event->key()) {
        case Qt::Key_PageUp:
            if (g_CurrentPage > 0)
                GoToPage(g_CurrentPage - 1);
            return;
        case Qt::Key_PageDown:
            // The shown-page count, so that the last spread is reachable.
            if (g_CurrentPage + 1 < GetShownPageCount())
                GoToPage(g_CurrentPage + 1);
            return;
        case Qt::Key_D:
            ToggleTwoPage();
            return;
        case Qt::Key_Comma:
            emit commandRequested(32861);
            return;
        case Qt::Key_Period:
            emit commandRequested(32864);
            return;
        case Qt::Key_F3:
            emit commandRequested(32858);
            return;
        case Qt::Key_F4:
            emit commandRequested(32859);
            return;
        default:
            break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void PageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !Active())
        return QAbstractScrollArea::mousePressEvent(event);
    dragActive_ = true;
    dragAnchor_ = event->position().toPoint() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->grabMouse();
    UpdateCursor();
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragActive_)
        return QAbstractScrollArea::mouseMoveEvent(event);
    const QPoint mouse = event->position().toPoint();
    QPoint to = dragAnchor_ - mouse;
    // A page narrower than the window stays where it is across.
    if (view_.PageExtent.Width() / 100 < viewport()->width() && to.x() > 0)
        to.setX(0);
    const QPoint at(horizontalScrollBar()->value(), verticalScrollBar()->value());
    if (to == at)
        return;
    horizontalScrollBar()->setValue(to.x());
    verticalScrollBar()->setValue(to.y());
    dragAnchor_ = mouse + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void PageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragActive_)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    dragActive_ = false;
    viewport()->releaseMouse();
    UpdateCursor();
}
