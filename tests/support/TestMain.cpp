// Shared main of the test programs: an offscreen application, Qt's test mode
// for standard paths, then GoogleTest with the globals reset after each test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "GlobalsReset.h"
#include "platform/FontSubstitutions.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalsReset);
    return RUN_ALL_TESTS();
}
