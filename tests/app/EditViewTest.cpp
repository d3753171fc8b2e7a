// The edit pane: its rows for the shown page, writing an edited row back
// into the page record, the grid driven by keys, and the hits it draws.
#include <gtest/gtest.h>

#include <sstream>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QImage>
#include <QTest>

#include "app/AppGlobals.h"
#include "app/panes/EditView.h"
#include "grid/InPlaceEdit.h"
#include "support/Editions.h"
#include "tests/app/BookFixture.h"
#include "tests/app/FakeDialogs.h"
#include "tests/app/RecordingFrame.h"

using namespace Qt::StringLiterals;

namespace {

const QString kFiller = QString(QChar(kEditFiller));

// Four pages of a style of five lines: page 0 two lines, page 1 three lines
// under a centre text, page 2 one line under a centre text, page 3 none.
class EditPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkingState();
        TParaSet set;
        AddNewStyle(set.styles, {false, false})->NAME = kDefaultStyleName;
        set.styles.First()->TEXT_BOX.size.LINES = 5;
        GetCoverPara(set);
        ReplaceProjectParaSet(std::move(set));
        g_CurrentParaSet = &g_ParaSet;
        g_TwoPageMode = 0;
        const std::vector<std::vector<QString>> lines = {
            {u"一二三"_s, u"<BT1-甲>文"_s}, {u"甲"_s, u"乙"_s, u"丙"_s}, {u"丁"_s}, {}};
        const QString centres[] = {{}, u"卷一|一|"_s, u"卷一|二|"_s, {}};
        for (size_t p = 0; p < lines.size(); ++p) {
            TPageRec* page = AppendPageRecord(g_PageTable);
            page->styleName = kDefaultStyleName;
            for (const QString& text : lines[p])
                page->lines.push_back({text, 7});
            page->centreText = centres[p];
        }
        g_CurrentPages = &g_PageTable;
    }
    void TearDown() override { ResetWorkingState(); }

    // The targets of rows 1 … count + 1 as "page:line" words.
    static std::string Targets(const EditPaneRows& rows)
    {
        std::ostringstream out;
        for (int32_t row = 1; row <= rows.RowCount() + 1; ++row) {
            const EditRowTarget t = RowToPageLine(rows, row);
            out << (row > 1 ? " " : "") << t.page << ':' << t.line;
        }
        return out.str();
    }
};

TEST_F(EditPaneTest, RowsOfTheShownPage)
{
    struct Case {
        const char* what;
        int32_t twoPage, covers, shown;
        const char* cover;  // the style name of page 0 when set
        const char* targets;
    } const cases[] = {
        {"single, no centre", 0, 0, 0, nullptr, "0:0 0:1 0:2 0:3 0:4 -1:-1"},
        {"single, centre row first", 0, 0, 1, nullptr, "1:-1 1:0 1:1 1:2 1:3 1:4 -1:-1"},
        {"pair: second page after its centre row", 1, 0, 0, nullptr,
         "0:0 0:1 0:2 0:3 0:4 1:-1 1:0 1:1 1:2 1:3 1:4 -1:-1"},
        {"pair: first page's centre row", 1, 0, 1, nullptr, "2:-1 2:0 2:1 2:2 2:3 2:4 3:0 3:1 3:2 3:3 3:4 -1:-1"},
        {"cover alone, its own line count", 1, 1, 0, "FengMian", "0:0 0:1 -1:-1"},
    };
    for (const Case& c : cases) {
        g_TwoPageMode = c.twoPage;
        g_CoverPages = c.covers;
        g_PageTable.pages[0].styleName = c.cover ? QString::fromUtf8(c.cover) : kDefaultStyleName;
        const std::optional<EditPaneRows> rows = ShownPageRows(g_PageTable, c.shown);
        ASSERT_TRUE(rows) << c.what;
        EXPECT_EQ(Targets(*rows), c.targets) << c.what;
    }
    g_PageTable.pages[0].styleName = u"no such style"_s;
    g_TwoPageMode = 0;
    EXPECT_FALSE(ShownPageRows(g_PageTable, 0)) << "nothing to count by: the grid stays";
    EXPECT_FALSE(ShownPageRows(g_PageTable, 9));
}

TEST_F(EditPaneTest, OtherEditionsListTheStoredLines)
{
    for (const EditionKind kind : {EditionKind::Vertical, EditionKind::Horizontal}) {
        const Edition* previous = g_Edition;
        g_Edition = &EditionFor(kind);
        EXPECT_EQ(LineRowsOf(g_PageTable.pages[1]), 3);
        EXPECT_EQ(LineRowsOf(g_PageTable.pages[3]), 1) << "at least one row";
        g_Edition = previous;
    }
}

