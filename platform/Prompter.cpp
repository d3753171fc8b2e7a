#include "platform/Prompter.h"

#include <cstdio>

#include "platform/PlatformGlobals.h"

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

}  // namespace

Prompter& CurrentPrompter()
{
    static ConsolePrompter console;
    Prompter* installed = g_InstalledPrompter.Get();
    return installed ? *installed : console;
}

Prompter* InstallPrompter(Prompter* prompter) { return g_InstalledPrompter.Install(prompter); }
