#include "app/RunProgram.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/DialogChooser.h"
#include "app/MessageBoxPrompter.h"
#include "app/dialogs/AppDialogHooks.h"
#include "app/frame/MainWindow.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "platform/FontSubstitutions.h"

namespace {

// QApplication aborts when no platform plugin can start; tell the user why
// instead of letting Qt end the process.
bool DisplayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A display named but not there (or refusing us) makes Qt abort inside the
// application's constructor. A child process starts the platform first and
// reports whether it could; its own complaints go to /dev/null.
bool DisplayOpens(int argc, char** argv)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        return true;  // no probe: let Qt try
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        const QGuiApplication probe(argc, argv);
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return true;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int RunProgram(const Edition& edition, int argc, char** argv)
{
    InstallEdition(&edition);
    const QString program = edition.ProgramName();
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "%s: no display found. Run it on a desktop, under Xvfb, or with "
                     "QT_QPA_PLATFORM=offscreen.\n",
                     qUtf8Printable(program));
        return 2;
    }
    if (!DisplayOpens(argc, argv)) {
        std::fprintf(stderr,
                     "%s: cannot open the display \"%s\". Run it on a desktop, under Xvfb, or with "
                     "QT_QPA_PLATFORM=offscreen.\n",
                     qUtf8Printable(program), qgetenv("DISPLAY").constData());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(program);
    QApplication::setOrganizationName(QStringLiteral("raze"));
    InstallFontSubstitutions();

    MessageBoxPrompter prompter;
    InstallPrompter(&prompter);

    DialogChooser chooser;
    InstallChooser(&chooser);
    InstallAppDialogs();

    const std::unique_ptr<MainWindow> window = MakeProgramWindow(QApplication::arguments());
    prompter.SetParent(window.get());
    chooser.SetParent(window.get());

    const int status = app.exec();
    InstallChooser(nullptr);
    InstallPrompter(nullptr);
    return status;
}

std::unique_ptr<MainWindow> MakeProgramWindow(const QStringList& args)
{
    const QString argument = args.size() > 1 ? QFileInfo(args.at(1)).absoluteFilePath() : QString();
    auto window = std::make_unique<MainWindow>();
    window->resize(1024, 768);
    window->showMaximized();
    if (!argument.isEmpty())
        QTimer::singleShot(0, window.get(), [w = window.get(), argument] { w->OpenFile(argument); });
    return window;
}
