#include "app/frame/SaveQuestions.h"

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/files/VolumeDataFile.h"
#include "app/files/ProjectFile.h"
#include "app/view/CollatorView.h"
#include "platform/Prompter.h"
#include "typeset/TypesetGlobals.h"

namespace {

using namespace Qt::StringLiterals;

// A book writer that is not there cannot have saved.
bool RunWriter(bool (*writer)(TBook&))
{
    if (writer && g_CurrentBook && writer(*g_CurrentBook))
        return true;
    if (!writer)
        TellUser(u"打開文件寫出錯！"_s);
    return false;
}

Prompter::Answer AskYesNoCancel(const QString& text) { return AskUser(text, Prompter::Buttons::YesNoCancel); }

}  // namespace

bool AskSaveProject()
{
    if (g_ProjectName.isEmpty() || !g_ProjectDirty)
        return true;
    switch (AskYesNoCancel(u"是否保存當前項目？"_s)) {
    case Prompter::Answer::Yes:
        return SaveProjectFile();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool SaveShownVolume(CollatorView& view)
{
    if (!WriteVolumeDataFile(view.VolumeDataPath, &view.VolumeDataPath))
        return false;
    if (g_IndexDirty && !RunWriter(g_AppServices.writeIndexFile))
        return false;
    g_VolumeDirty = false;
    g_IndexDirty = false;
    return true;
}

bool AskSaveText(CollatorView& view)
{
    if (!g_CurrentBook || !g_VolumeDirty)
        return true;
    switch (AskYesNoCancel(u"排版文字已修改，是否保存？"_s)) {
    case Prompter::Answer::Yes:
        return SaveShownVolume(view);
    case Prompter::Answer::No:
        if (g_IndexDirty) {
            ReadVolumeDataFile(view.VolumeDataPath);
            Frame().RefreshPageTree();
            view.Refresh();
        }
        g_VolumeDirty = false;
        g_IndexDirty = false;
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool SaveLayoutParams()
{
    if (!RunWriter(g_AppServices.writeTypesetFile))
        return false;
    g_LayoutDirty = false;
    return true;
}

bool AskSaveLayoutParams()
{
    if (!g_CurrentBook || !g_LayoutDirty)
        return true;
    switch (AskYesNoCancel(u"版式參數已修改，是否保存？"_s)) {
    case Prompter::Answer::Yes:
        return SaveLayoutParams();
    case Prompter::Answer::No:
        g_LayoutDirty = false;
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool AskSavePreText(const TextPaneSaving& pane)
{
    if (!pane.isModified)
        return true;
    if (!pane.isModified() && pane.applyEdits)
        pane.applyEdits();
    if (!pane.isModified())
        return true;
    switch (AskYesNoCancel(u"預處理文本已修改，是否保存？"_s)) {
    case Prompter::Answer::Yes:
        return pane.save && pane.save();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool AskBeforeReplacing(CollatorView& view, const TextPaneSaving& pane)
{
    return AskSaveProject() && AskSavePreText(pane) && AskSaveText(view) && AskSaveLayoutParams();
}

bool AskBeforeClosing(CollatorView& view, const TextPaneSaving& pane)
{
    return AskSavePreText(pane) && AskSaveProject() && AskSaveText(view) && AskSaveLayoutParams();
}
