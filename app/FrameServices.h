#pragma once
// What the views and commands ask of the main window: its panes, menus,
// page combo and title. The main window implements it and installs itself;
// until one is installed (tests, a run without a window) the requests do
// nothing.
#include <QString>

class FrameServices {
public:
    virtual ~FrameServices() = default;

    // The 設置 menu lists the styles of the set in use.
    virtual void RebuildParaMenu() {}
    // The text pane shows g_TextLines again.
    virtual void LoadTextPane() {}
    // What was typed in the text pane goes into g_TextLines.
    virtual void ApplyTextPaneEdits() {}
    // The text pane comes up and the edit pane goes, as after opening a text.
    virtual void ShowTextPaneHideEditPane() {}
    virtual void HideEditPane() {}
    // The page combo offers pages 1 … count.
    virtual void FillPageCombo(int /*count*/) {}
    virtual void SetDocumentTitle(const QString& /*title*/) {}
    // The status texts and the combo follow the shown page.
    virtual void ShownPageChanged(int /*shownPage*/) {}
    // Directory tree, text pane, page combo and 設置 menu emptied, as after
    // a reset of the project.
    virtual void ResetFramePanes() {}
    // The directory pane's tree emptied; refilled from the view's books.
    virtual void EmptyDirectoryTree() {}
    virtual void FillBookTree() {}
    // The directory tree shows the shown volume with its titles, its
    // current title (or the volume) the current item.
    virtual void MarkShownVolume() {}
    // The contents rebuilt and the directory tree refilled for the shown volume.
    virtual void RefreshPageTree() {}
    // The directory pane shows g_VolumeContents under the text's name.
    virtual void SetContentsTree(int /*shownPages*/) {}
    // The view clears the working state (ResetProjectState) before another
    // text, project or book is opened.
    virtual void ResetProjectState() {}
    // Asks whether the text pane's modified text is to be saved; false for
    // Cancel.
    virtual bool AskSavePreText() { return true; }
};

// The installed frame; a do-nothing frame when none is.
FrameServices& Frame();
// Installs frame (not owned; null uninstalls) and returns the previous one.
FrameServices* InstallFrameServices(FrameServices* frame);
