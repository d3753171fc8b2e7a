// A typeset book is opened and its volume corrected in the edit pane: the
// lines typed into the grid reach the page records, a changed title
// rebuilds the contents, and 保存本冊數據修改 writes the volume-data file,
// from which the lines read back.
#include <tuple>

#include <QApplication>
#include <QDockWidget>
#include <QImage>
#include <QKeyEvent>

#include "app/commands/CommandIds.h"
#include "app/files/TypesetFile.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/panes/EditView.h"
#include "app/view/CollatorView.h"
#include "grid/InPlaceEdit.h"
#include "platform/RecordingDc.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "support/GridRows.h"
#include "support/MainWindowFixture.h"
#include "tests/app/BookFixture.h"

using namespace Qt::StringLiterals;

namespace {

// A book of one volume of four pages (see BookOnDisk), opened as opening
// its typeset file does, showing text page page with the edit pane.
class EditPaneSave : public MainWindowFixture {
protected:
    void OpenBookAt(int32_t page)
    {
        {
            TBookList scratch;
            disk.WriteTypeset(disk.Scan(scratch));
        }
        window->ResetProjectState();
        book = &disk.Scan(window->View().Data.books);
        ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), *book), kTypesetRead);
        g_CurrentPages = &g_PageTable;
        g_CurrentVolume = -1;
        ASSERT_TRUE(GoToVolumePage(0, window->View().Data, book, page));
        window->EditDock().show();
        window->EditDock().raise();
        QApplication::processEvents();
    }
    // The grid row of the line of text page page; 0 when none.
    int RowOf(int32_t page, int32_t line) const { return GridRowOf(window->EditView().List(), page, line); }
    // Opens the cell's editor with key (and its text), adds more at the
    // caret and ends the edit with Enter.
    void Edit(int row, int key, const QString& typed, const QString& more)
    {
        TEditList& list = window->EditView().List();
        list.SetFocusCell({row, 0});
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QApplication::sendEvent(&list, &press);
        ASSERT_TRUE(list.InPlaceEditor());
        EXPECT_TRUE(g_CellEditing);
        list.InPlaceEditor()->insert(more);
        QTest::keyClick(list.InPlaceEditor(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(g_CellEditing);
    }
    static bool HasTitle(const TBookmarkTree& tree, const QString& title)
    {
        for (const TBookmarkNode& node : tree)
            if (node.title.contains(title) || HasTitle(node.children, title))
                return true;
        return false;
    }

    BookOnDisk disk{{4}};
    TBook* book = nullptr;
};

TEST_F(EditPaneSave, ALineEditedInThePaneIsSavedWithTheVolume)
{
    ASSERT_NO_FATAL_FAILURE(OpenBookAt(2));

    const TEditList& list = window->EditView().List();
    ASSERT_EQ(list.FirstPage(), ShownPageToTextPages(g_CurrentPage).first);
    const int row = RowOf(2, 0);
    ASSERT_GT(row, 0);
    EXPECT_EQ(list.GetItemText(row, 0), u"<BT2-題2>第2頁"_s);

    Edit(row, Qt::Key_Return, QString(), u"補"_s);  // the caret at the end
    window->View().GoToPage(0);
    EXPECT_EQ(list.FirstPage(), 0) << "the pane follows the page";
    ASSERT_TRUE(GoToVolumePage(0, window->View().Data, book, 2));
    EXPECT_EQ(list.FirstPage(), 2) << "and the bookmark's page";
    EXPECT_EQ(g_PageTable.pages[2].lines[0].text, u"<BT2-題2>第2頁補"_s);
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_FALSE(g_IndexDirty);
    EXPECT_TRUE(window->Commands().IsEnabled(Cmd::SaveVolume));

    ASSERT_TRUE(window->Dispatch(Cmd::SaveVolume));
    EXPECT_FALSE(g_VolumeDirty);
    ASSERT_TRUE(ReadVolumeDataFile(disk.VolumePath(0)));
    EXPECT_EQ(g_PageTable.pages[2].lines[0].text, u"<BT2-題2>第2頁補"_s);
}

TEST_F(EditPaneSave, AnEditedTitleRebuildsTheContents)
{
    ASSERT_NO_FATAL_FAILURE(OpenBookAt(1));
    const int row = RowOf(1, 0);
    ASSERT_GT(row, 0);

    Edit(row, 0, u"<"_s, u"BT1-新題>第1頁"_s);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].text, u"<BT1-新題>第1頁"_s);
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_TRUE(g_IndexDirty);
    const TFile* volume = book->volumes.GetAtOrNull(0);
    ASSERT_TRUE(volume);
    EXPECT_TRUE(HasTitle(volume->contents, u"新題"_s)) << "the volume's contents carry the new title";
    EXPECT_FALSE(HasTitle(volume->contents, u"題1"_s));
}

