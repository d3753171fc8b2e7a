#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtTranslations(QTranslator& translator)
{
    const QLocale traditional(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    if (!translator.load(traditional, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
