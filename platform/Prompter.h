#pragma once
// Message boxes. Code below the application layer asks and tells through the
// installed Prompter; the application installs one over QMessageBox, tests a
// scripted one. Without any, questions are answered No and texts go to stderr.
#include <QString>

class Prompter {
public:
    enum class Buttons { YesNo, YesNoCancel };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual Answer Ask(const QString& text, Buttons buttons) = 0;
    virtual void Tell(const QString& text) = 0;
};

// The prompter in force; never null.
Prompter& CurrentPrompter();
// Installs a prompter (not owned); null restores the console fallback.
// Returns the one installed before.
Prompter* InstallPrompter(Prompter* prompter);

// Shorthands for the calls that the rest of the code makes.
inline Prompter::Answer AskUser(const QString& text, Prompter::Buttons buttons = Prompter::Buttons::YesNo)
{
    return CurrentPrompter().Ask(text, buttons);
}
inline void TellUser(const QString& text) { CurrentPrompter().Tell(text); }
