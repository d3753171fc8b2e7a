#pragma once
// File, folder and colour choices. Code below the application layer asks
// through the installed Chooser; the application installs one over the Qt
// dialogs, tests a scripted one. Without any, every choice is cancelled.
#include <QFont>
#include <QString>

#include "platform/WinTypes.h"

class Chooser {
public:
    virtual ~Chooser() = default;
    // A file to read; empty when cancelled. Filters in Qt's form,
    // "預處理文本文件 (*.txt)", several separated by ";;".
    virtual QString OpenFile(const QString& filter, const QString& startFolder) = 0;
    // A file to write, defaultExt appended to a name typed without one;
    // empty when cancelled.
    virtual QString SaveFile(const QString& filter, const QString& defaultExt, const QString& proposedName,
                             const QString& startFolder) = 0;
    // A folder; empty when cancelled.
    virtual QString Folder(const QString& startFolder, const QString& title) = 0;
    // A colour starting from colour; false (colour unchanged) when cancelled.
    virtual bool Colour(ColorRef& colour) = 0;
    // A screen font starting from font; false (font unchanged) when cancelled.
    virtual bool Font(QFont& font) = 0;
};

// The chooser in force; never null.
Chooser& CurrentChooser();
// Installs a chooser (not owned); null restores the cancelling fallback.
// Returns the one installed before.
Chooser* InstallChooser(Chooser* chooser);
