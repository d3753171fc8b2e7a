#include "app/printing/PrintPreviewWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr double kZoomStep = 1.25;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(int32_t count, QSizeF paperInches, PreviewSheets::DrawSheet draw,
                                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("打印預覽"));
    sheets_ = new PreviewSheets(count, paperInches, std::move(draw), this);
    page_ = new QSpinBox(this);
    page_->setRange(1, sheets_->Count());
    page_->setSuffix(QStringLiteral(" / %1").arg(sheets_->Count()));
    page_->setObjectName(QStringLiteral("page"));
    zoom_ = new QLabel(this);
    zoom_->setObjectName(QStringLiteral("zoom"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    AddCommands();
    layout->addWidget(sheets_);
    connect(sheets_, &PreviewSheets::CurrentSheetChanged, this, &PrintPreviewWindow::ShowSheet);
    connect(sheets_, &PreviewSheets::ZoomChanged, this, &PrintPreviewWindow::ShowZoom);
    connect(page_, &QSpinBox::valueChanged, sheets_, &PreviewSheets::GoToSheet);
    ShowZoom(sheets_->Zoom());
    resize(900, 1000);
    sheets_->setFocus();
}

void PrintPreviewWindow::AddCommands()
{
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->addWidget(bar);
    auto add = [this, bar](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        QAction* action = bar->addAction(text);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("打印(&P)..."), {}, [this] { accept(); });
    bar->addSeparator();
    add(QStringLiteral("上一頁(&V)"), {QKeySequence(Qt::Key_PageUp)},
        [this] { sheets_->GoToSheet(sheets_->CurrentSheet() - 1); });
    bar->addWidget(page_);
    add(QStringLiteral("下一頁(&N)"), {QKeySequence(Qt::Key_PageDown)},
        [this] { sheets_->GoToSheet(sheets_->CurrentSheet() + 1); });
    add(QStringLiteral("首頁"), {QKeySequence(Qt::Key_Home)}, [this] { sheets_->GoToSheet(1); });
    add(QStringLiteral("末頁"), {QKeySequence(Qt::Key_End)}, [this] { sheets_->GoToSheet(sheets_->Count()); });
    bar->addSeparator();
    add(QStringLiteral("放大(&I)"), {QKeySequence::ZoomIn}, [this] { sheets_->SetZoom(sheets_->Zoom() * kZoomStep); });
    add(QStringLiteral("縮小(&O)"), {QKeySequence::ZoomOut}, [this] { sheets_->SetZoom(sheets_->Zoom() / kZoomStep); });
    add(QStringLiteral("整頁(&F)"), {}, [this] { sheets_->FitInView(); });
    bar->addWidget(zoom_);
    bar->addSeparator();
    add(QStringLiteral("關閉(&C)"), {}, [this] { reject(); });
}

void PrintPreviewWindow::ShowSheet(int32_t sheet)
{
    const QSignalBlocker quiet(page_);
    page_->setValue(sheet);
}

void PrintPreviewWindow::ShowZoom(double zoom) { zoom_->setText(QStringLiteral(" %1% ").arg(qRound(zoom * 100))); }
