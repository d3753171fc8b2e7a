#pragma once
// CGridCtrl: a table of text cells with leading fixed (header) rows and
// columns, selection, in-place editing, clipboard and drag-and-drop transfer
// as Unicode text, sorting, title tips for cut texts and printing. A general
// control: owners derive from it and override the protected virtuals (the
// edit pane's list does so for editing and cell drawing).
//
// Scroll positions are pixel offsets of the non-fixed area kept in the two
// scroll bars, but the painter is never shifted by them: the position picks
// the top-left non-fixed row and column and cells are laid out from the
// fixed edge, so the grid always scrolls by whole rows and columns.
//
// The implementation is spread over one file per concern: GridModel (counts
// and items), GridLook (colours and fonts), GridLayout (geometry), GridPaint,
// GridScroll, GridSelection, GridMouse, GridKeys, GridEditing, GridClipboard,
// GridDragDrop, GridSort and GridPrint.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPointer>

#include "grid/GridCell.h"
#include "grid/GridDc.h"
#include "grid/GridTypes.h"

class QMimeData;
class QPrinter;
class CInPlaceEdit;
class CTitleTip;

// The grid's colours; a colour still equal to the system colour it started
// from follows the system when the palette changes.
struct GridColours {
    ColorRef text = 0;
    ColorRef background = 0;
    ColorRef outside = 0;  // the client area beyond the last row and column
    ColorRef fixedText = 0;
    ColorRef fixedBackground = 0;
    ColorRef gridLines = 0;
};

// Printing metrics, set by OnBeginPrinting.
struct GridPrintMetrics {
    int charWidth = 0;
    int charHeight = 0;
    int pageHeight = 0;  // usable height for the rows of a page
    int logicalPageWidth = 0;
    int logicalPageHeight = 0;
    int printerPageWidth = 0;
    int printerPageHeight = 0;
};

