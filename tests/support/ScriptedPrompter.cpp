#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter::ScriptedPrompter() : previous_(InstallPrompter(this)) {}

ScriptedPrompter::~ScriptedPrompter()
{
    InstallPrompter(previous_);
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected message never came: " << e.text.toStdString();
}

ScriptedPrompter& ScriptedPrompter::ExpectAsk(const QString& text, Answer answer)
{
    expected_.push_back({true, text, answer});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectTell(const QString& text)
{
    expected_.push_back({false, text, Answer::Yes});
    return *this;
}

Prompter::Answer ScriptedPrompter::Ask(const QString& text, Buttons)
{
    if (expected_.empty() || !expected_.front().question || expected_.front().text != text) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer answer = expected_.front().answer;
    expected_.pop_front();
    return answer;
}

void ScriptedPrompter::Tell(const QString& text)
{
    if (onTell_)
        onTell_();
    if (expected_.empty() || expected_.front().question || expected_.front().text != text) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return;
    }
    expected_.pop_front();
}
