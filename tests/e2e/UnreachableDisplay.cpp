// Each program without a display it can open: a message on stderr and exit
// status 2, whether no display is named or the named one is not there.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Case {
    const char* display;  // nullptr: DISPLAY unset
    const char* message;
};

int RunWithout(const QString& program, const Case& c, QByteArray& err)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        env.remove(QString::fromLatin1(name));
    if (c.display)
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, {});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -process.exitCode() - 1000;
}

TEST(UnreachableDisplay, EachProgramSaysSoAndExitsWithTwo)
{
    // No X server listens on display 7391 on a test machine.
    const Case cases[] = {{nullptr, "no display found"}, {":7391", "cannot open the display \":7391\""}};
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    for (const char* name : {"VellumorBlock", "VellumorVert", "VellumorHorz"}) {
        const QString program = folder + u'/' + QString::fromLatin1(name);
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "not built: " << name;
        for (const Case& c : cases) {
            QByteArray err;
            EXPECT_EQ(RunWithout(program, c, err), 2) << name << " " << (c.display ? c.display : "(none)");
            EXPECT_TRUE(err.contains(c.message)) << err.constData();
        }
    }
}

}  // namespace
