// Painting: background strips, the cells in four passes, the grid lines;
// fixed and normal cells; sizes that cells need, and redrawing one cell.
#include <algorithm>

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include "grid/DrawTextFormat.h"
#include "grid/GridCtrl.h"

namespace {

WinRect Intersect(const WinRect& a, const WinRect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Weight of the header cells in the focus cell's row or column.
constexpr int32_t kFocusHeaderWeight = 600;

// A device context for measuring only.
struct MeasuringDc {
    QImage image{1, 1, QImage::Format_RGB32};
    QPainter painter{&image};
    GridDc dc{painter, false};
};

}  // namespace

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    GridDc dc(painter, false);
    OnDraw(dc, WinRect::FromQRect(event->rect()));
    if (resizeBar_ >= 0) {
        // The bar of a divider drag, inverted over whatever lies under it.
        const QRect bar = mouseMode_ == kMouseSizingColumn ? QRect(resizeBar_, 0, 2, ClientHeight())
                                                           : QRect(0, resizeBar_, ClientWidth(), 2);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(bar, Qt::white);
    }
}

void CGridCtrl::OnDraw(GridDc& dc, const WinRect& clip)
{
    if (clip.IsEmpty())
        return;
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    WinRect vis;
    const CCellRange range = GetVisibleNonFixedCellRange(&vis);

    dc.FillRect(Intersect(clip, {clip.left, clip.top, fixedWidth, vis.bottom}), colours_.fixedBackground);
    dc.FillRect(Intersect(clip, {fixedWidth - 1, clip.top, vis.right, fixedHeight}), colours_.fixedBackground);
    dc.FillRect(Intersect(clip, {fixedWidth, fixedHeight, vis.right, vis.bottom}), colours_.background);
    dc.FillRect(Intersect(clip, {vis.right, clip.top, clip.right, clip.bottom}), colours_.outside);
    dc.FillRect(Intersect(clip, {clip.left, vis.bottom, vis.right, clip.bottom}), colours_.outside);

    DrawCellPass(dc, clip, 0, fixedRows_ - 1, 0, fixedCols_ - 1, true);
    DrawCellPass(dc, clip, range.minRow, range.maxRow, 0, fixedCols_ - 1, false);
    DrawCellPass(dc, clip, 0, fixedRows_ - 1, range.minCol, range.maxCol, true);
    DrawCellPass(dc, clip, range.minRow, range.maxRow, range.minCol, range.maxCol, false);

    const DcPen oldPen = dc.SelectPen({0, colours_.gridLines});
    if (gridLines_ == 2 || gridLines_ == 3) {
        int x = fixedWidth;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            x += GetColumnWidth(col);
            dc.MoveTo(x - 1, fixedHeight);
            dc.LineTo(x - 1, vis.bottom);
        }
    }
    if (gridLines_ == 1 || gridLines_ == 3) {
        int y = fixedHeight;
        for (int row = range.minRow; row <= range.maxRow; ++row) {
            y += GetRowHeight(row);
            dc.MoveTo(fixedWidth, y - 1);
            dc.LineTo(vis.right, y - 1);
        }
    }
    dc.SelectPen(oldPen);
}

void CGridCtrl::DrawCellPass(GridDc& dc, const WinRect& clip, int rowFrom, int rowTo, int colFrom, int colTo,
                             bool fixed)
{
    // Rows and columns from the fixed edge (or 0) on, each rectangle
    // starting one pixel past the previous one's right and bottom.
    int top = rowFrom < fixedRows_ ? SumOfRows(0, rowFrom) : GetFixedRowHeight();
    const int left0 = colFrom < fixedCols_ ? SumOfColumns(0, colFrom) : GetFixedColumnWidth();
    for (int row = rowFrom; row <= rowTo && row >= 0; ++row) {
        const int bottom = top + GetRowHeight(row) - 1;
        if (top >= clip.bottom)
            break;
        if (bottom >= clip.top) {
            int left = left0;
            for (int col = colFrom; col <= colTo && col >= 0; ++col) {
                const int right = left + GetColumnWidth(col) - 1;
                if (left >= clip.right)
                    break;
                if (right >= clip.left) {
                    const WinRect rect{left, top, right, bottom};
                    if (fixed)
                        DrawFixedCell(dc, row, col, rect, false);
                    else
                        DrawCell(dc, row, col, rect, false);
                }
                left = right + 1;
            }
        }
        top = bottom + 1;
    }
}

