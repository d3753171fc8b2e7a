#pragma once
// A Chooser for tests: gives the scripted answers in order, each for the
// kind of choice it names, and fails the test on a choice it did not expect.
// Installed for its lifetime; it checks at the end that every answer was
// taken. It records the start folders it was given.
#include <deque>

#include <QStringList>

#include "platform/Chooser.h"

class ScriptedChooser final : public Chooser {
public:
    enum class Kind { Open, Save, Folder, Colour, Font };

    ScriptedChooser();
    ~ScriptedChooser() override;

    // The path to give (empty: the user cancels).
    ScriptedChooser& ExpectOpen(const QString& path);
    ScriptedChooser& ExpectSave(const QString& path);
    ScriptedChooser& ExpectFolder(const QString& path);
    // The colour to give; cancelled when chosen is false.
    ScriptedChooser& ExpectColour(ColorRef colour, bool chosen = true);
    // The font to give; cancelled when chosen is false.
    ScriptedChooser& ExpectFont(const QFont& font, bool chosen = true);

    QString OpenFile(const QString& filter, const QString& startFolder) override;
    QString SaveFile(const QString& filter, const QString& defaultExt, const QString& proposedName,
                     const QString& startFolder) override;
    QString Folder(const QString& startFolder, const QString& title) override;
    bool Colour(ColorRef& colour) override;
    bool Font(QFont& font) override;

    bool Done() const { return expected_.empty(); }
    const QStringList& StartFolders() const { return startFolders_; }

private:
    struct Expected {
        Kind kind;
        QString path;
        ColorRef colour;
        bool chosen;
        QFont font = {};
    };
    // The next answer when it is of that kind; else a failure and a cancel.
    Expected Take(Kind kind, const QString& startFolder);

    std::deque<Expected> expected_;
    QStringList startFolders_;
    Chooser* previous_;
};
