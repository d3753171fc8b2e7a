#pragma once
// The 編輯 pane: the typeset lines of the shown page of the open book, one
// per grid row, corrected in place. An edited cell (typed, deleted, cut,
// pasted or dropped) is written back into its page record and marks the
// volume modified; the characters of the last find are drawn white on blue;
// a line too long for its column (cut at the frame) is shown red.
// The frame refills the grid where the shown page changes, never from a
// paint.
#include <cstdint>
#include <functional>

#include <QWidget>

#include "app/panes/EditViewRows.h"
#include "foundation/params/Font.h"
#include "grid/GridCtrl.h"

class TEditList : public CGridCtrl {
    Q_OBJECT
public:
    explicit TEditList(QWidget* parent = nullptr);
    ~TEditList() override;

    // Shows the page again after an edit (the page combo's way to it).
    void SetGoToCurrentPage(std::function<void()> go) { goToCurrentPage_ = std::move(go); }

    // Fills the grid from the shown page of g_CurrentPages. Without an open
    // book the grid is emptied; a page that cannot be counted leaves it as
    // it was. An open edit is ended (and written back) first; while a cell
    // is written back the fill waits until it is done.
    void LoadPage();
    const EditPaneRows& Rows() const { return rows_; }
    // The index of the first text page shown; -1 when none.
    int32_t FirstPage() const { return rows_.pages.empty() ? -1 : rows_.pages.front().page; }

protected:
    bool OnEditCell(int row, int col, uint32_t startChar) override;
    void OnEndEditCell(int row, int col, const QString& text) override;
    void OnCellTextChangedByGrid(int row, int col, const QString& text) override;
    bool DrawCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk) override;
    void DrawCellText(GridDc& dc, const QString& text, WinRect& rect, uint32_t format) override;
    // The one column always spans the pane.
    void resizeEvent(QResizeEvent* event) override;

private:
    // The header row and rows rows below it, in one column, all empty.
    void Shape(int rows);
    void Fill();
    void Empty();
    void WriteBack(int row, const QString& text);
    // Red for the rows whose lines run past the frame, the plain colours
    // for the others.
    void MarkTooLongLines();

    EditPaneRows rows_;
    std::function<void()> goToCurrentPage_;
    int drawRow_ = -1;
    int drawCol_ = -1;
    bool writing_ = false;
    bool reloadPending_ = false;
};

class TEditView : public QWidget {
    Q_OBJECT
public:
    explicit TEditView(QWidget* parent = nullptr);

    TEditList& List() { return *list_; }
    // The pane's font, kept in the settings archive; its colours are stored
    // with it but not used by the grid.
    TFontAndColor& Font() { return font_; }
    // Gives the font to the grid (after loading the settings).
    void ApplyFont();
    // 編輯窗口字體: the font dialog on the pane's font; a change is given to
    // the grid and every row sized again.
    void OnEditFont();

private:
    TEditList* list_;
    TFontAndColor font_;
};