class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Rows, columns and items.
    bool SetRowCount(int n);
    bool SetColumnCount(int n);
    bool SetFixedRowCount(int n);
    bool SetFixedColumnCount(int n);
    int GetRowCount() const { return rowCount_; }
    int GetColumnCount() const { return colCount_; }
    int GetFixedRowCount() const { return fixedRows_; }
    int GetFixedColumnCount() const { return fixedCols_; }
    void DeleteAllItems();

    bool SetItem(const TGridItem& item);
    bool GetItem(TGridItem& item) const;
    virtual QString GetItemText(int row, int col) const;
    bool SetItemText(int row, int col, const QString& text);
    bool SetItemState(int row, int col, uint32_t state);
    uint32_t GetItemState(int row, int col) const;
    uint32_t GetItemFormat(int row, int col) const;
    const DcFont* GetItemFont(int row, int col) const;
    CGridCell* GetCell(int row, int col) const;
    bool IsCellEditable(int row, int col) const;
    bool IsValid(CCellID cell) const;
    bool IsValid(const CCellRange& range) const;

    virtual bool SetColumnWidth(int col, int width);
    bool SetRowHeight(int row, int height);
    int GetColumnWidth(int col) const;
    int GetRowHeight(int row) const;

    // Behaviour.
    bool IsEditable() const { return editable_; }
    void SetEditable(bool on) { editable_ = on; }
    bool GetModified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }
    bool IsDragAndDrop() const { return dragAndDrop_; }
    void EnableDragAndDrop(bool on) { dragAndDrop_ = on; }
    bool GetListMode() const { return listMode_; }
    void SetListMode(bool on) { listMode_ = on; }
    bool IsDrawingAllowed() const { return allowDraw_; }
    void SetAllowDraw(bool on) { allowDraw_ = on; }
    void EnableSelection(bool on);
    bool IsSelectable() const { return enableSelection_; }
    void SetHeaderSort(bool on) { sortOnHeaderClick_ = on; }
    void SetHandleTabKey(bool on) { handleTabKey_ = on; }
    // Qt's backing store already paints off screen; the flag is kept for owners.
    void SetDoubleBuffering(bool on) { doubleBuffer_ = on; }
    void EnableTitleTips(bool on) { titleTips_ = on; }
    int GetGridLines() const { return gridLines_; }
    void SetGridLines(int mode) { gridLines_ = mode; }
    void SetRowResize(bool on) { allowRowResize_ = on; }
    void SetColumnResize(bool on) { allowColResize_ = on; }
    GridColours& Colours() { return colours_; }

    // Fonts: the grid's font reaches every cell, and sets the margin and the
    // default row height and column width.
    void SetGridFont(const DcFont& font);
    const DcFont& GetGridFont() const { return gridFont_; }
    QFont GridQFont() const;
    int GetMargin() const { return margin_; }
    int GetDefaultRowHeight() const { return defaultRowHeight_; }
    int GetDefaultColumnWidth() const { return defaultColWidth_; }

    // Geometry in viewport pixels.
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;
    CCellID GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange(WinRect* rect = nullptr) const;
    CCellRange GetUnobstructedNonFixedCellRange() const;
    bool GetCellOrigin(int row, int col, QPoint* origin) const;
    // Right = left + width - 1 and bottom = top + height - 1: as a WinRect
    // (right and bottom excluded) the cell without its grid lines.
    bool GetCellRect(int row, int col, WinRect* rect) const;
    CCellID GetCellFromPt(QPoint point, bool allowFixed = true) const;
    bool IsCellVisible(int row, int col) const;

    bool AutoSizeRow(int row);
    bool AutoSizeColumn(int col);
    void ExpandColumnsToFit();
    bool RedrawCell(int row, int col);
    void EnsureVisible(int row, int col);

    // Scrolling.
    virtual void ResetScrollBars();
    void OnVScroll(int code, int thumb = 0);
    void OnHScroll(int code, int thumb = 0);
    int GetScrollPos(bool vertical) const;
    int GetScrollMax(bool vertical) const;

    // Focus and selection.
    CCellID SetFocusCell(CCellID cell);
    CCellID GetFocusCell() const { return focusCell_; }
    void SetSelectedRange(const CCellRange& range);
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return int(selectedCells_.size()); }
    bool IsCellSelected(int row, int col) const;
    virtual void OnEditSelectAll();
    int GetMouseMode() const { return mouseMode_; }
    bool OnKeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Editing. The end record of an in-place editor comes back here.
    void OnEndInPlaceEdit(int row, int col, const QString& text, int key);
    CInPlaceEdit* InPlaceEditor() const;

    // Clipboard, drag and drop, sorting.
    QString GetTransferText() const;
    virtual QMimeData* CopyTextFromGrid() const;
    virtual bool PasteTextToGrid(CCellID cell, const QMimeData* data);
    virtual void CutSelectedText();
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    bool CanEditCopy() const;
    bool CanEditCut() const;
    bool CanEditPaste() const;
    bool CanEditSelectAll() const { return enableSelection_; }
    virtual bool SortTextItems(int col, bool ascending);
    bool SortTextItems(int col, bool ascending, int low, int high);
    virtual QPixmap CreateDragImage() const;
    // After a drag from this grid: a move empties the cells it took.
    void FinishDrag(Qt::DropAction result);

    // Printing: the print cycle, and all of it onto one printer or PDF file.
    virtual int OnBeginPrinting(GridDc& dc);
    virtual void OnPrint(GridDc& dc, int page, int lastPage);
    virtual void OnEndPrinting();
    bool Print(QPrinter& printer);

    CTitleTip* TitleTip() const { return titleTip_; }

signals:
    // The owner's notification: a GridNotification code with its cell.
    void notify(int code, int row, int col);
    // A click, delivered after the press and release have been handled.
    void clicked();

