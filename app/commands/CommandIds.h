#pragma once
// The command ids of the menus, toolbars, keys and dialogs. Every QAction
// carries its id; the dispatcher maps ids to handlers.
namespace Cmd {
enum : int {
    // The framework's.
    FileNew = 57600,
    FileOpen = 57601,  // not bound: Ctrl+O opens a text
    FileSave = 57603,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    Copy = 57634,
    Cut = 57635,
    Find = 57636,
    Paste = 57637,
    Undo = 57643,
    About = 57664,
    Exit = 57665,
    NextPane = 57680,
    PreviousPane = 57681,

    // Files.
    OpenProject = 40022,
    SaveProject = 40024,
    OpenText = 40096,
    MakeTypeset = 32825,
    OpenTypeset = 40075,
    SaveVolume = 40104,
    SaveLayout = 40105,
    EditFourInOne = 40279,
    ExportBookmarks = 40097,
    ExportParams = 605,

    // Centre-column texts and seals.
    AddCentreText = 40099,
    DeleteCentreText = 40100,
    AddSeal = 40101,

    // View.
    TwoPage = 501,
    FourInOne = 40273,
    FirstPage = 503,
    PreviousVolume = 504,
    PreviousPage = 505,
    NextPage = 506,
    NextVolume = 507,
    LastPage = 508,
    PageCombo = 509,
    DirectoryPane = 511,
    EditPane = 515,
    ZoomOut = 32861,
    ZoomCombo = 32862,
    ZoomIn = 32864,
    LookFirst = 210,
    LookLast = 218,

    // Settings.
    EditFont = 5522,
    ParaPlaceholder = 700,
    SettingsFirst = 701,
    SettingsCover = 701,
    SettingsNothing = 702,
    SettingsStyles = 703,  // + n for style n
    SettingsLast = 900,

    // Find.
    FindDown = 32858,
    FindUp = 32859,
};
}  // namespace Cmd