TEST_F(EditPaneTest, WritingARowBack)
{
    struct Case {
        const char* what;
        EditRowTarget target;
        QString text;
        bool changed, indexDirty, refreshTree;
        std::vector<QString> lines;  // of the target's page afterwards
    } const cases[] = {
        {"body text", {0, 0}, u"一二四"_s, true, false, false, {u"一二四"_s, u"<BT1-甲>文"_s}},
        {"unchanged", {0, 0}, u"一二三"_s, false, false, false, {u"一二三"_s, u"<BT1-甲>文"_s}},
        {"filler typed", {0, 3}, u"新"_s, true, false, false, {u"一二三"_s, u"<BT1-甲>文"_s, {}, u"新"_s}},
        {"filler left as it was", {0, 3}, kFiller, false, false, false, {u"一二三"_s, u"<BT1-甲>文"_s}},
        {"filler cleared", {0, 4}, {}, false, false, false, {u"一二三"_s, u"<BT1-甲>文"_s}},
        {"title changed", {0, 1}, u"<BT1-乙>文"_s, true, true, true, {u"一二三"_s, u"<BT1-乙>文"_s}},
        {"text beside a title", {0, 1}, u"<BT1-甲>字"_s, true, false, false, {u"一二三"_s, u"<BT1-甲>字"_s}},
        {"volume name added", {0, 0}, u"<JM卷>一二三"_s, true, true, true, {u"<JM卷>一二三"_s, u"<BT1-甲>文"_s}},
        {"no page", {9, 0}, u"x"_s, false, false, false, {u"一二三"_s, u"<BT1-甲>文"_s}},
    };
    OwningList<TPageRec> original;
    original.Assign(g_PageTable.pages);
    for (const Case& c : cases) {
        g_PageTable.pages.Assign(original);
        const EditWriteBack result = WriteRowText(g_PageTable, c.target, c.text);
        EXPECT_EQ(result.changed, c.changed) << c.what;
        EXPECT_EQ(result.indexDirty, c.indexDirty) << c.what;
        EXPECT_EQ(result.refreshTree, c.refreshTree) << c.what;
        std::vector<QString> lines;
        for (const TPageLine& line : g_PageTable.pages[0].lines)
            lines.push_back(line.text);
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_EQ(g_PageTable.pages[0].lines[0].size, 7) << c.what << ": the size stays";
    }

    const EditWriteBack centre = WriteRowText(g_PageTable, {1, -1}, u"卷一|三|"_s);
    EXPECT_TRUE(centre.changed && centre.refreshTree && !centre.indexDirty);
    EXPECT_EQ(g_PageTable.pages[1].centreText, u"卷一|三|"_s);
}

TEST_F(EditPaneTest, GridHitColumnsOfARow)
{
    THitRecord* hit = g_PageTable.gridHits.AddNew();
    hit->positions = {{0, 0, 2}, {0, 1, 0}, {1, 0, 0}};
    g_PageTable.gridHits.AddNew()->positions = {{0, 0, 0}};  // not the first record
    EXPECT_EQ(GridHitColumns(g_PageTable, {0, 0}), std::vector<int32_t>{2});
    EXPECT_TRUE(GridHitColumns(g_PageTable, {1, -1}).empty());
    EXPECT_TRUE(GridHitColumns(g_PageTable, {2, 0}).empty());
}

// The grid itself, with a book open on page 1 (a centre row, three lines,
// two fillers).
class EditListTest : public EditPaneTest {
protected:
    void SetUp() override
    {
        EditPaneTest::SetUp();
        g_CurrentBook = AddNewBook(books);
        g_CurrentPage = 1;
        list.SetGoToCurrentPage([this] { ++pageShows; });
        list.resize(300, 400);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.LoadPage();
    }
    // Types text into row's cell and ends the edit with key.
    void Type(int row, const QString& text, Qt::Key key = Qt::Key_Return)
    {
        list.SetFocusCell({row, 0});
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.left(1));
        QApplication::sendEvent(&list, &press);
        ASSERT_TRUE(list.InPlaceEditor());
        EXPECT_TRUE(g_CellEditing);
        list.InPlaceEditor()->insert(text.mid(1));
        QTest::keyClick(list.InPlaceEditor(), key);
        QApplication::processEvents();
    }

    TBookList books;
    ViewData data;
    RecordingFrame frame{data};
    TEditList list;
    int pageShows = 0;
};

TEST_F(EditListTest, LoadsTheShownPage)
{
    ASSERT_EQ(list.GetRowCount(), 7);
    EXPECT_EQ(list.GetFixedRowCount(), 1);
    EXPECT_EQ(list.GetColumnCount(), 1);
    EXPECT_EQ(list.FirstPage(), 1);
    const QString shown[] = {u"卷一|一|"_s, u"甲"_s, u"乙"_s, u"丙"_s, kFiller, kFiller};
    for (int row = 1; row < 7; ++row)
        EXPECT_EQ(list.GetItemText(row, 0), shown[row - 1]) << row;

    g_CurrentBook = nullptr;
    list.LoadPage();
    EXPECT_EQ(list.GetRowCount(), 1) << "without a book the grid is empty";
    EXPECT_EQ(list.FirstPage(), -1);
}

