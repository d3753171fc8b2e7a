#include "app/panes/EditView.h"

#include <algorithm>
#include <vector>

#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "foundation/text/StringUtils.h"
#include "grid/DrawTextFormat.h"
#include "grid/InPlaceEdit.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/LinesPastTheFrame.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

namespace {

// Rows are sized to one line of text, so a line is never broken into a
// second line the row would cut; a long one runs out at the right (the title
// tip shows it whole).
constexpr uint32_t kRowFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr ColorRef kHitText = Rgb(255, 255, 255);
// A line that no longer fits its column: dark red on pale red.
constexpr ColorRef kTooLongText = Rgb(160, 0, 0);
constexpr ColorRef kTooLongBack = Rgb(255, 205, 205);
constexpr ColorRef kHitBack = Rgb(0, 0, 255);

DcFont ToDcFont(const TFontAndColor& font)
{
    const bool bold = font.style == FontType::BOLD || font.style == FontType::BOLD_ITALICS;
    const bool italic = font.style == FontType::ITALICS || font.style == FontType::BOLD_ITALICS;
    return {.height = -MulDiv(font.size, 96, 72), .width = 0, .weight = bold ? 700 : kFontWeightNormal,
            .italic = italic, .face = font.face};
}

// A line's text cut into pieces at its hit characters: runs of plain text,
// and each hit character alone.
struct Piece {
    QStringView text;
    bool hit;
};

std::vector<Piece> CutAtHits(QStringView text, const std::vector<int32_t>& hits)
{
    std::vector<Piece> pieces;
    int32_t column = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++column) {
        const qsizetype next = NextCodePointIndex(text, i);
        if (std::find(hits.begin(), hits.end(), column) != hits.end()) {
            if (i > start)
                pieces.push_back({text.mid(start, i - start), false});
            pieces.push_back({text.mid(i, next - i), true});
            start = next;
        }
        i = next;
    }
    if (start < text.size())
        pieces.push_back({text.mid(start), false});
    return pieces;
}

}  // namespace

// --- the grid ------------------------------------------------------------------

TEditList::TEditList(QWidget* parent) : CGridCtrl(parent)
{
    setObjectName(QStringLiteral("TEditList"));
    SetEditable(true);
    SetListMode(true);
    SetHeaderSort(false);
    Empty();
}

TEditList::~TEditList()
{
    // An editor that goes with the grid ends no edit: the drawing must not
    // stay stopped.
    if (InPlaceEditor())
        g_CellEditing = false;
}

void TEditList::LoadPage()
{
    if (writing_) {
        reloadPending_ = true;
        return;
    }
    // An open edit belongs to the rows shown now: it is written back first.
    if (CInPlaceEdit* editor = InPlaceEditor())
        editor->EndEdit();
    if (!g_CurrentBook || !g_CurrentPages) {
        Empty();
        return;
    }
    Fill();
}

void TEditList::Shape(int rows)
{
    DeleteAllItems();
    SetRowCount(rows + 1);
    SetColumnCount(1);
    SetFixedRowCount(1);
    SetFixedColumnCount(0);
    SetRowResize(true);
}

void TEditList::Empty()
{
    rows_ = {};
    Shape(0);
    ExpandColumnsToFit();
}

void TEditList::Fill()
{
    const std::optional<EditPaneRows> rows = ShownPageRows(*g_CurrentPages, g_CurrentPage);
    if (!rows)
        return;
    rows_ = *rows;
    Shape(rows_.RowCount());
    for (int row = 1; row < GetRowCount(); ++row) {
        const EditRowTarget target = RowToPageLine(rows_, row);
        TGridItem item = InitGridItem();
        item.row = row;
        item.mask = kItemText | kItemFormat;
        item.text = RowText(*g_CurrentPages, target);
        item.format = kRowFormat;
        SetItem(item);
    }
    MarkTooLongLines();
    for (int row = 0; row < GetRowCount(); ++row)
        AutoSizeRow(row);
    ExpandColumnsToFit();
    viewport()->update();
}

