#include "app/view/PageView.h"

#include <algorithm>

#include <QPainter>
#include <QScrollBar>

#include "platform/PainterDc.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void PageView::Refresh()
{
    view_.ClientSize = viewport()->size();
    view_.ShownPageCount = GetShownPageCount();
    view_.CalcPageExtent();
    view_.CalcFitZooms();
    view_.ZoomFactor = view_.GetZoomFactor();
    view_.ApplyZoom();
    ApplyScrollSizes();
    SyncState();
    viewport()->update();
}

void PageView::GoToPage(int shownPage)
{
    verticalScrollBar()->setValue(std::max(0, shownPage) * (view_.PagePitch() / 100));
    SyncState();
    viewport()->update();
}

void PageView::ApplyScrollSizes()
{
    const ScrollSizes& sizes = view_.Scroll;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, sizes.total.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(std::max(1, sizes.line.width()));
    verticalScrollBar()->setRange(0, std::max(0, sizes.total.height() - client.height()));
    verticalScrollBar()->setPageStep(std::max(1, sizes.page.height()));
    verticalScrollBar()->setSingleStep(std::max(1, sizes.line.height()));
}

void PageView::SyncState()
{
    if (SyncShownPage(view_, verticalScrollBar()->value()))
        emit currentPageChanged(g_CurrentPage);
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
    view_.UpdateScrollSizes();
    ApplyScrollSizes();
    SyncState();
}

void PageView::scrollContentsBy(int, int)
{
    SyncState();
    viewport()->update();
}
