#pragma once
// The body of each program's main(): installs the edition, checks for a
// display, and runs the main window.
class Edition;

int RunProgram(const Edition& edition, int argc, char** argv);
