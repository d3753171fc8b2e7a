#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "app/QtTranslations.h"

namespace {

// Qt's dialogs speak traditional Chinese, as the program does.
TEST(QtTranslations, QtDialogsSpeakTraditionalChinese)
{
    QTranslator translator;
    ASSERT_TRUE(InstallQtTranslations(translator));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("列印"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("尋找於："));
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
