#pragma once
// The base of the view chain: a scroll area that owns a PageRenderer and
// shows the shown units of g_CurrentPages, stacked vertically one pitch
// apart, at the current zoom. Its paint only draws; the shown page is
// brought up to date where it can change (scrolling, resizing, going to a
// page, switching display), and currentPageChanged tells the frame to
// refresh its status text, page combo and panes.
//
// It scrolls by bar, wheel and hand drag; PgUp and PgDn go a shown page back
// and on, "D" switches two-page display, "," and "." ask the frame for the
// next smaller and larger zoom.
#include <QAbstractScrollArea>
#include <QPoint>

#include "render/PageRenderer.h"

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    PageRenderer& Renderer() { return view_; }
    // After the pages, the style, the zoom or the display mode changed:
    // extent, fitted zooms, zoom, scroll sizes, then the current page again
    // (a page wider than the view scrolled to its right edge, where a
    // right-to-left page begins).
    void Refresh();
    // Refresh after the style page sizes are computed again for the display
    // mode (a half or a whole leaf).
    void Relayout();
    // Makes shown page s current and scrolls it to the top. Outside 4-in-1
    // display s is limited to the last shown page; a negative s empties the
    // directory tree and shows no volume.
    void GoToPage(int shownPage);
    // The zoom-table entry index becomes the zoom; the current page stays.
    void ApplyZoomIndex(int index);
    // The table index of the next larger / smaller zoom; the current index
    // when there is none.
    int NextZoomIn() const;
    int NextZoomOut() const;
    // Flips two-page display, converting the current page.
    void ToggleTwoPage();
    // Flips 4-in-1 display. Refused (false, nothing changes) when entering
    // it without 4-in-1 groups.
    bool ToggleFourInOne();
    // Shows text page page of volume volume of g_CurrentBook; false when
    // that volume could not be shown. The page view alone has no books.
    virtual bool ShowVolumePage(int /*volume*/, int /*page*/) { return false; }

signals:
    void currentPageChanged(int shownPage);
    // A key asks for a frame command (the zoom steps, find down and up).
    void commandRequested(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyScrollSizes();
    // The shown page from the scroll position; announced when it differs
    // from previous.
    void SyncState(int previous);
    void UpdateCursor();
    // The page view is live: a volume shown and no grid cell being edited.
    static bool Active();

    PageRenderer view_;
    bool holdPage_ = false;
    bool dragActive_ = false;
    QPoint dragAnchor_;
};

// Among the table's entries other than current, the one just above (larger)
// or just below zoom, at most 100 away; current when there is none.
int NextZoomIndex(const std::vector<double>& table, int current, double zoom, bool larger);
