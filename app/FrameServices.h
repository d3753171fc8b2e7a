#pragma once
// What the views and commands ask of the main window: its panes, menus,
// page combo and title. The main window implements it and installs itself;
// until one is installed (tests, a run without a window) the requests do
// nothing.
#include <QString>

class FrameServices {
public:
    virtual ~FrameServices() = default;

    // The 參數 menu lists the styles of the set in use.
    virtual void RebuildParaMenu() {}
    // The text pane shows g_TextLines again.
    virtual void LoadTextPane() {}
    // The text pane comes up and the edit pane goes, as after opening a text.
    virtual void ShowTextPaneHideEditPane() {}
    virtual void HideEditPane() {}
    // The page combo offers pages 1 … count.
    virtual void FillPageCombo(int /*count*/) {}
    virtual void SetDocumentTitle(const QString& /*title*/) {}
    // The status texts and the combo follow the shown page.
    virtual void ShownPageChanged(int /*shownPage*/) {}
    // The view clears the working state (ResetProjectState) before another
    // text, project or book is opened.
    virtual void ResetProjectState() {}
    // Asks whether the text pane's modified text is to be saved; false for
    // Cancel.
    virtual bool AskSavePreText() { return true; }
    // The contents of the shown volume and the directory tree again, after
    // its pages changed.
    virtual void RefreshPageTree() {}
};

// The installed frame; a do-nothing frame when none is.
FrameServices& Frame();
// Installs frame (not owned; null uninstalls) and returns the previous one.
FrameServices* InstallFrameServices(FrameServices* frame);
