#pragma once
// The program's main window: the page view in the middle, the menu bar, the
// standard and zoom toolbars with the page and zoom combos, a status bar of
// four panes, and the docks 目錄 (left), 編輯 and 預處理文本 (right, tabbed).
// Every action carries its command id and runs through the one dispatcher;
// one update pass sets the actions' enabled and checked states. The window
// answers the views' requests to the frame and asks the save questions
// before it closes.
#include <vector>

#include <QMainWindow>

#include "app/FrameServices.h"
#include "app/commands/CommandDispatcher.h"
#include "app/frame/SaveQuestions.h"
#include "app/settings/FrameSettings.h"

class CDlgFind;
class CMFileView;
class CollatorView;
class TEditView;
class TTextView;
class QAction;
class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QTimer;

class MainWindow : public QMainWindow, public FrameServices {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    CollatorView& View() { return *view_; }
    CommandDispatcher& Commands() { return commands_; }
    // Runs a command as its menu item would.
    bool Dispatch(int id) { return commands_.Dispatch(id); }
    // Sets every action's enabled and checked state from the dispatcher.
    void UpdateCommandUI();
    // The frame's actions of id (menu item, toolbar button, key); empty
    // when none.
    std::vector<QAction*> ActionsOf(int id) const;

    // Opens, typesets and shows a pre-processed text after the save
    // questions; the same text already open asks nothing.
    bool OpenText(const QString& path);
    // A file given to the program: a typeset book, a project file or else a
    // text, each opened as its command opens it; another edition's book or
    // project is refused by its reader. False when nothing was opened.
    bool OpenFile(const QString& path);
    // The text pane's part in the save questions.
    void SetTextPaneSaving(TextPaneSaving pane) { textPane_ = std::move(pane); }
    const TextPaneSaving& TextPane() const { return textPane_; }

    QComboBox& PageCombo() { return *pageCombo_; }
    QComboBox& ZoomCombo() { return *zoomCombo_; }
    QMenu& SettingsMenu() { return *settingsMenu_; }
    QLabel& StatusPane(int index) { return *statusPanes_[size_t(index - 1)]; }
    QDockWidget& DirectoryDock() { return *directoryDock_; }
    QDockWidget& EditDock() { return *editDock_; }
    QDockWidget& TextDock() { return *textDock_; }

    // The zoom steps and the zoom combo's choice; the current page stays.
    void ZoomIn();
    void ZoomOut();
    void SelectZoom(int index);

    // FrameServices
    void RebuildParaMenu() override;
    void ShowTextPaneHideEditPane() override;
    void HideEditPane() override;
    void FillPageCombo(int count) override;
    void SetDocumentTitle(const QString& title) override;
    void ShownPageChanged(int shownPage) override;
    void ResetFramePanes() override;
    void LoadTextPane() override;
    void ApplyTextPaneEdits() override;
    void ResetProjectState() override;
    bool AskSavePreText() override;
    void EmptyDirectoryTree() override;
    void FillBookTree() override;
    void MarkShownVolume() override;
    void RefreshPageTree() override;
    void SetContentsTree(int shownPages) override;

    TTextView& TextView() { return *textView_; }
    TEditView& EditView() { return *editView_; }
    CMFileView& FileView() { return *fileView_; }
    CDlgFind& FindDialog() { return *findDialog_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QAction*> FrameActions() const;
    void BuildMenus();
    void BuildToolbars();
    void BuildStatusBar();
    void BuildDocks();
    // The panes' contents: text pane, directory pane, find window.
    void BuildPanes();
    QAction* MakeAction(int id, const QString& text, const QStringList& keys, const QString& prompt);
    QMenu* LookMenu();
    void AddFrameCommands();
    void AddFileCommands();
    void AddViewCommands();
    void AddSettingsCommands();
    void AddFindCommands();
    void ShowHitsInEditPane();
    void AddEditCommands();
    void AddBookCommands();
    // An open book shows the edit pane in place of the text pane.
    void ShowBookPanes();
    // The view's initial update: a reset, then the new-file steps.
    void InitialUpdate();
    // False when a save question was cancelled.
    bool FileNew();
    void SettingsCommand(int id);
    // The settings archive into the working state, and back.
    void SettingsFromState();
    void LoadSettings();
    bool SaveSettings();
    void ToggleDock(QDockWidget& dock);
    void CycleFocus(int step);
    void SetLook(int id);
    void SaveLayout();
    void RestoreLayout();

    CollatorView* view_;
    CommandDispatcher commands_;
    QMenu* settingsMenu_ = nullptr;
    QComboBox* pageCombo_ = nullptr;
    QComboBox* zoomCombo_ = nullptr;
    std::vector<QLabel*> statusPanes_;
    QDockWidget* directoryDock_ = nullptr;
    QDockWidget* editDock_ = nullptr;
    QDockWidget* textDock_ = nullptr;
    TTextView* textView_ = nullptr;
    TEditView* editView_ = nullptr;
    CMFileView* fileView_ = nullptr;
    CDlgFind* findDialog_ = nullptr;
    QTimer* idleUpdate_ = nullptr;
    TextPaneSaving textPane_;
    // The settings archive as read; the fields nobody else keeps (the
    // panes' fonts) go back as they came.
    TFrameSettings settings_;
    QString settingsPath_;
    FrameServices* previousFrame_;
};
