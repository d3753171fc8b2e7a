#include "GridFixture.h"

#include <map>

#include <QClipboard>
#include <QDragEnterEvent>
#include <QMimeData>

namespace {

const QString kWide = QString::fromUcs4(U"\U00020000");  // a supplementary-plane character

class GridTransfer : public GridFixture {
protected:
    void SetUp() override { Build(4, 3, 0, 0); }

    void FillWith(const QString& text)
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                grid.SetItemText(r, c, text);
    }

    void Select(std::initializer_list<CCellID> cells)
    {
        for (const CCellID& c : cells)
            grid.SetItemState(c.row, c.col, grid.GetItemState(c.row, c.col) | kCellSelected);
    }
};

TEST_F(GridTransfer, TheTransferTextKeepsHolesAndEveryCharacter)
{
    grid.SetItemText(1, 0, QStringLiteral("a") + kWide);
    grid.SetItemText(1, 1, QString());
    grid.SetItemText(2, 0, QStringLiteral("c"));
    grid.SetItemText(2, 1, QStringLiteral("not selected"));
    Select({{1, 0}, {1, 1}, {2, 0}});
    const QString expected = QStringLiteral("a") + kWide + QStringLiteral("\t \nc\t");
    EXPECT_EQ(grid.GetTransferText(), expected);

    grid.OnEditCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/plain")));

    grid.SetSelectedRange({});
    EXPECT_EQ(grid.CopyTextFromGrid(), nullptr);
    EXPECT_FALSE(grid.CanEditCopy());
}

struct PasteCase {
    const char* what;
    QString text;
    CCellID at;
    std::map<std::pair<int, int>, QString> written;  // every other cell keeps "old"
};

TEST_F(GridTransfer, PastedTextIsSplitIntoCells)
{
    const PasteCase cases[] = {
        {"a double tab", QStringLiteral("a\t\tb"), {0, 0}, {{{0, 0}, "a"}, {{0, 1}, "b"}}},
        {"commas", QStringLiteral("a,b,c"), {0, 0}, {{{0, 0}, "a"}, {{0, 1}, "b"}, {{0, 2}, "c"}}},
        {"past the last column", QStringLiteral("a\tb\tc\td"), {0, 1}, {{{0, 1}, "a"}, {{0, 2}, "b"}}},
        {"past the last row", QStringLiteral("1\n2\n3\n4"), {2, 2}, {{{2, 2}, "1"}, {{3, 2}, "2"}}},
        {"CR LF lines", QStringLiteral("a\r\nb\r\n"), {0, 0}, {{{0, 0}, "a"}, {{1, 0}, "b"}}},
        {"spaces trimmed", QStringLiteral("  a \t b  "), {0, 0}, {{{0, 0}, "a"}, {{0, 1}, "b"}}},
        {"a blank line clears", QStringLiteral("a\n\nb"), {0, 0}, {{{0, 0}, "a"}, {{1, 0}, ""}, {{2, 0}, "b"}}},
        {"wide characters", kWide + QStringLiteral("\t") + kWide, {3, 0}, {{{3, 0}, kWide}, {{3, 1}, kWide}}},
    };
    for (const PasteCase& c : cases) {
        FillWith(QStringLiteral("old"));
        Select({c.at});
        grid.changes.clear();
        QMimeData data;
        data.setText(c.text);
        ASSERT_TRUE(grid.PasteTextToGrid(c.at, &data)) << c.what;
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < 3; ++col) {
                const auto it = c.written.find({r, col});
                EXPECT_EQ(grid.GetItemText(r, col), it == c.written.end() ? QStringLiteral("old") : it->second)
                    << c.what << " at " << r << "," << col;
            }
        EXPECT_EQ(grid.changes.size(), c.written.size()) << c.what;
        EXPECT_FALSE(grid.IsCellSelected(c.at.row, c.at.col)) << c.what;
    }
    EXPECT_TRUE(grid.GetModified());
}

TEST_F(GridTransfer, PasteRefusesAReadOnlyCellOrDataWithoutText)
{
    FillWith(QStringLiteral("old"));
    QMimeData text;
    text.setText(QStringLiteral("new"));
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("x"));
    grid.SetItemState(1, 1, kCellReadOnly);
    EXPECT_FALSE(grid.PasteTextToGrid({1, 1}, &text));
    EXPECT_FALSE(grid.PasteTextToGrid({0, 0}, &image));
    EXPECT_FALSE(grid.PasteTextToGrid({4, 0}, &text));
    EXPECT_EQ(grid.GetItemText(1, 1), QStringLiteral("old"));
    EXPECT_FALSE(grid.GetModified());
}

