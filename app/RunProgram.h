#pragma once
// The body of each program's main(): installs the edition, checks that a
// display is named and can be opened (else says so on stderr and returns
// 2), and runs the main window.
class Edition;

int RunProgram(const Edition& edition, int argc, char** argv);
