#pragma once
// The body of each program's main(): installs the edition, checks that a
// display is named and can be opened (else says so on stderr and returns
// 2), and runs the main window.
#include <memory>

#include <QStringList>

class Edition;
class MainWindow;

int RunProgram(const Edition& edition, int argc, char** argv);

// The program's window, shown maximised, for its command line: the file
// argument names a file in the folder the program was started in, so it is
// resolved before the window makes the remembered project folder current;
// the file opens once the window has its size.
std::unique_ptr<MainWindow> MakeProgramWindow(const QStringList& args);
