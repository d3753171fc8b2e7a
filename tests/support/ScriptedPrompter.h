#pragma once
// A Prompter for tests: expects each message in order, gives the scripted
// answer, and fails the test on any message it did not expect. Installed for
// its lifetime; it checks at the end that every expected message came.
#include <deque>
#include <functional>

#include "platform/Prompter.h"

class ScriptedPrompter final : public Prompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // A question and the answer to give.
    ScriptedPrompter& ExpectAsk(const QString& text, Answer answer);
    // A message that is only shown.
    ScriptedPrompter& ExpectTell(const QString& text);

    Answer Ask(const QString& text, Buttons buttons) override;
    void Tell(const QString& text) override;

    bool Done() const { return expected_.empty(); }
    // Runs as each message is shown (to look at the windows then).
    void OnTell(std::function<void()> look) { onTell_ = std::move(look); }

private:
    struct Expected {
        bool question;
        QString text;
        Answer answer;
    };
    std::deque<Expected> expected_;
    Prompter* previous_;
    std::function<void()> onTell_;
};
