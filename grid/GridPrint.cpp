// Printing the grid: the rows laid out on pages of a logical width that
// holds every column plus margins, a header with the titles, the fixed rows
// as headings on each page and a footer with the page number and the date.
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include "grid/DrawTextFormat.h"
#include "grid/GridCtrl.h"

using namespace Qt::StringLiterals;

namespace {

// Measures, in character widths and heights.
constexpr int kLeftMargin = 4;
constexpr int kRightMargin = 4;
constexpr int kHeaderHeight = 2;
constexpr int kFooterHeight = 2;
constexpr int kGap = 1;

const QString kMeasure = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ"_s;

constexpr int32_t kBoldWeight = 700;

}  // namespace

int CGridCtrl::OnBeginPrinting(GridDc& dc)
{
    if (fixedRows_ >= rowCount_)
        return 0;
    printerFont_ = DcFont{-9, 0, kFontWeightNormal, false, u"Times New Roman"_s};
    dc.SelectFont(printerFont_);
    const QSize extent = dc.GetTextExtent(kMeasure);
    print_.charWidth = extent.width() / int(kMeasure.size());
    print_.charHeight = extent.height();
    print_.printerPageWidth = dc.GetDeviceCaps(DeviceCap::HorzRes);
    print_.printerPageHeight = dc.GetDeviceCaps(DeviceCap::VertRes);
    print_.logicalPageWidth = GetVirtualWidth() + (kLeftMargin + kRightMargin) * print_.charWidth;
    print_.logicalPageHeight = MulDiv(print_.logicalPageWidth, print_.printerPageHeight, print_.printerPageWidth);
    print_.pageHeight = print_.logicalPageHeight - (kHeaderHeight + kFooterHeight + 2 * kGap) * print_.charHeight -
                        GetFixedRowHeight();
    int pages = 1;
    int used = 0;
    for (int row = fixedRows_; row < rowCount_; ++row) {
        used += GetRowHeight(row);
        if (used > print_.pageHeight) {
            ++pages;
            used = GetRowHeight(row);
        }
    }
    return pages;
}

void CGridCtrl::OnPrint(GridDc& dc, int page, int lastPage)
{
    const int cw = print_.charWidth, ch = print_.charHeight;
    QPainter& painter = dc.Painter();
    painter.setWindow(-kLeftMargin * cw, 0, print_.logicalPageWidth, print_.logicalPageHeight);
    painter.setViewport(0, 0, print_.printerPageWidth, print_.printerPageHeight);
    dc.SelectFont(printerFont_);

    dc.SetViewportOrg({0, 0});
    PrintHeader(dc);
    const int headingsTop = (kHeaderHeight + kGap) * ch;
    dc.SetViewportOrg({0, headingsTop});
    PrintColumnHeadings(dc);
    dc.SetViewportOrg({0, headingsTop + GetFixedRowHeight()});

    // The first row of this page.
    int row = fixedRows_;
    for (int used = 0, current = 1; row < rowCount_ && current < page; ++row) {
        used += GetRowHeight(row);
        if (used > print_.pageHeight) {
            if (++current == page)
                break;
            used = GetRowHeight(row);
        }
    }
    const DcPen oldPen = dc.SelectPen({0, colours_.gridLines});
    bool first = true;
    for (int top = 0; row < rowCount_; ++row) {
        const int bottom = top + GetRowHeight(row) - 1;
        if (bottom > print_.pageHeight)
            break;
        int left = 0;
        for (int col = 0; col < colCount_; ++col) {
            const WinRect rect{left, top, left + GetColumnWidth(col) - 1, bottom};
            DrawCell(dc, row, col, rect, false);
            PrintGridLines(dc, rect, first, col == 0);
            left = rect.right + 1;
        }
        top = bottom + 1;
        first = false;
    }
    dc.SelectPen(oldPen);

    dc.SetViewportOrg({0, print_.logicalPageHeight - kFooterHeight * ch});
    PrintFooter(dc, page, lastPage);
    dc.SetViewportOrg({0, 0});
}