void TEditList::MarkTooLongLines()
{
    const std::vector<std::pair<const TPageRec*, int32_t>> tooLong = LinesPastTheFrame(g_CurrentPage);
    for (int row = 1; row < GetRowCount(); ++row) {
        const EditRowTarget target = RowToPageLine(rows_, row);
        const std::pair<const TPageRec*, int32_t> line{g_CurrentPages->pages.GetAtOrNull(target.page), target.line};
        const bool marked = std::find(tooLong.begin(), tooLong.end(), line) != tooLong.end();
        TGridItem item = InitGridItem();
        item.row = row;
        item.mask = kItemBackground | kItemTextColour;
        item.background = marked ? kTooLongBack : kGridDefaultColour;
        item.textColour = marked ? kTooLongText : kGridDefaultColour;
        SetItem(item);
    }
}

bool TEditList::OnEditCell(int row, int col, uint32_t startChar)
{
    const bool opened = CGridCtrl::OnEditCell(row, col, startChar);
    if (opened)
        g_CellEditing = true;
    return opened;
}

void TEditList::OnEndEditCell(int row, int, const QString& text)
{
    g_CellEditing = false;
    WriteBack(row, text);
}

void TEditList::OnCellTextChangedByGrid(int row, int, const QString& text) { WriteBack(row, text); }

void TEditList::WriteBack(int row, const QString& text)
{
    if (!g_CurrentPages)
        return;
    writing_ = true;
    const EditRowTarget target = RowToPageLine(rows_, row);
    const EditWriteBack result = WriteRowText(*g_CurrentPages, target, text);
    if (target.page >= 0)
        SetItemText(row, 0, RowText(*g_CurrentPages, target));
    if (result.changed) {
        g_VolumeDirty = true;
        g_IndexDirty = g_IndexDirty || result.indexDirty;
        if (result.refreshTree)
            Frame().RefreshPageTree();
        if (goToCurrentPage_)
            goToCurrentPage_();
        MarkTooLongLines();
        viewport()->update();
    }
    writing_ = false;
    if (reloadPending_) {
        // Later: the grid may still be ending the edit on this row.
        reloadPending_ = false;
        QMetaObject::invokeMethod(this, &TEditList::LoadPage, Qt::QueuedConnection);
    }
}

bool TEditList::DrawCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk)
{
    drawRow_ = row;
    drawCol_ = col;
    return CGridCtrl::DrawCell(dc, row, col, rect, eraseBk);
}

void TEditList::DrawCellText(GridDc& dc, const QString& text, WinRect& rect, uint32_t format)
{
    const std::vector<int32_t> hits =
        g_CurrentPages && drawRow_ >= GetFixedRowCount()
            ? GridHitColumns(*g_CurrentPages, RowToPageLine(rows_, drawRow_))
            : std::vector<int32_t>();
    if (hits.empty()) {
        CGridCtrl::DrawCellText(dc, text, rect, format);
        return;
    }
    int32_t x = rect.left;
    for (const Piece& piece : CutAtHits(text, hits)) {
        WinRect place{x, rect.top, rect.right, rect.bottom};
        WinRect measured = place;
        dc.DrawText(piece.text, measured, format | DT_CALCRECT);
        if (piece.hit) {
            // The box spans the row, wherever the format puts the text in it.
            dc.FillRect({measured.left, rect.top, measured.right, rect.bottom}, kHitBack);
            const ColorRef normal = dc.SetTextColor(kHitText);
            dc.DrawText(piece.text, place, format);
            dc.SetTextColor(normal);
        } else {
            dc.DrawText(piece.text, place, format);
        }
        x = measured.right;
    }
}

void TEditList::resizeEvent(QResizeEvent* event)
{
    CGridCtrl::resizeEvent(event);
    ExpandColumnsToFit();
}

// --- the pane ------------------------------------------------------------------

TEditView::TEditView(QWidget* parent) : QWidget(parent), list_(new TEditList(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    setFocusProxy(list_);
    ApplyFont();
}

void TEditView::ApplyFont()
{
    list_->SetGridFont(ToDcFont(font_));
    list_->ExpandColumnsToFit();
}

void TEditView::OnEditFont()
{
    if (!EditFontColor(font_))
        return;
    ApplyFont();
    for (int row = 0; row < list_->GetRowCount(); ++row)
        list_->AutoSizeRow(row);
    list_->ExpandColumnsToFit();
}
