#pragma once
// Long work over many units (the volumes of a book) shows its progress: a
// window with the unit being worked on, a bar and a 取消 button, while the
// main window keeps repainting. The loop calls Step before each unit; once
// 取消 was pressed Step says stop (and the window goes), so that the work
// ends between two units and the caller can say how far it came. The window shows when the work
// has run a moment (Dialogs().ProgressShowDelay()) and closes when the
// reporter goes; short work shows nothing.
#include <cstdint>
#include <memory>

#include <QElapsedTimer>
#include <QString>

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

class ProgressReporter {
public:
    // title: the work, as the window's title ("生成排版文件"); units: how
    // many steps it has.
    ProgressReporter(const QString& title, int32_t units);
    ~ProgressReporter();
    ProgressReporter(const ProgressReporter&) = delete;
    ProgressReporter& operator=(const ProgressReporter&) = delete;

    // Unit done (0-based, the one about to be worked on) is text (a
    // volume's name). False once 取消 was pressed: leave that unit undone.
    bool Step(int32_t done, const QString& text);
    // As Step, with label shown as it is (a stage that counts in bytes).
    bool StepLabelled(int32_t done, const QString& label);
    // The work goes on with a stage of units steps (reading a file, then
    // working through its lines): the bar starts again, the window stays.
    void Restart(int32_t units);
    bool Cancelled() const { return cancelled_; }
    // The work's last stretch, which cannot be cancelled (what it replaces
    // is gone): a shown window says label over a full bar, 取消 disabled,
    // painted at once, and stays until Close.
    void Finish(const QString& label);
    // The work is over: the window goes (before the work's closing message).
    void Close();
    int32_t Units() const { return units_; }

private:
    // text is the unit's name (counted: shown with its number) or the whole label.
    bool Advance(int32_t done, const QString& text, bool counted);
    void Show();
    // Lets the windows repaint (and, with the window shown, 取消 be pressed).
    void Pump();

    QString title_;
    int32_t units_ = 0;
    bool cancelled_ = false;
    bool cursorPushed_ = false;
    bool shownOnce_ = false;
    QElapsedTimer started_;
    QElapsedTimer pumped_;
    std::unique_ptr<QDialog> window_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
