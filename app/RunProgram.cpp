#include "app/RunProgram.h"

#include <cstdio>

#include <QApplication>
#include <QFileInfo>
#include <QTranslator>
#include <QTimer>

#include "app/DialogChooser.h"
#include "app/DisplayCheck.h"
#include "app/MessageBoxPrompter.h"
#include "app/QtTranslations.h"
#include "app/dialogs/AppDialogHooks.h"
#include "app/frame/MainWindow.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "platform/FontSubstitutions.h"

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
    if (!DisplayOpens()) {
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
    QTranslator qtTranslations;
    InstallQtTranslations(qtTranslations);

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
