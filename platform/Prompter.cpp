#include "platform/Prompter.h"

#include <cstdio>

namespace {

class ConsolePrompter final : public Prompter {
public:
    Answer Ask(const QString& text, Buttons) override
    {
        std::fprintf(stderr, "%s [answered No]\n", qUtf8Printable(text));
        return Answer::No;
    }
    void Tell(const QString& text) override { std::fprintf(stderr, "%s\n", qUtf8Printable(text)); }
};

ConsolePrompter g_consolePrompter;
Prompter* g_installedPrompter = nullptr;

}  // namespace

Prompter& CurrentPrompter()
{
    return g_installedPrompter ? *g_installedPrompter : g_consolePrompter;
}

Prompter* InstallPrompter(Prompter* prompter)
{
    Prompter* previous = g_installedPrompter;
    g_installedPrompter = prompter;
    return previous;
}
