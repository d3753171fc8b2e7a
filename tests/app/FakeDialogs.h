#pragma once
// Dialog services for tests: each modal run goes to a scripted handler that
// fills the dialog's controls and answers; colours, files and folders come
// from preset answers (the fake is the chooser too). The application's
// dialog hooks are installed for the fake's lifetime.
#include <deque>
#include <functional>

#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/AppDialogHooks.h"
#include "app/dialogs/DialogServices.h"
#include "platform/Chooser.h"

class FakeDialogs final : public DialogServices, public Chooser {
public:
    using Handler = std::function<bool(QDialog&)>;

    FakeDialogs() : previous_(InstallDialogServices(this)), previousChooser_(InstallChooser(this)) { InstallAppDialogs(); }
    ~FakeDialogs() override
    {
        UninstallAppDialogs();
        InstallChooser(previousChooser_);
        InstallDialogServices(previous_);
    }

    // The next modal runs, in order; a run without a handler is cancelled.
    FakeDialogs& OnRun(Handler handler)
    {
        runs_.push_back(std::move(handler));
        return *this;
    }
    // Called at each step of long work with its progress window, which
    // shows at once while the fake is installed.
    FakeDialogs& OnProgress(std::function<void(QDialog&)> handler)
    {
        progress_ = std::move(handler);
        return *this;
    }
    // The next colour choices; without one the colour dialog is cancelled.
    FakeDialogs& PickColors(std::initializer_list<ColorRef> colors)
    {
        colors_.insert(colors_.end(), colors);
        return *this;
    }
    FakeDialogs& ChooseFile(const QString& path)
    {
        files_.push_back(path);
        return *this;
    }
    int RunCount() const { return runCount_; }
    QString lastFolder;
    QString lastName;

    bool RunModal(QDialog& dialog) override
    {
        ++runCount_;
        if (runs_.empty())
            return false;
        Handler handler = std::move(runs_.front());
        runs_.pop_front();
        if (!handler(dialog))
            return false;
        dialog.accept();
        return true;
    }
    int ProgressShowDelay() const override { return 0; }
    void ProgressStep(QDialog& window) override
    {
        ++progressSteps_;
        if (progress_)
            progress_(window);
    }
    int ProgressSteps() const { return progressSteps_; }
    bool Colour(ColorRef& color) override
    {
        if (colors_.empty())
            return false;
        color = colors_.front();
        colors_.pop_front();
        return true;
    }
    QString SaveFile(const QString&, const QString&, const QString& name, const QString& folder) override
    {
        lastFolder = folder;
        lastName = name;
        return Next();
    }
    QString Folder(const QString& folder, const QString&) override
    {
        lastFolder = folder;
        return Next();
    }
    QString OpenFile(const QString&, const QString&) override { return Next(); }
    bool Font(QFont&) override { return false; }

private:
    QString Next()
    {
        if (files_.empty())
            return QString();
        const QString path = files_.front();
        files_.pop_front();
        return path;
    }

    DialogServices* previous_;
    Chooser* previousChooser_;
    std::deque<Handler> runs_;
    std::deque<ColorRef> colors_;
    std::deque<QString> files_;
    int runCount_ = 0;
    std::function<void(QDialog&)> progress_;
    int progressSteps_ = 0;
};

// The unit a progress window shows (0-based).
inline int ProgressStepOf(QDialog& window)
{
    const QProgressBar* bar = window.findChild<QProgressBar*>();
    return bar ? bar->value() : -1;
}

// Presses the progress window's 取消.
inline void PressCancel(QDialog& window)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("取消"))
            QTest::mouseClick(button, Qt::LeftButton);
}

// Helpers for the handlers.
template <class T>
T* Child(QWidget& parent, const QString& name)
{
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}