bool CGridCtrl::DrawFixedCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk)
{
    if (!allowDraw_)
        return false;
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return false;
    const bool ownBackground = cell->background != kGridDefaultColour;
    if (!dc.IsPrinting() && (eraseBk || ownBackground))
        dc.FillRect(rect, ownBackground ? cell->background : colours_.fixedBackground);

    dc.SaveDC();
    dc.SetTextColor(cell->textColour != kGridDefaultColour ? cell->textColour : colours_.fixedText);
    DcFont font = cell->font;
    const bool focusLine = IsValid(focusCell_) && (focusCell_.row == row || focusCell_.col == col);
    if (focusLine) {
        font.weight = kFocusHeaderWeight;
        WinRect raised{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
        dc.DrawEdgeRaised(raised, EdgeColours());
    } else {
        const QPalette& p = palette();
        dc.SelectPen({0, FromQColor(p.color(QPalette::Light))});
        dc.MoveTo(rect.right, rect.top);
        dc.LineTo(rect.left, rect.top);
        dc.LineTo(rect.left, rect.bottom);
        dc.SelectPen({0, FromQColor(p.color(QPalette::Shadow))});
        dc.MoveTo(rect.right, rect.top);
        dc.LineTo(rect.right, rect.bottom);
        dc.LineTo(rect.left, rect.bottom);
    }
    dc.SelectFont(font);
    rect = {rect.left + 1 + margin_, rect.top + 1, rect.right - 1 - margin_, rect.bottom - 1};
    dc.SetBkMode(BkMode::Transparent);
    dc.DrawText(cell->text, rect, cell->format);
    dc.RestoreDC();
    return true;
}

bool CGridCtrl::DrawCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk)
{
    if (!allowDraw_)
        return false;
    if (col < fixedCols_)
        return DrawFixedCell(dc, row, col, rect, eraseBk);
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return false;
    const bool ownBackground = cell->background != kGridDefaultColour;
    const ColorRef background = ownBackground ? cell->background : colours_.background;
    const ColorRef text = cell->textColour != kGridDefaultColour ? cell->textColour : colours_.text;
    const WinRect filled{rect.left, rect.top, rect.right + 1, rect.bottom + 1};

    dc.SaveDC();
    dc.SetBkMode(BkMode::Transparent);
    if (dc.IsPrinting()) {
        dc.SetTextColor(text);
    } else if (cell->state & kCellFocused) {
        if (eraseBk || ownBackground)
            dc.FillRect(filled, background);
        dc.SelectPen({0, Rgb(0, 0, 0)});
        dc.SelectBrush(DcBrush::Null());
        dc.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
        dc.SetTextColor(text);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    } else if (cell->state & kCellSelected) {
        dc.FillRect(filled, FromQColor(palette().color(QPalette::Highlight)));
        dc.SetTextColor(FromQColor(palette().color(QPalette::HighlightedText)));
    } else {
        if (eraseBk || ownBackground)
            dc.FillRect(filled, background);
        dc.SetTextColor(text);
    }
    if (!dc.IsPrinting() && (cell->state & kCellDropHighlighted)) {
        dc.SelectPen({0, Rgb(0, 0, 0)});
        dc.SelectBrush(DcBrush::Null());
        dc.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    }
    dc.SelectFont(cell->font);
    rect.left += margin_;
    rect.right -= margin_;
    DrawCellText(dc, cell->text, rect, cell->format);
    dc.RestoreDC();
    return true;
}

void CGridCtrl::DrawCellText(GridDc& dc, const QString& text, WinRect& rect, uint32_t format)
{
    dc.DrawText(text, rect, format);
}

bool CGridCtrl::RedrawCell(int row, int col)
{
    WinRect rect;
    if (!allowDraw_ || !IsCellVisible(row, col) || !GetCellRect(row, col, &rect))
        return false;
    // The cell with its right and bottom grid lines; paintEvent draws it.
    viewport()->update(QRect(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1));
    return true;
}

void CGridCtrl::RedrawFixedOf(CCellID cell, bool columnChanged, bool rowChanged)
{
    if (columnChanged)
        for (int r = 0; r < fixedRows_; ++r)
            RedrawCell(r, cell.col);
    if (rowChanged)
        for (int c = 0; c < fixedCols_; ++c)
            RedrawCell(cell.row, c);
}

QSize CGridCtrl::GetCellExtent(int row, int col, GridDc& dc)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return {};
    DcFont font = cell->font;
    if (row < fixedRows_ || col < fixedCols_)
        font.weight = kFocusHeaderWeight;
    const DcFont old = dc.SelectFont(font);
    const QSize text = dc.GetTextExtent(cell->text);
    dc.SelectFont(old);
    return {text.width() + 4 * margin_, text.height() + 2 * margin_};
}

bool CGridCtrl::AutoSizeRow(int row)
{
    if (row < 0 || row >= rowCount_)
        return false;
    MeasuringDc measuring;
    int height = 0;
    for (int col = 0; col < colCount_; ++col)
        height = std::max(height, GetCellExtent(row, col, measuring.dc).height());
    rowHeights_[size_t(row)] = height;
    ResetScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeColumn(int col)
{
    if (col < 0 || col >= colCount_)
        return false;
    MeasuringDc measuring;
    int width = 0;
    for (int row = 0; row < rowCount_; ++row)
        width = std::max(width, GetCellExtent(row, col, measuring.dc).width());
    colWidths_[size_t(col)] = width;
    ResetScrollBars();
    return true;
}

void CGridCtrl::ExpandColumnsToFit()
{
    if (colCount_ <= 0)
        return;
    const int spare = ClientWidth() - GetVirtualWidth();
    const int each = spare / colCount_;
    const int remainder = std::abs(spare) % colCount_;
    for (int col = 0; col < colCount_; ++col) {
        const int step = col < remainder ? (spare > 0 ? 1 : -1) : 0;
        // A column narrower than what is taken stays at 0.
        colWidths_[size_t(col)] = std::max(0, colWidths_[size_t(col)] + each + step);
    }
    ResetScrollBars();
    if (allowDraw_)
        viewport()->update();
}
