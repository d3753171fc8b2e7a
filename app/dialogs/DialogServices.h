#pragma once
// Running a dialog modally. The application runs it for real; tests install
// a fake that fills a dialog's controls and answers, so that no test ever
// blocks in a modal loop. (The common colour, file and folder dialogs are
// the Chooser's: platform/Chooser.h.)
class QDialog;
class QWidget;

class DialogServices {
public:
    virtual ~DialogServices() = default;
    // Runs the dialog modally; true when it was accepted (確定).
    virtual bool RunModal(QDialog& dialog) = 0;
    // Long work's progress window (ProgressReporter): how long the work runs,
    // in milliseconds, before the window shows; then, at every step with the
    // window shown, a look at it (tests press its 取消 there).
    virtual int ProgressShowDelay() const { return 400; }
    virtual void ProgressStep(QDialog&) {}
};

// The services in force: the installed ones, else the desktop's.
DialogServices& Dialogs();
// Installs services (not owned; null restores the desktop's). Returns the
// ones installed before.
DialogServices* InstallDialogServices(DialogServices* services);

// The window a message or a common dialog stands over: the modal dialog
// open now (a message over the layout dialog must keep that dialog in
// front of the main window), else fallback.
QWidget* DialogParent(QWidget* fallback);
