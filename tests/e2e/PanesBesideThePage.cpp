// The two panes a user edits in, beside the page: the sample's pages made
// a one-volume book and opened, so that the edit pane lists the shown pair's
// lines, and the sample's text in the text pane. With VELLUMOR_SCREENSHOT
// set to a file path the window's picture is saved there to look at.
#include <QDir>
#include <QDockWidget>

#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "support/MainWindowFixture.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

class PanesBesideThePage : public MainWindowFixture {};

TEST_F(PanesBesideThePage, BothPanesShowTheSample)
{
    window->resize(1600, 1000);
    ASSERT_TRUE(window->OpenText(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));
    const std::vector<QString> lines = g_TextLines;

    // The typeset sample as the one volume of a book folder.
    const QString ext = g_Edition->Extension(FileKind::VolumeData);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"論語"_s));
    const QString folder = dir.filePath(u"論語"_s);
    ASSERT_TRUE(WriteVolumeDataFile(folder + u"/卷一."_s + ext));
    {
        TBookList scratch;
        TBook* book = AddNewBook(scratch);
        book->LoadFolder(folder, ext);
        book->parameters.styles.Assign(g_ParaSet.styles);
        book->parameters.covers.Assign(g_ParaSet.covers);
        ASSERT_TRUE(WriteTypesetFile(*book));
    }
    g_ProjectDirty = false;
    window->TextView().ClearText();
    window->ResetProjectState();
    TBook* book = AddNewBook(window->View().Data.books);
    book->LoadFolder(folder, ext);
    ASSERT_EQ(ReadTypesetFile(folder + u'.' + g_Edition->Extension(FileKind::Typeset), *book), kTypesetRead);
    g_CurrentPages = &g_PageTable;
    g_CurrentVolume = -1;
    ASSERT_TRUE(GoToVolumePage(0, window->View().Data, book, 1));
    g_TextLines = lines;
    window->LoadTextPane();

    window->EditDock().show();
    window->TextDock().show();
    window->splitDockWidget(&window->EditDock(), &window->TextDock(), Qt::Horizontal);
    window->resizeDocks({&window->EditDock(), &window->TextDock()}, {320, 320}, Qt::Horizontal);
    QApplication::processEvents();

    const QRect page = window->View().geometry();
    for (QDockWidget* dock : {&window->EditDock(), &window->TextDock()}) {
        EXPECT_TRUE(dock->isVisible()) << dock->windowTitle().toStdString();
        EXPECT_GE(dock->geometry().left(), page.right()) << "beside the page";
    }
    EXPECT_GT(window->EditView().List().GetRowCount(), 2);
    EXPECT_FALSE(window->TextView().Editor().toPlainText().isEmpty());

    const QString shot = qEnvironmentVariable("VELLUMOR_SCREENSHOT");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(window->grab().save(shot));
    }
}

}  // namespace
