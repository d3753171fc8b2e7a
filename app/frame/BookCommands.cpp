// The main window's commands for typeset books and printing: generating a
// book from a folder of texts (32825), opening a typeset book (40075), and
// print setup, printing and the print preview (57606, 57607, 57609; the
// preview is always offered).
#include <QDockWidget>

#include "app/books/BookGeneration.h"
#include "app/books/BookOpening.h"
#include "app/commands/CommandIds.h"
#include "app/frame/MainWindow.h"
#include "app/printing/PrintCommands.h"
#include "app/view/CollatorView.h"

void MainWindow::ShowBookPanes()
{
    textDock_->hide();
    editDock_->show();
    editDock_->raise();
}

void MainWindow::AddBookCommands()
{
    auto showBookPanes = [this] { ShowBookPanes(); };
    auto fileNew = [this] { return FileNew(); };
    commands_.Add({
        {Cmd::MakeTypeset, [this, fileNew, showBookPanes](int) { OnFileMakeTypeset(*view_, fileNew, showBookPanes); }},
        {Cmd::OpenTypeset, [this, showBookPanes](int) { OnFileOpenTypeset(*view_, showBookPanes); }},
        {Cmd::PrintSetup, [this](int) { OnFilePrintSetup(this); }},
        {Cmd::Print, [this](int) { OnFilePrint(*view_); }, [](int) { return CanPrint(); }},
        {Cmd::PrintPreview, [this](int) { OnFilePrintPreview(*view_); }},
    });
}