TEST_F(EditListTest, TypedLinesAreWrittenBack)
{
    Type(2, u"戊己"_s);
    EXPECT_FALSE(g_CellEditing);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].text, u"戊己"_s);
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_FALSE(g_IndexDirty);
    EXPECT_EQ(frame.treeRefreshes, 0);
    EXPECT_EQ(pageShows, 1);

    Type(6, u"末"_s);  // the second filler row
    ASSERT_EQ(g_PageTable.pages[1].lines.size(), 5u);
    EXPECT_EQ(g_PageTable.pages[1].lines[3].text, QString());
    EXPECT_EQ(g_PageTable.pages[1].lines[4].text, u"末"_s);

    Type(1, u"卷一|新|"_s);
    EXPECT_EQ(g_PageTable.pages[1].centreText, u"卷一|新|"_s);
    EXPECT_EQ(frame.treeRefreshes, 1);
}

TEST_F(EditListTest, EscapeAndUntouchedFillerChangeNothing)
{
    Type(3, u"x"_s, Qt::Key_Escape);
    list.SetFocusCell({5, 0});
    QTest::keyClick(&list, Qt::Key_Return);  // opens the filler row's editor
    ASSERT_TRUE(list.InPlaceEditor());
    QTest::keyClick(list.InPlaceEditor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(g_CellEditing);
    EXPECT_EQ(g_PageTable.pages[1].lines.size(), 3u);
    EXPECT_EQ(list.GetItemText(5, 0), kFiller);
    EXPECT_FALSE(g_VolumeDirty);
    EXPECT_EQ(pageShows, 0);
}

TEST_F(EditListTest, AnotherPageEndsAnOpenEditIntoItsOwnRow)
{
    list.SetFocusCell({2, 0});
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, u"x"_s);
    QApplication::sendEvent(&list, &press);
    ASSERT_TRUE(g_CellEditing);
    g_CurrentPage = 0;
    list.LoadPage();
    EXPECT_FALSE(g_CellEditing);
    EXPECT_EQ(g_PageTable.pages[1].lines[0].text, u"x"_s);
    EXPECT_EQ(g_PageTable.pages[0].lines[0].text, u"一二三"_s);
    EXPECT_EQ(list.FirstPage(), 0);
}

TEST_F(EditListTest, DeleteInTheGridIsWrittenBack)
{
    list.SetFocusCell({3, 0});
    list.SetSelectedRange({3, 0, 3, 0});
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(g_PageTable.pages[1].lines[1].text, QString());
    EXPECT_TRUE(g_VolumeDirty);

    g_VolumeDirty = false;
    list.SetFocusCell({6, 0});
    list.SetSelectedRange({6, 0, 6, 0});
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(g_PageTable.pages[1].lines.size(), 3u) << "an emptied filler row stays filler";
    EXPECT_EQ(list.GetItemText(6, 0), kFiller);
    EXPECT_FALSE(g_VolumeDirty);
}

TEST_F(EditListTest, AHitIsDrawnWhiteOnBlue)
{
    g_PageTable.gridHits.AddNew()->positions = {{1, 1, 2}};
    g_PageTable.pages[1].lines[1].text = u"乙乙乙"_s;
    list.LoadPage();
    WinRect cell;
    ASSERT_TRUE(list.GetCellRect(3, 0, &cell));
    const QImage image = list.viewport()->grab().toImage();
    const int hitStart = cell.left + list.GetMargin() + QFontMetrics(list.GridQFont()).horizontalAdvance(u"乙乙"_s);
    int blueBefore = 0, blueAt = 0, white = 0;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool blue = c == QColor(0, 0, 255);
            (x < hitStart - 1 ? blueBefore : blueAt) += blue;
            white += x >= hitStart && c == Qt::white;
        }
    EXPECT_EQ(blueBefore, 0);
    EXPECT_GT(blueAt, 20);
    EXPECT_GT(white, 0) << "the character itself in white";
}

TEST_F(EditListTest, EditorFontCommandSizesTheRows)
{
    TEditView view;
    view.List().SetGoToCurrentPage([] {});
    view.List().LoadPage();
    const int before = view.List().GetRowHeight(2);
    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        QLineEdit* size = d.findChild<QComboBox*>(u"size"_s)->lineEdit();
        size->clear();
        QTest::keyClicks(size, u"30"_s);
        return true;
    });
    view.OnEditFont();
    EXPECT_EQ(view.Font().size, 30);
    EXPECT_EQ(view.List().GetGridFont().height, -40);
    EXPECT_GT(view.List().GetRowHeight(2), before);
}

}  // namespace