// 當前頁增加版心文字 shows its row in the edit pane at once, and
// 刪除當前頁版心文字 takes it away, without leaving the page.
TEST_F(EditPaneSave, ACentreTextAddedOrRemovedShowsInThePaneAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(OpenBookAt(1));
    const TEditList& list = window->EditView().List();
    const int rows = list.GetRowCount();
    ASSERT_TRUE(window->Dispatch(Cmd::AddCentreText));
    QApplication::processEvents();
    EXPECT_EQ(list.GetRowCount(), rows + 1);
    EXPECT_EQ(list.GetItemText(1, 0), g_CurrentPages->pages.GetAtOrNull(g_ShownTextPage)->centreText);
    EXPECT_FALSE(g_CurrentPages->pages.GetAtOrNull(g_ShownTextPage)->centreText.isEmpty());
    ASSERT_TRUE(window->Dispatch(Cmd::DeleteCentreText));
    QApplication::processEvents();
    EXPECT_EQ(list.GetRowCount(), rows);
}

// A line lengthened past its column in the pane is cut at the frame, on
// screen and in print: no glyph is drawn over or below the frame's foot.
TEST_F(EditPaneSave, ALineTooLongForItsColumnStopsAtTheFrame)
{
    ASSERT_NO_FATAL_FAILURE(OpenBookAt(1));
    const int row = RowOf(1, 0);
    ASSERT_GT(row, 0);
    ASSERT_NO_FATAL_FAILURE(Edit(row, Qt::Key_Return, QString(), QString(60, QChar(0x5929))));
    for (const bool printing : {false, true}) {
        RecordingDc dc(printing);
        RenderPage(window->View().Renderer(), dc, g_CurrentPage, QPoint());
        const WinRect& frame = window->View().Renderer().FrameRect;
        int drawn = 0;
        for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
            if (call.text != u"天")
                continue;
            ++drawn;
            EXPECT_LE(call.args[1] - call.state.font.height, frame.bottom / 100) << "printing " << printing;
        }
        EXPECT_GT(drawn, 10);
        EXPECT_LT(drawn, 60);
    }
}

// The pane shows such a line in red, and only while it is too long: typed
// back to a short text it looks like the others again.
TEST_F(EditPaneSave, ALineTooLongForItsColumnIsShownRedInThePane)
{
    ASSERT_NO_FATAL_FAILURE(OpenBookAt(1));
    const int row = RowOf(1, 0);
    const int other = RowOf(1, 1);
    ASSERT_GT(row, 0);
    ASSERT_GT(other, 0);
    // Red and blue of the row's pixels left of its text, and the item's colours.
    const auto shown = [this](int r) {
        QApplication::processEvents();
        TEditList& list = window->EditView().List();
        TGridItem item;
        item.row = r;
        item.mask = kItemBackground;
        EXPECT_TRUE(list.GetItem(item));
        WinRect cell;
        EXPECT_TRUE(list.GetCellRect(r, 0, &cell));
        const QImage image = list.viewport()->grab().toImage();
        const QColor pixel = image.pixelColor(cell.left + 1, (cell.top + cell.bottom) / 2);
        return std::tuple(item.background, pixel.red() > 240 && pixel.blue() < 230);
    };
    const auto [plainBackground, plainRed] = shown(row);
    EXPECT_FALSE(plainRed);

    ASSERT_NO_FATAL_FAILURE(Edit(row, Qt::Key_Return, QString(), QString(60, QChar(0x5929))));
    const auto [background, red] = shown(row);
    EXPECT_NE(background, plainBackground);
    EXPECT_TRUE(red);
    EXPECT_FALSE(std::get<1>(shown(other))) << "the line below still fits";

    TEditList& list = window->EditView().List();
    list.SetFocusCell({row, 0});
    QTest::keyClick(&list, Qt::Key_Delete);
    ASSERT_NO_FATAL_FAILURE(Edit(row, Qt::Key_A, u"天"_s, QString()));
    EXPECT_FALSE(std::get<1>(shown(row)));
}

}  // namespace
