// Scrolling by whole rows and columns. The reachable maximum of each bar is
// the content less the page, and the line, page and end requests clamp to
// that same maximum.
#include <algorithm>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "grid/GridCtrl.h"
#include "grid/TitleTip.h"

void CGridCtrl::ResetScrollBars()
{
    if (!allowDraw_)
        return;
    const int pageWidth = ClientWidth() - GetFixedColumnWidth();
    const int pageHeight = ClientHeight() - GetFixedRowHeight();
    if (pageWidth <= 0 || pageHeight <= 0)
        return;
    const int contentHeight = GetVirtualHeight() - GetFixedRowHeight();
    const int contentWidth = GetVirtualWidth() - GetFixedColumnWidth();
    verticalScrollBar()->setPageStep(pageHeight);
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - pageHeight));
    horizontalScrollBar()->setPageStep(pageWidth);
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth - pageWidth));
}

int CGridCtrl::GetScrollPos(bool vertical) const
{
    return (vertical ? verticalScrollBar() : horizontalScrollBar())->value();
}

int CGridCtrl::GetScrollMax(bool vertical) const
{
    return (vertical ? verticalScrollBar() : horizontalScrollBar())->maximum();
}

int CGridCtrl::ScrollBy(bool vertical, int code, int thumb)
{
    const QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    const int pos = bar->value();
    const int max = bar->maximum();
    const CCellID topLeft = GetTopleftNonFixedCell();
    const int first = vertical ? topLeft.row : topLeft.col;
    const int fixedCount = vertical ? fixedRows_ : fixedCols_;
    const auto sizeOf = [&](int i) { return vertical ? GetRowHeight(i) : GetColumnWidth(i); };
    const int page = (vertical ? ClientHeight() - GetFixedRowHeight() : ClientWidth() - GetFixedColumnWidth());

    switch (code) {
    case kScrollLineOn:
        return pos < max ? std::min(max, pos + sizeOf(first)) : pos;
    case kScrollLineBack:
        return pos > 0 && first > fixedCount ? std::max(0, pos - sizeOf(first - 1)) : pos;
    case kScrollPageBack:
        return pos > 0 ? std::max(0, pos - page) : pos;
    case kScrollPageOn:
        return pos < max ? std::min(max, pos + page) : pos;
    case kScrollToStart:
        return 0;
    case kScrollToEnd:
        return max;
    case kScrollThumbPosition:
    case kScrollThumbTrack:
        return std::clamp(thumb, 0, max);
    default:
        return pos;
    }
}

void CGridCtrl::OnVScroll(int code, int thumb)
{
    TakeFocus();
    titleTip_->Hide();
    verticalScrollBar()->setValue(ScrollBy(true, code, thumb));
}

void CGridCtrl::OnHScroll(int code, int thumb)
{
    TakeFocus();
    titleTip_->Hide();
    horizontalScrollBar()->setValue(ScrollBy(false, code, thumb));
}

void CGridCtrl::OnScrollAction(bool vertical, int action)
{
    // The bar has moved its slider by its own steps; put it where the grid's
    // row and page rules say instead (the value follows the slider).
    static const struct {
        int action;
        int code;
    } codes[] = {
        {QAbstractSlider::SliderSingleStepAdd, kScrollLineOn},  {QAbstractSlider::SliderSingleStepSub, kScrollLineBack},
        {QAbstractSlider::SliderPageStepAdd, kScrollPageOn},    {QAbstractSlider::SliderPageStepSub, kScrollPageBack},
        {QAbstractSlider::SliderToMinimum, kScrollToStart},     {QAbstractSlider::SliderToMaximum, kScrollToEnd},
    };
    for (const auto& c : codes)
        if (c.action == action) {
            TakeFocus();
            titleTip_->Hide();
            QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
            bar->setSliderPosition(ScrollBy(vertical, c.code, 0));
            return;
        }
}

void CGridCtrl::scrollContentsBy(int, int)
{
    // Cells are laid out from the fixed edge, never shifted by pixels.
    titleTip_->Hide();
    viewport()->update();
}

void CGridCtrl::wheelEvent(QWheelEvent* event)
{
    titleTip_->Hide();
    const int delta = event->angleDelta().y();
    const int lines = QApplication::wheelScrollLines();
    if (lines == -1) {
        // Page scrolling; the platform never asks for it, the rule stays.
        for (int n = delta / 120; n != 0; n += n > 0 ? -1 : 1)
            OnVScroll(n > 0 ? kScrollPageBack : kScrollPageOn);
    } else {
        for (int n = lines * delta / 120; n != 0; n += n > 0 ? -1 : 1)
            OnVScroll(n > 0 ? kScrollLineBack : kScrollLineOn);
    }
    event->accept();
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    const CCellRange range = GetVisibleNonFixedCellRange();
    for (int n = col - range.maxCol; n > 0; --n)
        OnHScroll(kScrollLineOn);
    for (int n = range.minCol - col; n > 0; --n)
        OnHScroll(kScrollLineBack);
    for (int n = row - range.maxRow; n > 0; --n)
        OnVScroll(kScrollLineOn);
    for (int n = range.minRow - row; n > 0; --n)
        OnVScroll(kScrollLineBack);
    WinRect rect;
    if (GetCellRect(row, col, &rect)) {
        if (rect.right > ClientWidth())
            OnHScroll(kScrollLineOn);
        if (rect.bottom > ClientHeight())
            OnVScroll(kScrollLineOn);
    }
}
