// Shared main of the test programs: an offscreen application, Qt's test mode
// for standard paths, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "platform/FontSubstitutions.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
