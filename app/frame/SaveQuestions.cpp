#include "app/frame/SaveQuestions.h"

#include "platform/Prompter.h"

using namespace Qt::StringLiterals;

bool AskSavePreText(const TextPaneSaving& pane)
{
    if (!pane.isModified)
        return true;
    if (!pane.isModified() && pane.applyEdits)
        pane.applyEdits();
    if (!pane.isModified())
        return true;
    switch (AskUser(u"預處理文本已修改，是否保存？"_s, Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes:
        return pane.save && pane.save();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}
