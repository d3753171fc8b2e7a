#pragma once
// The commands that save an open book's layout parameters (40105) and edit
// its 4-in-1 sheets (40279).
#include <functional>

struct TPara4in1;

// 40105: with a book open and its layout changed, writes its typeset file;
// the change is forgotten only when the file was written.
void OnFileSaveLayout();
bool CanSaveLayout();

// Edits the sheet parameters and the group list of g_4in1Data in place;
// true when the user confirmed.
using FourInOneEditor = std::function<bool(TPara4in1&)>;

// 40279: runs the editor; after a confirmed edit the page orders are built
// again when the groups changed, and the open book's 4-in-1 file is
// written (nothing is written without a book).
void OnEditFourInOne(TPara4in1& para, const FourInOneEditor& edit);
