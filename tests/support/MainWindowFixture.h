#pragma once
// The real main window, shown offscreen, with a scripted prompter and
// chooser, its profile and files in a temporary folder, and every layer's
// working state reset before and after.
#include <gtest/gtest.h>

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppGlobals.h"
#include "app/frame/MainWindow.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedChooser.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        ResetState();
        // The program's folder is the test's own, so that the settings
        // archive of one test is no other test's.
        g_ProgramFolder = dir.path();
        g_ProgramPath = dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        window = std::make_unique<MainWindow>();
        window->resize(1200, 900);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        ResetState();
    }
    static void ResetState()
    {
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
    }
    // A UTF-8 text in the temporary folder, with the byte-order mark the
    // program reads UTF-8 by (without one a text is read as GBK); returns
    // its path.
    QString WriteText(const QString& name, const QString& text) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write((text.startsWith(QChar(0xFEFF)) ? text : QChar(0xFEFF) + text).toUtf8());
        return path;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ScriptedChooser chooser;
    std::unique_ptr<MainWindow> window;
};
