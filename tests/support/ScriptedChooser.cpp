#include "support/ScriptedChooser.h"

#include <gtest/gtest.h>

ScriptedChooser::ScriptedChooser() : previous_(InstallChooser(this)) {}

ScriptedChooser::~ScriptedChooser()
{
    InstallChooser(previous_);
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected choice never came: " << int(e.kind) << " " << e.path.toStdString();
}

ScriptedChooser& ScriptedChooser::ExpectOpen(const QString& path)
{
    expected_.push_back({Kind::Open, path, 0, !path.isEmpty()});
    return *this;
}

ScriptedChooser& ScriptedChooser::ExpectSave(const QString& path)
{
    expected_.push_back({Kind::Save, path, 0, !path.isEmpty()});
    return *this;
}

ScriptedChooser& ScriptedChooser::ExpectFolder(const QString& path)
{
    expected_.push_back({Kind::Folder, path, 0, !path.isEmpty()});
    return *this;
}

ScriptedChooser& ScriptedChooser::ExpectColour(ColorRef colour, bool chosen)
{
    expected_.push_back({Kind::Colour, QString(), colour, chosen});
    return *this;
}

ScriptedChooser& ScriptedChooser::ExpectFont(const QFont& font, bool chosen)
{
    expected_.push_back({Kind::Font, QString(), 0, chosen, font});
    return *this;
}

ScriptedChooser::Expected ScriptedChooser::Take(Kind kind, const QString& startFolder)
{
    startFolders_.append(startFolder);
    if (expected_.empty() || expected_.front().kind != kind) {
        ADD_FAILURE() << "unexpected choice of kind " << int(kind);
        return {kind, QString(), 0, false};
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    return e;
}

QString ScriptedChooser::OpenFile(const QString&, const QString& startFolder)
{
    return Take(Kind::Open, startFolder).path;
}

QString ScriptedChooser::SaveFile(const QString&, const QString&, const QString&, const QString& startFolder)
{
    return Take(Kind::Save, startFolder).path;
}

QString ScriptedChooser::Folder(const QString& startFolder, const QString&)
{
    return Take(Kind::Folder, startFolder).path;
}

bool ScriptedChooser::Colour(ColorRef& colour)
{
    const Expected e = Take(Kind::Colour, QString());
    if (e.chosen)
        colour = e.colour;
    return e.chosen;
}

bool ScriptedChooser::Font(QFont& font)
{
    const Expected e = Take(Kind::Font, QString());
    if (e.chosen)
        font = e.font;
    return e.chosen;
}
