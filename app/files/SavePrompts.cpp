#include "app/files/SavePrompts.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/files/IndexFile.h"
#include "app/files/ProjectFile.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "platform/Prompter.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

namespace {

Prompter::Answer AskYesNoCancel(const QString& text)
{
    return AskUser(text, Prompter::Buttons::YesNoCancel);
}

// The shown volume's data file; empty when no volume of a book is shown.
QString ShownVolumePath()
{
    const TFile* volume = g_CurrentBook ? g_CurrentBook->volumes.GetAtOrNull(g_CurrentVolume) : nullptr;
    return volume ? volume->name : QString();
}

bool SaveShownVolume()
{
    if (!WriteVolumeDataFile(ShownVolumePath()))
        return false;
    return !g_IndexDirty || WriteIndexFile(*g_CurrentBook);
}

void DiscardVolumeEdits()
{
    if (g_IndexDirty && ReadVolumeDataFile(ShownVolumePath()))
        Frame().RefreshPageTree();
}

}  // namespace

bool AskSaveProject()
{
    if (g_ProjectName.isEmpty() || !g_ProjectDirty)
        return true;
    const Prompter::Answer answer = AskYesNoCancel(QStringLiteral("是否保存當前項目？"));
    if (answer == Prompter::Answer::Yes)
        SaveProjectFile();
    return answer != Prompter::Answer::Cancel;
}

bool AskSaveText()
{
    if (!g_CurrentBook || !g_VolumeDirty)
        return true;
    const Prompter::Answer answer = AskYesNoCancel(QStringLiteral("排版文字已修改，是否保存？"));
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::Yes && !SaveShownVolume())
        return false;
    if (answer == Prompter::Answer::No)
        DiscardVolumeEdits();
    g_VolumeDirty = g_IndexDirty = false;
    return true;
}

bool AskSaveLayoutParams()
{
    if (!g_CurrentBook || !g_LayoutDirty)
        return true;
    const Prompter::Answer answer = AskYesNoCancel(QStringLiteral("版式參數已修改，是否保存？"));
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::Yes && !WriteTypesetFile(*g_CurrentBook))
        return false;
    g_LayoutDirty = false;
    return true;
}

bool AskSaveBeforeReplacing()
{
    if (!g_ProjectName.isEmpty() && (!AskSaveProject() || !Frame().AskSavePreText()))
        return false;
    return AskSaveText() && AskSaveLayoutParams();
}