void CGridCtrl::PrintGridLines(GridDc& dc, const WinRect& rect, bool firstRow, bool firstCol)
{
    if (gridLines_ == 1 || gridLines_ == 3) {
        const int overlap = firstCol ? 0 : 1;
        dc.MoveTo(rect.left - overlap, rect.bottom);
        dc.LineTo(rect.right + 1, rect.bottom);
        if (firstRow) {
            dc.MoveTo(rect.left - overlap, rect.top - 1);
            dc.LineTo(rect.right + 1, rect.top - 1);
        }
    }
    if (gridLines_ == 2 || gridLines_ == 3) {
        const int overlap = firstRow ? 0 : 1;
        dc.MoveTo(rect.right, rect.top - overlap);
        dc.LineTo(rect.right, rect.bottom + 1);
        if (firstCol) {
            dc.MoveTo(rect.left - 1, rect.top - overlap);
            dc.LineTo(rect.left - 1, rect.bottom + 1);
        }
    }
}

void CGridCtrl::PrintColumnHeadings(GridDc& dc)
{
    const DcPen oldPen = dc.SelectPen({0, colours_.gridLines});
    for (int row = 0, top = 0; row < fixedRows_; ++row) {
        const int bottom = top + GetRowHeight(row) - 1;
        int left = 0;
        for (int col = 0; col < colCount_; ++col) {
            const WinRect rect{left, top, left + GetColumnWidth(col) - 1, bottom};
            DrawFixedCell(dc, row, col, rect, false);
            PrintGridLines(dc, rect, row == 0, col == 0);
            left = rect.right + 1;
        }
        top = bottom + 1;
    }
    dc.SelectPen(oldPen);
}

void CGridCtrl::PrintHeader(GridDc& dc)
{
    WinRect rect{0, 0, print_.logicalPageWidth - (kLeftMargin + kRightMargin) * print_.charWidth,
                 kHeaderHeight * print_.charHeight};
    DcFont bold = printerFont_;
    bold.weight = kBoldWeight;
    dc.SaveDC();
    dc.SelectFont(bold);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(0);
    QString ownerTitle;
    for (const QWidget* w = parentWidget(); w && ownerTitle.isEmpty(); w = w->parentWidget())
        ownerTitle = w->windowTitle();
    WinRect right = rect;
    dc.DrawText(QGuiApplication::applicationDisplayName(), right, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    WinRect centre = rect;
    dc.DrawText(ownerTitle, centre, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    dc.SelectPen({0, 0});
    dc.MoveTo(rect.left, rect.bottom);
    dc.LineTo(rect.right, rect.bottom);
    dc.RestoreDC();
}

void CGridCtrl::PrintFooter(GridDc& dc, int page, int lastPage)
{
    WinRect rect{0, 0, print_.logicalPageWidth - (kLeftMargin + kRightMargin) * print_.charWidth,
                 kFooterHeight * print_.charHeight};
    dc.SaveDC();
    dc.SelectPen({0, 0});
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right, rect.top);
    rect.top += print_.charHeight / 2;
    rect.bottom += print_.charHeight / 2;
    DcFont bold = printerFont_;
    bold.weight = kBoldWeight;
    dc.SelectFont(bold);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(0);
    const uint32_t line = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_NOCLIP;
    WinRect left = rect;
    dc.DrawText(QStringLiteral("Page %1 of %2").arg(page).arg(lastPage), left, DT_LEFT | line);
    WinRect right = rect;
    dc.DrawText(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat), right, DT_RIGHT | line);
    dc.RestoreDC();
}

void CGridCtrl::OnEndPrinting() {}

bool CGridCtrl::Print(QPrinter& printer)
{
    // A grid of fixed rows alone prints nothing; no page is begun for it.
    if (fixedRows_ >= rowCount_)
        return false;
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    GridDc dc(painter, true);
    const int pages = OnBeginPrinting(dc);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        OnPrint(dc, page, pages);
    }
    OnEndPrinting();
    return pages > 0;
}
