#include "app/frame/MainWindow.h"

#include <QStatusBar>

#include "app/AppGlobals.h"
#include "app/text/TextOpening.h"
#include "app/view/PageView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

namespace {

// What the view starts with: the program's own set and pages, one default
// style, 100%.
void InitViewState()
{
    g_CurrentParaSet = &g_ParaSet;
    g_CurrentPages = &g_PageTable;
    ClearStyles(g_ParaSet.styles);
    g_ParaSet.covers.Clear();
    AddNewStyle(g_ParaSet.styles, {g_TwoPageMode != 0, g_FourInOneMode != 0});
    g_CurrentStyle = g_ParaSet.styles.First();
    g_ZoomIndex = 3;
    g_VolumeShown = false;
    g_TextName.clear();
    g_CoverPages = 0;
    g_BackPages = 0;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), view_(new PageView(this))
{
    InitViewState();
    setCentralWidget(view_);
    setWindowTitle(g_Edition->Title());
    statusBar();
    connect(view_, &PageView::currentPageChanged, this, [this](int page) { ShownPageChanged(page); });
    previousFrame_ = InstallFrameServices(this);
}

MainWindow::~MainWindow() { InstallFrameServices(previousFrame_); }

bool MainWindow::OpenText(const QString& path) { return OpenTextFile(path, *view_, typesetter_); }

void MainWindow::SetDocumentTitle(const QString& title)
{
    setWindowTitle(title.isEmpty() ? g_Edition->Title() : g_Edition->Title() + QStringLiteral(" - ") + title);
}

// No page combo yet: the status text alone follows the new page count.
void MainWindow::FillPageCombo(int) { ShownPageChanged(0); }

void MainWindow::ShownPageChanged(int) { statusBar()->showMessage(ShownPageStatusText(g_TextName)); }
