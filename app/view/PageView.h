#pragma once
// The base of the view chain: a scroll area that owns a PageRenderer and
// shows the shown units of g_CurrentPages, stacked vertically, at the
// current zoom. Its paint only draws; the shown page is brought up to date
// where it can change (scrolling, resizing, Refresh), and currentPageChanged
// tells the frame to refresh its status text, page combo and panes.
#include <QAbstractScrollArea>

#include "render/PageRenderer.h"

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    PageRenderer& Renderer() { return view_; }
    // After the pages, the style, the zoom or the display mode changed:
    // extent, zoom, scroll sizes and the shown page again, then a repaint.
    void Refresh();
    // Scrolls the shown page to the top of the view.
    void GoToPage(int shownPage);

signals:
    void currentPageChanged(int shownPage);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ApplyScrollSizes();
    void SyncState();

    PageRenderer view_;
};
