// Copy, cut and paste of cell texts as Unicode text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "grid/GridCtrl.h"
#include "grid/TransferText.h"

void CGridCtrl::WriteCellText(int row, int col, const QString& text)
{
    SetItemText(row, col, text);
    modified_ = true;
    OnCellTextChangedByGrid(row, col, text);
}

QString CGridCtrl::GetTransferText() const
{
    const CCellRange range = GetSelectedCellRange();
    QString text;
    if (!IsValid(range))
        return text;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (IsCellSelected(row, col)) {
                const QString cell = GetItemText(row, col);
                text += cell.isEmpty() ? QStringLiteral(" ") : cell;
            }
            if (col != range.maxCol)
                text += u'\t';
        }
        if (row != range.maxRow)
            text += u'\n';
    }
    return text;
}

QMimeData* CGridCtrl::CopyTextFromGrid() const
{
    if (!IsValid(GetSelectedCellRange()))
        return nullptr;
    auto* data = new QMimeData;
    data->setText(GetTransferText());
    return data;
}

bool CGridCtrl::PasteTextToGrid(CCellID cell, const QMimeData* data)
{
    if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col) || !data || !data->hasText())
        return false;
    const std::vector<QStringList> rows = SplitPastedText(data->text());
    for (size_t i = 0; i < rows.size(); ++i)
        for (qsizetype k = 0; k < rows[i].size(); ++k) {
            const CCellID target{cell.row + int(i), cell.col + int(k)};
            if (!IsValid(target))
                continue;  // beyond the grid: dropped
            WriteCellText(target.row, target.col, rows[i][k]);
            // A written cell leaves the selection, so a move-drop onto its
            // own source keeps what it received.
            SetItemState(target.row, target.col, GetItemState(target.row, target.col) & ~kCellSelected);
        }
    viewport()->update();
    return true;
}

void CGridCtrl::CutSelectedText()
{
    if (!editable_)
        return;
    const CellMap selected = selectedCells_;
    for (const auto& [key, id] : selected) {
        CGridCell* cell = GetCell(id.row, id.col);
        if (!cell || (cell->state & kCellReadOnly))
            continue;
        EmptyCell(cell, id.row, id.col);
        modified_ = true;
        OnCellTextChangedByGrid(id.row, id.col, QString());
    }
    viewport()->update();
}

void CGridCtrl::OnEditCopy()
{
    if (QMimeData* data = CopyTextFromGrid())
        QGuiApplication::clipboard()->setMimeData(data);
}

void CGridCtrl::OnEditCut()
{
    if (!editable_)
        return;
    QMimeData* data = CopyTextFromGrid();
    if (!data)
        return;
    QGuiApplication::clipboard()->setMimeData(data);
    CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    if (!editable_)
        return;
    const CCellID cell = IsValid(focusCell_) ? focusCell_ : GetTopleftNonFixedCell();
    PasteTextToGrid(cell, QGuiApplication::clipboard()->mimeData());
}

bool CGridCtrl::CanEditCopy() const { return IsValid(GetSelectedCellRange()) && !selectedCells_.empty(); }

bool CGridCtrl::CanEditCut() const { return editable_ && CanEditCopy(); }

bool CGridCtrl::CanEditPaste() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return IsValid(focusCell_) && IsCellEditable(focusCell_.row, focusCell_.col) && data && data->hasText();
}
