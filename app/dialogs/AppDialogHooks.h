#pragma once
// Puts the application's dialogs behind the hooks that the parameter records
// declare (FontDialogs, SpecialFormatDialogs). The application calls
// InstallAppDialogs at start-up; every dialog then runs through Dialogs().
void InstallAppDialogs();
// Removes them again (tests; shutdown).
void UninstallAppDialogs();
