#pragma once
// The main window as a user has it, for the book benchmarks: shown, with a
// prompter that answers yes (and keeps the last message) and a chooser that
// gives the prepared file or folder; its profile in a temporary folder.
// Commands run through the window's dispatcher, and a step is over when the
// window has painted what it changed.
#include <memory>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/frame/MainWindow.h"
#include "foundation/FoundationGlobals.h"
#include "platform/Chooser.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

class YesPrompter final : public Prompter {
public:
    Answer Ask(const QString&, Buttons) override { return Answer::Yes; }
    void Tell(const QString& text) override { told = text; }
    QString told;
};

class PresetChooser final : public Chooser {
public:
    QString path;
    QString OpenFile(const QString&, const QString&) override { return path; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override { return path; }
    QString Folder(const QString&, const QString&) override { return path; }
    bool Colour(ColorRef&) override { return false; }
    bool Font(QFont&) override { return false; }
};

class BookWindow {
public:
    BookWindow()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile_.path());
        previousPrompter_ = InstallPrompter(&prompter);
        previousChooser_ = InstallChooser(&chooser);
        window = std::make_unique<MainWindow>();
        window->resize(1400, 900);
        window->show();
        Painted();
    }
    ~BookWindow()
    {
        window.reset();
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
        InstallChooser(previousChooser_);
        InstallPrompter(previousPrompter_);
    }
    BookWindow(const BookWindow&) = delete;
    BookWindow& operator=(const BookWindow&) = delete;

    // Runs a command as its menu item does and waits for the paint.
    void Run(int id, const QString& chosen = {})
    {
        chooser.path = chosen;
        window->Dispatch(id);
        Painted();
    }
    // Everything posted handled and what changed painted.
    static void Painted() { QApplication::processEvents(); }

    YesPrompter prompter;
    PresetChooser chooser;
    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir profile_;
    Prompter* previousPrompter_ = nullptr;
    Chooser* previousChooser_ = nullptr;
};
