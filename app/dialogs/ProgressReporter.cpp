#include "app/dialogs/ProgressReporter.h"

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/DialogServices.h"

namespace {

// How often the windows get to repaint while the work runs: often enough
// to look alive, seldom enough that painting takes little of the work.
constexpr qint64 kPumpEveryMs = 100;

// The window itself: closing it is pressing 取消.
class ProgressWindow final : public QDialog {
public:
    using QDialog::QDialog;
    std::function<void()> onCancel;

protected:
    void reject() override
    {
        if (onCancel)
            onCancel();
    }
};

}  // namespace

ProgressReporter::ProgressReporter(const QString& title, int32_t units) : title_(title), units_(units)
{
    started_.start();
    pumped_.start();
}

ProgressReporter::~ProgressReporter() { Close(); }

void ProgressReporter::Close()
{
    if (!window_)
        return;
    window_.reset();
    label_ = nullptr;
    bar_ = nullptr;
    cancel_ = nullptr;
    if (cursorPushed_)
        QGuiApplication::restoreOverrideCursor();
    cursorPushed_ = false;
}

bool ProgressReporter::Step(int32_t done, const QString& text) { return Advance(done, text, true); }

bool ProgressReporter::StepLabelled(int32_t done, const QString& label) { return Advance(done, label, false); }

void ProgressReporter::Restart(int32_t units)
{
    units_ = units;
    if (bar_)
        bar_->setRange(0, units);
}

bool ProgressReporter::Advance(int32_t done, const QString& text, bool counted)
{
    if (cancelled_)
        return false;
    if (!window_ && !shownOnce_ && started_.elapsed() >= Dialogs().ProgressShowDelay())
        Show();
    if (window_) {
        label_->setText(counted ? QStringLiteral("%1（%2/%3）").arg(text).arg(done + 1).arg(units_) : text);
        bar_->setValue(done);
        Dialogs().ProgressStep(*window_);
    }
    if (pumped_.elapsed() >= kPumpEveryMs || (window_ && done == 0))
        Pump();
    if (cancelled_)
        Close();
    return !cancelled_;
}

void ProgressReporter::Finish(const QString& label)
{
    if (!window_)
        return;
    label_->setText(label);
    bar_->setValue(units_);
    cancel_->setEnabled(false);
    static_cast<ProgressWindow*>(window_.get())->onCancel = nullptr;
    Dialogs().ProgressStep(*window_);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    pumped_.start();
}

void ProgressReporter::Show()
{
    auto* window = new ProgressWindow(QApplication::activeWindow());
    window->setObjectName(QStringLiteral("ProgressReporter"));
    window->setWindowTitle(title_);
    window->setWindowModality(Qt::ApplicationModal);
    window->onCancel = [this] { cancelled_ = true; };
    label_ = new QLabel(window);
    bar_ = new QProgressBar(window);
    bar_->setRange(0, units_);
    auto* cancel = new QPushButton(QStringLiteral("取消"), window);
    QObject::connect(cancel, &QPushButton::clicked, window, [this] { cancelled_ = true; });
    cancel_ = cancel;
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    window->resize(360, window->sizeHint().height());
    window_.reset(window);
    shownOnce_ = true;
    window_->show();
    // The work's wait cursor would hide that 取消 can still be pressed.
    cursorPushed_ = QGuiApplication::overrideCursor() != nullptr;
    if (cursorPushed_)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void ProgressReporter::Pump()
{
    // Without the modal window up, clicks and keys wait: nothing may start
    // another command in the middle of this one.
    QCoreApplication::processEvents(window_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    pumped_.start();
}
