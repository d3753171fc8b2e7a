#include "app/files/SavePrompts.h"

#include <functional>

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

void DiscardVolumeEdits()
{
    if (g_IndexDirty && ReadVolumeDataFile(ShownVolumePath()))
        Frame().RefreshPageTree();
}

// Yes saves (a save that fails counts as Cancel, so nothing is lost), No
// discards; false for Cancel.
bool AskToSave(const QString& text, const std::function<bool()>& save, const std::function<void()>& discard = {})
{
    const Prompter::Answer answer = AskYesNoCancel(text);
    if (answer == Prompter::Answer::Yes)
        return save();
    if (answer == Prompter::Answer::No && discard)
        discard();
    return answer != Prompter::Answer::Cancel;
}

}  // namespace

bool SaveShownVolume()
{
    if (!g_CurrentBook || !WriteVolumeDataFile(ShownVolumePath()))
        return false;
    if (g_IndexDirty && !WriteIndexFile(*g_CurrentBook))
        return false;
    g_VolumeDirty = g_IndexDirty = false;
    return true;
}

bool AskSaveProject()
{
    if (g_ProjectName.isEmpty() || !g_ProjectDirty)
        return true;
    return AskToSave(QStringLiteral("是否保存當前項目？"), SaveProjectFile);
}

bool AskSaveText()
{
    if (!g_CurrentBook || !g_VolumeDirty)
        return true;
    if (!AskToSave(QStringLiteral("排版文字已修改，是否保存？"), SaveShownVolume, DiscardVolumeEdits))
        return false;
    g_VolumeDirty = g_IndexDirty = false;
    return true;
}

bool AskSaveLayoutParams()
{
    if (!g_CurrentBook || !g_LayoutDirty)
        return true;
    if (!AskToSave(QStringLiteral("版式參數已修改，是否保存？"), [] { return WriteTypesetFile(*g_CurrentBook); }))
        return false;
    g_LayoutDirty = false;
    return true;
}

bool AskSaveBeforeReplacing()
{
    return AskSaveProject() && Frame().AskSavePreText() && AskSaveText() && AskSaveLayoutParams();
}

bool AskSaveBeforeClosing()
{
    return Frame().AskSavePreText() && AskSaveProject() && AskSaveText() && AskSaveLayoutParams();
}