TEST_F(GridTransfer, CutEmptiesTheSelectedCellsThatAreNotReadOnly)
{
    FillWith(QStringLiteral("old"));
    grid.SetFocusCell({0, 0});
    grid.SetSelectedRange({0, 0, 0, 1});
    grid.SetItemState(0, 1, grid.GetItemState(0, 1) | kCellReadOnly);
    grid.OnEditCut();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("old\told"));
    EXPECT_EQ(grid.GetItemText(0, 0), QString());
    EXPECT_EQ(grid.GetItemText(0, 1), QStringLiteral("old"));
    EXPECT_EQ(grid.changes, (std::vector<TestGrid::Change>{{0, 0, QString()}}));

    // Ctrl+V puts it back at the focus cell.
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.GetItemText(0, 0), QStringLiteral("old"));
}

TEST_F(GridTransfer, AMoveDropOntoItsOwnSourceKeepsWhatItReceived)
{
    grid.EnableDragAndDrop(true);
    FillWith(QString());
    grid.SetItemText(1, 0, QStringLiteral("a"));
    grid.SetItemText(1, 1, QStringLiteral("b"));
    grid.SetSelectedRange({1, 0, 1, 1});
    std::unique_ptr<QMimeData> data(grid.CopyTextFromGrid());
    ASSERT_TRUE(data);

    const QPoint target = CentreOf(1, 1);
    QDragEnterEvent enter(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::MoveAction);
    EXPECT_TRUE(grid.GetItemState(1, 1) & kCellDropHighlighted);

    QDragMoveEvent move(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(vp(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction) << "Ctrl copies";

    QDropEvent drop(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_FALSE(grid.GetItemState(1, 1) & kCellDropHighlighted);
    grid.FinishDrag(Qt::MoveAction);

    EXPECT_EQ(grid.GetItemText(1, 0), QString()) << "the source left";
    EXPECT_EQ(grid.GetItemText(1, 1), QStringLiteral("a"));
    EXPECT_EQ(grid.GetItemText(1, 2), QStringLiteral("b"));
}

TEST_F(GridTransfer, DropsNeedDragAndDropOn)
{
    QMimeData data;
    data.setText(QStringLiteral("x"));
    QDragEnterEvent enter(CentreOf(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

struct SortCase {
    const char* what;
    std::vector<QString> texts;
    bool ascending;
    std::vector<QString> sorted;
};

TEST(GridSort, RowsSortByOrdinalTextAndEqualTextsStay)
{
    const QString bang = QStringLiteral("！");  // U+FF01: above the surrogates D800-DFFF
    const SortCase cases[] = {
        {"ascending", {"b", "a", "c", "B"}, true, {"B", "a", "b", "c"}},
        {"descending", {"b", "a", "c", "B"}, false, {"c", "b", "a", "B"}},
        {"code units", {bang, kWide, "z"}, true, {"z", kWide, bang}},
        {"equal texts", {"x", "x", "x", "x"}, true, {"x", "x", "x", "x"}},
    };
    for (const SortCase& c : cases) {
        CGridCtrl grid;
        const int n = int(c.texts.size());
        grid.SetRowCount(n + 1);
        grid.SetColumnCount(2);
        grid.SetFixedRowCount(1);
        grid.SetItemText(0, 0, QStringLiteral("header"));
        for (int i = 0; i < n; ++i) {
            grid.SetItemText(i + 1, 0, c.texts[size_t(i)]);
            grid.SetItemText(i + 1, 1, QString::number(i));  // the row's identity
            grid.SetRowHeight(i + 1, 10 + i);
        }
        ASSERT_TRUE(grid.SortTextItems(0, c.ascending)) << c.what;
        EXPECT_EQ(grid.GetItemText(0, 0), QStringLiteral("header"));
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(grid.GetItemText(i + 1, 0), c.sorted[size_t(i)]) << c.what << " row " << i + 1;
            const int was = grid.GetItemText(i + 1, 1).toInt();
            EXPECT_EQ(grid.GetRowHeight(i + 1), 10 + was) << "heights travel with their rows";
            if (c.texts == c.sorted) {
                EXPECT_EQ(was, i) << c.what << ": rows of equal texts are never exchanged";
            }
        }
    }
}

}  // namespace