protected:
    // Cells.
    virtual std::unique_ptr<CGridCell> CreateCell(int row, int col);
    virtual void EmptyCell(CGridCell* cell, int row, int col);

    // Drawing.
    virtual void OnDraw(GridDc& dc, const WinRect& clip);
    virtual bool DrawFixedCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk);
    virtual bool DrawCell(GridDc& dc, int row, int col, WinRect rect, bool eraseBk);
    virtual void DrawCellText(GridDc& dc, const QString& text, WinRect& rect, uint32_t format);
    virtual QSize GetCellExtent(int row, int col, GridDc& dc);

    // Selection by the mouse.
    virtual void OnSelecting(CCellID cell);
    virtual void OnFixedRowClick(CCellID cell);
    virtual void OnFixedColumnClick(CCellID cell);

    // Editing. OnEditCell gives whether an editor opened.
    virtual bool OnEditCell(int row, int col, uint32_t startChar);
    virtual void OnEndEditCell(int row, int col, const QString& text);
    virtual CInPlaceEdit* CreateInPlaceEditControl(const WinRect& rect, Qt::Alignment alignment, int row, int col,
                                                   const QString& text, uint32_t startChar);
    // Delete, paste, cut and drop changed a cell's text; the text is stored.
    virtual void OnCellTextChangedByGrid(int row, int col, const QString& text);

    // The pieces of a printed page.
    virtual void PrintColumnHeadings(GridDc& dc);
    virtual void PrintHeader(GridDc& dc);
    virtual void PrintFooter(GridDc& dc, int page, int lastPage);

    // Qt events.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using CellMap = std::unordered_map<uint64_t, CCellID>;
    static uint64_t CellKey(int row, int col);

    // Model.
    void ResizeRows(int n);
    void ResizeColumns(int n);
    void RefreshAfterCountChange();

    // Look.
    // The system colours the grid's colours follow, as last seen.
    struct SystemColours {
        ColorRef windowText;
        ColorRef window;
        ColorRef buttonFace;
        ColorRef buttonShadow;
    };
    static SystemColours ReadSystemColours(const QPalette& palette);
    void FollowSystemColours();
    GridDc::EdgeColours EdgeColours() const;

    // Layout.
    int SumOfRows(int from, int to) const;
    int SumOfColumns(int from, int to) const;
    int ClientWidth() const;
    int ClientHeight() const;

    // Painting.
    void DrawCellLines(GridDc& dc, const WinRect& rect);
    void DrawCellPass(GridDc& dc, const WinRect& clip, int rowFrom, int rowTo, int colFrom, int colTo, bool fixed);
    void RedrawFixedOf(CCellID cell, bool columnChanged, bool rowChanged);

    // Scrolling.
    int ScrollBy(bool vertical, int code, int thumb);
    void OnScrollAction(bool vertical, int action);
    void TakeFocus();

    // Selection and mouse.
    void SelectAllNonFixed();
    int DividerAt(QPoint point, bool column) const;
    void HoverDividers(QPoint point);
    void StartResize(QPoint point);
    void EndResize(QPoint point);
    void StartDrag();
    void OfferTitleTip(QPoint point);
    void AutoScrollTick();
    void PostClick();

    // Clipboard.
    void WriteCellText(int row, int col, const QString& text);
    void SetDropCell(CCellID cell);
    Qt::DropAction DropActionFor(Qt::KeyboardModifiers modifiers) const;

    // Sorting.
    void SwapRows(int a, int b);

    // Printing.
    void PrintGridLines(GridDc& dc, const WinRect& rect, bool first, bool firstCol);

    GridColours colours_;
    SystemColours seen_{};

    int gridLines_ = 3;  // 0 none, 1 horizontal, 2 vertical, 3 both
    bool editable_ = true;
    bool modified_ = false;
    bool dragAndDrop_ = false;
    bool listMode_ = false;
    bool allowDraw_ = true;
    bool enableSelection_ = true;
    bool sortOnHeaderClick_ = true;
    bool handleTabKey_ = true;
    bool doubleBuffer_ = true;
    bool titleTips_ = true;

    int rowCount_ = 0, fixedRows_ = 0, colCount_ = 0, fixedCols_ = 0;
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    int margin_ = 0;
    int defaultColWidth_ = 0;
    int defaultRowHeight_ = 30;
    DcFont gridFont_;
    std::vector<std::vector<std::unique_ptr<CGridCell>>> rows_;

    int mouseMode_ = kMouseNothing;
    QPoint leftClickDownPoint_;
    QPoint lastMousePoint_;
    CCellID leftClickDownCell_;
    CCellID selectionStartCell_;
    CCellID focusCell_;
    QBasicTimer autoScrollTimer_;
    int timerInterval_ = 25;
    int resizeCaptureRange_ = 3;
    bool allowRowResize_ = true;
    bool allowColResize_ = true;
    bool capturing_ = false;
    int sizingIndex_ = -1;   // the row or column a divider drag sizes
    int resizeBar_ = -1;     // x or y of the bar shown while sizing

    CellMap selectedCells_;
    CellMap previousSelectedCells_;
    CTitleTip* titleTip_ = nullptr;
    QPointer<CInPlaceEdit> editor_;
    CCellID dropCell_;
    GridPrintMetrics print_;
    DcFont printerFont_;
    bool sortAscending_ = true;
    int sortColumn_ = -1;
};
