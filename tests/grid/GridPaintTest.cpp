#include "GridFixture.h"

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class GridPaint : public GridFixture {
protected:
    QImage Grab() { return vp()->grab().toImage(); }
    QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }
    QRgb Palette(QPalette::ColorRole role) { return grid.palette().color(role).rgb(); }

    // Pixels clearly darker than the fixed background inside a rectangle.
    int InkIn(const QImage& image, const QRect& box)
    {
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ink += qGray(image.pixel(x, y)) < 96;
        return ink;
    }
};

TEST_F(GridPaint, LinesSitOnTheLastPixelOfEachCellAndTheFocusIsOutlined)
{
    Build(5, 4, 1, 1);
    grid.SetFocusCell({2, 2});
    const QImage image = Grab();
    const QRgb black = QColor(Qt::black).rgb();
    const QRgb background = Palette(QPalette::Base);
    // Column 1 spans x 50..99: its line is at 99; row 1 spans y 20..39.
    EXPECT_EQ(At(image, 99, 30), black);
    EXPECT_EQ(At(image, 98, 30), background);
    EXPECT_EQ(At(image, 100, 30), background);
    EXPECT_EQ(At(image, 75, 39), black);
    EXPECT_EQ(At(image, 75, 38), background);
    // The focus cell (2, 2) is x 100..149, y 40..59: outlined inside its lines.
    EXPECT_EQ(At(image, 100, 50), black);
    EXPECT_EQ(At(image, 148, 50), black);
    EXPECT_EQ(At(image, 120, 40), black);
    EXPECT_EQ(At(image, 120, 58), black);
    EXPECT_EQ(At(image, 101, 50), background);
    EXPECT_EQ(At(image, 120, 57), background);
}

TEST_F(GridPaint, TheHeadersOfTheFocusRowAndColumnStandOutRaisedAndBold)
{
    Build(5, 3, 1, 1, 200, 100);
    grid.SetGridFont(DcFont{-14, 0, kFontWeightNormal, false, QStringLiteral("DejaVu Sans")});
    for (int r = 0; r < 5; ++r)
        grid.SetRowHeight(r, 20);
    for (int r = 1; r < 5; ++r)
        grid.SetItemText(r, 0, QStringLiteral("WWW"));
    grid.SetFocusCell({3, 1});
    const QImage image = Grab();
    // Row 3's header is x 0..49, y 60..79, raised: the inner shadow at x 48.
    EXPECT_EQ(At(image, 48, 70), Palette(QPalette::Dark));
    EXPECT_EQ(At(image, 48, 50), Palette(QPalette::Button)) << "row 2's header is flat";
    EXPECT_GT(InkIn(image, QRect(2, 62, 45, 16)), InkIn(image, QRect(2, 42, 45, 16))) << "bold";
}

TEST_F(GridPaint, AFixedRowsOnlyGridPrintsNothingAndRowsPrintToAPdf)
{
    QTemporaryDir dir;
    Build(2, 3, 2, 0);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
    EXPECT_FALSE(grid.Print(printer));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));

    grid.SetRowCount(300);
    Fill();
    printer.setOutputFileName(dir.filePath(QStringLiteral("rows.pdf")));
    EXPECT_TRUE(grid.Print(printer));
    QFile pdf(dir.filePath(QStringLiteral("rows.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
}

}  // namespace
