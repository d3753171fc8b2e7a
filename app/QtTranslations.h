#pragma once
// Qt's own dialogs (files, printing, preview, page setup, its questions)
// speak the program's language: Chinese in traditional characters.
class QTranslator;

// Loads Qt's traditional Chinese translations into the translator and
// installs it; false when the translations are not installed.
bool InstallQtTranslations(QTranslator& translator);
